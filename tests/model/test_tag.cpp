// Tag base geometry, panel text metrics and the kind table.

#include "core/tags/panel_text.h"
#include "core/tags/tag_factory.h"
#include "core/tags/tag_kinds.h"

#include "test_helpers.h"

#include <gtest/gtest.h>

using namespace core;
using testing_model::StubTag;

namespace {

std::unique_ptr<StubTag> tagAt(CRect r)
{
    auto tag = std::make_unique<StubTag>(kTagRect);
    tag->SetRect(r);
    return tag;
}

} // namespace

TEST(TagHandles, PositionsRunClockwiseFromTopLeftWithMidpointsTruncated)
{
    const auto tag = tagAt({10, 20, 15, 27});
    EXPECT_EQ(tag->GetHandlePoint(1), (CPoint{10, 20}));
    EXPECT_EQ(tag->GetHandlePoint(2), (CPoint{12, 20}));
    EXPECT_EQ(tag->GetHandlePoint(3), (CPoint{15, 20}));
    EXPECT_EQ(tag->GetHandlePoint(4), (CPoint{15, 23}));
    EXPECT_EQ(tag->GetHandlePoint(5), (CPoint{15, 27}));
    EXPECT_EQ(tag->GetHandlePoint(6), (CPoint{12, 27}));
    EXPECT_EQ(tag->GetHandlePoint(7), (CPoint{10, 27}));
    EXPECT_EQ(tag->GetHandlePoint(8), (CPoint{10, 23}));
    EXPECT_EQ(tag->GetHandlePoint(0), (CPoint{10, 20}));
    EXPECT_EQ(tag->GetHandlePoint(9), (CPoint{10, 20}));
    // Rounded toward zero, also left of the panel.
    EXPECT_EQ(tagAt({-5, -5, 0, 0})->GetHandlePoint(2), (CPoint{-2, -5}));
}

TEST(TagHandles, CursorKindsPairOppositeHandles)
{
    const StubTag tag(kTagRect);
    EXPECT_EQ(tag.GetHandleCursor(1), TagCursor::SizeNWSE);
    EXPECT_EQ(tag.GetHandleCursor(5), TagCursor::SizeNWSE);
    EXPECT_EQ(tag.GetHandleCursor(2), TagCursor::SizeNS);
    EXPECT_EQ(tag.GetHandleCursor(6), TagCursor::SizeNS);
    EXPECT_EQ(tag.GetHandleCursor(3), TagCursor::SizeNESW);
    EXPECT_EQ(tag.GetHandleCursor(7), TagCursor::SizeNESW);
    EXPECT_EQ(tag.GetHandleCursor(4), TagCursor::SizeWE);
    EXPECT_EQ(tag.GetHandleCursor(8), TagCursor::SizeWE);
    EXPECT_EQ(tag.GetHandleCursor(0), TagCursor::SizeAll);
}

TEST(TagHandles, MoveHandleMovesOnlyItsEdges)
{
    struct Case
    {
        int handle;
        CRect expected;
    };
    const Case cases[] = {
            {2, {10, 5, 30, 30}},  {3, {10, 5, 40, 30}},  {4, {10, 10, 40, 30}},
            {5, {10, 10, 40, 35}}, {6, {10, 10, 30, 35}}, {7, {12, 10, 30, 35}},
            {8, {12, 10, 30, 30}}, {1, {12, 5, 30, 30}},  {42, {12, 5, 30, 30}},
    };
    for (const Case &c : cases) {
        auto tag = tagAt({10, 10, 30, 30});
        const int x = (c.handle == 7 || c.handle == 8 || c.handle == 1 || c.handle == 42) ? 12 : 40;
        const int y = (c.handle == 2 || c.handle == 3 || c.handle == 1 || c.handle == 42) ? 5 : 35;
        EXPECT_TRUE(tag->MoveHandleTo(c.handle, x, y)) << c.handle;
        EXPECT_EQ(tag->Rect(), c.expected) << c.handle;
        EXPECT_EQ(tag->X(), c.expected.left);
        EXPECT_EQ(tag->Y(), c.expected.top);
    }
}

