#pragma once

// The 62-byte device address block that every device-bound record carries: the 40-byte download
// address field built by the channel's driver, then five words, two double words and two words.
// In memory the numbers are little-endian; in the panel's download form they are big-endian and
// the address field is copied as it is.

#include "core/plc/plc_drv.h"
#include "util/byte_order.h"

#include <cstdint>

namespace core {

inline constexpr std::size_t kAddressBlockSize = 62;

struct CAddressBlock
{
    DownAddr field{}; // 0: download address field
    std::uint16_t word40 = 0; // 40: data kind / data size
    std::uint16_t word42 = 0; // 42: bit number / point flag
    std::uint16_t word44 = 0; // 44: count / base
    std::uint16_t word46 = 0; // 46
    std::uint16_t word48 = 0; // 48
    std::uint32_t min = 0; // 50
    std::uint32_t max = 0; // 54
    std::uint16_t channel = 0; // 58
    std::uint16_t station = 0; // 60

    // Writes the block at `offset` of `record` (which must hold 62 bytes from there).
    void Write(util::ByteSpan record, std::size_t offset, util::Endian endian) const;
    static CAddressBlock Read(util::ConstByteSpan record, std::size_t offset, util::Endian endian);
};

// Converts a block lying at `offset` between the in-memory (little-endian) and the download
// (big-endian) form; the conversion is its own inverse. Does nothing when the block does not fit.
void swapAddressBlock(util::ByteSpan record, std::size_t offset);

} // namespace core
