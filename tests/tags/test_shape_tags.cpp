// Lines, rectangles and circles: geometry, hit tests, band selection, records and bodies.

#include "core/tags/circle_tag.h"
#include "core/tags/line_tag.h"
#include "core/tags/rect_tag.h"
#include "core/tags/tag_kinds.h"

#include "tag_test_support.h"

using namespace core;
using namespace testing_tags;

using ShapeTagTest = TagTest;

TEST_F(ShapeTagTest, LineHitTestFollowsThickness)
{
    CLineTag line;
    line.SetStart(0, 10);
    line.SetEnd(20, 10);
    EXPECT_TRUE(line.HitTest({5, 11}));
    EXPECT_FALSE(line.HitTest({5, 12}));
    EXPECT_TRUE(line.HitTest({21, 10}));
    EXPECT_FALSE(line.HitTest({22, 10}));
    line.SetThickness(3);
    EXPECT_TRUE(line.HitTest({5, 13}));
    EXPECT_FALSE(line.HitTest({5, 14}));

    CLineTag diagonal;
    EXPECT_EQ(diagonal.Rect(), (CRect{0, 0, 16, 16}));
    EXPECT_TRUE(diagonal.HitTest({8, 9}));
    EXPECT_FALSE(diagonal.HitTest({8, 11}));
}

TEST_F(ShapeTagTest, ZeroLengthLineIsHitAroundItsPoint)
{
    CLineTag dot;
    dot.SetStart(10, 10);
    dot.SetEnd(10, 10);
    dot.SetThickness(2);
    EXPECT_TRUE(dot.HitTest({10, 10}));
    EXPECT_TRUE(dot.HitTest({12, 10}));
    EXPECT_TRUE(dot.HitTest({11, 11}));
    EXPECT_FALSE(dot.HitTest({12, 12})) << "2.83 rounds to 3";
    EXPECT_FALSE(dot.HitTest({13, 10}));
}

TEST_F(ShapeTagTest, LineHandlesAndBandSelection)
{
    CLineTag line;
    line.SetStart(10, 10);
    line.SetEnd(40, 30);
    EXPECT_EQ(line.GetHandleCount(), 2);
    EXPECT_EQ(line.GetHandlePoint(2), (CPoint{40, 30}));
    EXPECT_EQ(line.HitTestHandle({41, 31}, true), 2);
    EXPECT_EQ(line.GetHandleCursor(1), TagCursor::SizeNWSE);
    EXPECT_TRUE(line.MoveHandleTo(1, 50, 5));
    EXPECT_EQ(line.Rect(), (CRect{40, 5, 50, 30}));
    EXPECT_FALSE(line.MoveHandleTo(2, -1, 20)) << "top-left off the panel";
    EXPECT_EQ(line.End(), (CPoint{40, 30}));

    EXPECT_TRUE(line.IntersectsRect({45, 0, 60, 8}));
    EXPECT_FALSE(line.IntersectsRect({42, 14, 48, 20})) << "crosses the path but holds no end";

    line.MoveTo(0, 0);
    EXPECT_EQ(line.End(), (CPoint{-10, 25})) << "the end point moves with the start";

    line.SetStart(30, 5);
    line.SetEnd(10, 20); // runs from top-right to bottom-left
    ASSERT_TRUE(line.SetBounds({0, 0, 60, 40}));
    EXPECT_EQ(line.Start(), (CPoint{60, 0}));
    EXPECT_EQ(line.End(), (CPoint{0, 40}));
    EXPECT_FALSE(line.SetBounds({-5, 0, 10, 10}));
}

TEST_F(ShapeTagTest, LineRecordAndBody)
{
    CLineTag line;
    line.SetStart(1, 2);
    line.SetEnd(30, 4);
    line.SetLineType(kLineDashed);
    line.SetThickness(3);
    const util::Bytes want = {0, 1, 0, 2, 0, 30, 0, 4, 0, 2, 0, 3};
    EXPECT_EQ(record(line, 12, m_slots), want);
    CLineTag back;
    ASSERT_TRUE(back.LoadRecord(m_slots, want));
    EXPECT_EQ(back.End(), line.End());
    EXPECT_EQ(back.Rect(), line.Rect());

    const util::Bytes body = storeBody(line);
    EXPECT_EQ(body, (util::Bytes{1, 0, 0,  0, 2, 0, 0, 0, 1, 0, 0, 0, 2, 0,
                                 0, 0, 30, 0, 0, 0, 4, 0, 0, 0, 2, 0, 3, 0}));
    CLineTag pasted;
    ASSERT_TRUE(loadBody(pasted, body));
    EXPECT_EQ(storeBody(pasted), body);
}

