// The numeric tag: sample text and size, dialog rules, clipboard body and the 80-byte record.

#include "core/plc/plc_slots.h"
#include "core/tags/digit_tag.h"
#include "core/tags/panel_text.h"
#include "core/tags/tag_kinds.h"

#include "test_helpers.h"

#include <gtest/gtest.h>

using namespace core;
using testing_model::appendLe16;
using testing_model::appendLe32;
using testing_model::appendStr;

TEST(DigitTagSample, NewTagShowsFiveDigitsAtFortyBySixteen)
{
    CDigitTag tag;
    EXPECT_EQ(tag.Kind(), kTagDigit);
    EXPECT_EQ(tag.Sample(), "01234");
    EXPECT_EQ(tag.Rect(), (CRect{0, 0, 40, 16}));
    tag.SetBorder(true);
    EXPECT_EQ(tag.Rect(), (CRect{0, 0, 42, 18}));
    EXPECT_EQ(tag.TextRect(), (CRect{1, 1, 41, 17}));
    tag.MoveTo(100, 40);
    EXPECT_EQ(tag.Rect(), (CRect{100, 40, 142, 58}));
}

TEST(DigitTagSample, SignedDecimalWithDecimals)
{
    CDigitTag tag;
    tag.SetDecimals(2);
    tag.SetSigned(true);
    EXPECT_EQ(tag.Sample(), "-012.34");
    EXPECT_EQ(tag.Rect().Width(), 56);
    tag.SetFont(kFontLarge);
    EXPECT_EQ(tag.Rect().Width(), 112);
    EXPECT_EQ(tag.Rect().Height(), 32);
    tag.SetFont(kFontSmall);
    EXPECT_EQ(tag.Rect().Width(), 42);
    EXPECT_EQ(tag.Rect().Height(), 8);
}

TEST(DigitTagSample, HexAndBcdNeverShowPointOrSign)
{
    CDigitTag tag;
    tag.SetDecimals(2);
    tag.SetSigned(true);
    tag.SetDigits(4);
    tag.SetBase(kBaseHex);
    EXPECT_EQ(tag.Sample(), "FFFF");
    tag.SetBase(kBaseBcd);
    EXPECT_EQ(tag.Sample(), "0123");
    tag.SetDigits(8);
    EXPECT_EQ(tag.Sample(), "01234567");
    tag.SetBase(kBaseDec);
    tag.SetDigits(10);
    EXPECT_EQ(tag.Sample(), "-01234567.89");
}

TEST(DigitTagSample, NoPointWhenAllDigitsAreDecimals)
{
    CDigitTag tag;
    tag.SetDigits(2);
    tag.SetDecimals(2);
    tag.SetSigned(true);
    EXPECT_EQ(tag.Sample(), "01");
}

TEST(DigitTagDraw, InverseSwapsColoursButTheFrameStaysLit)
{
    constexpr std::uint32_t back = 0x101010;
    constexpr std::uint32_t fill = 0xF0F0F0;
    CDigitTag tag;
    DigitDrawSpec plain = tag.DrawSpec(back, fill, false);
    EXPECT_EQ(plain.boxColour, back);
    EXPECT_EQ(plain.textColour, fill);
    EXPECT_FALSE(plain.frame);
    EXPECT_TRUE(plain.outline);
    EXPECT_FALSE(tag.DrawSpec(back, fill, true).outline) << "never on paper";
    tag.SetInverse(true);
    tag.SetBorder(true);
    const DigitDrawSpec inverse = tag.DrawSpec(back, fill, false);
    EXPECT_EQ(inverse.boxColour, fill) << "frame in the lit colour on a lit fill";
    EXPECT_EQ(inverse.textColour, back);
    EXPECT_TRUE(inverse.frame);
    EXPECT_FALSE(inverse.outline);
    EXPECT_EQ(inverse.textRect, (CRect{1, 1, 41, 17}));
}