TEST(TagHandles, DraggingPastTheOppositeCornerNormalises)
{
    auto tag = tagAt({10, 10, 30, 30});
    EXPECT_TRUE(tag->MoveHandleTo(1, 50, 40));
    EXPECT_EQ(tag->Rect(), (CRect{30, 30, 50, 40}));
    EXPECT_EQ(tag->X(), 30);
}

TEST(TagHandles, RefusedRectangleLeavesTheTagUnchanged)
{
    auto tag = tagAt({10, 10, 30, 30});
    EXPECT_FALSE(tag->MoveHandleTo(8, 29, 0)); // 1 pixel wide
    EXPECT_FALSE(tag->MoveHandleTo(1, -1, 10)); // left of the panel
    EXPECT_EQ(tag->Rect(), (CRect{10, 10, 30, 30}));
}

TEST(TagBounds, RectOnPanelRules)
{
    const auto tag = tagAt({0, 0, 1, 1});
    EXPECT_TRUE(tag->IsRectOnPanel(tag->Rect())) << "its own rectangle is always accepted";
    EXPECT_FALSE(tag->IsRectOnPanel(CRect{0, 0, 1, 1})) << "an equal copy is not";
    EXPECT_FALSE(tag->IsRectOnPanel({10, 10, 11, 20}));
    EXPECT_FALSE(tag->IsRectOnPanel({10, 10, 20, 11}));
    EXPECT_FALSE(tag->IsRectOnPanel({192, 0, 200, 10}));
    EXPECT_FALSE(tag->IsRectOnPanel({0, 64, 10, 70}));
    EXPECT_TRUE(tag->IsRectOnPanel({190, 62, 300, 100})) << "may extend beyond the edges";
    EXPECT_TRUE(tag->IsRectOnPanel({0, 0, 2, 2}));
    EXPECT_TRUE(tag->IsPointOnPanel(191, 63));
    EXPECT_FALSE(tag->IsPointOnPanel(192, 0));
    EXPECT_FALSE(tag->IsPointOnPanel(0, -1));
}

TEST(TagHitTest, UnselectedTagNeverReportsAHandle)
{
    const auto tag = tagAt({10, 10, 30, 30});
    EXPECT_EQ(tag->HitTestHandle({10, 10}, false), 0);
    EXPECT_EQ(tag->HitTestHandle({30, 30}, false), -1);
    EXPECT_EQ(tag->HitTestHandle({9, 10}, false), -1);
}

TEST(TagHitTest, SelectedTagFindsHandlesWithinRadiusThree)
{
    const auto tag = tagAt({10, 10, 30, 30});
    EXPECT_EQ(tag->HitTestHandle({30, 30}, true), 5);
    EXPECT_EQ(tag->HitTestHandle({32, 32}, true), 5) << "outside the rectangle, inside the circle";
    EXPECT_EQ(tag->HitTestHandle({34, 30}, true), -1);
    EXPECT_EQ(tag->HitTestHandle({20, 20}, true), 0);
    EXPECT_EQ(tag->HitTestHandle({20, 8}, true), 2);
}

TEST(TagHitTest, TagWithoutHandlesIsHitOnlyAsABody)
{
    auto tag = createTag(kTagDigit);
    ASSERT_TRUE(tag);
    EXPECT_EQ(tag->GetHandleCount(), 0);
    EXPECT_EQ(tag->HitTestHandle({0, 0}, true), 0);
    EXPECT_EQ(tag->HitTestHandle({40, 16}, true), -1);
}

TEST(TagHitTest, IntersectionMustBeNonEmpty)
{
    const auto tag = tagAt({10, 10, 30, 30});
    EXPECT_TRUE(tag->IntersectsRect({29, 29, 40, 40}));
    EXPECT_FALSE(tag->IntersectsRect({30, 10, 40, 30})) << "touching edges only";
    EXPECT_TRUE(tag->IntersectsRect({40, 40, 0, 0})) << "a dragged-out rectangle is normalised";
    EXPECT_TRUE(tag->HitTest({10, 10}));
    EXPECT_FALSE(tag->HitTest({30, 10}));
}

