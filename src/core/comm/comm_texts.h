#pragma once

// The texts of the serial link, the panel commands and the alarm history (UTF-8, Korean base
// texts; the UI translates them).

#include <string_view>

namespace comm::text {

// Area names shown in progress and error texts.
inline constexpr std::string_view kAreaPassword = "암호";
inline constexpr std::string_view kAreaScreen = "스크린";
inline constexpr std::string_view kAreaFont = "폰트";
inline constexpr std::string_view kAreaGlobal = "글로벌";
inline constexpr std::string_view kAreaConstant = "Constant";
inline constexpr std::string_view kAreaImage = "이미지";
inline constexpr std::string_view kAreaString = "스트링";
inline constexpr std::string_view kAreaClock = "날짜/시간";
inline constexpr const char *kAreaDrivers = "드라이버: %s, %s";
inline constexpr std::string_view kNoUseDriver1 = "ch1_nouse.drv";
inline constexpr std::string_view kNoUseDriver2 = "ch2_nouse.drv";

// Link error classes 1-7.
inline constexpr std::string_view kErrPortOpen = "통신 포트를 열 수 없습니다.";
inline constexpr std::string_view kErrTimeout = "타임아웃 에러입니다.";
inline constexpr const char *kErrNak = "NAK 수신 : %s";
inline constexpr std::string_view kErrFrame = "Frame 에러";
inline constexpr std::string_view kErrBcc = "BCC 에러";
inline constexpr std::string_view kErrPortWrite = "통신 포트에 쓰는데 실패했습니다.";
inline constexpr std::string_view kErrErased = "메모리가 지워져 있습니다.";

// Panel NAK codes 0-7.
inline constexpr std::string_view kNakTexts[] = {
        "BCC 에러",
        "Frame 에러",
        "Command 에러",
        "Sub Command 에러",
        "Address 에러",
        "RTC Read 에러",
        "RTC Write 에러",
        "이 타입은 날짜/시간 설정 기능을 제공하지 않습니다. HMI 타입을 확인하시기 바랍니다.",
};

// Progress dialog.
inline constexpr std::string_view kTitleDownloading = "다운로드 중.....";
inline constexpr std::string_view kTitleUploading = "업로드 중.....";
inline constexpr const char *kCommFailed = "통신실패\r\n\r\n%s 송수신에 실패했습니다.";
inline constexpr std::string_view kCommStopped = "통신이 중지되었습니다.";

// Password prompt and password commands.
inline constexpr std::string_view kPwdCaption = "암호 입력";
inline constexpr std::string_view kPwdEmpty = "암호가 입력되지 않았습니다.";
inline constexpr std::string_view kPwdChars = "암호는 A-Z, a-z, or 0-9 만 입력가능합니다.";
inline constexpr std::string_view kPwdTooLong = "암호는 10자까지 입력할 수 있습니다.";
inline constexpr std::string_view kPwdMismatch = "암호가 일치하지 않습니다.";
inline constexpr std::string_view kPwdChanged = "새로운 암호로 변경했습니다.";
inline constexpr std::string_view kPwdChangeFailed = "암호 변경에 실패했습니다.";
inline constexpr std::string_view kPwdRemoved = "암호를 삭제했습니다.";
inline constexpr std::string_view kPwdRemoveFailed = "암호 삭제에 실패했습니다.";

// Alarm-history delete, memory erase, font download, system information.
inline constexpr std::string_view kAskDeleteHistory
        = "전체 경보이력과 특정경보이력이 모두 삭제됩니다. 계속하시겠습니까?";
inline constexpr std::string_view kHistoryDeleted = "경보이력을 지우는데 성공했습니다.";
inline constexpr std::string_view kHistoryDeleteFailed = "경보이력을 지우는데 실패했습니다.";
inline constexpr std::string_view kAskErase
        = "Velmar Panel의 전체 메모리가 삭제됩니다. 계속하시겠습니까?";
inline constexpr std::string_view kEraseDone = "전체 메모리를 삭제하는데 성공했습니다.";
inline constexpr std::string_view kEraseFailed = "전체 메모리를 삭제하는데 실패했습니다.";
inline constexpr std::string_view kAskFontDownload = "정말로 다운로드하시겠습니까?";
inline constexpr const char *kCannotOpenFile = "파일을 열 수 없습니다.[%s]";
inline constexpr std::string_view kFontFilePrefix = "Font File: ";
inline constexpr std::string_view kFileTooLarge = "파일이 너무 커서 다운로드 할 수 없습니다.";
inline constexpr std::string_view kSysInfoFailed = "시스템 정보 읽기에 실패했습니다.";
inline constexpr std::string_view kClockTypeB = "Type B: RTC Type";
inline constexpr std::string_view kClockTypeA = "Type A: No RTC Type";
inline constexpr std::string_view kDriverUnused = "미사용";
inline constexpr std::string_view kWeekdays[] = {"일", "월", "화", "수", "목", "금", "토"};

// Alarm history.
inline constexpr std::string_view kHistOldVersion
        = "버전 1.1 이전에 저장된 경보이력이므로 업로드할 수 없습니다. \n\nOS를 최근 버전으로 "
          "업그레이드하시기 바랍니다.";
inline constexpr std::string_view kHistReadFailed = "경보이력 읽기 실패";
inline constexpr std::string_view kSearchEndBeforeStart
        = "검색 종료일은 시작일보다 작을 수 없습니다.";
inline constexpr std::string_view kNoLineSelected = "선택된 라인이 없습니다. 확인하시기 바랍니다.";
inline constexpr std::string_view kAskDeleteRows = "선택된 라인의 레코드를 정말로 지우시겠습니까?";

} // namespace comm::text
