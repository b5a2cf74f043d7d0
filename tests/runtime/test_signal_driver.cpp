// The device table's value drivers stay inside the cell and move.

#include "core/runtime/signal_driver.h"

#include <gtest/gtest.h>

#include <set>

using core::CSignalDriver;
using core::SignalKind;

TEST(SignalDriver, RampSineAndRandomStayInRangeAndMove)
{
    CSignalDriver ramp(SignalKind::Ramp, 2, 100, 10.0);
    EXPECT_EQ(ramp.ValueAt(0), 0u);
    EXPECT_EQ(ramp.ValueAt(5), 50u);
    EXPECT_EQ(ramp.ValueAt(10), 0u) << "starts over each period";
    EXPECT_EQ(ramp.ValueAt(-3), 0u);

    CSignalDriver sine(SignalKind::Sine, 2, 200, 4.0);
    EXPECT_EQ(sine.ValueAt(0), 100u);
    EXPECT_EQ(sine.ValueAt(1), 200u);
    EXPECT_EQ(sine.ValueAt(3), 0u);

    // A word never gets more than 16 bits, whatever span is asked for.
    CSignalDriver wide(SignalKind::Random, 2, 1'000'000);
    std::set<std::uint32_t> seen;
    for (int i = 0; i < 200; ++i) {
        const std::uint32_t v = wide.ValueAt(i);
        EXPECT_LE(v, 0xFFFFu);
        seen.insert(v);
    }
    EXPECT_GT(seen.size(), 100u);

    // Bits toggle.
    CSignalDriver bit(SignalKind::Ramp, 1);
    EXPECT_EQ(bit.ValueAt(1), 0u);
    EXPECT_EQ(bit.ValueAt(6), 1u);
    CSignalDriver none(SignalKind::None, 3);
    EXPECT_EQ(none.ValueAt(3), 0u);
}
