#pragma once

// One alarm: the watched bit, the condition, the buzzer and the message the panel shows. Kept as
// the 104 bytes the global area carries, little-endian in memory; DownloadForm() gives the
// big-endian bytes of the panel.

#include "util/byte_order.h"

#include <array>
#include <cstdint>
#include <string>

namespace core {

class CPlcSlots;

class CAlarmRecord
{
public:
    static constexpr std::size_t kSize = 104;
    using Raw = std::array<std::uint8_t, kSize>;

    static constexpr std::size_t kBlock = 0;
    static constexpr std::size_t kFlags = 62;
    static constexpr std::size_t kSeconds = 64;
    static constexpr std::size_t kMessage = 66;
    static constexpr std::size_t kMessageSize = 38;
    static constexpr std::size_t kMaxMessage = 37;

    static constexpr std::uint16_t kFlagOn = 0x0001;
    static constexpr std::uint16_t kFlagHide = 0x0010;
    enum Buzzer : std::uint16_t { kBuzzerOff = 0, kBuzzerTimed = 1, kBuzzerContinuous = 2 };

    CAlarmRecord() = default;
    explicit CAlarmRecord(const Raw &raw)
        : m_raw(raw)
    { }

    // What a fresh editor shows: "Alarm On" on bit 0 of the panel, condition On, no buzzer.
    static CAlarmRecord Default();

    const Raw &Bytes() const { return m_raw; }
    Raw &Bytes() { return m_raw; }
    Raw DownloadForm() const;
    static CAlarmRecord FromDownloadForm(const Raw &panel);

    std::uint16_t Flags() const { return util::le16(m_raw, kFlags); }
    void SetFlags(std::uint16_t flags) { util::setLe16(m_raw, kFlags, flags); }
    bool ConditionOn() const { return (Flags() & kFlagOn) != 0; }
    bool HideAfterClear() const { return (Flags() & kFlagHide) != 0; }
    std::uint16_t BuzzerMode() const { return std::uint16_t(Flags() >> 8); }
    std::uint16_t BuzzerSeconds() const { return util::le16(m_raw, kSeconds); }
    void SetBuzzerSeconds(std::uint16_t s) { util::setLe16(m_raw, kSeconds, s); }
    // The message bytes in the panel's code page.
    std::string Message() const { return util::fixedText(m_raw, kMessage, kMessageSize); }
    void SetMessage(const std::string &bytes)
    {
        util::setFixedText(m_raw, kMessage, kMessageSize, bytes);
    }

    std::uint16_t Channel() const;
    std::uint16_t Station() const;

    bool operator==(const CAlarmRecord &) const = default;

private:
    Raw m_raw{};
};

} // namespace core
