// The alarm list and editor: limits, copies, the editor's controls and the record OK builds.

#include "functions_test_support.h"

#include "core/functions/device_block.h"
#include "core/presenters/alarm_dlg.h"

#include <gtest/gtest.h>

using namespace core;

namespace {

class Alarms : public ::testing::Test
{
protected:
    fntest::Env t;
    std::vector<CAlarmRecord::Raw> doc;

    static CAlarmRecord::Raw alarmWith(const std::string &message)
    {
        CAlarmRecord r = CAlarmRecord::Default();
        r.SetMessage(message);
        return r.Bytes();
    }
};

} // namespace

TEST_F(Alarms, CellTextsFollowTheRecord)
{
    CAlarmRecord r = CAlarmRecord::Default();
    const FunctionEnv &env = t.env;
    EXPECT_EQ(AlarmText::Cell(env.plcSlots, env.panelLang, r, CAlarmDlg::kColAddress), "0-0-00");
    EXPECT_EQ(AlarmText::Cell(env.plcSlots, env.panelLang, r, CAlarmDlg::kColCondition), "On");
    EXPECT_EQ(AlarmText::Cell(env.plcSlots, env.panelLang, r, CAlarmDlg::kColBuzzer), "사용 안함");
    EXPECT_EQ(AlarmText::Cell(env.plcSlots, env.panelLang, r, CAlarmDlg::kColMessage), "Alarm On");
    EXPECT_EQ(AlarmText::Cell(env.plcSlots, env.panelLang, r, CAlarmDlg::kColDisplay), "O");
    r.SetFlags(CAlarmRecord::kFlagHide | 0x0100);
    r.SetBuzzerSeconds(5);
    EXPECT_EQ(AlarmText::Cell(env.plcSlots, env.panelLang, r, CAlarmDlg::kColCondition), "Off");
    EXPECT_EQ(AlarmText::Cell(env.plcSlots, env.panelLang, r, CAlarmDlg::kColBuzzer),
              "5초동안 울림");
    EXPECT_EQ(AlarmText::Cell(env.plcSlots, env.panelLang, r, CAlarmDlg::kColDisplay), "X");
    r.SetFlags(0x0200);
    EXPECT_EQ(AlarmText::Cell(env.plcSlots, env.panelLang, r, CAlarmDlg::kColBuzzer), "계속 울림");
    ASSERT_EQ(CAlarmDlg::Columns().size(), 5u);
    EXPECT_EQ(CAlarmDlg::Columns()[2].title, "버저");
    EXPECT_EQ(CAlarmDlg::Columns()[2].width, 120);
}

TEST_F(Alarms, TwentyFirstAlarmIsRefused)
{
    doc.assign(20, alarmWith("A"));
    CAlarmDlg dlg(t.env);
    dlg.Open(doc);
    bool ran = false;
    EXPECT_FALSE(dlg.Add([&](CAlarmEditDlg &) { return ran = true; }));
    EXPECT_FALSE(ran);
    EXPECT_EQ(t.prompt.last(), 50300);
    EXPECT_NE(t.prompt.texts.back().find("20개"), std::string::npos);
    EXPECT_TRUE(dlg.Delete(0));
    EXPECT_TRUE(dlg.Add([](CAlarmEditDlg &e) { return e.Ok(); }));
    EXPECT_EQ(dlg.Count(), 20u);
}

TEST_F(Alarms, EditorStartsFromTheLastAlarmHeld)
{
    doc = {alarmWith("first"), alarmWith("second")};
    CAlarmDlg dlg(t.env);
    dlg.Open(doc);
    std::string seen;
    dlg.Add([&](CAlarmEditDlg &e) {
        seen = e.Message();
        return false;
    });
    EXPECT_EQ(seen, "Alarm On"); // the defaults the first time
    dlg.Modify(1, [](CAlarmEditDlg &e) {
        e.SetMessage("second, changed");
        return e.Ok();
    });
    dlg.Add([&](CAlarmEditDlg &e) {
        seen = e.Message();
        return e.Ok();
    });
    EXPECT_EQ(seen, "second, changed");
    ASSERT_EQ(dlg.Count(), 3u);
    EXPECT_EQ(dlg.CellText(2, CAlarmDlg::kColMessage), "second, changed");
    // Loading for modification is enough, even when the editor is cancelled.
    dlg.DoubleClick(0, [](CAlarmEditDlg &) { return false; });
    dlg.DoubleClick(-1, [&](CAlarmEditDlg &e) {
        seen = e.Message();
        return false;
    });
    EXPECT_EQ(seen, "first");
    EXPECT_EQ(dlg.Count(), 3u);
}

