#include "core/tags/clock_format.h"

#include "util/code_page.h"
#include "util/messages.h"

#include <array>

namespace core {

namespace {

struct FormatRow
{
    const char *label;
    const char *text;
};

constexpr std::array<FormatRow, kClockFormatCount> kFormats{{
        {"YYYY/mm/DD HH:MM:SS", "%Y/%m/%d %H:%M:%S"},
        {"HH:MM:SS", "%H:%M:%S"},
        {"YYYY/mm/DD", "%Y/%m/%d"},
        {"HH:MM", "%H:%M"},
        {"mm/DD", "%m/%d"},
        {"DD/mm/YYYY", "%d/%m/%Y"},
        {"DD/mm", "%d/%m"},
        {"YYYY", "%Y"},
        {"mm", "%m"},
        {"DD", "%d"},
        {"HH", "%H"},
        {"MM", "%M"},
        {"SS", "%S"},
        {"WWW", "%a"},
}};

const FormatRow &row(int format)
{
    return kFormats[format >= 0 && format < kClockFormatCount ? std::size_t(format) : 0];
}

// Abbreviated weekday names (UTF-8), Sunday first, as the language's locale writes them.
const char *weekdayName(int weekday, std::uint16_t langId)
{
    static constexpr std::array<const char *, 7> kEnglish{"Sun", "Mon", "Tue", "Wed",
                                                          "Thu", "Fri", "Sat"};
    static constexpr std::array<const char *, 7> kKorean{"일", "월", "화", "수", "목", "금", "토"};
    static constexpr std::array<const char *, 7> kJapanese{"日", "月", "火", "水",
                                                           "木", "金", "土"};
    static constexpr std::array<const char *, 7> kChinese{"周日", "周一", "周二", "周三",
                                                          "周四", "周五", "周六"};
    const std::size_t i = std::size_t(weekday) % 7;
    switch (langId) {
    case util::kLangKorean:
        return kKorean[i];
    case util::kLangJapanese:
        return kJapanese[i];
    case util::kLangChinese:
        return kChinese[i];
    default:
        return kEnglish[i];
    }
}

std::string twoDigits(int v)
{
    return util::formatText("%02d", v);
}

} // namespace

const char *clockFormatLabel(int format)
{
    return row(format).label;
}

const char *clockFormatText(int format)
{
    return row(format).text;
}

int clockWeekday(const ClockTime &t)
{
    // Sakamoto's method.
    static constexpr int kOffsets[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    const int month = (t.month >= 1 && t.month <= 12) ? t.month : 1;
    const int year = month < 3 ? t.year - 1 : t.year;
    const int day = year + year / 4 - year / 100 + year / 400 + kOffsets[month - 1] + t.day;
    return ((day % 7) + 7) % 7;
}

std::string formatClockTime(const ClockTime &time, int format, std::uint16_t resourceLangId,
                            std::uint16_t panelLangId)
{
    std::string out;
    const std::string text = clockFormatText(format);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        switch (text[++i]) {
        case 'Y':
            out += util::formatText("%04d", time.year);
            break;
        case 'm':
            out += twoDigits(time.month);
            break;
        case 'd':
            out += twoDigits(time.day);
            break;
        case 'H':
            out += twoDigits(time.hour);
            break;
        case 'M':
            out += twoDigits(time.minute);
            break;
        case 'S':
            out += twoDigits(time.second);
            break;
        case 'a':
            out += util::fromUtf8Lossy(weekdayName(clockWeekday(time), resourceLangId),
                                       panelLangId);
            break;
        default:
            out += text[i];
            break;
        }
    }
    return out;
}

} // namespace core