TEST(DigitTagDialog, DigitsAndDecimalsPushEachOther)
{
    CDigitTag tag;
    ASSERT_TRUE(tag.ApplyDecimals(4));
    EXPECT_EQ(tag.Digits(), 5u);
    ASSERT_TRUE(tag.ApplyDecimals(4));
    ASSERT_TRUE(tag.ApplyDigits(3));
    EXPECT_EQ(tag.Decimals(), 3u) << "digits not above decimals lowers the decimals";
    ASSERT_TRUE(tag.ApplyDecimals(3));
    EXPECT_EQ(tag.Digits(), 4u) << "decimals not below digits raises the digits";
    EXPECT_NE(tag.Digits(), tag.Decimals());
}

TEST(DigitTagDialog, ValuesOutsideTheSpinRangeAreNotApplied)
{
    CDigitTag tag;
    EXPECT_FALSE(tag.ApplyDigits(6));
    EXPECT_FALSE(tag.ApplyDigits(0));
    EXPECT_FALSE(tag.ApplyDecimals(5));
    EXPECT_EQ(tag.Digits(), 5u);
    EXPECT_EQ(tag.Decimals(), 0u);
    tag.ApplyFormat(kSizeDWord, kBaseDec);
    EXPECT_TRUE(tag.ApplyDigits(10));
    tag.ApplyFormat(kSizeDWord, kBaseHex);
    EXPECT_FALSE(tag.ApplyDecimals(1)) << "decimals are disabled for HEX";
}

TEST(DigitTagDialog, SpinRangesByFormat)
{
    EXPECT_EQ(CDigitTag::DigitsRange(kSizeWord, kBaseDec).max, 5u);
    EXPECT_EQ(CDigitTag::DecimalsRange(kSizeWord, kBaseDec).max, 4u);
    EXPECT_EQ(CDigitTag::DigitsRange(kSizeWord, kBaseBcd).max, 4u);
    EXPECT_EQ(CDigitTag::DecimalsRange(kSizeWord, kBaseHex).max, 3u);
    EXPECT_FALSE(CDigitTag::DecimalsRange(kSizeWord, kBaseHex).enabled);
    EXPECT_EQ(CDigitTag::DigitsRange(kSizeDWord, kBaseDec).max, 10u);
    EXPECT_EQ(CDigitTag::DecimalsRange(kSizeDWord, kBaseDec).max, 9u);
    EXPECT_EQ(CDigitTag::DigitsRange(kSizeDWord, kBaseHex).max, 8u);
    EXPECT_EQ(CDigitTag::DecimalsRange(kSizeDWord, kBaseBcd).max, 7u);
}

TEST(DigitTagDialog, ShrinkingRangeClampsToTheNewMaximum)
{
    CDigitTag tag;
    tag.ApplyFormat(kSizeDWord, kBaseDec);
    ASSERT_TRUE(tag.ApplyDigits(10));
    ASSERT_TRUE(tag.ApplyDecimals(9));
    tag.ApplyFormat(kSizeWord, kBaseDec);
    EXPECT_EQ(tag.Digits(), 5u);
    EXPECT_EQ(tag.Decimals(), 4u);
    tag.ApplyFormat(kSizeWord, kBaseHex);
    EXPECT_EQ(tag.Digits(), 4u);
    EXPECT_EQ(tag.Decimals(), 3u);
    EXPECT_EQ(tag.Sample(), "FFFF");
}

TEST(DigitTagDialog, FormatAndSignResetTheLimits)
{
    CDigitTag tag;
    tag.ApplySigned(true);
    EXPECT_EQ(tag.Point().m_min, std::uint32_t(-32768));
    EXPECT_EQ(tag.Point().m_max, 32767u);
    tag.ApplyFormat(kSizeDWord, kBaseBcd);
    EXPECT_EQ(tag.Point().m_signed, 0) << "BCD clears the sign";
    EXPECT_EQ(tag.Point().m_min, 0u);
    EXPECT_EQ(tag.Point().m_max, 0x99999999u);
    EXPECT_EQ(tag.DigitSet(), "01234567");
    tag.ApplyChannel(1);
    tag.Point().m_station = 7;
    tag.ApplyChannel(0);
    EXPECT_EQ(tag.Point().m_station, 0);
}

