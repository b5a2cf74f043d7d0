#pragma once

// The panel clock record: 8 packed-BCD bytes (year mod 100, month, day, hour, minute, second,
// century, day of week with 0 = Sunday).

#include "core/comm/comm_text.h"

#include <array>
#include <cstdint>
#include <ctime>
#include <optional>
#include <span>
#include <string>

namespace comm {

struct ClockTime
{
    int year = 2000;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int dayOfWeek = 0; // 0 Sunday ... 6 Saturday; filled from the date when encoding
};

using ClockRecord = std::array<std::uint8_t, 8>;

std::uint8_t toBcd(int value);
// Nothing for a byte with a nibble above 9.
std::optional<int> fromBcd(std::uint8_t value);

// Encodes the time; the day of week is computed from the date.
ClockRecord encodeClock(const ClockTime &time);
// Decodes a record; nothing when a digit is not BCD or the date is not a valid one.
std::optional<ClockTime> decodeClock(std::span<const std::uint8_t> record);
bool isValidClockTime(const ClockTime &time);
// "YYYY-MM-DD <day> hh:mm:ss", the day's name in the showing side's language (Sunday for a
// time that is no valid date).
CommText clockText(const ClockTime &time);
ClockTime clockFromTm(const std::tm &tm);
ClockTime localClockNow();

} // namespace comm
