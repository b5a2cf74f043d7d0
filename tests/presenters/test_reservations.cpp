// The reservation editor: BCD fields, repeat modes, weekday mask, day of month, the list's texts.

#include "functions_test_support.h"

#include "core/functions/device_block.h"
#include "core/presenters/reserve_dlg.h"

#include <gtest/gtest.h>

using namespace core;

namespace {

class Reservations : public ::testing::Test
{
protected:
    fntest::Env t;
    CReserveEditDlg e{t.env, ReserveDate{2026, 12, 8}};
};

} // namespace

TEST_F(Reservations, DefaultEditorState)
{
    EXPECT_EQ(e.RepeatMode(), CReserveRecord::kOnce);
    EXPECT_TRUE(e.DateVisible());
    EXPECT_FALSE(e.WeekdaysVisible());
    EXPECT_FALSE(e.MonthDayVisible());
    EXPECT_TRUE(e.ValueOn());
    EXPECT_EQ(e.Condition(), 0);
    EXPECT_FALSE(e.Start().Enabled());
    EXPECT_EQ(e.MonthDay(), 1);
    EXPECT_EQ(e.Date().year, 2026);
}

TEST_F(Reservations, TimeIsStoredAsBcdAndShownWithTwoDigits)
{
    e.SetTime({9, 5, 0});
    e.SetDate({2026, 12, 31});
    ASSERT_TRUE(e.Ok());
    const CReserveRecord &r = e.Held();
    EXPECT_EQ(r.Word(70), 0x0009);
    EXPECT_EQ(r.Word(72), 0x0005);
    EXPECT_EQ(r.Word(74), 0x0000);
    EXPECT_EQ(r.Word(64), 0x2026);
    EXPECT_EQ(r.Word(66), 0x0012);
    EXPECT_EQ(r.Word(68), 0x0031);
    EXPECT_EQ(ReserveText::Cell(t.env.plcSlots, r, CReserveDlg::kColTime), "09:05:00");
    EXPECT_EQ(ReserveText::Cell(t.env.plcSlots, r, CReserveDlg::kColRepeat), "1회 2026-12-31");
    EXPECT_EQ(ReserveText::Cell(t.env.plcSlots, r, CReserveDlg::kColValue), "On");

    e.SetTime({23, 59, 59});
    ASSERT_TRUE(e.Ok());
    CReserveEditDlg again(t.env);
    again.Load(e.Held());
    EXPECT_EQ(again.Time().hour, 23);
    EXPECT_EQ(again.Time().second, 59);
    EXPECT_EQ(again.Date().day, 31);
}

TEST_F(Reservations, WeeklyNeedsAWeekdayAndStoresTheMask)
{
    e.SetRepeatMode(CReserveRecord::kWeekly);
    EXPECT_TRUE(e.WeekdaysVisible());
    EXPECT_FALSE(e.DateVisible());
    const CReserveRecord before = e.Held();
    EXPECT_FALSE(e.Ok());
    EXPECT_EQ(t.prompt.last(), 51650);
    EXPECT_EQ(e.Held(), before);
    e.SetWeekday(1, true);
    e.SetWeekday(3, true);
    e.SetWeekday(5, true);
    ASSERT_TRUE(e.Ok());
    EXPECT_EQ(e.Held().WeekdayMask(), 0x2A);
    EXPECT_EQ(e.Held().Word(64), 0);
    EXPECT_EQ(e.Held().Word(66), 0);
    EXPECT_EQ(ReserveText::Cell(t.env.plcSlots, e.Held(), CReserveDlg::kColRepeat),
              "매주 월,수,금 요일");
    CReserveEditDlg again(t.env);
    again.Load(e.Held());
    EXPECT_TRUE(again.Weekday(1));
    EXPECT_FALSE(again.Weekday(2));
    EXPECT_TRUE(again.Weekday(5));
}

TEST_F(Reservations, DailyAndMonthly)
{
    e.SetRepeatMode(CReserveRecord::kDaily);
    ASSERT_TRUE(e.Ok());
    EXPECT_EQ(e.Held().Word(64), 0);
    EXPECT_EQ(e.Held().Word(66), 0);
    EXPECT_EQ(e.Held().Word(68), 0);
    EXPECT_EQ(ReserveText::Cell(t.env.plcSlots, e.Held(), CReserveDlg::kColRepeat), "매일 ");

    e.SetRepeatMode(CReserveRecord::kMonthly);
    EXPECT_TRUE(e.MonthDayVisible());
    EXPECT_TRUE(e.MonthDayFocusLost("31"));
    for (const char *bad : {"0", "32", "", "x"}) {
        EXPECT_FALSE(e.MonthDayFocusLost(bad)) << bad;
        EXPECT_EQ(e.MonthDay(), 31);
    }
    e.MonthDayFocusLost("15");
    ASSERT_TRUE(e.Ok());
    EXPECT_EQ(e.Held().Word(68), 0x15);
    EXPECT_EQ(ReserveText::Cell(t.env.plcSlots, e.Held(), CReserveDlg::kColRepeat), "매월 15");
}

TEST_F(Reservations, AddressesConditionAndValue)
{
    e.SetCondition(2);
    EXPECT_TRUE(e.Start().Enabled());
    EXPECT_TRUE(e.Start().ChooseChannel(1));
    e.Start().SetAddress("", "4B");
    e.Exec().SetAddress("", "100");
    e.SetValueOn(false);
    ASSERT_TRUE(e.Ok());
    const auto &raw = e.Held().Bytes();
    EXPECT_EQ(devblock::fieldText(raw, 0), "10");
    EXPECT_EQ(util::le16(raw, 42), 0);
    EXPECT_EQ(devblock::fieldText(raw, 80), "4");
    EXPECT_EQ(util::le16(raw, 80 + 42), 11);
    EXPECT_EQ(util::le16(raw, 80 + 58), 1);
    EXPECT_EQ(util::le16(raw, 80 + 60), 5);
    EXPECT_EQ(e.Held().Value(), 0);
    EXPECT_EQ(ReserveText::Cell(t.env.plcSlots, e.Held(), CReserveDlg::kColCondition), "Off상태");
    EXPECT_EQ(ReserveText::Cell(t.env.plcSlots, e.Held(), CReserveDlg::kColStart), "1-5-4B");
    EXPECT_EQ(ReserveText::Cell(t.env.plcSlots, e.Held(), CReserveDlg::kColExec), "0-0-100");
    EXPECT_EQ(ReserveText::Cell(t.env.plcSlots, e.Held(), CReserveDlg::kColValue), "Off");
    EXPECT_EQ(CReserveDlg::Columns()[2].title, "되풀이방법");
}
