#pragma once

// The address group of a common-function editor: channel radios S, Ch1 and Ch2, the station
// combo ("0" to "31"), the address text and its browse button. Ch1 and Ch2 can be chosen only
// when that channel holds a PLC; the station combo is live only for Ch1 and Ch2. A group can be
// disabled as a whole (a start address whose condition is "always").

#include "core/functions/device_addr.h"
#include "core/presenters/function_prompt.h"

#include <cstdint>

namespace core {

class CAddrGroup
{
public:
    static constexpr std::uint16_t kStationCount = 32;

    // `kind` is the address kind the browse button and the defaults use.
    CAddrGroup(const CPlcSlots &plcSlots, std::int32_t kind);

    void Load(const CDeviceAddr &addr);
    const CDeviceAddr &Addr() const { return m_addr; }
    std::string Text() const { return m_addr.Text(m_slots); }
    // The read-only address text of a dialog: a panel word by its system-address name.
    std::string DisplayText() const
    {
        return deviceAddressText(m_slots, m_addr.channel, m_kind, m_addr.area, m_addr.number);
    }

    std::int32_t Kind() const { return m_kind; }
    void SetKind(std::int32_t kind) { m_kind = kind; }

    // Whether a channel radio can be chosen (and the group is enabled).
    bool ChannelEnabled(std::uint16_t channel) const;
    bool StationEnabled() const { return m_enabled && m_addr.channel != 0; }
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool enabled) { m_enabled = enabled; }
    // A PLC-only group (a transfer's PLC side) has no S radio.
    void SetPanelAllowed(bool allowed) { m_panelAllowed = allowed; }

    // The radio rules: S selects station 0, Ch1/Ch2 the channel's configured station; an actual
    // change resets the address to the channel's default. False when the radio is disabled.
    bool ChooseChannel(std::uint16_t channel);
    // Station combo selection; out of range is ignored.
    bool SetStation(std::uint16_t station);
    // Result of the device-address dialog.
    void SetAddress(const std::string &area, const std::string &number);
    // The channel's default address for the group's kind (used when the data type changes).
    void ResetToDefault();

    // OK's step: builds the address into the record's block. An address the channel's driver
    // refuses is reported with 52350 and gives false, so the dialog stays open instead of
    // storing an empty address. A disabled group is built without the check.
    bool BuildInto(CFunctionPrompt &prompt, util::ByteSpan record, std::size_t block,
                   std::int32_t kind) const;

private:
    const CPlcSlots &m_slots;
    std::int32_t m_kind;
    CDeviceAddr m_addr;
    bool m_enabled = true;
    bool m_panelAllowed = true;
};

} // namespace core
