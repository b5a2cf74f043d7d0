#pragma once

// One block transfer: a run of words between a PLC and the panel's own word memory, in one
// direction, started by a condition on a bit. Kept as the 192 bytes of the global area,
// little-endian in memory; DownloadForm() gives the panel's big-endian bytes.

#include "util/byte_order.h"

#include <array>
#include <cstdint>
#include <string>

namespace core {

class CPlcSlots;

class CTransRecord
{
public:
    static constexpr std::size_t kSize = 192;
    using Raw = std::array<std::uint8_t, kSize>;

    static constexpr std::size_t kPlcBlock = 0;
    static constexpr std::size_t kPanelBlock = 62;
    static constexpr std::size_t kDirection = 124;
    static constexpr std::size_t kDataSize = 126;
    static constexpr std::size_t kCondition = 128;
    static constexpr std::size_t kStart = 130;

    enum Direction : std::uint16_t { kToPanel = 0, kToPlc = 1 };
    static constexpr std::uint16_t kMaxSize = 899;
    static constexpr int kConditionCount = 6;

    CTransRecord() = default;
    explicit CTransRecord(const Raw &raw)
        : m_raw(raw)
    { }

    // What a fresh editor shows: PLC to panel, 2 words, always; the PLC address on channel 1
    // when it holds a PLC, else channel 2, at the driver's default word.
    static CTransRecord Default(const CPlcSlots &plcSlots);

    const Raw &Bytes() const { return m_raw; }
    Raw &Bytes() { return m_raw; }
    Raw DownloadForm() const;
    static CTransRecord FromDownloadForm(const Raw &panel);

    std::uint16_t Direction() const { return util::le16(m_raw, kDirection); }
    void SetDirection(std::uint16_t d) { util::setLe16(m_raw, kDirection, d); }
    std::uint16_t DataSize() const { return util::le16(m_raw, kDataSize); }
    void SetDataSize(std::uint16_t s) { util::setLe16(m_raw, kDataSize, s); }
    std::uint16_t Condition() const { return util::le16(m_raw, kCondition); }
    void SetCondition(std::uint16_t c) { util::setLe16(m_raw, kCondition, c); }
    // The panel word number as its decimal text.
    std::string PanelAddress() const;
    void SetPanelAddress(const std::string &text);

    // The panel-area rule: the block must end below word 1001 (to the PLC) or 901 (to the
    // panel).
    static bool FitsPanelArea(std::uint16_t direction, std::uint32_t panelWord, std::uint32_t size);

    bool operator==(const CTransRecord &) const = default;

private:
    Raw m_raw{};
};

} // namespace core
