// Graphs, pie, rotation and moving tags: size rules, records with their point blocks, bodies.

#include "core/tags/graph_tag.h"
#include "core/tags/mobile_tag.h"
#include "core/tags/motor_tag.h"
#include "core/tags/pie_tag.h"
#include "core/tags/tag_kinds.h"

#include "tag_test_support.h"

using namespace core;
using namespace testing_tags;

using GraphTagTest = TagTest;

TEST_F(GraphTagTest, BarTurnsWithItsDirection)
{
    CGraphTag bar;
    EXPECT_EQ(bar.Kind(), kTagGraph1);
    EXPECT_EQ(bar.GetHandleCount(), 8);
    EXPECT_EQ(bar.Rect(), (CRect{0, 0, 16, 48}));
    bar.SetDirection(kGraphDown);
    EXPECT_EQ(bar.Rect(), (CRect{0, 0, 16, 48}));
    bar.SetDirection(kGraphLeft);
    EXPECT_EQ(bar.Rect(), (CRect{0, 0, 48, 16}));
    bar.SetDirection(kGraphRight);
    EXPECT_EQ(bar.Rect(), (CRect{0, 0, 48, 16}));
    bar.SetDirection(kGraphUp);
    EXPECT_EQ(bar.Rect(), (CRect{0, 0, 16, 48}));

    CGraphTag trend(kTagGraph2);
    EXPECT_EQ(trend.Kind(), kTagGraph2);
    EXPECT_EQ(trend.Rect(), (CRect{0, 0, 75, 35}));
}

TEST_F(GraphTagTest, SizeLimits)
{
    CGraphTag bar;
    EXPECT_FALSE(bar.SetHeight(65));
    EXPECT_TRUE(bar.SetHeight(64));
    EXPECT_FALSE(bar.SetWidth(7));
    EXPECT_FALSE(bar.SetWidth(193));
    EXPECT_TRUE(bar.SetWidth(8));
    EXPECT_EQ(bar.Rect(), (CRect{0, 0, 8, 64}));
    EXPECT_FALSE(bar.MoveHandleTo(5, 7, 40)) << "7 pixels wide";
    EXPECT_TRUE(bar.MoveHandleTo(5, 100, 40));
    EXPECT_EQ(bar.Width(), 100);
    EXPECT_EQ(bar.Height(), 40);
    EXPECT_FALSE(bar.IsRectOnPanel({0, 0, 100, 65}));
    EXPECT_FALSE(bar.IsRectOnPanel({192, 0, 200, 10}));
}

TEST_F(GraphTagTest, BarRecord)
{
    CGraphTag bar;
    bar.Point().m_second = "20";
    bar.Point().m_dataSize = kSizeDWord;
    bar.Point().m_max = 100000;
    bar.Point().m_flag = 5;
    bar.MoveTo(4, 5);
    bar.SetDirection(kGraphRight);
    util::Bytes want(72, 0);
    putPointBlock(want, 0, "20", 3, 5, 1, 0, 100000);
    putBe(want, 62, {4, 5, 3, 16, 48});
    EXPECT_EQ(record(bar, 72, m_slots), want);
    CGraphTag back;
    ASSERT_TRUE(back.LoadRecord(m_slots, want));
    EXPECT_EQ(back.Point(), bar.Point());
    EXPECT_EQ(back.Rect(), bar.Rect());
    EXPECT_EQ(back.Direction(), kGraphRight);
}

TEST_F(GraphTagTest, TrendRecordSendsTheSamplingCountInOneByte)
{
    CGraphTag trend(kTagGraph2);
    trend.SetSamplingCount(300);
    trend.SetSamplingTime(7);
    trend.SetBorder(true);
    util::Bytes want(74, 0);
    putPointBlock(want, 0, "0", 2, 0, 1, 0, 65535);
    putBe(want, 62, {0, 0, 35, 75});
    want[70] = 1;
    want[71] = 44;
    putBe(want, 72, {7});
    EXPECT_EQ(record(trend, 74, m_slots), want);
    CGraphTag back(kTagGraph2);
    ASSERT_TRUE(back.LoadRecord(m_slots, want));
    EXPECT_EQ(back.SamplingCount(), 44);
    EXPECT_EQ(back.SamplingTime(), 7);
    EXPECT_TRUE(back.HasBorder());
    EXPECT_FALSE(CGraphTag(kTagGraph2).LoadRecord(m_slots, util::Bytes(72, 0)));
}

