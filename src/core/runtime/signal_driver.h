#pragma once

// Values that move by themselves in the preview's device table, so a screen can be watched
// without a PLC: a ramp that climbs and starts over, a sine wave, or random values, each over the
// values the point is watched over (a bit toggles).

#include "core/runtime/device_memory.h"

#include <cstdint>
#include <random>

namespace core {

enum class SignalKind { None, Ramp, Sine, Random };

class CSignalDriver
{
public:
    // `dataSize` as device points keep it: 1 bit, 2 word, 3 double word. Words and double words
    // run from `range.low` to `range.high` (within what the cell holds); a period is `periodS`
    // seconds.
    CSignalDriver(SignalKind kind, std::uint16_t dataSize, ValueRange range, double periodS = 10.0);
    // Over the point's own range.
    CSignalDriver(SignalKind kind, const MemoryPoint &point, double periodS = 10.0)
        : CSignalDriver(kind, point.dataSize, point.range, periodS)
    { }

    SignalKind Kind() const { return m_kind; }
    // The value at `seconds` since the driver started (raw bits of the cell: two's complement
    // below zero, BCD digits for a BCD range).
    std::uint32_t ValueAt(double seconds);

private:
    std::int64_t NumberAt(double seconds);
    std::uint32_t Raw(std::int64_t number) const;

    SignalKind m_kind;
    std::uint16_t m_dataSize;
    ValueRange m_range;
    double m_period;
    std::minstd_rand m_random{12345};
};

} // namespace core
