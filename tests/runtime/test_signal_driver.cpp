// The device table's value drivers move over the values the point is watched over and stay
// inside its cell.

#include "core/runtime/signal_driver.h"

#include <gtest/gtest.h>

#include <set>

using core::CSignalDriver;
using core::SignalKind;
using core::ValueRange;

TEST(SignalDriver, RampSineAndRandomStayInRangeAndMove)
{
    CSignalDriver ramp(SignalKind::Ramp, 2, ValueRange{0, 100}, 10.0);
    EXPECT_EQ(ramp.ValueAt(0), 0u);
    EXPECT_EQ(ramp.ValueAt(5), 50u);
    EXPECT_EQ(ramp.ValueAt(10), 0u) << "starts over each period";
    EXPECT_EQ(ramp.ValueAt(-3), 0u);

    CSignalDriver sine(SignalKind::Sine, 2, ValueRange{0, 200}, 4.0);
    EXPECT_EQ(sine.ValueAt(0), 100u);
    EXPECT_EQ(sine.ValueAt(1), 200u);
    EXPECT_EQ(sine.ValueAt(3), 0u);

    // A word never gets more than 16 bits, whatever range is asked for.
    CSignalDriver wide(SignalKind::Random, 2, ValueRange{0, 1'000'000});
    std::set<std::uint32_t> seen;
    for (int i = 0; i < 200; ++i) {
        const std::uint32_t v = wide.ValueAt(i);
        EXPECT_LE(v, 0xFFFFu);
        seen.insert(v);
    }
    EXPECT_GT(seen.size(), 100u);

    // Bits toggle.
    CSignalDriver bit(SignalKind::Ramp, 1, ValueRange{0, 1});
    EXPECT_EQ(bit.ValueAt(1), 0u);
    EXPECT_EQ(bit.ValueAt(6), 1u);
    CSignalDriver none(SignalKind::None, 3, ValueRange{0, 100});
    EXPECT_EQ(none.ValueAt(3), 0u);
}

TEST(SignalDriver, RunsOverTheTagsLimitsInTheCellsOwnForm)
{
    // A numeric tag's 0 to 1000 is climbed all the way, not stopped at 100.
    CSignalDriver ramp(SignalKind::Ramp, 2, ValueRange{0, 1000}, 10.0);
    EXPECT_EQ(ramp.ValueAt(5), 500u);
    EXPECT_EQ(ramp.ValueAt(9.99), 999u);

    // From a lower limit above zero; below zero as the cell's two's complement.
    CSignalDriver offset(SignalKind::Ramp, 2, ValueRange{200, 400}, 10.0);
    EXPECT_EQ(offset.ValueAt(0), 200u);
    EXPECT_EQ(offset.ValueAt(5), 300u);
    CSignalDriver below(SignalKind::Sine, 2, ValueRange{-50, 50}, 4.0);
    EXPECT_EQ(below.ValueAt(0), 0u);
    EXPECT_EQ(below.ValueAt(3) & 0xFFFFu, 0xFFCEu) << "-50";
    CSignalDriver wide(SignalKind::Ramp, 3, ValueRange{-100000, 100000}, 10.0);
    EXPECT_EQ(wide.ValueAt(0), std::uint32_t(-100000));

    // BCD limits are digits: the cell gets nibbles, never a digit above 9.
    CSignalDriver bcd(SignalKind::Ramp, 2, ValueRange{0, 1000, true}, 10.0);
    EXPECT_EQ(bcd.ValueAt(5), 0x0500u);
    CSignalDriver random(SignalKind::Random, 2, ValueRange{0, 9999, true});
    for (int i = 0; i < 200; ++i) {
        const std::uint32_t v = random.ValueAt(i);
        for (int shift = 0; shift < 16; shift += 4)
            ASSERT_LE((v >> shift) & 0xFu, 9u) << std::hex << v;
    }

    // Limits the other way round run nowhere but at the lower one.
    CSignalDriver upside(SignalKind::Ramp, 2, ValueRange{300, 100}, 10.0);
    EXPECT_EQ(upside.ValueAt(5), 300u);
}
