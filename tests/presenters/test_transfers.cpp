// The block-transfer editor: opening rule, size corrections, panel-area limit, the record OK
// builds and the list's cell texts.

#include "functions_test_support.h"

#include "core/functions/device_block.h"
#include "core/presenters/trans_dlg.h"

#include "util/message_ids.h"
#include "util/messages.h"

#include <gtest/gtest.h>

using namespace core;

namespace {

class Transfers : public ::testing::Test
{
protected:
    fntest::Env t;
    CTransEditDlg e{t.env};
};

} // namespace

TEST_F(Transfers, ListOpensOnlyWithAPlc)
{
    EXPECT_TRUE(CTransEditDlg::CanOpen(t.env));
    fntest::Env none;
    none.plcSlots.slot(1).SetType(0);
    none.plcSlots.slot(2).SetType(0x8001); // device kind 2 is no PLC for this rule
    EXPECT_FALSE(CTransEditDlg::CanOpen(none.env));
    EXPECT_EQ(none.prompt.last(), 50200);
}

TEST_F(Transfers, DefaultEditorState)
{
    EXPECT_EQ(e.Direction(), CTransRecord::kToPanel);
    EXPECT_EQ(e.DataSize(), 2u);
    EXPECT_EQ(e.Condition(), 0);
    EXPECT_FALSE(e.Start().Enabled());
    EXPECT_EQ(e.Plc().Addr().channel, 1);
    EXPECT_EQ(e.Plc().Addr().station, 5);
    EXPECT_EQ(e.PanelAddress(), "0");
    EXPECT_FALSE(e.Plc().ChannelEnabled(0)); // the PLC side has no S
    EXPECT_FALSE(e.Plc().ChannelEnabled(2));
}

TEST_F(Transfers, SizeIsCutToTheDriversLargestTransfer)
{
    // Without a plugin the driver allows one word; each correction says so.
    EXPECT_EQ(e.LargestDataSize(), 1u);
    EXPECT_FALSE(e.DataSizeFocusLost("10"));
    EXPECT_EQ(e.DataSize(), 1u);
    EXPECT_FALSE(e.DataSizeFocusLost("0"));
    EXPECT_EQ(e.DataSize(), 1u);
    EXPECT_FALSE(e.DataSizeFocusLost(""));
    EXPECT_EQ(e.DataSize(), 1u);
    EXPECT_EQ(t.prompt.shown,
              (std::vector<int>{util::msg::kTransSizeRange, util::msg::kTransSizeRange,
                                util::msg::kTransSizeRange}));
    EXPECT_EQ(t.prompt.texts.back(), util::formatMessage(util::msg::kTransSizeRange, 1));
    EXPECT_TRUE(e.DataSizeFocusLost("1"));
    EXPECT_EQ(t.prompt.shown.size(), 3u);
}

TEST_F(Transfers, DirectionChangeClearsThePanelWord)
{
    e.SetPanelAddress("500");
    e.SetDirection(CTransRecord::kToPanel); // no change
    EXPECT_EQ(e.PanelAddress(), "500");
    e.SetDirection(CTransRecord::kToPlc);
    EXPECT_EQ(e.PanelAddress(), "0");
}

TEST_F(Transfers, BrowsedPanelWordResetsASizeThatNoLongerFits)
{
    CTransRecord r = CTransRecord::Default(t.plcSlots);
    r.SetDataSize(11);
    r.SetDirection(CTransRecord::kToPlc);
    e.Load(r);
    e.SetPanelAddress("990");
    EXPECT_EQ(e.DataSize(), 1u);
    r.SetDataSize(10);
    e.Load(r);
    e.SetPanelAddress("990");
    EXPECT_EQ(e.DataSize(), 10u);
    r.SetDirection(CTransRecord::kToPanel);
    e.Load(r);
    e.SetPanelAddress("890");
    EXPECT_EQ(e.DataSize(), 10u);
    r.SetDataSize(11);
    e.Load(r);
    t.prompt.shown.clear();
    e.SetPanelAddress("890");
    EXPECT_EQ(e.DataSize(), 1u);
    EXPECT_EQ(t.prompt.last(), util::msg::kTransSizeRange) << "the reset is told";
}

