#include "core/runtime/signal_driver.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace core {

namespace {

// What a cell of that size holds as a number: a word or double word, signed or not, or the
// decimal digits of a BCD word or double word.
ValueRange cellNumbers(std::uint16_t dataSize, bool bcd)
{
    const bool word = dataSize != 3;
    if (bcd)
        return {0, word ? 9999 : 99999999, true};
    return {word ? -32768 : std::int64_t(std::numeric_limits<std::int32_t>::min()),
            word ? 0xFFFF : 0xFFFFFFFF, false};
}

ValueRange clampedRange(std::uint16_t dataSize, ValueRange range)
{
    if (dataSize == 1)
        return {0, 1, false};
    const ValueRange cell = cellNumbers(dataSize, range.bcd);
    range.low = std::clamp(range.low, cell.low, cell.high);
    range.high = std::clamp(range.high, range.low, cell.high);
    return range;
}

} // namespace

CSignalDriver::CSignalDriver(SignalKind kind, std::uint16_t dataSize, ValueRange range,
                             double periodS)
    : m_kind(kind)
    , m_dataSize(dataSize)
    , m_range(clampedRange(dataSize, range))
    , m_period(periodS > 0 ? periodS : 10.0)
{ }

std::uint32_t CSignalDriver::ValueAt(double seconds)
{
    return Raw(NumberAt(seconds));
}

std::int64_t CSignalDriver::NumberAt(double seconds)
{
    const double phase = std::fmod(std::max(0.0, seconds), m_period) / m_period; // 0..1
    const auto span = double(m_range.high - m_range.low);
    switch (m_kind) {
    case SignalKind::None:
        return 0;
    case SignalKind::Ramp:
        // A bit is half a period off, half on.
        if (m_dataSize == 1)
            return phase < 0.5 ? 0 : 1;
        return m_range.low + std::llround(phase * span);
    case SignalKind::Sine: {
        const double s = (std::sin(2 * std::numbers::pi * phase) + 1) / 2; // 0..1
        if (m_dataSize == 1)
            return s >= 0.5 ? 1 : 0;
        return m_range.low + std::llround(s * span);
    }
    case SignalKind::Random:
        return std::uniform_int_distribution<std::int64_t>(m_range.low, m_range.high)(m_random);
    }
    return 0;
}

std::uint32_t CSignalDriver::Raw(std::int64_t number) const
{
    if (!m_range.bcd)
        return std::uint32_t(number); // two's complement below zero; the cell keeps its width
    std::uint32_t raw = 0;
    for (int shift = 0; number > 0; shift += 4, number /= 10)
        raw |= std::uint32_t(number % 10) << shift;
    return raw;
}

} // namespace core
