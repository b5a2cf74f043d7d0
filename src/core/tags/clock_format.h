#pragma once

// The fourteen display formats of the clock tag: the labels the property list shows, the format
// texts, and the formatting of a date and time the way the editor shows a clock.

#include <cstdint>
#include <string>

namespace core {

inline constexpr int kClockFormatCount = 14;

struct ClockTime
{
    int year = 2004;
    int month = 12;
    int day = 31;
    int hour = 12;
    int minute = 59;
    int second = 59;
};

// "YYYY/mm/DD HH:MM:SS" ... "WWW"; the first entry for an index outside 0 to 13.
const char *clockFormatLabel(int format);
// "%Y/%m/%d %H:%M:%S" ... "%a"; likewise.
const char *clockFormatText(int format);

// Day of the week, 0 Sunday to 6 Saturday (Gregorian calendar).
int clockWeekday(const ClockTime &time);

// Formats `time` by the format text of `format` (outside 0 to 13: format 0). "%a" is the
// abbreviated weekday in the language `resourceLangId`; the result is bytes in the code page of
// `panelLangId`, since it is measured and drawn as panel text.
std::string formatClockTime(const ClockTime &time, int format, std::uint16_t resourceLangId,
                            std::uint16_t panelLangId);

} // namespace core
