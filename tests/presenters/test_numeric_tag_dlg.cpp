// The numeric tag's property dialog logic and the parts every tag dialog shares: cancel-restore,
// the position range, and the device-point group over real driver slots.

#include "params_test_support.h"

#include "core/presenters/digit_tag_dlg.h"

#include "util/message_ids.h"
#include "util/messages.h"

#include <gtest/gtest.h>

using namespace core;

namespace {

class NumericDialog : public ::testing::Test
{
protected:
    NumericDialog()
    {
        m_slots.BindChannel(1, m_folder.config.plcList(1), plctest::kModbusType, 3,
                            m_folder.config.protocolsDir());
    }

    plctest::ProgramFolder m_folder{"numeric"};
    CPlcSlots m_slots;
    plctest::RecordingPrompt m_prompt;
    FunctionEnv m_env{m_slots, m_prompt};
    CDigitTag m_tag;
};

TEST_F(NumericDialog, DigitsAndDecimalsPushEachOtherAndFollowTheBase)
{
    CDigitTagDlg dlg(m_env, m_tag);
    ASSERT_TRUE(dlg.SetDecimals(2));
    ASSERT_TRUE(dlg.SetDigits(2)); // not above the decimals: the decimals give way
    EXPECT_EQ(m_tag.Decimals(), 1u);
    ASSERT_TRUE(dlg.SetDecimals(2)); // not below the digits: the digits give way
    EXPECT_EQ(m_tag.Digits(), 3u);
    EXPECT_FALSE(dlg.SetDigits(6)); // Word DEC stops at 5
    EXPECT_FALSE(dlg.SetDigits(-1));
    EXPECT_EQ(m_tag.Digits(), 3u);

    dlg.SetDataSize(kSizeDWord);
    EXPECT_EQ(dlg.DigitsRange().max, 10u);
    ASSERT_TRUE(dlg.SetDigits(10));
    ASSERT_TRUE(dlg.SetDecimals(9));
    dlg.SetBase(kBaseHex); // the ranges shrink: the values take the new maxima
    EXPECT_EQ(m_tag.Digits(), 8u);
    EXPECT_EQ(m_tag.Decimals(), 7u);
    EXPECT_FALSE(dlg.DecimalsRange().enabled);
    EXPECT_FALSE(dlg.SetDecimals(1));
    EXPECT_FALSE(dlg.SignedEnabled());
    EXPECT_EQ(m_tag.Sample(), "FFFFFFFF");
}

TEST_F(NumericDialog, FormatChangesResetTheLimitsAndBcdClearsTheSign)
{
    CDigitTagDlg dlg(m_env, m_tag);
    dlg.SetWritable(true);
    ASSERT_TRUE(dlg.Point().SetMaxText("100"));
    dlg.SetSigned(true);
    EXPECT_EQ(dlg.Point().MinText(), "-32768");
    EXPECT_EQ(dlg.Point().MaxText(), "32767");
    dlg.SetDataSize(kSizeDWord);
    EXPECT_EQ(dlg.Point().MinText(), "-2147483648");
    dlg.SetBase(kBaseBcd);
    EXPECT_FALSE(dlg.IsSigned());
    EXPECT_EQ(dlg.Point().MaxText(), "2576980377");
    dlg.SetSigned(true); // BCD has no sign
    EXPECT_FALSE(dlg.IsSigned());
}

TEST_F(NumericDialog, LimitsOutsideTheRangeOrCrossedAreRefused)
{
    CDigitTagDlg dlg(m_env, m_tag);
    dlg.SetWritable(true);
    dlg.SetSigned(true);
    EXPECT_FALSE(dlg.Point().SetMinText("-40000"));
    EXPECT_FALSE(dlg.Point().SetMinText("12x"));
    EXPECT_EQ(m_prompt.shown, (std::vector<int>(2, util::msg::kIntegerRange)));
    EXPECT_EQ(m_prompt.texts.back(),
              util::formatMessage(util::msg::kIntegerRange, "-32768", "32767"));
    EXPECT_EQ(dlg.Point().MinText(), "-32768");
    ASSERT_TRUE(dlg.Point().SetMinText("-5"));
    ASSERT_TRUE(dlg.Point().SetMaxText("-10"));
    EXPECT_FALSE(dlg.Ok()); // the lower limit lies above the upper one
    EXPECT_EQ(m_prompt.shown.back(), util::msg::kMinAboveMax);
    ASSERT_TRUE(dlg.Point().SetMaxText("10"));
    EXPECT_TRUE(dlg.Ok());
}

TEST_F(NumericDialog, CancelPutsEveryFieldBack)
{
    m_tag.MoveTo(20, 10);
    const util::Bytes before = CTagPropDlg::Body(m_tag);
    const CRect rect = m_tag.Rect();
    CDigitTagDlg dlg(m_env, m_tag);
    EXPECT_FALSE(dlg.Changed());
    ASSERT_TRUE(dlg.SetX(100));
    EXPECT_FALSE(dlg.SetY(64));
    EXPECT_EQ(m_tag.Y(), 10);
    dlg.SetDataSize(kSizeDWord);
    dlg.SetBase(kBaseHex);
    dlg.SetWritable(true);
    dlg.SetPassword(true);
    dlg.SetBorder(true);
    dlg.SetZeroFill(true);
    dlg.SetInverse(true);
    dlg.SetFont(1);
    ASSERT_TRUE(dlg.Point().ChooseChannel(1));
    EXPECT_TRUE(dlg.Changed());
    dlg.Cancel();
    EXPECT_EQ(CTagPropDlg::Body(m_tag), before);
    EXPECT_EQ(m_tag.Rect(), rect);
}

TEST_F(NumericDialog, ChannelsNeedAPlcAndBringTheirStationAndDefaultAddress)
{
    CDigitTagDlg dlg(m_env, m_tag);
    CPointGroup &point = dlg.Point();
    EXPECT_TRUE(point.ChannelEnabled(1));
    EXPECT_FALSE(point.ChannelEnabled(2)); // channel 2 holds no PLC
    EXPECT_FALSE(point.ChooseChannel(2));
    EXPECT_FALSE(point.StationEnabled());

    ASSERT_TRUE(point.ChooseChannel(1));
    EXPECT_EQ(point.Station(), 3);
    EXPECT_TRUE(point.StationEnabled());
    EXPECT_FALSE(point.Number().empty());
    EXPECT_TRUE(dlg.Ok()); // the driver's own default passes its check
    EXPECT_TRUE(point.SetStation(31));
    EXPECT_FALSE(point.SetStation(32));

    point.SetAddress("", "XYZ");
    EXPECT_FALSE(dlg.Ok());
    EXPECT_EQ(m_prompt.last(), 52350);

    ASSERT_TRUE(point.ChooseChannel(0));
    EXPECT_EQ(point.Station(), 0);
    EXPECT_EQ(point.Number(), "0");
    point.SetAddress("", "950");
    EXPECT_EQ(point.AddressText(), "CALC_L_ERR");
}

} // namespace