TEST_F(GraphTagTest, ClipboardBody)
{
    CGraphTag trend(kTagGraph2);
    trend.SetSamplingCount(300);
    const util::Bytes body = storeBody(trend);
    const util::Bytes tail
            = {35, 0, 0, 0, 75, 0, 0, 0, 0, 0, 0x2C, 1, 0, 0, 5, 0, 0, 0, 0, 0, 0, 0};
    ASSERT_TRUE(std::equal(tail.begin(), tail.end(), body.end() - 22));
    CGraphTag back(kTagGraph2);
    ASSERT_TRUE(loadBody(back, body));
    EXPECT_EQ(back.SamplingCount(), 300);
    EXPECT_EQ(back.Rect(), trend.Rect());
    EXPECT_EQ(back.Clone()->Kind(), kTagGraph2);
}

using PieTagTest = TagTest;

TEST_F(PieTagTest, RectangleCoversTheQuartersTheSweepTouches)
{
    CPieTag pie;
    pie.MoveTo(10, 5);
    EXPECT_EQ(pie.Rect(), (CRect{10, 5, 41, 21})) << "upper half";
    pie.SetStartAngle(45);
    pie.SetSweep(90);
    EXPECT_EQ(pie.Rect(), (CRect{10, 5, 41, 21})) << "45..135 widens to 0..180";
    pie.SetStartAngle(90);
    EXPECT_EQ(pie.Rect(), (CRect{10, 5, 26, 21})) << "one quarter";
    pie.SetSweep(180);
    EXPECT_EQ(pie.Rect(), (CRect{10, 5, 26, 36})) << "right half";
    pie.SetStartAngle(0);
    pie.SetSweep(360);
    EXPECT_EQ(pie.Rect(), (CRect{10, 5, 41, 36}));
}

TEST_F(PieTagTest, RadiusLimitsAndHandleDragging)
{
    CPieTag pie;
    EXPECT_FALSE(pie.SetRadius(7));
    EXPECT_FALSE(pie.SetRadius(65));
    EXPECT_TRUE(pie.SetRadius(8));
    EXPECT_TRUE(pie.MoveHandleTo(5, 39, 20)); // upper half: width 2r - 1, height r
    EXPECT_EQ(pie.Radius(), 20);
    EXPECT_EQ(pie.Rect(), (CRect{0, 0, 39, 20}));
    EXPECT_FALSE(pie.MoveHandleTo(5, 60, 7)) << "radius 7";
    EXPECT_EQ(pie.Radius(), 20);
}

TEST_F(PieTagTest, RecordCarriesAnglesInEighths)
{
    CPieTag pie;
    pie.SetSweep(360);
    pie.SetInverse(true);
    pie.SetMode(kPieNeedle);
    util::Bytes want(76, 0);
    putPointBlock(want, 0, "0", 2, 0, 1, 0, 65535);
    putBe(want, 62, {0, 0, 1, 16, 0, 8, 1});
    EXPECT_EQ(record(pie, 76, m_slots), want);
    CPieTag back;
    ASSERT_TRUE(back.LoadRecord(m_slots, want));
    EXPECT_EQ(back.Sweep(), 360);
    EXPECT_TRUE(back.IsInverse());
    EXPECT_EQ(back.Mode(), kPieNeedle);
    EXPECT_EQ(back.Rect(), (CRect{0, 0, 31, 31}));

    const util::Bytes body = storeBody(pie);
    const util::Bytes tail = {16, 0, 0, 0, 0x68, 1, 1, 0, 1, 0, 0, 0};
    EXPECT_TRUE(std::equal(tail.begin(), tail.end(), body.end() - 12));
}

using MotorTagTest = TagTest;

TEST_F(MotorTagTest, RecordPadsImagesAndForcesMinimumZero)
{
    CMotorTag motor;
    EXPECT_EQ(motor.Kind(), kTagMotor);
    EXPECT_EQ(motor.Rect(), (CRect{0, 0, 32, 32}));
    ASSERT_TRUE(motor.SetImageCount(3));
    EXPECT_FALSE(motor.SetImageCount(1));
    EXPECT_FALSE(motor.SetImage(3, 9));
    motor.Point().m_min = 77;
    motor.Point().m_max = 1500;
    motor.SetDirection(1);
    motor.SetMagnification(2);
    util::Bytes want(90, 0);
    putPointBlock(want, 0, "0", 2, 0, 1, 0, 1500);
    putBe(want, 62, {0, 0, 1, 0, 1, 3, 3000, 3001, 3002, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF});
    EXPECT_EQ(record(motor, 90, m_slots), want);
    EXPECT_EQ(motor.Point().m_min, 77u) << "only the record takes 0";

    CMotorTag back;
    ASSERT_TRUE(back.LoadRecord(m_slots, want));
    EXPECT_EQ(back.ImageCount(), 3);
    EXPECT_EQ(back.ImageIds(), (std::vector<std::uint16_t>{3000, 3001, 3002}));
    EXPECT_EQ(back.Magnification(), 2);
    EXPECT_EQ(back.Rect(), (CRect{0, 0, 64, 64}));
}

