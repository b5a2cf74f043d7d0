#pragma once

// Typed access to the panel settings of the 314-byte parameter block: start screen, screen
// saver, backlight, menu language, latch range, the two screen-number links with a PLC (each an
// address group of on/off word, 40-byte address field, device and station) and the two channel
// records. Fields without a dialog stay as they are in the block.

#include "core/model/dorvane_doc.h"
#include "core/plc/channel_params.h"
#include "core/plc/plc_drv.h"

#include <cstdint>

namespace core {

// One screen-number link: the PLC selects the screen (online screen change) or the panel
// reports its current screen (current-screen transfer).
struct PanelAddrGroup
{
    bool on = false;
    DownAddr field{}; // number text while editing, the driver's download form once built
    std::uint16_t device = 0; // 0 panel, 1 channel 1, 2 channel 2
    std::uint16_t station = 0;
    bool operator==(const PanelAddrGroup &) const = default;
};

class CPanelParams
{
public:
    static constexpr std::size_t kInitialScreen = 10;
    static constexpr std::size_t kSaverWait = 12;
    static constexpr std::size_t kSaverScreen = 14;
    static constexpr std::size_t kBacklightWait = 16;
    static constexpr std::size_t kLanguage = 18;
    static constexpr std::size_t kLatchOn = 20;
    static constexpr std::size_t kLatchStart = 22;
    static constexpr std::size_t kLatchEnd = 24;
    // The two address groups: on/off word, field, device, station.
    static constexpr std::size_t kChangeOn = 26;
    static constexpr std::size_t kChangeField = 28;
    static constexpr std::size_t kChangeDevice = 68;
    static constexpr std::size_t kChangeStation = 70;
    static constexpr std::size_t kTransferOn = 72;
    static constexpr std::size_t kTransferField = 74;
    static constexpr std::size_t kTransferDevice = 114;
    static constexpr std::size_t kTransferStation = 116;
    static constexpr std::size_t kChannel1 = 210;
    static constexpr std::size_t kChannel2 = 262;

    enum Group : int { kScreenChange = 0, kScreenTransfer = 1 };

    CPanelParams() = default;
    explicit CPanelParams(const ParamBlock &raw)
        : m_raw(raw)
    { }

    const ParamBlock &Bytes() const { return m_raw; }

    std::uint16_t Word(std::size_t offset) const;
    void SetWord(std::size_t offset, std::uint16_t value);

    std::uint16_t InitialScreen() const { return Word(kInitialScreen); }
    std::uint16_t SaverWait() const { return Word(kSaverWait); }
    std::uint16_t SaverScreen() const { return Word(kSaverScreen); }
    std::uint16_t BacklightWait() const { return Word(kBacklightWait); }
    std::uint16_t Language() const { return Word(kLanguage); }
    bool LatchOn() const { return Word(kLatchOn) != 0; }
    std::uint16_t LatchStart() const { return Word(kLatchStart); }
    std::uint16_t LatchEnd() const { return Word(kLatchEnd); }

    PanelAddrGroup AddrGroup(int group) const;
    void SetAddrGroup(int group, const PanelAddrGroup &value);

    // Channel 1 or 2 (anything else is channel 1).
    CChannelParams Channel(int channel) const;
    void SetChannel(int channel, const CChannelParams &params);

private:
    ParamBlock m_raw{};
};

} // namespace core