TEST_F(Transfers, OkChecksTheSizeAndBuildsTheRecord)
{
    CTransRecord r = CTransRecord::Default(t.plcSlots);
    r.SetDataSize(900);
    e.Load(r);
    EXPECT_FALSE(e.Ok());
    EXPECT_EQ(t.prompt.shown.size(), 1u);
    r.SetDataSize(899);
    e.Load(r);
    e.SetDirection(CTransRecord::kToPlc);
    e.SetPanelAddress("100");
    e.Plc().SetAddress("", "250");
    e.Plc().SetStation(9);
    e.SetCondition(4);
    e.Start().ChooseChannel(1);
    e.Start().SetAddress("", "21");
    ASSERT_TRUE(e.Ok());
    const CTransRecord &h = e.Held();
    const auto &raw = h.Bytes();
    EXPECT_EQ(h.Direction(), 1);
    EXPECT_EQ(h.DataSize(), 899);
    EXPECT_EQ(h.Condition(), 4);
    EXPECT_EQ(devblock::fieldText(raw, 0), "250");
    EXPECT_EQ(util::le16(raw, 58), 1);
    EXPECT_EQ(util::le16(raw, 60), 9);
    EXPECT_EQ(util::le16(raw, 40), 0);
    EXPECT_EQ(h.PanelAddress(), "100");
    EXPECT_EQ(util::le16(raw, 62 + 58), 0);
    EXPECT_EQ(util::le16(raw, 130 + 40), 1);
    EXPECT_EQ(util::le16(raw, 130 + 42), 1);
    EXPECT_EQ(util::le16(raw, 130 + 44), 1);
    EXPECT_EQ(util::le16(raw, 130 + 58), 1);

    const FunctionEnv &env = t.env;
    EXPECT_EQ(TransText::Cell(env.plcSlots, h, CTransDlg::kColStart), "1-5-21");
    EXPECT_EQ(TransText::Cell(env.plcSlots, h, CTransDlg::kColCondition), "On계속");
    EXPECT_EQ(TransText::Cell(env.plcSlots, h, CTransDlg::kColDirection), "HMI->PLC");
    EXPECT_EQ(TransText::Cell(env.plcSlots, h, CTransDlg::kColPlc), "1-9-250");
    EXPECT_EQ(TransText::Cell(env.plcSlots, h, CTransDlg::kColPanel), "100");
    EXPECT_EQ(TransText::Cell(env.plcSlots, h, CTransDlg::kColSize), "899");
    EXPECT_EQ(TransText::Cell(env.plcSlots, CTransRecord::Default(t.plcSlots),
                              CTransDlg::kColDirection),
              "HMI<-PLC");
}

TEST_F(Transfers, PlcDriverLimitsTheSizeAndPrefixesItsAddresses)
{
    ASSERT_TRUE(fntest::loadLetterPlc(t.plcSlots));
    CTransEditDlg ed(t.env);
    EXPECT_EQ(ed.Plc().Text(), "D0"); // the driver's default word
    ed.Plc().SetAddress("D", "100");
    EXPECT_FALSE(ed.DataSizeFocusLost("99999"));
    EXPECT_EQ(ed.DataSize(), 64u);
    EXPECT_EQ(t.prompt.texts.back(), util::formatMessage(util::msg::kTransSizeRange, 64));
    EXPECT_TRUE(ed.DataSizeFocusLost("64"));
    EXPECT_EQ(ed.DataSize(), 64u);
    ASSERT_TRUE(ed.Ok());
    EXPECT_EQ(TransText::Cell(t.env.plcSlots, ed.Held(), CTransDlg::kColPlc), "1-5-D100");
    CTransEditDlg again(t.env);
    again.Load(ed.Held());
    EXPECT_EQ(again.Plc().Text(), "D100");
}
