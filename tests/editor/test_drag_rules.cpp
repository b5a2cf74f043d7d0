#include "core/editor/canvas_mapping.h"
#include "core/editor/selection_rules.h"
#include "core/editor/snap_rule.h"
#include "core/tags/line_tag.h"
#include "core/tags/rect_tag.h"

#include <gtest/gtest.h>

using core::CPoint;
using core::CRect;
using namespace core::editor;

TEST(SnapRule, AClickWithoutMovementNeverMoves)
{
    EXPECT_EQ(snappedOffset({13, 7}, {13, 7}, {13, 7, 33, 17}, 8, 8), (CPoint{0, 0}));
}

TEST(SnapRule, TopLeftIsRoundedDownToThePitch)
{
    // B at (3, 5); moved by (+10, +6) to (13, 11): rounded to (8, 8).
    EXPECT_EQ(snappedOffset({20, 16}, {10, 10}, {3, 5, 13, 15}, 8, 8), (CPoint{5, 3}));
    // Dragged past the left edge: clamped to 0.
    EXPECT_EQ(snappedOffset({0, 10}, {30, 10}, {10, 5, 20, 15}, 8, 8), (CPoint{-10, -5}));
}

TEST(SnapRule, BoxPastTheRightEdgeLandsOnTheLastGridColumnThatFits)
{
    // Width 20: 192 - 20 = 172, rounded down to 168.
    const CRect b{100, 0, 120, 10};
    const CPoint off = snappedOffset({190, 0}, {100, 1}, b, 8, 8);
    EXPECT_EQ(b.left + off.x, 168);
    // A box of width 30 at the bottom right with pitch 8 x 8.
    const CRect c{0, 40, 30, 60};
    const CPoint off2 = snappedOffset({191, 63}, {1, 41}, c, 8, 8);
    EXPECT_EQ(c.left + off2.x, 160);
    EXPECT_EQ(c.top + off2.y, 40);
}

TEST(SnapRule, APitchOfZeroDoesNotDivideByZero)
{
    EXPECT_EQ(snappedOffset({15, 12}, {10, 10}, {3, 5, 13, 15}, 0, 0), (CPoint{5, 2}));
}

TEST(CanvasMapping, HundredPercentIsTwoDevicePixelsPerPanelPixel)
{
    const CCanvasMapping m;
    EXPECT_EQ(m.deviceWidth(), 384);
    EXPECT_EQ(m.deviceHeight(), 128);
    EXPECT_EQ(m.toLogical({5, 3}), (CPoint{2, 1}));
    EXPECT_EQ(m.toDevice(CRect{1, 2, 3, 4}), (CRect{2, 4, 6, 8}));
}

TEST(CanvasMapping, FitStretchesEachAxisSeparately)
{
    // Picture 400 x 300 in a client of 800 x 300: x doubled, y kept.
    const CCanvasMapping m = CCanvasMapping::fit(800, 300, 400, 300);
    EXPECT_DOUBLE_EQ(m.sx(), 4.0);
    EXPECT_DOUBLE_EQ(m.sy(), 2.0);
    EXPECT_EQ(m.toLogical({8, 8}), (CPoint{2, 4}));
    EXPECT_EQ(nearest(2.5), 3);
    EXPECT_EQ(nearest(-2.5), -3);
}

TEST(SquareFromDrag, ShorterSideGrowsToTheLonger)
{
    EXPECT_EQ(squareFromDrag({10, 10}, {50, 20}), (CRect{10, 10, 50, 50}));
    EXPECT_EQ(squareFromDrag({10, 40}, {20, 0}), (CRect{10, 0, 50, 40}));
}

TEST(MoveRules, GroupMovesAllOrNone)
{
    core::CRectTag a, b;
    a.MoveTo(0, 0);
    b.MoveTo(100, 10);
    std::vector<core::CTag *> tags{&a, &b};
    EXPECT_TRUE(acceptsOffset(tags, 5, 5));
    EXPECT_FALSE(acceptsOffset(tags, -1, 0)); // a would leave the panel
    EXPECT_TRUE(moveTagBy(b, 3, 4));
    EXPECT_EQ(b.Rect().left, 103);
    EXPECT_FALSE(moveTagBy(a, 0, -1));
    EXPECT_EQ(a.Rect().top, 0);
}

TEST(MoveRules, TagsStayOnTheDisplay)
{
    core::CRectTag a;
    a.MoveTo(150, 10);
    a.SetWidth(30);
    a.SetHeight(20); // 150..180 x 10..30
    std::vector<core::CTag *> tags{&a};
    EXPECT_TRUE(acceptsOffset(tags, 12, 0)); // ends at 192
    EXPECT_FALSE(acceptsOffset(tags, 13, 0)); // one pixel past the edge
    EXPECT_FALSE(acceptsOffset(tags, 0, 40)); // past the bottom
    // A drag past the edge lands at the edge, whatever the direction.
    EXPECT_EQ(clampToDisplay(tags, 41, 0), (CPoint{12, 0}));
    EXPECT_EQ(clampToDisplay(tags, -200, -50), (CPoint{-150, -10}));
    EXPECT_EQ(clampToDisplay(tags, 5, 5), (CPoint{5, 5}));

    // A tag a file brought in hanging off may come back in, not go further out.
    core::CRectTag off;
    off.MoveTo(185, 50);
    off.SetWidth(20);
    off.SetHeight(20); // 185..205 x 50..70: 13 + 6 past the edges
    EXPECT_EQ(overhang(off.Rect()), 19);
    std::vector<core::CTag *> offTags{&off};
    EXPECT_TRUE(acceptsOffset(offTags, -5, 0));
    EXPECT_FALSE(acceptsOffset(offTags, 1, 0));
    EXPECT_EQ(clampToDisplay(offTags, 3, 0), (CPoint{3, 0})); // left to acceptsOffset
    EXPECT_TRUE(keepsOnDisplay(off.Rect(), {180, 40, 192, 64}));
}

TEST(MoveRules, ALineMovesBothEnds)
{
    core::CLineTag line;
    line.SetStart(40, 30);
    line.SetEnd(10, 5);
    EXPECT_TRUE(moveTagToRect(line, {20, 10, 50, 35}));
    EXPECT_EQ(line.Start(), (CPoint{50, 35}));
    EXPECT_EQ(line.End(), (CPoint{20, 10}));
}

TEST(BandSelect, AClickTakesTheTagUnderThePointAndABandWhatItMeets)
{
    core::CRectTag r;
    r.SetFill(true);
    r.MoveTo(10, 10);
    EXPECT_TRUE(bandSelects(r, {12, 12, 12, 12}));
    EXPECT_FALSE(bandSelects(r, {2, 2, 2, 2}));
    EXPECT_TRUE(bandSelects(r, {0, 0, 11, 11}));
    EXPECT_FALSE(bandSelects(r, {0, 0, 5, 5}));
}