TEST(DigitTagAddress, StationSwapAndInput)
{
    CDigitTag tag;
    tag.ChangeStation(1, 5);
    tag.ChangeStation(2, 6);
    EXPECT_EQ(tag.Point().m_station, 0) << "a panel-memory tag keeps station 0";
    tag.Point().m_channel = 1;
    tag.ChangeStation(1, 5);
    EXPECT_EQ(tag.Point().m_station, 5);
    tag.SwapChannels(false, true);
    EXPECT_EQ(tag.Point().m_channel, 1);
    tag.SwapChannels(true, false);
    EXPECT_EQ(tag.Point().m_channel, 2);
    tag.SwapChannels(true, true);
    EXPECT_EQ(tag.Point().m_channel, 1);
    EXPECT_FALSE(tag.AcceptsInput());
    tag.SetWritable(true);
    EXPECT_TRUE(tag.AcceptsInput());
}

TEST(DigitTagAddress, RevalidateReplacesAnAddressTheDriverRejects)
{
    CPlcSlots slots; // no plugins: the built-in rules answer
    CDigitTag tag;
    tag.Point().m_channel = 1;
    tag.Point().m_second = "1000";
    tag.RevalidateAddress(slots, false, true);
    EXPECT_EQ(tag.Point().m_second, "1000") << "channel 1 did not change";
    tag.RevalidateAddress(slots, true, false);
    EXPECT_EQ(tag.Point().m_second, "0");

    tag.Point().m_second = "899";
    tag.RevalidateAddress(slots, true, false);
    EXPECT_EQ(tag.Point().m_second, "899") << "valid as a word";
    tag.Point().m_dataSize = kSizeDWord;
    tag.RevalidateAddress(slots, true, false);
    EXPECT_EQ(tag.Point().m_second, "0") << "double words end at 898";

    CDigitTag panel;
    panel.Point().m_second = "5000";
    panel.RevalidateAddress(slots, true, true);
    EXPECT_EQ(panel.Point().m_second, "5000") << "panel memory is not on a changed channel";
}

TEST(DigitTagClone, CopiesEveryFieldAndRectangle)
{
    CDigitTag tag;
    tag.MoveTo(3, 4);
    tag.SetBorder(true);
    tag.SetInverse(true);
    tag.SetPassword(true);
    tag.SetDigits(3);
    tag.Point().m_second = "42";
    auto copy = tag.Clone();
    ASSERT_TRUE(copy);
    auto *digit = dynamic_cast<CDigitTag *>(copy.get());
    ASSERT_TRUE(digit);
    EXPECT_EQ(digit->Point(), tag.Point());
    EXPECT_EQ(digit->Rect(), tag.Rect());
    EXPECT_EQ(digit->Sample(), "012");
    EXPECT_TRUE(digit->IsInverse());
    EXPECT_TRUE(digit->UsesPassword());
    EXPECT_EQ(digit->X(), 3);
}

namespace {

// A tag with every field set to a distinct value.
std::unique_ptr<CDigitTag> customTag()
{
    auto owned = std::make_unique<CDigitTag>();
    CDigitTag &tag = *owned;
    tag.MoveTo(17, 40);
    tag.ApplyFormat(kSizeDWord, kBaseDec);
    tag.ApplySigned(true);
    tag.ApplyDigits(7);
    tag.ApplyDecimals(2);
    CPointInfo &p = tag.Point();
    p.m_min = std::uint32_t(-5);
    p.m_max = 100000;
    p.m_channel = 1;
    p.m_station = 3;
    p.m_second = "123";
    p.m_flag = 0x0102;
    p.m_option = 0x0304;
    tag.SetWritable(true);
    tag.SetPassword(true);
    tag.SetBorder(true);
    tag.SetInverse(true);
    tag.SetZeroFill(true);
    tag.SetFont(kFontLarge);
    return owned;
}

} // namespace

