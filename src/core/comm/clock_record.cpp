#include "core/comm/clock_record.h"

#include "util/messages.h"

namespace comm {

namespace {

int daysInMonth(int year, int month)
{
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[month - 1];
}

// Sakamoto's method: 0 = Sunday.
int dayOfWeek(int y, int m, int d)
{
    static constexpr int t[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    if (m < 3)
        y -= 1;
    return (y + y / 4 - y / 100 + y / 400 + t[m - 1] + d) % 7;
}

} // namespace

std::uint8_t toBcd(int value)
{
    value %= 100;
    return static_cast<std::uint8_t>((value / 10) << 4 | (value % 10));
}

std::optional<int> fromBcd(std::uint8_t value)
{
    if ((value >> 4) > 9 || (value & 0x0F) > 9)
        return std::nullopt;
    return (value >> 4) * 10 + (value & 0x0F);
}

bool isValidClockTime(const ClockTime &t)
{
    return t.year >= 0 && t.year <= 9999 && t.month >= 1 && t.month <= 12 && t.day >= 1
            && t.day <= daysInMonth(t.year, t.month) && t.hour >= 0 && t.hour <= 23 && t.minute >= 0
            && t.minute <= 59 && t.second >= 0 && t.second <= 59;
}

ClockRecord encodeClock(const ClockTime &t)
{
    const int dow = isValidClockTime(t) ? dayOfWeek(t.year, t.month, t.day) : t.dayOfWeek;
    return {toBcd(t.year % 100), toBcd(t.month),  toBcd(t.day),        toBcd(t.hour),
            toBcd(t.minute),     toBcd(t.second), toBcd(t.year / 100), toBcd(dow)};
}

std::optional<ClockTime> decodeClock(std::span<const std::uint8_t> r)
{
    if (r.size() < 8)
        return std::nullopt;
    std::optional<int> v[8];
    for (std::size_t i = 0; i < 8; ++i) {
        v[i] = fromBcd(r[i]);
        if (!v[i])
            return std::nullopt;
    }
    ClockTime t;
    t.year = *v[6] * 100 + *v[0];
    t.month = *v[1];
    t.day = *v[2];
    t.hour = *v[3];
    t.minute = *v[4];
    t.second = *v[5];
    t.dayOfWeek = *v[7];
    if (!isValidClockTime(t))
        return std::nullopt;
    return t;
}

CommText clockText(const ClockTime &t)
{
    const int dow = isValidClockTime(t) ? dayOfWeek(t.year, t.month, t.day) : 0;
    return {CommTextId::ClockReading,
            {CommText::of(util::formatText("%04d-%02d-%02d", t.year, t.month, t.day)),
             weekdayText(static_cast<unsigned>(dow)),
             CommText::of(util::formatText("%02d:%02d:%02d", t.hour, t.minute, t.second))}};
}

ClockTime clockFromTm(const std::tm &tm)
{
    ClockTime t;
    t.year = tm.tm_year + 1900;
    t.month = tm.tm_mon + 1;
    t.day = tm.tm_mday;
    t.hour = tm.tm_hour;
    t.minute = tm.tm_min;
    t.second = tm.tm_sec;
    t.dayOfWeek = tm.tm_wday;
    return t;
}

ClockTime localClockNow()
{
    const std::time_t now = std::time(nullptr);
    std::tm tm{};
    ::localtime_r(&now, &tm);
    return clockFromTm(tm);
}

} // namespace comm
