#include "core/editor/arrange_rules.h"
#include "core/editor/z_order.h"
#include "core/tags/tag_factory.h"

#include <gtest/gtest.h>

using core::CRect;
using namespace core::editor;

namespace {

CRect box(int l, int t, int w, int h)
{
    return {l, t, l + w, t + h};
}

} // namespace

TEST(AlignRects, LeftAndTopTakeTheSmallestEdgeAndKeepSizes)
{
    const std::vector<CRect> in{box(10, 5, 20, 8), box(4, 30, 6, 6), box(50, 2, 10, 10)};
    const auto left = alignRects(in, Edge::Left);
    EXPECT_EQ(left[0], box(4, 5, 20, 8));
    EXPECT_EQ(left[1], box(4, 30, 6, 6));
    EXPECT_EQ(left[2], box(4, 2, 10, 10));
    const auto top = alignRects(in, Edge::Top);
    EXPECT_EQ(top[0], box(10, 2, 20, 8));
    EXPECT_EQ(top[1], box(4, 2, 6, 6));
}

TEST(AlignRects, RightAndBottomTakeTheLargestEdge)
{
    const std::vector<CRect> in{box(10, 5, 20, 8), box(4, 30, 6, 6)};
    const auto right = alignRects(in, Edge::Right);
    EXPECT_EQ(right[0], box(10, 5, 20, 8));
    EXPECT_EQ(right[1], box(24, 30, 6, 6));
    const auto bottom = alignRects(in, Edge::Bottom);
    EXPECT_EQ(bottom[0], box(10, 28, 20, 8));
}

TEST(AlignRects, AnEdgeAtThePanelBorderChangesNothing)
{
    // One tag ending at x = 192: align right leaves everything.
    const std::vector<CRect> in{box(172, 0, 20, 8), box(4, 30, 6, 6)};
    EXPECT_EQ(alignRects(in, Edge::Right), in);
    const std::vector<CRect> low{box(0, 54, 20, 10), box(4, 30, 6, 6)};
    EXPECT_EQ(alignRects(low, Edge::Bottom), low);
}

TEST(AlignToScreen, EdgesKeepSizesAndOversizedTagsStay)
{
    const std::vector<CRect> in{box(10, 5, 20, 8), box(-4, 0, 200, 70)};
    const auto left = alignToScreen(in, Edge::Left);
    EXPECT_EQ(left[0], box(0, 5, 20, 8));
    const auto right = alignToScreen(in, Edge::Right);
    EXPECT_EQ(right[0], box(172, 5, 20, 8));
    EXPECT_EQ(right[1], in[1]); // width 200 stays
    const auto bottom = alignToScreen(in, Edge::Bottom);
    EXPECT_EQ(bottom[0], box(10, 56, 20, 8));
    EXPECT_EQ(bottom[1], in[1]); // height 70 stays
    EXPECT_EQ(alignToScreen(in, Edge::Top)[0], box(10, 0, 20, 8));
}

TEST(CentreRects, GroupIsCentredAndKeepsItsLayout)
{
    // Bounding box 0..40 x 0..20: centre x = 20, y = 10.
    const std::vector<CRect> in{box(0, 0, 10, 10), box(30, 10, 10, 10)};
    const auto h = centreRects(in, true);
    EXPECT_EQ(h[0], box(76, 0, 10, 10));
    EXPECT_EQ(h[1], box(106, 10, 10, 10));
    const auto v = centreRects(in, false);
    EXPECT_EQ(v[0], box(0, 22, 10, 10));
    EXPECT_EQ(v[1].top - v[0].top, 10);
}

TEST(DistributeRects, GapsAreTruncatedAndTheFirstTagStays)
{
    // Widths 10, 10, 10 over a span of 41: gap 5, last ends one short.
    const std::vector<CRect> in{box(31, 0, 10, 4), box(0, 0, 10, 4), box(12, 0, 10, 4)};
    const auto out = distributeRects(in, true);
    ASSERT_TRUE(out);
    EXPECT_EQ((*out)[1], box(0, 0, 10, 4));
    EXPECT_EQ((*out)[2], box(15, 0, 10, 4));
    EXPECT_EQ((*out)[0], box(30, 0, 10, 4));
}

TEST(DistributeRects, EqualEdgesKeepSelectionOrder)
{
    const std::vector<CRect> in{box(0, 0, 4, 5), box(0, 0, 4, 3), box(0, 20, 4, 4)};
    const auto out = distributeRects(in, false);
    ASSERT_TRUE(out);
    EXPECT_EQ((*out)[0].top, 0); // first of the two at top 0 stays
    EXPECT_EQ((*out)[1].top, 5 + (24 - 12) / 2);
}

TEST(DistributeRects, NoRoomAndTooFewTags)
{
    const std::vector<CRect> crowded{box(0, 0, 20, 4), box(10, 0, 20, 4), box(20, 0, 20, 4)};
    EXPECT_FALSE(distributeRects(crowded, true));
    const std::vector<CRect> two{box(0, 0, 2, 2), box(50, 0, 2, 2)};
    EXPECT_EQ(*distributeRects(two, true), two);
}

TEST(ZOrder, FrontAndBackFollowSelectionOrder)
{
    const std::vector<int> order{1, 2, 3, 4};
    EXPECT_EQ(bringToFront(order, {2, 1}), (std::vector<int>{3, 4, 2, 1}));
    // Send to back of A then B ends with B behind A.
    EXPECT_EQ(sendToBack(order, {3, 4}), (std::vector<int>{4, 3, 1, 2}));
    EXPECT_EQ(sendToBack(order, {9}), order);
}

TEST(ZOrder, KeptOrderIsTheFilesGroupOrder)
{
    // A clock placed first, then an image text and a text over it: the file keeps the image
    // text (group 5) behind the clock (group 11), the text (group 4) behind both.
    auto clock = core::createTag(core::kTagClock);
    auto image = core::createTag(core::kTagBmpText);
    auto text = core::createTag(core::kTagText);
    auto text2 = core::createTag(core::kTagText);
    const std::vector<core::CTag *> placed{clock.get(), image.get(), text.get(), text2.get()};
    const auto kept = keptOrder(placed);
    EXPECT_EQ(kept, (std::vector<core::CTag *>{text.get(), text2.get(), image.get(), clock.get()}));

    // Bringing the first text to the front keeps it within its group, and the request is not
    // fully kept; within the group it is.
    const auto front = keptOrder(bringToFront(kept, {text.get()}));
    EXPECT_EQ(front,
              (std::vector<core::CTag *>{text2.get(), text.get(), image.get(), clock.get()}));
    EXPECT_FALSE(selectionAtEnd(front, {text.get()}, true));
    EXPECT_TRUE(selectionAtEnd(front, {clock.get()}, true));
    const auto back = keptOrder(sendToBack(kept, {clock.get()}));
    EXPECT_EQ(back, kept);
    EXPECT_FALSE(selectionAtEnd(back, {clock.get()}, false));
    EXPECT_TRUE(selectionAtEnd(back, {text.get(), text2.get()}, false));
}
