// A point whose PLC does not answer: the panel's numeric tags show '*' in every cell (the
// picture a value too large for the digits gives), the other points of the screen keep their
// values, and the simulated memory never reports a failure.

#include "runtime/runtime_test_support.h"

#include "core/runtime/panel_runtime.h"
#include "core/runtime/screen_renderer.h"
#include "core/tags/digit_tag.h"

#include <gtest/gtest.h>

#include <set>

using namespace core;
using runtimetest::point;

namespace {

// A PLC whose chosen cells are not known; the rest hold what was written.
class PartlyFailingPlc : public IPlcMemory
{
public:
    std::set<MemoryKey> failing;
    CSimulatedPlcMemory cells;

    std::uint32_t Read(const MemoryKey &key) const override { return cells.Read(key); }
    void Write(const MemoryKey &key, std::uint32_t value) override { cells.Write(key, value); }
    bool Failed(const MemoryKey &key) const override { return failing.contains(key); }
};

PanelFonts testFonts()
{
    PanelFonts f;
    f.normal = util::CLogFont::make(16, 0, 0, "Arial");
    f.wide = util::CLogFont::make(16, 0, 0, "Arial");
    f.small = util::CLogFont::make(8, 0, 0, "Arial");
    return f;
}

TEST(FailedPoints, NumericTagsShowStarsInEveryCellAndOtherPointsKeepTheirValues)
{
    runtimetest::Project project("failed");
    const auto addDigit = [&](const char *number, int y) {
        auto d = std::make_unique<CDigitTag>();
        d->MoveTo(0, y);
        d->SetDigits(4);
        d->SetDecimals(1);
        d->SetSigned(true);
        d->Point() = point(1, "4x", number, kSizeWord, 1);
        d->Point().m_signed = 1;
        const CDigitTag *tag = d.get();
        EXPECT_EQ(project.screen(0).AddTag(std::move(d), false), kTagOk);
        return tag;
    };
    const CDigitTag *first = addDigit("1", 0);
    addDigit("2", 24);
    EXPECT_EQ(digitFailureText(*first), "******") << "4 digits, the point and the sign";
    EXPECT_EQ(digitFailureText(*first).size(), formatDigitValue(*first, 123).size());

    CPanelRuntime run(project.doc);
    auto plc = std::make_shared<PartlyFailingPlc>();
    run.Memory().AttachPlc(1, plc);
    ASSERT_TRUE(run.Memory().IsOnline(1));
    const MemoryKey k1 = *run.Memory().KeyOf(point(1, "4x", "1", kSizeWord, 1));
    const MemoryKey k2 = *run.Memory().KeyOf(point(1, "4x", "2", kSizeWord, 1));
    run.Memory().Write(k1, 12);
    run.Memory().Write(k2, 34);
    const CScreenRenderer renderer(project.doc, testFonts());
    const util::CMonoBitmap good = renderer.Render(0, run);

    plc->failing = {k1};
    EXPECT_TRUE(run.Failed(first->Point()));
    const util::CMonoBitmap failed = renderer.Render(0, run);
    EXPECT_FALSE(failed == good);
    // The same picture as a value too large for four digits in the first tag.
    plc->failing.clear();
    run.Memory().Write(k1, 0x7FFF); // 3276.7 needs five digits
    EXPECT_TRUE(renderer.Render(0, run) == failed)
            << "stars in every cell, the second tag as it was";

    // Back on the simulated memory: nothing fails, and the values written there stay apart.
    plc->failing = {k1, k2};
    run.Memory().AttachPlc(1, nullptr);
    EXPECT_FALSE(run.Memory().IsOnline(1));
    EXPECT_FALSE(run.Failed(first->Point()));
    EXPECT_EQ(run.Memory().Read(k1), 0u);
    EXPECT_FALSE(run.Memory().Failed(CDeviceMemory::PanelWord(5)));
}

} // namespace