TEST_F(Alarms, OkReplacesTheDocumentListAndCancelLeavesIt)
{
    doc = {alarmWith("one"), alarmWith("two")};
    const auto before = doc;
    {
        CAlarmDlg dlg(t.env);
        dlg.Open(doc);
        dlg.Delete(0);
        dlg.Modify(0, [](CAlarmEditDlg &e) {
            e.SetMessage("changed");
            return e.Ok();
        });
        dlg.Cancel();
    }
    EXPECT_EQ(doc, before);
    CAlarmDlg dlg(t.env);
    dlg.Open(doc);
    dlg.Delete(0);
    EXPECT_FALSE(dlg.Delete(5));
    dlg.Ok(doc);
    ASSERT_EQ(doc.size(), 1u);
    EXPECT_EQ(CAlarmRecord(doc[0]).Message(), "two");
    EXPECT_TRUE(t.prompt.shown.empty()); // deleting asks nothing
}

TEST_F(Alarms, EmptyMessageKeepsTheEditorOpen)
{
    CAlarmEditDlg e(t.env);
    e.SetMessage("");
    EXPECT_FALSE(e.Ok());
    EXPECT_EQ(t.prompt.last(), 51230);
    EXPECT_EQ(e.Held(), CAlarmRecord::Default());
}

TEST_F(Alarms, AnAddressTheDriverRefusesKeepsTheEditorOpen)
{
    CAlarmEditDlg e(t.env);
    e.SetMessage("Pump");
    e.Address().ChooseChannel(1);
    e.Address().SetAddress("", "12G"); // a bit digit past F
    EXPECT_FALSE(e.Ok());
    EXPECT_EQ(t.prompt.last(), 52350);
    EXPECT_EQ(e.Held(), CAlarmRecord::Default());
}

TEST_F(Alarms, MessageLimitIsThirtySevenBytesOfThePanelCodePage)
{
    CAlarmEditDlg e(t.env);
    const std::string text37(37, 'a');
    e.SetMessage(text37 + "b");
    EXPECT_EQ(e.Message(), text37);
    ASSERT_TRUE(e.Ok());
    EXPECT_EQ(e.Held().Message(), text37);
    EXPECT_EQ(e.Held().Bytes()[CAlarmRecord::kMessage + 37], 0);
    // Korean characters take two bytes: 19 of them do not fit, 18 do, and none is cut in half.
    std::string korean;
    for (int i = 0; i < 19; ++i)
        korean += "경";
    e.SetMessage(korean);
    EXPECT_EQ(e.Message(), korean.substr(0, 18 * 3));
}

TEST_F(Alarms, BuzzerModesDriveTheSecondsField)
{
    CAlarmEditDlg e(t.env);
    EXPECT_FALSE(e.SecondsVisible());
    e.SetBuzzerMode(CAlarmRecord::kBuzzerTimed);
    EXPECT_TRUE(e.SecondsVisible());
    EXPECT_EQ(e.SecondsText(), "1");
    EXPECT_TRUE(e.SecondsFocusLost("65535"));
    for (const char *bad : {"0", "65536", "", "12x", "-3"}) {
        EXPECT_FALSE(e.SecondsFocusLost(bad)) << bad;
        EXPECT_EQ(e.SecondsText(), "65535");
    }
    ASSERT_TRUE(e.Ok());
    EXPECT_EQ(e.Held().BuzzerSeconds(), 65535);
    EXPECT_EQ(e.Held().BuzzerMode(), 1);
    e.SetBuzzerMode(CAlarmRecord::kBuzzerContinuous);
    EXPECT_FALSE(e.SecondsVisible());
    EXPECT_EQ(e.SecondsText(), "0");
}

