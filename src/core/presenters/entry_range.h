#pragma once

// The values a number entry of a property dialog accepts; the views step their arrows within it
// and the presenters refuse anything outside with the range message.

#include <cstdint>

namespace core {

struct EntryRange
{
    std::int32_t min = 0;
    std::int32_t max = 0;

    constexpr bool Holds(std::int64_t value) const { return value >= min && value <= max; }
};

} // namespace core
