// The property dialogs of the graphs, the clock and the drawn shapes: sizes and their range
// refusals, the bar's direction, the trend's sampling, the pie's angle lists, the line's points,
// the style lists, and Cancel.

#include "functions_test_support.h"

#include "core/presenters/circle_tag_dlg.h"
#include "core/presenters/clock_tag_dlg.h"
#include "core/presenters/graph_tag_dlg.h"
#include "core/presenters/line_tag_dlg.h"
#include "core/presenters/pie_tag_dlg.h"
#include "core/presenters/rect_tag_dlg.h"
#include "core/tags/tag_kinds.h"

#include "util/message_ids.h"
#include "util/messages.h"

#include <gtest/gtest.h>

using namespace core;

namespace {

class GraphDialogs : public ::testing::Test
{
protected:
    // The message shown last, and the range message it should be.
    std::string lastRange() const { return m_env.prompt.texts.back(); }
    static std::string range(int least, int greatest)
    {
        return util::formatMessage(util::msg::kIntegerRange, std::to_string(least).c_str(),
                                   std::to_string(greatest).c_str());
    }

    fntest::Env m_env;
};

TEST_F(GraphDialogs, BarSizeOutsideItsRangeIsRefusedWithTheRangeMessage)
{
    CGraphTag bar(kTagGraph1);
    CGraphTagDlg dlg(m_env.env, bar);
    EXPECT_FALSE(dlg.SetWidth(7));
    EXPECT_FALSE(dlg.SetWidth(193));
    EXPECT_FALSE(dlg.SetHeight(65));
    EXPECT_EQ(m_env.prompt.shown, (std::vector<int>(3, util::msg::kIntegerRange)));
    EXPECT_EQ(lastRange(), range(8, 64));
    EXPECT_EQ(bar.Width(), 16);
    EXPECT_EQ(bar.Height(), 48);
    EXPECT_FALSE(dlg.Changed());

    EXPECT_TRUE(dlg.SetWidth(192));
    EXPECT_TRUE(dlg.SetHeight(64));
    EXPECT_TRUE(dlg.SetWidth(8));
    EXPECT_EQ(bar.Rect(), (CRect{0, 0, 8, 64}));
    EXPECT_EQ(m_env.prompt.shown.size(), 3u);
}

TEST_F(GraphDialogs, BarDirectionSwapsTheSidesOnlyBetweenVerticalAndHorizontal)
{
    CGraphTag bar(kTagGraph1);
    CGraphTagDlg dlg(m_env.env, bar);
    dlg.SetDirection(kGraphDown);
    EXPECT_EQ(bar.Width(), 16);
    EXPECT_EQ(bar.Height(), 48);
    dlg.SetDirection(kGraphLeft);
    EXPECT_EQ(bar.Width(), 48);
    EXPECT_EQ(bar.Height(), 16);
    dlg.SetDirection(kGraphRight);
    EXPECT_EQ(bar.Width(), 48);
    dlg.SetDirection(7); // not a direction
    EXPECT_EQ(bar.Direction(), kGraphRight);

    CGraphTag trend(kTagGraph2);
    CGraphTagDlg trendDlg(m_env.env, trend);
    EXPECT_FALSE(trendDlg.DirectionEnabled());
    trendDlg.SetDirection(kGraphLeft);
    EXPECT_EQ(trend.Width(), 75);
    EXPECT_EQ(trend.Direction(), kGraphUp);
}

TEST_F(GraphDialogs, TrendSamplingCountFitsTheRecordsByte)
{
    CGraphTag trend(kTagGraph2);
    CGraphTagDlg dlg(m_env.env, trend);
    // 300 would reach the panel as 44.
    EXPECT_FALSE(dlg.SetSamplingCount(300));
    EXPECT_EQ(lastRange(), range(2, 255));
    EXPECT_FALSE(dlg.SetSamplingCount(1));
    EXPECT_FALSE(dlg.SetSamplingTime(0));
    EXPECT_FALSE(dlg.SetSamplingTime(65536));
    EXPECT_EQ(trend.SamplingCount(), 20);
    EXPECT_EQ(trend.SamplingTime(), 5);

    EXPECT_TRUE(dlg.SetSamplingCount(255));
    EXPECT_TRUE(dlg.SetSamplingTime(3600));
    dlg.SetBorder(true);
    util::Bytes record(CGraphTag::kTrendRecordSize);
    ASSERT_TRUE(trend.BuildDownloadRecord(m_env.plcSlots, record));
    EXPECT_EQ(record[70], 1);
    EXPECT_EQ(record[71], 255);
    EXPECT_EQ(util::be16(record, 72), 3600);
}

TEST_F(GraphDialogs, CancelPutsBackSizeDirectionPointAndPosition)
{
    CGraphTag bar(kTagGraph1);
    bar.MoveTo(10, 5);
    const util::Bytes before = CTagPropDlg::Body(bar);
    CGraphTagDlg dlg(m_env.env, bar);
    dlg.SetDirection(kGraphLeft);
    dlg.SetWidth(100);
    dlg.SetX(40);
    dlg.Point().ChooseChannel(1);
    dlg.Point().SetDataSize(kSizeDWord);
    ASSERT_TRUE(dlg.Changed());
    dlg.Cancel();
    EXPECT_EQ(CTagPropDlg::Body(bar), before);
    EXPECT_EQ(bar.Rect(), (CRect{10, 5, 26, 53}));
    EXPECT_EQ(bar.Point().m_channel, 0);
}

TEST_F(GraphDialogs, OkChecksTheGraphsAddress)
{
    CGraphTag bar(kTagGraph1);
    CGraphTagDlg dlg(m_env.env, bar);
    ASSERT_TRUE(dlg.Point().ChooseChannel(1));
    EXPECT_TRUE(dlg.Ok());
    dlg.Point().SetAddress("", "no such address");
    EXPECT_FALSE(dlg.Ok());
    EXPECT_EQ(m_env.prompt.last(), 52350);
}

TEST_F(GraphDialogs, PieAnglesComeFromTheListsOnly)
{
    EXPECT_EQ(CPieTagDlg::StartAngleAt(7), 315);
    EXPECT_EQ(CPieTagDlg::SweepAt(7), 360);
    EXPECT_EQ(CPieTagDlg::StartAngleIndex(315), 7);
    EXPECT_EQ(CPieTagDlg::StartAngleIndex(360), -1);
    EXPECT_EQ(CPieTagDlg::StartAngleIndex(30), -1);
    EXPECT_EQ(CPieTagDlg::SweepIndex(45), 0);
    EXPECT_EQ(CPieTagDlg::SweepIndex(0), -1);
    EXPECT_EQ(CPieTagDlg::SweepIndex(405), -1);

    CPieTag pie;
    CPieTagDlg dlg(m_env.env, pie);
    dlg.SetStartAngle(30);
    dlg.SetSweep(400);
    dlg.SetMode(5);
    EXPECT_FALSE(dlg.Changed());

    // A start of 45 over 90 spans 0 to 180: the upper half box.
    dlg.SetStartAngle(45);
    dlg.SetSweep(90);
    EXPECT_EQ(pie.Rect(), (CRect{0, 0, 31, 16}));
    dlg.SetStartAngle(0);
    dlg.SetSweep(360);
    dlg.SetMode(kPieNeedle);
    util::Bytes record(CPieTag::kRecordSize);
    ASSERT_TRUE(pie.BuildDownloadRecord(m_env.plcSlots, record));
    EXPECT_EQ(util::be16(record, 70), 0);
    EXPECT_EQ(util::be16(record, 72), 8);
    EXPECT_EQ(util::be16(record, 74), kPieNeedle);
}

TEST_F(GraphDialogs, PieRadiusOutsideEightToSixtyFourIsRefused)
{
    CPieTag pie;
    CPieTagDlg dlg(m_env.env, pie);
    EXPECT_FALSE(dlg.SetRadius(7));
    EXPECT_FALSE(dlg.SetRadius(65));
    EXPECT_EQ(lastRange(), range(8, 64));
    EXPECT_EQ(pie.Radius(), 16);
    EXPECT_TRUE(dlg.SetRadius(64));
    dlg.SetInverse(true);
    dlg.Cancel();
    EXPECT_EQ(pie.Radius(), 16);
    EXPECT_FALSE(pie.IsInverse());
}

TEST_F(GraphDialogs, ClockTakesOnlyListedFormatsAndFonts)
{
    CClockTag clock;
    CClockTagDlg dlg(m_env.env, clock);
    dlg.SetFormat(kClockFormatCount);
    dlg.SetFormat(-1);
    dlg.SetFont(3);
    EXPECT_FALSE(dlg.Changed());
    dlg.SetFormat(13);
    dlg.SetFont(2);
    dlg.SetBorder(true);
    dlg.SetInverse(true);
    EXPECT_EQ(clock.Format(), 13);
    EXPECT_EQ(clock.Font(), 2);
    dlg.Cancel();
    EXPECT_EQ(clock.Format(), 0);
    EXPECT_EQ(clock.Font(), 0);
    EXPECT_FALSE(clock.HasBorder());
    EXPECT_FALSE(clock.IsInverse());
}

TEST_F(GraphDialogs, LinePointsMoveOneAtATimeAndStayOnThePanel)
{
    CLineTag line;
    line.SetStart(4, 4);
    CLineTagDlg dlg(m_env.env, line);
    EXPECT_TRUE(dlg.SetStartX(20));
    EXPECT_TRUE(dlg.SetEndY(63));
    EXPECT_EQ(line.Start(), (CPoint{20, 4}));
    EXPECT_EQ(line.End(), (CPoint{16, 63}));
    EXPECT_EQ(line.Rect(), (CRect{16, 4, 20, 63}));

    EXPECT_FALSE(dlg.SetEndY(64));
    EXPECT_FALSE(dlg.SetStartX(192));
    EXPECT_FALSE(dlg.SetEndX(-1));
    EXPECT_EQ(lastRange(), range(0, 191));
    EXPECT_EQ(line.End(), (CPoint{16, 63}));
}

TEST_F(GraphDialogs, RectangleAndCircleSizesAreChecked)
{
    CRectTag rect;
    CRectTagDlg rectDlg(m_env.env, rect);
    EXPECT_FALSE(rectDlg.SetWidth(0));
    EXPECT_FALSE(rectDlg.SetHeight(65));
    EXPECT_EQ(lastRange(), range(1, 64));
    EXPECT_TRUE(rectDlg.SetWidth(192));
    EXPECT_TRUE(rectDlg.SetHeight(1));
    EXPECT_EQ(rect.Rect(), (CRect{0, 0, 192, 1}));

    CCircleTag circle;
    CCircleTagDlg circleDlg(m_env.env, circle);
    EXPECT_FALSE(circleDlg.SetRadius(0));
    EXPECT_FALSE(circleDlg.SetRadius(33));
    EXPECT_EQ(lastRange(), range(1, 32));
    EXPECT_TRUE(circleDlg.SetRadius(32));
    EXPECT_EQ(circle.Rect(), (CRect{0, 0, 64, 64}));
    EXPECT_EQ(m_env.prompt.shown.size(), 4u);
}

TEST_F(GraphDialogs, ShapeStyleListsKeepTheirValues)
{
    CRectTag rect;
    rect.SetThickness(12); // beyond the list, from a file
    CRectTagDlg dlg(m_env.env, rect);
    const std::vector<std::uint16_t> choices = dlg.ThicknessChoices();
    ASSERT_EQ(choices.size(), 9u);
    EXPECT_EQ(choices.front(), 1);
    EXPECT_EQ(choices.back(), 12);

    dlg.SetLineType(3);
    dlg.SetThickness(0);
    EXPECT_FALSE(dlg.Changed());
    dlg.SetLineType(kLineDashed);
    dlg.SetThickness(3);
    dlg.SetFill(true);
    EXPECT_EQ(dlg.ThicknessChoices().size(), 8u);
    util::Bytes record(CRectTag::kRecordSize);
    ASSERT_TRUE(rect.BuildDownloadRecord(m_env.plcSlots, record));
    EXPECT_EQ(util::be16(record, 8), kLineDashed);
    EXPECT_EQ(util::be16(record, 10), 3);
    EXPECT_EQ(util::be16(record, 12), 1);

    CLineTag line;
    CLineTagDlg lineDlg(m_env.env, line);
    EXPECT_FALSE(lineDlg.HasFill());
    lineDlg.SetThickness(4);
    lineDlg.SetLineType(kLineDotted);
    lineDlg.Cancel();
    EXPECT_EQ(line.Thickness(), 1);
    EXPECT_EQ(line.LineType(), kLineSolid);
}

} // namespace
