#include "ui/comm/comm_text.h"

#include <QCoreApplication>

#include <iterator>

namespace ui {

namespace {

constexpr const char *kContext = "ui::CommText";

using comm::CommTextId;

// One source text per code, in the order of CommTextId; null where the text reads alike in every
// language (the core's format is shown as it is). Line ends are "\n": the translation tools keep
// no "\r". Formats keep their printf markers in the English text too, in the same order.
constexpr const char *kSources[] = {
        nullptr, // Plain
        // Area names.
        QT_TRANSLATE_NOOP("ui::CommText", "암호"),
        QT_TRANSLATE_NOOP("ui::CommText", "스크린"),
        QT_TRANSLATE_NOOP("ui::CommText", "폰트"),
        QT_TRANSLATE_NOOP("ui::CommText", "글로벌"),
        QT_TRANSLATE_NOOP("ui::CommText", "상수"),
        QT_TRANSLATE_NOOP("ui::CommText", "이미지"),
        QT_TRANSLATE_NOOP("ui::CommText", "스트링"),
        QT_TRANSLATE_NOOP("ui::CommText", "날짜/시간"),
        QT_TRANSLATE_NOOP("ui::CommText", "드라이버: %s, %s"),
        // Link errors and the panel's NAK codes.
        QT_TRANSLATE_NOOP("ui::CommText", "통신 포트를 열 수 없습니다."),
        QT_TRANSLATE_NOOP("ui::CommText", "타임아웃 에러입니다."),
        QT_TRANSLATE_NOOP("ui::CommText", "NAK 수신 : %s"),
        QT_TRANSLATE_NOOP("ui::CommText", "Frame 에러"),
        QT_TRANSLATE_NOOP("ui::CommText", "BCC 에러"),
        QT_TRANSLATE_NOOP("ui::CommText", "통신 포트에 쓰는데 실패했습니다."),
        QT_TRANSLATE_NOOP("ui::CommText", "메모리가 지워져 있습니다."),
        QT_TRANSLATE_NOOP("ui::CommText", "Command 에러"),
        QT_TRANSLATE_NOOP("ui::CommText", "Sub Command 에러"),
        QT_TRANSLATE_NOOP("ui::CommText", "Address 에러"),
        QT_TRANSLATE_NOOP("ui::CommText", "RTC Read 에러"),
        QT_TRANSLATE_NOOP("ui::CommText", "RTC Write 에러"),
        QT_TRANSLATE_NOOP("ui::CommText",
                          "이 타입은 날짜/시간 설정 기능을 제공하지 않습니다. HMI 타입을 "
                          "확인하시기 바랍니다."),
        // Progress.
        QT_TRANSLATE_NOOP("ui::CommText", "다운로드 중....."),
        QT_TRANSLATE_NOOP("ui::CommText", "업로드 중....."),
        QT_TRANSLATE_NOOP("ui::CommText", "통신실패\n\n%s 송수신에 실패했습니다."),
        QT_TRANSLATE_NOOP("ui::CommText", "%s 영역을 패널로 보내는 중에 통신이 실패했습니다.\n%s"),
        QT_TRANSLATE_NOOP("ui::CommText", "패널에서 %s 영역을 받는 중에 통신이 실패했습니다.\n%s"),
        QT_TRANSLATE_NOOP("ui::CommText", "%s 영역을 보내는 중에 패널이 응답하지 않았습니다.\n%s"),
        QT_TRANSLATE_NOOP("ui::CommText", "%s 영역을 받는 중에 패널이 응답하지 않았습니다.\n%s"),
        QT_TRANSLATE_NOOP("ui::CommText", "패널에 프로젝트가 없습니다.\n%s"),
        QT_TRANSLATE_NOOP("ui::CommText", "통신이 중지되었습니다."),
        QT_TRANSLATE_NOOP("ui::CommText", "통신성공\n\n통신을 성공적으로 끝냈습니다."),
        // Passwords.
        QT_TRANSLATE_NOOP("ui::CommText", "암호 입력"),
        QT_TRANSLATE_NOOP("ui::CommText", "암호가 입력되지 않았습니다."),
        QT_TRANSLATE_NOOP("ui::CommText", "암호는 A-Z, a-z, or 0-9 만 입력가능합니다."),
        QT_TRANSLATE_NOOP("ui::CommText", "암호는 10자까지 입력할 수 있습니다."),
        QT_TRANSLATE_NOOP("ui::CommText", "암호가 일치하지 않습니다."),
        QT_TRANSLATE_NOOP("ui::CommText", "새로운 암호로 변경했습니다."),
        QT_TRANSLATE_NOOP("ui::CommText", "암호 변경에 실패했습니다."),
        QT_TRANSLATE_NOOP("ui::CommText", "암호를 삭제했습니다."),
        QT_TRANSLATE_NOOP("ui::CommText", "암호 삭제에 실패했습니다."),
        // Download and upload.
        QT_TRANSLATE_NOOP("ui::CommText",
                          "선택된 영역이 존재하지 않습니다. 영역을 선택하시기 바랍니다."),
        QT_TRANSLATE_NOOP("ui::CommText",
                          "파라미터를 다운로드하면 특정 경보이력이 모두 "
                          "지워집니다. 계속하시겠습니까?"),
        QT_TRANSLATE_NOOP("ui::CommText",
                          "다음과 같은 드라이버 파일이 없으므로  프로젝트를 "
                          "다운로드 할 수 없습니다. \n%s"),
        QT_TRANSLATE_NOOP("ui::CommText", "채널%d: 파일명[%s]"),
        QT_TRANSLATE_NOOP("ui::CommText",
                          "드라이버 파일 %s이(가) 너무 커서 패널의 드라이버 영역에 들어가지 "
                          "않습니다(채널 %d: %u 바이트)."),
        QT_TRANSLATE_NOOP("ui::CommText",
                          "Velmar Panel에 현재 파라미터 설정값과 다른  드라이버가 설치되어 "
                          "있습니다. \n파라미터를 다운로드 하지 않을 시 기기가 정상적으로 동작하지 "
                          "않을 수 있습니다.\n파라미터를 다운로드 하시겠습니까?"),
        QT_TRANSLATE_NOOP("ui::CommText",
                          "현재 프로젝트의 내용이 업로드된 데이타로 바뀝니다.\n계속하시겠습니까?"),
        QT_TRANSLATE_NOOP("ui::CommText",
                          "실행파일이 존재하지 않습니다.\n[%s]가 존재하는지 확인하십시오."),
        // The other commands.
        QT_TRANSLATE_NOOP("ui::CommText",
                          "전체 경보이력과 특정경보이력이 모두 삭제됩니다. 계속하시겠습니까?"),
        QT_TRANSLATE_NOOP("ui::CommText", "경보이력을 지우는데 성공했습니다."),
        QT_TRANSLATE_NOOP("ui::CommText", "경보이력을 지우는데 실패했습니다."),
        QT_TRANSLATE_NOOP("ui::CommText",
                          "Velmar Panel의 전체 메모리가 삭제됩니다. 계속하시겠습니까?"),
        QT_TRANSLATE_NOOP("ui::CommText", "전체 메모리를 삭제하는데 성공했습니다."),
        QT_TRANSLATE_NOOP("ui::CommText", "전체 메모리를 삭제하는데 실패했습니다."),
        QT_TRANSLATE_NOOP("ui::CommText", "정말로 다운로드하시겠습니까?"),
        QT_TRANSLATE_NOOP("ui::CommText", "파일을 열 수 없습니다.[%s]"),
        nullptr, // FontFile
        QT_TRANSLATE_NOOP("ui::CommText", "파일이 너무 커서 다운로드 할 수 없습니다."),
        QT_TRANSLATE_NOOP("ui::CommText", "시스템 정보 읽기에 실패했습니다."),
        QT_TRANSLATE_NOOP("ui::CommText", "미사용"),
        QT_TRANSLATE_NOOP("ui::CommText", "(없음)"),
        nullptr, // ClockReading
        // Alarm history.
        QT_TRANSLATE_NOOP("ui::CommText",
                          "버전 1.1 이전에 저장된 경보이력이므로 업로드할 수 없습니다. \n\nOS를 "
                          "최근 버전으로 업그레이드하시기 바랍니다."),
        QT_TRANSLATE_NOOP("ui::CommText", "경보이력 읽기 실패"),
        QT_TRANSLATE_NOOP("ui::CommText", "검색 종료일은 시작일보다 작을 수 없습니다."),
        QT_TRANSLATE_NOOP("ui::CommText", "선택된 라인이 없습니다. 확인하시기 바랍니다."),
        QT_TRANSLATE_NOOP("ui::CommText", "선택된 라인의 레코드를 정말로 지우시겠습니까?"),
        // The command line's side of a panel command.
        QT_TRANSLATE_NOOP("ui::CommText", " [예]"),
        QT_TRANSLATE_NOOP("ui::CommText", " [아니요: 예로 답하려면 --yes]"),
        QT_TRANSLATE_NOOP("ui::CommText", "패널이 암호를 묻습니다. --password로 암호를 주십시오."),
        QT_TRANSLATE_NOOP("ui::CommText", "패널의 시계에 올바른 시각이 없습니다."),
        // Days of the week, Sunday first.
        QT_TRANSLATE_NOOP("ui::CommText", "일"),
        QT_TRANSLATE_NOOP("ui::CommText", "월"),
        QT_TRANSLATE_NOOP("ui::CommText", "화"),
        QT_TRANSLATE_NOOP("ui::CommText", "수"),
        QT_TRANSLATE_NOOP("ui::CommText", "목"),
        QT_TRANSLATE_NOOP("ui::CommText", "금"),
        QT_TRANSLATE_NOOP("ui::CommText", "토"),
};

static_assert(std::size(kSources) == comm::kCommTextCount, "one source text per code");

bool isMarker(const QString &format, qsizetype at)
{
    if (format[at] != QLatin1Char('%') || at + 1 >= format.size())
        return false;
    const QChar kind = format[at + 1];
    return kind == QLatin1Char('s') || kind == QLatin1Char('d') || kind == QLatin1Char('u');
}

QString formatOf(CommTextId id)
{
    if (const char *source = commTextSource(id))
        return QCoreApplication::translate(kContext, source);
    const std::string_view neutral = comm::commFormat(id, comm::CommLanguage::Korean);
    return QString::fromUtf8(neutral.data(), qsizetype(neutral.size()));
}

} // namespace

const char *commTextSource(CommTextId id)
{
    const auto i = static_cast<std::size_t>(id);
    return i < std::size(kSources) ? kSources[i] : nullptr;
}

QString commText(const comm::CommText &text)
{
    if (text.id == CommTextId::Plain)
        return QString::fromStdString(text.plain);
    // One pass: a value that holds a marker of its own (a file name with "%s") stays as it is.
    const QString format = formatOf(text.id);
    QString out;
    std::size_t next = 0;
    for (qsizetype at = 0; at < format.size(); ++at) {
        if (!isMarker(format, at)) {
            out += format[at];
            continue;
        }
        if (next < text.args.size())
            out += commText(text.args[next]);
        ++next;
        ++at;
    }
    return out;
}

} // namespace ui
