#pragma once

// Values that move by themselves in the preview's device table, so a screen can be watched
// without a PLC: a ramp that climbs and starts over, a sine wave, or random values, each over the
// range a cell holds (a bit toggles).

#include <cstdint>
#include <random>

namespace core {

enum class SignalKind { None, Ramp, Sine, Random };

class CSignalDriver
{
public:
    // `dataSize` as device points keep it: 1 bit, 2 word, 3 double word. Words and double words
    // run over 0..`span` (default 100, clamped to the cell's range); a period is `periodS`
    // seconds.
    CSignalDriver(SignalKind kind, std::uint16_t dataSize, std::uint32_t span = 100,
                  double periodS = 10.0);

    SignalKind Kind() const { return m_kind; }
    // The value at `seconds` since the driver started (raw bits of the cell).
    std::uint32_t ValueAt(double seconds);

private:
    SignalKind m_kind;
    std::uint16_t m_dataSize;
    std::uint32_t m_span;
    double m_period;
    std::minstd_rand m_random{12345};
};

} // namespace core
