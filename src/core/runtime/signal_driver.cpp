#include "core/runtime/signal_driver.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace core {

CSignalDriver::CSignalDriver(SignalKind kind, std::uint16_t dataSize, std::uint32_t span,
                             double periodS)
    : m_kind(kind)
    , m_dataSize(dataSize)
    , m_span(dataSize == 1           ? 1
                     : dataSize == 2 ? std::min<std::uint32_t>(span, 0xFFFF)
                                     : span)
    , m_period(periodS > 0 ? periodS : 10.0)
{ }

std::uint32_t CSignalDriver::ValueAt(double seconds)
{
    const double phase = std::fmod(std::max(0.0, seconds), m_period) / m_period; // 0..1
    switch (m_kind) {
    case SignalKind::None:
        return 0;
    case SignalKind::Ramp:
        if (m_dataSize == 1)
            return phase < 0.5 ? 0 : 1;
        return std::uint32_t(std::llround(phase * m_span));
    case SignalKind::Sine: {
        const double s = (std::sin(2 * std::numbers::pi * phase) + 1) / 2; // 0..1
        if (m_dataSize == 1)
            return s >= 0.5 ? 1 : 0;
        return std::uint32_t(std::llround(s * m_span));
    }
    case SignalKind::Random:
        return m_span == 0 ? 0 : std::uint32_t(m_random() % (std::uint64_t(m_span) + 1));
    }
    return 0;
}

} // namespace core
