#pragma once

// The device point as the device-bound tags (other than the numeric tag) store it in their panel
// records, and the driver-related operations they share: address check after a PLC change,
// station change and channel swap.
//
// Bit points (lamps, buttons) keep in word 42 the bit number the driver's address builder
// returned; the driver needs it again to turn the address field back into text. Word points
// carry the point flag there, as the numeric tag does.

#include "core/plc/plc_drv.h"
#include "core/tags/point_info.h"

#include "util/byte_order.h"

#include <cstdint>

namespace core {

class CPlcSlots;

// Address kind the drivers take for a point: 1 for a bit, else its byte width (2 or 4).
std::int32_t pointAddrKind(const CPointInfo &point);

// Builds the download address of `point` through its channel's driver. `addrKind` 0 takes the
// point's own kind; `extra` is the driver's extra value (the numeric tag passes its decimals).
// Returns the driver's result: negative when it refuses the address (the field is then empty).
std::int32_t buildPointAddress(const CPlcSlots &slots, const CPointInfo &point,
                               std::int32_t addrKind, std::uint32_t extra, DownAddr &field,
                               std::uint16_t &bit);

// Writes the 62-byte address block of `point` at `offset` (numbers big-endian). `addrKind` 0
// takes the point's own kind; a tag that always addresses words passes kAddrWord. Returns the
// driver's result of building the address.
std::int32_t writePointBlock(const CPlcSlots &slots, const CPointInfo &point, util::ByteSpan out,
                             std::size_t offset, std::int32_t addrKind = 0);
// Reads it back, decoding the address field through the channel's driver where it encodes
// addresses in its own form (and always for bit points, whose bit number lies in word 42).
void readPointBlock(const CPlcSlots &slots, util::ConstByteSpan record, std::size_t offset,
                    CPointInfo &point, std::int32_t addrKind = 0);

// After a PLC type change on the point's channel: an address the driver refuses (or, when
// `mustBeWritable`, one in an area it reports read-only) becomes the driver's default address.
void revalidatePoint(const CPlcSlots &slots, CPointInfo &point, bool mustBeWritable,
                     bool ch1Changed, bool ch2Changed, std::int32_t addrKind = 0);
void changePointStation(CPointInfo &point, std::uint16_t channel, std::uint16_t station);
void swapPointChannel(CPointInfo &point, bool oneToTwo, bool twoToOne);

} // namespace core
