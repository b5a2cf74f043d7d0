#pragma once

// Big-endian fields of the flash protocols, appended to or read from byte buffers.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace quillet {

inline void appendBe32(std::vector<std::uint8_t> &out, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

inline std::uint32_t readBe32(std::span<const std::uint8_t> data, std::size_t offset)
{
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4 && offset + i < data.size(); ++i)
        value = (value << 8) | data[offset + i];
    return value;
}

} // namespace quillet