TEST(DigitTagRecord, DefaultTagBytes)
{
    CPlcSlots slots;
    CDigitTag tag;
    std::vector<std::uint8_t> record(80, 0xEE);
    ASSERT_TRUE(tag.BuildDownloadRecord(slots, record));
    std::vector<std::uint8_t> expected(80, 0);
    expected[0] = '0'; // panel memory: the address as decimal text
    expected[41] = 2; // data size
    expected[45] = 1; // base
    expected[56] = 0xFF;
    expected[57] = 0xFF; // maximum 65535
    expected[75] = 5; // digits
    EXPECT_EQ(record, expected);
}

TEST(DigitTagRecord, EveryFieldBigEndianAtItsOffset)
{
    CPlcSlots slots;
    const auto owned = customTag();
    CDigitTag &tag = *owned;
    std::vector<std::uint8_t> record(80);
    ASSERT_TRUE(tag.BuildDownloadRecord(slots, record));
    std::vector<std::uint8_t> expected(80, 0);
    expected[0] = '1';
    expected[1] = '2';
    expected[2] = '3';
    const auto tail = testing_model::bytesOf({
            0,    3, // 40 data size
            0x01, 0x02, // 42 point flag
            0,    1, // 44 base
            0,    1, // 46 signed
            0x03, 0x04, // 48 option
            0xFF, 0xFF, 0xFF, 0xFB, // 50 minimum
            0x00, 0x01, 0x86, 0xA0, // 54 maximum
            0,    1, // 58 channel
            0,    3, // 60 station
            0,    17, // 62 x
            0,    40, // 64 y
            0,    1, // 66 font
            1, // 68 border
            1, // 69 inverse
            1, // 70 zero fill
            1, // 71 writable
            0,    1, // 72 password
            0,    7, // 74 digits
            0,    2, // 76 decimals
            0,    0, // 78 reserved
    });
    std::copy(tail.begin(), tail.end(), expected.begin() + 40);
    EXPECT_EQ(record, expected);
    EXPECT_FALSE(tag.BuildDownloadRecord(slots, std::span(record).first(79)));
}

TEST(DigitTagRecord, LoadRecordRestoresTheTag)
{
    CPlcSlots slots;
    const auto owned = customTag();
    CDigitTag &tag = *owned;
    std::vector<std::uint8_t> record(80);
    ASSERT_TRUE(tag.BuildDownloadRecord(slots, record));
    CDigitTag back;
    ASSERT_TRUE(back.LoadRecord(slots, record));
    EXPECT_EQ(back.Point(), tag.Point());
    EXPECT_EQ(back.X(), 17);
    EXPECT_EQ(back.Y(), 40);
    EXPECT_EQ(back.Font(), kFontLarge);
    EXPECT_EQ(back.Digits(), 7u);
    EXPECT_EQ(back.Decimals(), 2u);
    EXPECT_TRUE(back.HasBorder());
    EXPECT_TRUE(back.IsInverse());
    EXPECT_TRUE(back.IsZeroFill());
    EXPECT_TRUE(back.IsWritable());
    EXPECT_TRUE(back.UsesPassword());
    EXPECT_EQ(back.Sample(), tag.Sample());
    EXPECT_EQ(back.Rect(), tag.Rect());
}

TEST(DigitTagRecord, FlagBytesOtherThanOneAreNotBorderOrZeroFill)
{
    CPlcSlots slots;
    std::vector<std::uint8_t> record(80, 0);
    record[0] = '7';
    record[41] = 2;
    record[45] = 1;
    record[67] = 0x02; // font word: low byte 2
    record[66] = 0x01;
    record[68] = 2;
    record[69] = 3;
    record[70] = 0xFF;
    record[71] = 1;
    CDigitTag tag;
    ASSERT_TRUE(tag.LoadRecord(slots, record));
    EXPECT_FALSE(tag.HasBorder());
    EXPECT_FALSE(tag.IsZeroFill());
    EXPECT_TRUE(tag.IsInverse());
    EXPECT_EQ(tag.Font(), kFontSmall);
    EXPECT_EQ(tag.Point().m_second, "7");
    EXPECT_EQ(tag.Point().m_address, "");
    EXPECT_FALSE(tag.LoadRecord(slots, std::span(record).first(79)));
}