TEST_F(ShapeTagTest, RectangleSizeRules)
{
    CRectTag rect;
    EXPECT_EQ(rect.Kind(), kTagRect);
    EXPECT_EQ(rect.Rect(), (CRect{0, 0, 16, 16}));
    EXPECT_FALSE(rect.SetWidth(193));
    EXPECT_FALSE(rect.SetWidth(0));
    EXPECT_TRUE(rect.SetWidth(192));
    EXPECT_FALSE(rect.SetHeight(65));
    EXPECT_TRUE(rect.SetHeight(64));
    EXPECT_EQ(rect.Rect(), (CRect{0, 0, 192, 64}));
    EXPECT_TRUE(rect.MoveHandleTo(5, 20, 10));
    EXPECT_EQ(rect.Width(), 20);
    EXPECT_EQ(rect.Height(), 10);
}

TEST_F(ShapeTagTest, UnfilledRectangleIsSelectedByItsOutlineOnly)
{
    CRectTag rect;
    rect.MoveTo(10, 10);
    rect.SetWidth(40);
    rect.SetHeight(30);
    EXPECT_FALSE(rect.IntersectsRect({20, 20, 30, 30})) << "inside the outline";
    EXPECT_TRUE(rect.IntersectsRect({5, 20, 11, 30}));
    EXPECT_FALSE(rect.IntersectsRect({20, 20, 49, 30}));
    EXPECT_TRUE(rect.IntersectsRect({20, 20, 50, 30})) << "reaches the right edge's pen";
    rect.SetFill(true);
    EXPECT_TRUE(rect.IntersectsRect({20, 20, 30, 30}));
}

TEST_F(ShapeTagTest, RectangleRecordAndBody)
{
    CRectTag rect;
    rect.MoveTo(3, 4);
    rect.SetFill(true);
    rect.SetThickness(2);
    const util::Bytes want = {0, 3, 0, 4, 0, 16, 0, 16, 0, 0, 0, 2, 0, 1};
    EXPECT_EQ(record(rect, 14, m_slots), want);
    CRectTag back;
    ASSERT_TRUE(back.LoadRecord(m_slots, want));
    EXPECT_EQ(back.Rect(), rect.Rect());
    EXPECT_TRUE(back.IsFilled());
    const util::Bytes body = storeBody(rect);
    EXPECT_EQ(body, (util::Bytes{3, 0, 0, 0, 4, 0, 0, 0, 3, 0,  0, 0,  4,
                                 0, 0, 0, 1, 0, 0, 0, 2, 0, 16, 0, 16, 0}));
}

TEST_F(ShapeTagTest, CircleHitAndBand)
{
    CCircleTag circle;
    circle.MoveTo(10, 10);
    EXPECT_EQ(circle.Rect(), (CRect{10, 10, 26, 26}));
    EXPECT_TRUE(circle.HitTest({18, 18}));
    EXPECT_FALSE(circle.HitTest({11, 11})) << "a box corner is outside the circle";
    EXPECT_FALSE(circle.IntersectsRect({16, 16, 20, 20})) << "inside the ring";
    EXPECT_FALSE(circle.IntersectsRect({8, 8, 11, 11})) << "only the box corner";
    EXPECT_TRUE(circle.IntersectsRect({16, 8, 20, 12}));
    circle.SetFill(true);
    EXPECT_TRUE(circle.IntersectsRect({16, 16, 20, 20}));
}

TEST_F(ShapeTagTest, CircleRecordBodyAndResize)
{
    CCircleTag circle;
    circle.MoveTo(1, 2);
    ASSERT_TRUE(circle.SetRadius(5));
    EXPECT_FALSE(circle.SetRadius(0));
    circle.SetLineType(kLineDotted);
    const util::Bytes want = {0, 1, 0, 2, 0, 5, 0, 1, 0, 1, 0, 0};
    EXPECT_EQ(record(circle, 12, m_slots), want);
    CCircleTag back;
    ASSERT_TRUE(back.LoadRecord(m_slots, want));
    EXPECT_EQ(back.Rect(), circle.Rect());
    const util::Bytes body = storeBody(circle);
    EXPECT_EQ(body, (util::Bytes{1, 0, 0, 0, 2, 0, 0, 0, 1, 0, 0, 0,
                                 2, 0, 0, 0, 0, 0, 1, 0, 1, 0, 5, 0}));
    EXPECT_TRUE(circle.MoveHandleTo(5, 31, 15));
    EXPECT_EQ(circle.Radius(), 6);
    EXPECT_EQ(circle.Rect(), (CRect{1, 2, 13, 14}));
}