TEST_F(MotorTagTest, FirstImageSizesTheTag)
{
    AddImage(3000, 20, 10);
    CMotorTag motor;
    bind(motor);
    EXPECT_EQ(motor.Rect(), (CRect{0, 0, 20, 10}));
    motor.SetImage(0, 3001);
    EXPECT_EQ(motor.Rect(), (CRect{0, 0, 32, 32}));
    EXPECT_FALSE(motor.ImageChanged(3000));
    EXPECT_TRUE(motor.ImageChanged(3001));

    const util::Bytes body = storeBody(motor);
    CMotorTag pasted;
    bind(pasted);
    ASSERT_TRUE(loadBody(pasted, body));
    EXPECT_EQ(pasted.Images(), motor.Images());
    EXPECT_EQ(storeBody(pasted), body);
}

using MobileTagTest = TagTest;

TEST_F(MobileTagTest, RangeAndImageMakeTheRectangle)
{
    CMobileTag tag;
    EXPECT_EQ(tag.Kind(), kTagMobile);
    EXPECT_EQ(tag.Rect(), (CRect{0, 0, 66, 66}));
    tag.SetBorder(false);
    EXPECT_EQ(tag.Rect(), (CRect{0, 0, 64, 64}));
    tag.SetMoveY(false);
    EXPECT_EQ(tag.Height(), 0);
    EXPECT_TRUE(tag.SetHeight(0));
    tag.SetMoveY(true);
    EXPECT_EQ(tag.Height(), 1);
    EXPECT_FALSE(tag.SetHeight(0));
    EXPECT_FALSE(tag.SetHeight(65));
    EXPECT_FALSE(tag.SetWidth(193));
    EXPECT_TRUE(tag.SetWidth(192));
}

TEST_F(MobileTagTest, DraggingChangesTheRange)
{
    CMobileTag tag;
    EXPECT_TRUE(tag.MoveHandleTo(5, 100, 50));
    EXPECT_EQ(tag.Width(), 100 - 32 - 2);
    EXPECT_EQ(tag.Height(), 50 - 32 - 2);
    EXPECT_FALSE(tag.MoveHandleTo(5, 34, 50)) << "a width of 0 while moving along x";
    tag.SetMoveX(false);
    EXPECT_TRUE(tag.MoveHandleTo(5, 20, 50));
    EXPECT_EQ(tag.Width(), 0);
    EXPECT_EQ(tag.Rect(), (CRect{0, 0, 34, 50}));
}

TEST_F(MobileTagTest, RecordWithBothPointsAndFlags)
{
    CMobileTag tag;
    tag.XPoint().m_second = "10";
    tag.YPoint().m_second = "11";
    tag.YPoint().m_channel = 2;
    tag.YPoint().m_station = 4;
    tag.MoveTo(7, 8);
    tag.SetMoveX(false);
    util::Bytes want(140, 0);
    putPointBlock(want, 0, "10", 2, 0, 1, 0, 65535);
    putPointBlock(want, 62, "11", 2, 0, 1, 0, 65535, 2, 4);
    putBe(want, 124, {7, 8, 0, 0, 32, 0});
    want[136] = 0x01;
    want[137] = 1;
    putBe(want, 138, {4000});
    EXPECT_EQ(record(tag, 140, m_slots), want);

    CMobileTag back;
    ASSERT_TRUE(back.LoadRecord(m_slots, want));
    EXPECT_EQ(back.XPoint(), tag.XPoint());
    EXPECT_EQ(back.YPoint(), tag.YPoint());
    EXPECT_FALSE(back.MovesX());
    EXPECT_TRUE(back.MovesY());
    EXPECT_EQ(back.Rect(), tag.Rect());
}

TEST_F(MobileTagTest, DeviceOperationsReachBothPoints)
{
    CMobileTag tag;
    tag.XPoint().m_channel = 1;
    tag.YPoint().m_channel = 1;
    tag.ChangeStation(1, 6);
    EXPECT_EQ(tag.XPoint().m_station, 6);
    EXPECT_EQ(tag.YPoint().m_station, 6);
    tag.SwapChannels(true, false);
    EXPECT_EQ(tag.XPoint().m_channel, 2);
    EXPECT_EQ(tag.YPoint().m_channel, 2);
    tag.XPoint().m_second = "x";
    tag.YPoint().m_second = "y";
    tag.RevalidateAddress(m_slots, false, true);
    EXPECT_EQ(tag.XPoint().m_second, "0");
    EXPECT_EQ(tag.YPoint().m_second, "0");

    const util::Bytes body = storeBody(tag);
    CMobileTag pasted;
    ASSERT_TRUE(loadBody(pasted, body));
    EXPECT_EQ(pasted.XPoint(), tag.XPoint());
    EXPECT_EQ(storeBody(pasted), body);
}
