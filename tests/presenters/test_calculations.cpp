// The calculation editor's rules and the list's cell texts.

#include "functions_test_support.h"

#include "core/functions/device_block.h"
#include "core/presenters/calc_dlg.h"

#include <gtest/gtest.h>

using namespace core;

namespace {

class Calculations : public ::testing::Test
{
protected:
    fntest::Env t;
    CCalcEditDlg e{t.env};
};

} // namespace

TEST_F(Calculations, ConstantRuleFollowsTheDataType)
{
    e.SetConstant(0, true);
    e.SetSigned(true);
    EXPECT_TRUE(e.ConstantFocusLost(0, "-1"));
    e.SetSigned(false);
    EXPECT_FALSE(e.ConstantFocusLost(0, "-1"));
    EXPECT_EQ(t.prompt.last(), 52601);
    EXPECT_EQ(e.ConstantText(0), "-1"); // kept for correction
    EXPECT_FALSE(e.Ok()); // and refused again at OK
    EXPECT_EQ(t.prompt.shown.size(), 2u);

    e.SetFormat(kFormatBcd);
    EXPECT_TRUE(e.ConstantFocusLost(0, "9999"));
    EXPECT_FALSE(e.ConstantFocusLost(0, "A000"));
    e.SetFormat(kFormatHex);
    EXPECT_TRUE(e.ConstantFocusLost(0, "A000"));
    // A non-constant operand is not checked.
    e.SetConstant(0, false);
    EXPECT_TRUE(e.Ok());
}

TEST_F(Calculations, HexAndBcdClearAndDisableSigned)
{
    e.SetSigned(true);
    EXPECT_TRUE(e.Type().isSigned);
    e.SetFormat(kFormatHex);
    EXPECT_FALSE(e.SignedEnabled());
    EXPECT_FALSE(e.Type().isSigned);
    e.SetSigned(true);
    EXPECT_FALSE(e.Type().isSigned);
    e.SetFormat(kFormatDec);
    EXPECT_TRUE(e.SignedEnabled());
    EXPECT_FALSE(e.Type().isSigned);
}

TEST_F(Calculations, AlwaysDisablesTheStartGroupButOkStillBuildsIt)
{
    EXPECT_FALSE(e.Start().Enabled());
    e.SetCondition(1);
    EXPECT_TRUE(e.Start().Enabled());
    EXPECT_TRUE(e.Start().ChooseChannel(1));
    e.Start().SetAddress("", "3F");
    e.SetCondition(0);
    EXPECT_FALSE(e.Start().Enabled());
    EXPECT_FALSE(e.Start().ChannelEnabled(0));
    EXPECT_FALSE(e.Start().StationEnabled());
    ASSERT_TRUE(e.Ok());
    const auto &raw = e.Held().Bytes();
    EXPECT_EQ(util::le16(raw, 190 + 58), 1);
    EXPECT_EQ(util::le16(raw, 190 + 60), 5);
    EXPECT_EQ(devblock::fieldText(raw, 190), "3");
    EXPECT_EQ(util::le16(raw, 190 + 42), 15);
    EXPECT_EQ(util::le16(raw, 190 + 40), 1);
    EXPECT_EQ(util::le16(raw, 190 + 44), 1);
    EXPECT_EQ(e.Held().Condition(), 0);
}

TEST_F(Calculations, ConstantBoxResetsTheOperand)
{
    e.Operand(1).ChooseChannel(1);
    e.Operand(1).SetAddress("", "12");
    e.SetConstant(1, true);
    EXPECT_EQ(e.ConstantText(1), "0");
    EXPECT_EQ(e.Operand(1).Addr().channel, 0);
    EXPECT_EQ(e.Operand(1).Text(), "0");
    EXPECT_FALSE(e.Operand(1).StationEnabled());
}

TEST_F(Calculations, ChangingTheDataTypeRebuildsDefaultAddresses)
{
    e.Operand(0).SetAddress("", "100");
    e.Result().ChooseChannel(1);
    e.Result().SetAddress("", "200");
    e.SetDataKind(kDataLong);
    EXPECT_EQ(e.Operand(0).Text(), "0");
    EXPECT_EQ(e.Result().Text(), "0");
    EXPECT_EQ(e.Result().Addr().channel, 1); // the channel stays
    EXPECT_EQ(e.Result().Kind(), kAddrDWord);
}

