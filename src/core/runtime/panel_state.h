#pragma once

// What the running panel's display reads while it draws a screen: the value behind each device
// point, the samples a trend graph has collected and the panel clock. The screen renderer draws
// from this; the device-memory model of the preview and the simulator provide it.

#include <cstdint>
#include <ctime>
#include <vector>

namespace core {

class CPointInfo;
class CTag;

class IPanelState
{
public:
    virtual ~IPanelState() = default;

    // The point's current value as raw bits: 0 or 1 for a bit point, a word zero-extended, a
    // double word as stored. Signs and bases are the tag's business.
    virtual std::uint32_t Value(const CPointInfo &point) const = 0;
    // True when the point's value is not known (its PLC did not answer): numbers show '*'.
    virtual bool Failed(const CPointInfo &) const { return false; }
    // The values a trend graph has sampled so far, oldest first.
    virtual std::vector<std::uint32_t> TrendSamples(const CTag &) const { return {}; }
    // The panel's clock.
    virtual std::tm Clock() const = 0;
};

} // namespace core
