#pragma once

// Line kinds of the drawn shapes (line, rectangle, circle). Other stored values draw solid.

#include <cstdint>

namespace core {

enum LineType : std::uint16_t { kLineSolid = 0, kLineDotted = 1, kLineDashed = 2 };

// Half the pen width, rounded: how far an outline reaches to either side of its path.
inline std::int32_t halfThickness(std::uint16_t thickness)
{
    return (std::int32_t(thickness) + 1) / 2;
}

} // namespace core