TEST(TagSerialize, BaseWritesOnlyTheAnchor)
{
    auto tag = tagAt({-3, 7, 20, 20});
    util::CArchive out;
    tag->Serialize(out);
    EXPECT_EQ(out.buffer(), testing_model::bytesOf({0xFD, 0xFF, 0xFF, 0xFF, 7, 0, 0, 0}));

    StubTag loaded(kTagRect);
    util::CArchive in(out.buffer());
    loaded.Serialize(in);
    EXPECT_TRUE(in.ok());
    EXPECT_EQ(loaded.X(), -3);
    EXPECT_EQ(loaded.Y(), 7);
}

TEST(TagLock, LockFlagIsStoredAndClearedOnClone)
{
    auto tag = createTag(kTagDigit);
    EXPECT_FALSE(tag->IsLocked());
    tag->SetLocked(true);
    EXPECT_TRUE(tag->IsLocked());
    EXPECT_FALSE(tag->Clone()->IsLocked());
}

TEST(PanelText, CellsFollowFontAndDoubleByteRule)
{
    EXPECT_EQ(panelTextExtent("01234", kFontNormal).width, 40);
    EXPECT_EQ(panelTextExtent("01234", kFontNormal).height, 16);
    EXPECT_EQ(panelTextExtent("01234", kFontLarge).width, 80);
    EXPECT_EQ(panelTextExtent("01234", kFontLarge).height, 32);
    EXPECT_EQ(panelTextExtent("01234", kFontSmall).width, 30);
    EXPECT_EQ(panelTextExtent("01234", kFontSmall).height, 8);
    const std::string hangul = "\xC8\xAD\xB8\xE9"; // two CP949 characters
    EXPECT_EQ(panelTextExtent(hangul + "A", kFontNormal).width, 16 + 16 + 8);
    EXPECT_EQ(panelTextExtent(hangul, kFontLarge).width, 64);
    EXPECT_EQ(panelTextExtent(hangul, kFontSmall).width, 24) << "small font: one cell per byte";
    EXPECT_EQ(panelTextExtent("A\xC8", kFontNormal).width, 16) << "a lone lead byte at the end";
    EXPECT_EQ(panelTextExtent("", kFontNormal).width, 0);
}

TEST(TagKinds, TableMatchesCostsLimitsAndGroups)
{
    const int costs[] = {80, 272, 32, 76, 82, 76, 10, 72, 74, 90, 140, 14, 12, 12, 10, 10};
    const int limits[]
            = {50, 20, 65535, 50, 50, 10, 65535, 10, 5, 10, 10, 65535, 65535, 65535, 10, 65535};
    const bool device[] = {true, true, false, true,  true,  true,  false, true,
                           true, true, true,  false, false, false, false, false};
    for (int k = 0; k < kTagKindCount; ++k) {
        EXPECT_EQ(tagKindInfo(k).cost, costs[k]) << k;
        EXPECT_EQ(tagKindInfo(k).recordSize, costs[k]) << k;
        EXPECT_EQ(tagKindInfo(k).limit, limits[k]) << k;
        EXPECT_EQ(tagKindInfo(k).deviceTag, device[k]) << k;
        EXPECT_EQ(tagGroupKinds()[tagKindInfo(k).group] == k || k == kTagBmpText, true) << k;
    }
    EXPECT_EQ(tagKindInfo(kTagBitmap).group, tagKindInfo(kTagBmpText).group);
    EXPECT_FALSE(isValidTagKind(16));
    EXPECT_EQ(tagKindInfo(16).cost, 0);
}

TEST(TagFactory, CreatesKindZeroAndNothingOutsideTheTable)
{
    auto digit = createTag(kTagDigit);
    ASSERT_TRUE(digit);
    EXPECT_EQ(digit->Kind(), kTagDigit);
    EXPECT_FALSE(createTag(-1));
    EXPECT_FALSE(createTag(16));
}
