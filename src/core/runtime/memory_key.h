#pragma once

// The address of one cell of the running panel's memory: a panel word (or a bit of it) or a
// point of a PLC on channel 1 or 2, as its driver encodes it.

#include "core/plc/plc_drv.h"

#include <compare>
#include <cstdint>

namespace core {

// Where one value lives.
struct MemoryKey
{
    std::uint16_t channel = 0; // 0 the panel, 1 or 2 a PLC
    std::uint16_t station = 0; // PLC only
    std::int32_t kind = kAddrWord; // kAddrBit, kAddrWord or kAddrDWord
    std::uint16_t word = 0; // panel only: the word number
    std::uint16_t bit = 0; // bit number (panel: within the word; PLC: as the driver gave it)
    DownAddr field{}; // PLC only: the driver's download address

    auto operator<=>(const MemoryKey &) const = default;
    bool operator==(const MemoryKey &) const = default;
};

} // namespace core
