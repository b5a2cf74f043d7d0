#pragma once

// One reservation: the bit the panel sets On or Off at a time of day, once, daily, on weekdays
// or monthly, optionally only while a start bit is in a given state. Kept as the 142 bytes of the
// global area, little-endian in memory; date and time fields hold BCD digits (9 hours is 0x0009,
// year 2026 is 0x2026). DownloadForm() gives the panel's big-endian bytes.

#include "util/byte_order.h"

#include <array>
#include <cstdint>

namespace core {

class CReserveRecord
{
public:
    static constexpr std::size_t kSize = 142;
    using Raw = std::array<std::uint8_t, kSize>;

    static constexpr std::size_t kExecBlock = 0;
    static constexpr std::size_t kRepeat = 62;
    static constexpr std::size_t kYear = 64;
    static constexpr std::size_t kMonth = 66;
    static constexpr std::size_t kDay = 68; // also the weekday mask and the day of the month
    static constexpr std::size_t kHour = 70;
    static constexpr std::size_t kMinute = 72;
    static constexpr std::size_t kSecond = 74;
    static constexpr std::size_t kValue = 76;
    static constexpr std::size_t kCondition = 78;
    static constexpr std::size_t kStart = 80;

    enum Repeat : std::uint16_t { kOnce = 0, kDaily = 1, kWeekly = 2, kMonthly = 3 };

    CReserveRecord() = default;
    explicit CReserveRecord(const Raw &raw)
        : m_raw(raw)
    { }

    const Raw &Bytes() const { return m_raw; }
    Raw &Bytes() { return m_raw; }
    Raw DownloadForm() const;
    static CReserveRecord FromDownloadForm(const Raw &panel);

    std::uint16_t Word(std::size_t offset) const { return util::le16(m_raw, offset); }
    void SetWord(std::size_t offset, std::uint16_t v) { util::setLe16(m_raw, offset, v); }
    std::uint16_t RepeatMode() const { return Word(kRepeat); }
    std::uint16_t Value() const { return Word(kValue); }
    std::uint16_t Condition() const { return Word(kCondition); }
    std::uint16_t WeekdayMask() const { return Word(kDay); }

    // 2026 -> 0x2026; values above 9999 keep their last four digits.
    static std::uint16_t ToBcd(unsigned value);
    // 0x2026 -> 2026; a nibble above 9 counts as its value.
    static unsigned FromBcd(std::uint16_t bcd);

    bool operator==(const CReserveRecord &) const = default;

private:
    Raw m_raw{};
};

} // namespace core