TEST(DigitTagClipboard, BodyLayoutAfterTheAnchor)
{
    CDigitTag tag;
    tag.MoveTo(2, 3);
    std::vector<std::uint8_t> expected;
    appendLe32(expected, 2);
    appendLe32(expected, 3);
    for (std::uint16_t w : {0, 2, 1, 0, 0})
        appendLe16(expected, w);
    appendLe32(expected, 0);
    appendLe32(expected, 65535);
    appendLe16(expected, 0);
    appendLe16(expected, 0);
    appendStr(expected, "");
    appendStr(expected, "0");
    appendLe16(expected, 0); // font
    for (std::uint32_t v : {0u, 0u, 0u, 0u, 5u, 0u, 0u, 0u}) // inverse ... zero fill
        appendLe32(expected, v);
    appendStr(expected, "0123456789");
    appendStr(expected, "01234");
    util::CArchive out;
    tag.Serialize(out);
    EXPECT_EQ(out.buffer(), expected);
}

TEST(DigitTagClipboard, RoundTripKeepsEveryField)
{
    const auto owned = customTag();
    CDigitTag &tag = *owned;
    util::CArchive out;
    tag.Serialize(out);
    CDigitTag back;
    util::CArchive in(out.buffer());
    back.Serialize(in);
    ASSERT_TRUE(in.ok());
    EXPECT_TRUE(in.atEnd());
    EXPECT_EQ(back.Point(), tag.Point());
    EXPECT_EQ(back.Sample(), tag.Sample());
    EXPECT_EQ(back.DigitSet(), tag.DigitSet());
    EXPECT_EQ(back.Rect(), tag.Rect()) << "the rectangle follows from the loaded fields";
    EXPECT_TRUE(back.IsZeroFill());
}

namespace {

// Channel 1 served by the Modbus plugin from the program folder.
class DigitTagWithDriver : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_slots.slot(1).LoadDriver(DORVANE_PROTOCOLS_DIR, "libvelmar_modbus.so"));
        m_slots.slot(1).SetType(0x0001);
        m_tag.ApplyChannel(1);
        m_tag.Point().m_address = "3x";
        m_tag.Point().m_second = "100";
    }

    CPlcSlots m_slots;
    CDigitTag m_tag;
};

} // namespace

TEST_F(DigitTagWithDriver, WritableTagLeavesAReadOnlyArea)
{
    m_tag.RevalidateAddress(m_slots, true, false);
    EXPECT_EQ(m_tag.Point().m_address, "3x") << "a display may read input registers";
    m_tag.SetWritable(true);
    m_tag.RevalidateAddress(m_slots, true, false);
    EXPECT_EQ(m_tag.Point().m_address, "4x");
    EXPECT_EQ(m_tag.Point().m_second, "1");
}

TEST_F(DigitTagWithDriver, RecordAddressComesFromTheDriverAndReadsBack)
{
    m_tag.SetDecimals(1);
    std::vector<std::uint8_t> record(80);
    ASSERT_TRUE(m_tag.BuildDownloadRecord(m_slots, record));
    DownAddr expected{};
    std::uint16_t bit = 0;
    m_slots.slot(1).BuildDownAddr1(kAddrWord, "3x", "100", bit, expected, 1);
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), record.begin()));
    EXPECT_NE(expected, DownAddr{});

    CDigitTag back;
    ASSERT_TRUE(back.LoadRecord(m_slots, record));
    EXPECT_EQ(back.Point().m_address, "3x");
    EXPECT_EQ(back.Point().m_second, "100");
    EXPECT_EQ(back.Point().m_channel, 1);
}
