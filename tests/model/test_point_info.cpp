// Device point: ranges, value texts, BCD, channel swap and the clipboard form.

#include "core/tags/point_info.h"

#include "test_helpers.h"

#include <gtest/gtest.h>

using namespace core;

TEST(PointRange, DefaultRangesBySizeSignAndBase)
{
    struct Row
    {
        std::uint16_t size;
        bool isSigned;
        std::uint16_t base;
        std::uint32_t min;
        std::uint32_t max;
    };
    const Row rows[] = {
            {kSizeWord, true, kBaseDec, 0xFFFF8000u, 32767},
            {kSizeWord, false, kBaseDec, 0, 65535},
            {kSizeDWord, true, kBaseDec, 0x80000000u, 2147483647u},
            {kSizeDWord, false, kBaseDec, 0, 4294967295u},
            {kSizeWord, false, kBaseHex, 0, 65535},
            {kSizeDWord, true, kBaseHex, 0, 4294967295u},
            {kSizeWord, false, kBaseBcd, 0, 39321},
            {kSizeDWord, false, kBaseBcd, 0, 2576980377u},
    };
    for (const Row &r : rows) {
        CPointInfo p;
        p.m_dataSize = r.size;
        p.m_signed = r.isSigned;
        p.m_base = r.base;
        p.SetDefaultRange();
        EXPECT_EQ(p.m_min, r.min) << r.size << r.isSigned << r.base;
        EXPECT_EQ(p.m_max, r.max) << r.size << r.isSigned << r.base;
    }
}

TEST(PointRange, OtherCombinationsKeepTheLimits)
{
    CPointInfo p;
    p.m_min = 3;
    p.m_max = 4;
    p.m_dataSize = kSizeBit;
    p.SetDefaultRange();
    EXPECT_EQ(p.m_min, 3u);
    p.m_dataSize = kSizeWord;
    p.m_base = 7;
    p.SetDefaultRange();
    EXPECT_EQ(p.m_max, 4u);
}

TEST(PointRange, LimitTexts)
{
    CPointInfo p;
    p.m_signed = 1;
    p.m_dataSize = kSizeDWord;
    p.SetDefaultRange();
    EXPECT_EQ(p.MinText(), "-2147483648");
    EXPECT_EQ(p.MaxText(), "2147483647");
    p.m_signed = 0;
    p.SetDefaultRange();
    EXPECT_EQ(p.MinText(), "0");
    EXPECT_EQ(p.MaxText(), "4294967295");
}

TEST(PointValueText, DecimalWithAndWithoutSign)
{
    std::uint32_t v = 0;
    EXPECT_TRUE(parsePointValue("-5", true, kBaseDec, v));
    EXPECT_EQ(v, std::uint32_t(-5));
    EXPECT_FALSE(parsePointValue("-", true, kBaseDec, v));
    EXPECT_FALSE(parsePointValue("-5", false, kBaseDec, v));
    EXPECT_FALSE(parsePointValue("", false, kBaseDec, v));
    EXPECT_FALSE(parsePointValue("1-", true, kBaseDec, v));
    EXPECT_FALSE(parsePointValue("+5", true, kBaseDec, v));
    EXPECT_FALSE(parsePointValue(" 5", false, kBaseDec, v));
    EXPECT_TRUE(parsePointValue("4294967295", false, kBaseDec, v));
    EXPECT_EQ(v, 4294967295u);
    EXPECT_FALSE(parsePointValue("4294967296", false, kBaseDec, v)) << "overflow";
    EXPECT_TRUE(parsePointValue("-2147483648", true, kBaseDec, v));
    EXPECT_EQ(v, 0x80000000u);
    EXPECT_FALSE(parsePointValue("2147483648", true, kBaseDec, v));
    EXPECT_FALSE(parsePointValue("-2147483649", true, kBaseDec, v));
    EXPECT_TRUE(parsePointValue("0000000000012", false, kBaseDec, v)) << "leading zeros";
    EXPECT_EQ(v, 12u);
}

TEST(PointValueText, HexadecimalAndBcd)
{
    std::uint32_t v = 0;
    EXPECT_TRUE(parsePointValue("fFfF", false, kBaseHex, v));
    EXPECT_EQ(v, 0xFFFFu);
    EXPECT_FALSE(parsePointValue("12G", false, kBaseHex, v));
    EXPECT_FALSE(parsePointValue("100000000", false, kBaseHex, v));
    EXPECT_FALSE(parsePointValue("-1", true, kBaseHex, v));
    EXPECT_TRUE(parsePointValue("9999", false, kBaseBcd, v));
    EXPECT_EQ(v, 0x9999u);
    EXPECT_FALSE(parsePointValue("12A4", false, kBaseBcd, v));
    EXPECT_TRUE(parsePointValue("99999999", false, kBaseBcd, v));
    EXPECT_FALSE(parsePointValue("999999999", false, kBaseBcd, v));
}

TEST(PointValueText, DecimalDigitCheck)
{
    EXPECT_TRUE(isDecimalText("0"));
    EXPECT_TRUE(isDecimalText("0123"));
    EXPECT_FALSE(isDecimalText(""));
    EXPECT_FALSE(isDecimalText(" 12"));
    EXPECT_TRUE(isDecimalText(" 12 ", true));
    EXPECT_FALSE(isDecimalText("   ", true));
    EXPECT_FALSE(isDecimalText("1 2", true));
    EXPECT_FALSE(isDecimalText("-1"));
}

TEST(PointHelpers, BcdBytesAndChannelSwap)
{
    std::vector<std::uint8_t> b{0x59, 0x00, 0x23, 0x99};
    bcdToBinary(b);
    EXPECT_EQ(b, testing_model::bytesOf({59, 0, 23, 99}));
    EXPECT_EQ(swapChannel(0), 0);
    EXPECT_EQ(swapChannel(1), 2);
    EXPECT_EQ(swapChannel(2), 1);
    EXPECT_EQ(swapChannel(3), 0);
}

TEST(PointSerialize, ClipboardLayoutAndRoundTrip)
{
    CPointInfo p;
    p.m_address = "D";
    p.m_second = "100";
    p.m_flag = 0x0102;
    p.m_dataSize = kSizeDWord;
    p.m_base = kBaseHex;
    p.m_signed = 0;
    p.m_option = 0x0304;
    p.m_min = 0x11223344;
    p.m_max = 0xAABBCCDD;
    p.m_channel = 2;
    p.m_station = 31;
    util::CArchive out;
    p.Serialize(out);
    const auto expected = testing_model::bytesOf(
            {0x02, 0x01, 3,    0,    2, 0, 0,  0, 0x04, 0x03, 0x44, 0x33, 0x22, 0x11,
             0xDD, 0xCC, 0xBB, 0xAA, 2, 0, 31, 0, 1,    'D',  3,    '1',  '0',  '0'});
    EXPECT_EQ(out.buffer(), expected);

    CPointInfo back;
    util::CArchive in(out.buffer());
    back.Serialize(in);
    EXPECT_TRUE(in.ok());
    EXPECT_EQ(back, p);
}

TEST(PointSerialize, DefaultsAndCopy)
{
    const CPointInfo p;
    EXPECT_EQ(p.m_address, "");
    EXPECT_EQ(p.m_second, "0");
    EXPECT_EQ(p.m_dataSize, kSizeWord);
    EXPECT_EQ(p.m_base, kBaseDec);
    EXPECT_EQ(p.m_max, 65535u);
    CPointInfo q;
    q.m_station = 5;
    q.m_address = "X";
    CPointInfo copy = q;
    EXPECT_EQ(copy, q);
}
