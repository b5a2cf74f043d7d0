#include "core/comm/comm_text.h"

#include <array>

namespace comm {

namespace {

struct Entry
{
    CommTextId id;
    std::string_view korean;
    std::string_view english; // empty: reads as the Korean text in every language
};

// One row per code, in the order of CommTextId. The Korean texts are the program's own (UTF-8);
// the editor's translations carry the same English texts.
constexpr Entry kEntries[] = {
        {CommTextId::Plain, "%s", {}},
        {CommTextId::AreaPassword, "암호", "password"},
        {CommTextId::AreaScreen, "스크린", "screen"},
        {CommTextId::AreaFont, "폰트", "font"},
        {CommTextId::AreaGlobal, "글로벌", "global"},
        {CommTextId::AreaConstant, "상수", "constant"},
        {CommTextId::AreaImage, "이미지", "image"},
        {CommTextId::AreaString, "스트링", "string"},
        {CommTextId::AreaClock, "날짜/시간", "date/time"},
        {CommTextId::AreaDrivers, "드라이버: %s, %s", "drivers: %s, %s"},
        {CommTextId::ErrPortOpen, "통신 포트를 열 수 없습니다.",
         "Cannot open the communication port."},
        {CommTextId::ErrTimeout, "타임아웃 에러입니다.", "Time-out error."},
        {CommTextId::ErrNak, "NAK 수신 : %s", "NAK received: %s"},
        {CommTextId::ErrFrame, "Frame 에러", "Frame error"},
        {CommTextId::ErrBcc, "BCC 에러", "BCC error"},
        {CommTextId::ErrPortWrite, "통신 포트에 쓰는데 실패했습니다.",
         "Writing to the communication port failed."},
        {CommTextId::ErrErased, "메모리가 지워져 있습니다.", "The memory is erased."},
        {CommTextId::NakCommand, "Command 에러", "Command error"},
        {CommTextId::NakSubCommand, "Sub Command 에러", "Sub-command error"},
        {CommTextId::NakAddress, "Address 에러", "Address error"},
        {CommTextId::NakRtcRead, "RTC Read 에러", "RTC read error"},
        {CommTextId::NakRtcWrite, "RTC Write 에러", "RTC write error"},
        {CommTextId::NakNoClock,
         "이 타입은 날짜/시간 설정 기능을 제공하지 않습니다. HMI 타입을 확인하시기 바랍니다.",
         "This type cannot set the date and time. Please check the HMI type."},
        {CommTextId::TitleDownloading, "다운로드 중.....", "Downloading....."},
        {CommTextId::TitleUploading, "업로드 중.....", "Uploading....."},
        {CommTextId::CommFailed, "통신실패\r\n\r\n%s 송수신에 실패했습니다.",
         "Communication failed\r\n\r\nSending/receiving the %s area failed."},
        {CommTextId::SendFailed, "%s 영역을 패널로 보내는 중에 통신이 실패했습니다.\r\n%s",
         "Sending the %s area to the panel failed.\r\n%s"},
        {CommTextId::ReceiveFailed, "패널에서 %s 영역을 받는 중에 통신이 실패했습니다.\r\n%s",
         "Receiving the %s area from the panel failed.\r\n%s"},
        {CommTextId::SendTimedOut, "%s 영역을 보내는 중에 패널이 응답하지 않았습니다.\r\n%s",
         "The panel did not answer while the %s area was being sent.\r\n%s"},
        {CommTextId::ReceiveTimedOut, "%s 영역을 받는 중에 패널이 응답하지 않았습니다.\r\n%s",
         "The panel did not answer while the %s area was being received.\r\n%s"},
        {CommTextId::PanelErased, "패널에 프로젝트가 없습니다.\r\n%s",
         "The panel holds no project.\r\n%s"},
        {CommTextId::CommStopped, "통신이 중지되었습니다.", "Communication has been stopped."},
        {CommTextId::TransferDone, "통신성공\r\n\r\n통신을 성공적으로 끝냈습니다.",
         "Communication succeeded\r\n\r\nThe communication finished successfully."},
        {CommTextId::PwdCaption, "암호 입력", "Password entry"},
        {CommTextId::PwdEmpty, "암호가 입력되지 않았습니다.", "No password has been entered."},
        {CommTextId::PwdChars, "암호는 A-Z, a-z, or 0-9 만 입력가능합니다.",
         "A password may contain only A-Z, a-z or 0-9."},
        {CommTextId::PwdTooLong, "암호는 10자까지 입력할 수 있습니다.",
         "A password holds at most 10 characters."},
        {CommTextId::PwdMismatch, "암호가 일치하지 않습니다.", "The password does not match."},
        {CommTextId::PwdChanged, "새로운 암호로 변경했습니다.", "The password has been changed."},
        {CommTextId::PwdChangeFailed, "암호 변경에 실패했습니다.", "Changing the password failed."},
        {CommTextId::PwdRemoved, "암호를 삭제했습니다.", "The password has been removed."},
        {CommTextId::PwdRemoveFailed, "암호 삭제에 실패했습니다.", "Removing the password failed."},
        {CommTextId::NoGroup, "선택된 영역이 존재하지 않습니다. 영역을 선택하시기 바랍니다.",
         "No area is selected. Please select an area."},
        {CommTextId::AskParameters,
         "파라미터를 다운로드하면 특정 경보이력이 모두 지워집니다. 계속하시겠습니까?",
         "Downloading the parameters erases the specific alarm history. Continue?"},
        {CommTextId::MissingDriver,
         "다음과 같은 드라이버 파일이 없으므로  프로젝트를 다운로드 할 수 없습니다. \n%s",
         "The project cannot be downloaded because this driver file is missing:\n%s"},
        {CommTextId::MissingDriverLine, "채널%d: 파일명[%s]", "Channel %d: file name [%s]"},
        {CommTextId::DriverTooLarge,
         "드라이버 파일 %s이(가) 너무 커서 패널의 드라이버 영역에 들어가지 않습니다(채널 %d: %u "
         "바이트).",
         "The driver file %s is too large for the panel's driver area (channel %d holds %u "
         "bytes)."},
        {CommTextId::AskDrivers,
         "Velmar Panel에 현재 파라미터 설정값과 다른  드라이버가 설치되어 있습니다. \n파라미터를 "
         "다운로드 하지 않을 시 기기가 정상적으로 동작하지 않을 수 있습니다.\n파라미터를 다운로드 "
         "하시겠습니까?",
         "The Velmar Panel holds other drivers than the parameters name.\nUnless the parameters "
         "are downloaded the panel may not work properly.\nDownload the parameters?"},
        {CommTextId::AskReplace,
         "현재 프로젝트의 내용이 업로드된 데이타로 바뀝니다.\n계속하시겠습니까?",
         "The current project's content will be replaced by the uploaded data.\nContinue?"},
        {CommTextId::OsDownloaderMissing,
         "실행파일이 존재하지 않습니다.\n[%s]가 존재하는지 확인하십시오.",
         "The program does not exist.\nCheck that [%s] exists."},
        {CommTextId::AskDeleteHistory,
         "전체 경보이력과 특정경보이력이 모두 삭제됩니다. 계속하시겠습니까?",
         "All alarm history and specific alarm history will be deleted. Continue?"},
        {CommTextId::HistoryDeleted, "경보이력을 지우는데 성공했습니다.",
         "The alarm history has been deleted."},
        {CommTextId::HistoryDeleteFailed, "경보이력을 지우는데 실패했습니다.",
         "Deleting the alarm history failed."},
        {CommTextId::AskErase, "Velmar Panel의 전체 메모리가 삭제됩니다. 계속하시겠습니까?",
         "The whole memory of the Velmar Panel will be erased. Continue?"},
        {CommTextId::EraseDone, "전체 메모리를 삭제하는데 성공했습니다.",
         "The whole memory has been erased."},
        {CommTextId::EraseFailed, "전체 메모리를 삭제하는데 실패했습니다.",
         "Erasing the whole memory failed."},
        {CommTextId::AskFontDownload, "정말로 다운로드하시겠습니까?", "Really download?"},
        {CommTextId::CannotOpenFile, "파일을 열 수 없습니다.[%s]", "Cannot open the file. [%s]"},
        {CommTextId::FontFile, "Font File: %s", {}},
        {CommTextId::FileTooLarge, "파일이 너무 커서 다운로드 할 수 없습니다.",
         "The file is too large to download."},
        {CommTextId::SysInfoFailed, "시스템 정보 읽기에 실패했습니다.",
         "Reading the system information failed."},
        {CommTextId::DriverUnused, "미사용", "Unused"},
        {CommTextId::NothingLoaded, "(없음)", "(none)"},
        {CommTextId::ClockReading, "%s %s %s", {}},
        {CommTextId::HistOldVersion,
         "버전 1.1 이전에 저장된 경보이력이므로 업로드할 수 없습니다. \n\nOS를 최근 버전으로 "
         "업그레이드하시기 바랍니다.",
         "The alarm history was saved before version 1.1 and cannot be uploaded. \n\nPlease "
         "upgrade the OS to the latest version."},
        {CommTextId::HistReadFailed, "경보이력 읽기 실패", "Reading the alarm history failed"},
        {CommTextId::SearchEndBeforeStart, "검색 종료일은 시작일보다 작을 수 없습니다.",
         "The end of the search cannot lie before its start."},
        {CommTextId::NoLineSelected, "선택된 라인이 없습니다. 확인하시기 바랍니다.",
         "No line is selected. Please check."},
        {CommTextId::AskDeleteRows, "선택된 라인의 레코드를 정말로 지우시겠습니까?",
         "Really delete the records of the selected lines?"},
        {CommTextId::AnsweredYes, " [예]", " [yes]"},
        {CommTextId::AnsweredNo, " [아니요: 예로 답하려면 --yes]", " [no: use --yes]"},
        {CommTextId::PasswordOption, "패널이 암호를 묻습니다. --password로 암호를 주십시오.",
         "The panel asks for its password (use --password)."},
        {CommTextId::ClockInvalid, "패널의 시계에 올바른 시각이 없습니다.",
         "The panel's clock holds no valid time."},
        {CommTextId::Sunday, "일", "Sun"},
        {CommTextId::Monday, "월", "Mon"},
        {CommTextId::Tuesday, "화", "Tue"},
        {CommTextId::Wednesday, "수", "Wed"},
        {CommTextId::Thursday, "목", "Thu"},
        {CommTextId::Friday, "금", "Fri"},
        {CommTextId::Saturday, "토", "Sat"},
};

static_assert(std::size(kEntries) == kCommTextCount, "one row per text code");

constexpr bool inOrder()
{
    for (std::size_t i = 0; i < std::size(kEntries); ++i)
        if (static_cast<std::size_t>(kEntries[i].id) != i)
            return false;
    return true;
}
static_assert(inOrder(), "rows in the order of CommTextId");

const Entry &entry(CommTextId id)
{
    const auto i = static_cast<std::size_t>(id);
    return kEntries[i < kCommTextCount ? i : 0];
}

bool isMarker(std::string_view format, std::size_t at)
{
    return format[at] == '%' && at + 1 < format.size()
            && (format[at + 1] == 's' || format[at + 1] == 'd' || format[at + 1] == 'u');
}

} // namespace

CommLanguage commLanguageOf(std::uint16_t resourceLangId)
{
    return resourceLangId == 1033 ? CommLanguage::English : CommLanguage::Korean;
}

std::string_view commFormat(CommTextId id, CommLanguage language)
{
    const Entry &e = entry(id);
    return language == CommLanguage::English && !e.english.empty() ? e.english : e.korean;
}

bool isLanguageNeutral(CommTextId id)
{
    return entry(id).english.empty();
}

std::string commTextIn(const CommText &text, CommLanguage language)
{
    if (text.id == CommTextId::Plain)
        return text.plain;
    const std::string_view format = commFormat(text.id, language);
    std::string out;
    std::size_t next = 0;
    for (std::size_t at = 0; at < format.size(); ++at) {
        if (!isMarker(format, at)) {
            out += format[at];
            continue;
        }
        if (next < text.args.size())
            out += commTextIn(text.args[next], language);
        ++next;
        ++at;
    }
    return out;
}

std::string commTextIn(const CommText &text, std::uint16_t resourceLangId)
{
    return commTextIn(text, commLanguageOf(resourceLangId));
}

CommText weekdayText(unsigned dayOfWeek)
{
    if (dayOfWeek >= 7)
        return {};
    return CommText(static_cast<CommTextId>(static_cast<unsigned>(CommTextId::Sunday) + dayOfWeek));
}

} // namespace comm
