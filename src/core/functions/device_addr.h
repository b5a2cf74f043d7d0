#pragma once

// One device address as an editor holds it: channel (0 the panel, 1, 2), station and the two
// address texts the driver understands. Records store only the download form; the texts are
// rebuilt from it through the channel's driver, and built back into it on OK.

#include "core/plc/plc_slots.h"

#include "util/byte_order.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace core {

struct CDeviceAddr
{
    std::uint16_t channel = 0;
    std::uint16_t station = 0;
    std::string area;
    std::string number = "0";

    // The text the editor shows: with the device prefix when the channel holds a PLC (device
    // kind 3), else the number alone.
    std::string Text(const CPlcSlots &plcSlots) const;
    // "channel-station-address", the form of the list columns.
    std::string CellText(const CPlcSlots &plcSlots) const;

    // Rebuilds the texts from the block at `block` of `record` (address kind 1, 2 or 4).
    static CDeviceAddr FromBlock(const CPlcSlots &plcSlots, util::ConstByteSpan record,
                                 std::size_t block, std::int32_t kind);
    // Writes channel, station, download address and (for bits) the bit number into the block;
    // the other words are left to the caller. Returns the driver's result.
    std::int32_t BuildInto(const CPlcSlots &plcSlots, util::ByteSpan record, std::size_t block,
                           std::int32_t kind) const;

    // The channel's default address for the kind ("0" on the panel's own memory).
    static CDeviceAddr DefaultFor(const CPlcSlots &plcSlots, std::uint16_t channel,
                                  std::uint16_t station, std::int32_t kind);

    bool operator==(const CDeviceAddr &) const = default;
};

// Checks a download address the way a project file holds it: the channel's driver must read it
// back (with the bit number kept beside the field) and build exactly the same field again.
// Returns 0 when it does (or when the driver has no reader and cannot judge), the builder's
// negative result when it refuses the texts it read, and kAddrUnreadable when it cannot read the
// field or builds a different one. `area` and `number` receive the texts read, if any.
inline constexpr std::int32_t kAddrUnreadable = -100;
std::int32_t checkDownAddress(const CPlcDrv &drv, std::int32_t kind, const DownAddr &field,
                              std::uint16_t bit, std::string &area, std::string &number);

// How an address is shown in a property dialog: on a channel with a PLC (device kind 3) the area
// followed by the number; on the panel's own memory the number, or the system address's name
// when the number (for a bit address `kind` 1: its word part) names one.
std::string deviceAddressText(const CPlcSlots &plcSlots, int device, std::int32_t kind,
                              std::string_view area, std::string_view number);

} // namespace core