TEST_F(Calculations, OkBuildsOperandsResultAndType)
{
    e.SetOperator(8);
    e.SetCondition(3);
    e.SetConstant(0, true);
    e.ConstantFocusLost(0, "-5");
    e.SetDataKind(kDataLong);
    e.SetSigned(true);
    e.ConstantFocusLost(0, "-5");
    e.Operand(1).SetAddress("", "898");
    e.Result().ChooseChannel(1);
    e.Result().SetAddress("", "17");
    ASSERT_TRUE(e.Ok());
    const auto &raw = e.Held().Bytes();
    EXPECT_EQ(e.Held().Operator(), 8);
    EXPECT_EQ(e.Held().Condition(), 3);
    EXPECT_EQ(util::le16(raw, 58), 3); // the constant mark
    EXPECT_EQ(devblock::fieldText(raw, 0), "-5");
    EXPECT_EQ(devblock::fieldText(raw, 62), "898");
    EXPECT_EQ(util::le16(raw, 62 + 58), 0);
    EXPECT_EQ(devblock::fieldText(raw, 124), "17");
    EXPECT_EQ(util::le16(raw, 124 + 58), 1);
    for (std::size_t block : {0u, 62u, 124u}) {
        EXPECT_EQ(util::le16(raw, block + 40), 3);
        EXPECT_EQ(util::le16(raw, block + 44), 1);
        EXPECT_EQ(util::le16(raw, block + 46), 1);
        EXPECT_EQ(util::le32(raw, block + 50), 0x80000000u);
        EXPECT_EQ(util::le32(raw, block + 54), 0x7FFFFFFFu);
    }
    CCalcEditDlg again(t.env);
    again.Load(e.Held());
    EXPECT_TRUE(again.IsConstant(0));
    EXPECT_EQ(again.ConstantText(0), "-5");
    EXPECT_EQ(again.Operand(1).Text(), "898");
    EXPECT_EQ(again.Type().kind, kDataLong);
    EXPECT_TRUE(again.Start().Enabled());
}

TEST_F(Calculations, CellTexts)
{
    e.SetConstant(0, true);
    e.ConstantFocusLost(0, "5");
    e.Operand(1).ChooseChannel(1);
    e.Operand(1).SetAddress("", "12");
    e.SetFormat(kFormatBcd);
    e.SetOperator(6);
    e.SetCondition(5);
    ASSERT_TRUE(e.Ok());
    const FunctionEnv &env = t.env;
    const CCalcRecord &r = e.Held();
    EXPECT_EQ(CalcText::Cell(env.plcSlots, r, CCalcDlg::kColStart), "0-0-00");
    EXPECT_EQ(CalcText::Cell(env.plcSlots, r, CCalcDlg::kColCondition), "Off계속");
    EXPECT_EQ(CalcText::Cell(env.plcSlots, r, CCalcDlg::kColOperator), "|");
    EXPECT_EQ(CalcText::Cell(env.plcSlots, r, CCalcDlg::kColOperand1), "5, Const");
    EXPECT_EQ(CalcText::Cell(env.plcSlots, r, CCalcDlg::kColOperand2), "1-5-12, Addr");
    EXPECT_EQ(CalcText::Cell(env.plcSlots, r, CCalcDlg::kColResult), "0-0-0");
    EXPECT_EQ(CalcText::Cell(env.plcSlots, r, CCalcDlg::kColType), "Word, BCD, Unsigned");
    EXPECT_EQ(CCalcDlg::Columns()[6].title, "데이터 & 표시형식");
    EXPECT_EQ(CCalcEditDlg::ConditionTexts().at(3), "반전");
}

TEST_F(Calculations, ListSharesTheAlarmListRules)
{
    std::vector<CCalcRecord::Raw> doc(20, CCalcRecord::Default().Bytes());
    CCalcDlg dlg(t.env);
    dlg.Open(doc);
    EXPECT_FALSE(dlg.Add([](CCalcEditDlg &ed) { return ed.Ok(); }));
    EXPECT_EQ(t.prompt.last(), 50300);
    dlg.Delete(19);
    dlg.Ok(doc);
    EXPECT_EQ(doc.size(), 19u);
}