TEST_F(Alarms, ChannelRadiosFollowTheConfiguredPlcs)
{
    CAlarmEditDlg e(t.env);
    CAddrGroup &a = e.Address();
    EXPECT_TRUE(a.ChannelEnabled(0));
    EXPECT_TRUE(a.ChannelEnabled(1));
    EXPECT_FALSE(a.ChannelEnabled(2));
    EXPECT_FALSE(a.ChooseChannel(2));
    EXPECT_FALSE(a.StationEnabled());
    a.SetAddress("", "12A");
    EXPECT_TRUE(a.ChooseChannel(0)); // no change: the address stays
    EXPECT_EQ(a.Text(), "12A");
    EXPECT_TRUE(a.ChooseChannel(1));
    EXPECT_TRUE(a.StationEnabled());
    EXPECT_EQ(a.Addr().station, 5); // the channel's configured station
    EXPECT_EQ(a.Text(), "0"); // the driver's default
    EXPECT_TRUE(a.SetStation(31));
    EXPECT_FALSE(a.SetStation(32));
    a.SetAddress("", "7F");
    EXPECT_TRUE(a.ChooseChannel(0));
    EXPECT_EQ(a.Addr().station, 0);
    EXPECT_EQ(a.Text(), "0");
}

TEST_F(Alarms, OkBuildsTheRecordThroughTheChannelsDriver)
{
    CAlarmEditDlg e(t.env);
    e.Address().ChooseChannel(1);
    e.Address().SetStation(7);
    e.Address().SetAddress("", "12a");
    e.SetConditionOn(false);
    e.SetHideAfterClear(true);
    e.SetBuzzerMode(CAlarmRecord::kBuzzerTimed);
    e.SecondsFocusLost("5");
    e.SetMessage("Pump fault");
    ASSERT_TRUE(e.Ok());
    const auto &raw = e.Held().Bytes();
    EXPECT_EQ(devblock::fieldText(raw, 0), "12");
    EXPECT_EQ(util::le16(raw, 40), 1);
    EXPECT_EQ(util::le16(raw, 42), 10); // bit A
    EXPECT_EQ(util::le16(raw, 44), 1);
    EXPECT_EQ(util::le16(raw, 46), 0);
    EXPECT_EQ(util::le16(raw, 58), 1);
    EXPECT_EQ(util::le16(raw, 60), 7);
    EXPECT_EQ(util::le16(raw, 62), 0x0110);
    EXPECT_EQ(util::le16(raw, 64), 5);
    EXPECT_EQ(e.Held().Message(), "Pump fault");
    EXPECT_EQ(AlarmText::Cell(t.env.plcSlots, t.env.panelLang, e.Held(), CAlarmDlg::kColAddress),
              "1-7-12A");

    // Loading the built record gives the same controls back.
    CAlarmEditDlg again(t.env);
    again.Load(e.Held());
    EXPECT_EQ(again.Address().Addr().channel, 1);
    EXPECT_EQ(again.Address().Text(), "12A");
    EXPECT_TRUE(again.SecondsVisible());
    EXPECT_EQ(again.SecondsText(), "5");
    EXPECT_TRUE(again.HideAfterClear());
    EXPECT_FALSE(again.ConditionOn());
}

TEST_F(Alarms, ListWorksOnTheDocumentsOwnList)
{
    static_assert(std::is_same_v<CAlarmRecord::Raw, AlarmRecord>);
    fntest::Project p;
    p.doc.Alarms().push_back(alarmWith("kept"));
    CAlarmDlg dlg(t.env);
    dlg.Open(p.doc.Alarms());
    ASSERT_TRUE(dlg.Add([](CAlarmEditDlg &e) {
        e.SetMessage("new");
        return e.Ok();
    }));
    dlg.Ok(p.doc.Alarms());
    ASSERT_EQ(p.doc.Alarms().size(), 2u);
    EXPECT_EQ(CAlarmRecord(p.doc.Alarms()[1]).Message(), "new");
}
