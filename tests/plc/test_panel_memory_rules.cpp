// The panel's own memory has no driver plugin: a slot without one answers with the built-in
// address rules and the documented substitutes.

#include "plc_test_support.h"

#include <gtest/gtest.h>

using namespace core;
using plctest::textField;

namespace {

struct CheckRow
{
    std::int32_t kind;
    std::string typed;
    bool valid;
    std::string normalised; // for valid rows
};

} // namespace

TEST(PanelMemoryRules, ValidCheckRangesPerKind)
{
    const CPlcDrv panel(0);
    const CheckRow rows[] = {
            {kAddrWord, "0", true, "0"},
            {kAddrWord, "999", true, "999"},
            {kAddrWord, "0999", true, "0999"},
            {kAddrWord, "1000", false, ""},
            {kAddrWord, "", false, ""},
            {kAddrWord, "12a", false, ""},
            {kAddrWord, "-1", false, ""},
            {kAddrWord, "99999999999999999999999", false, ""},
            {kAddrDWord, "898", true, "898"},
            {kAddrDWord, "899", false, ""},
            {kAddrBit, "12a", true, "12A"},
            {kAddrBit, "F", true, "0F"},
            {kAddrBit, "0f", true, "0F"},
            {kAddrBit, "999F", true, "999F"},
            {kAddrBit, "1000F", false, ""},
            {kAddrBit, "12G", false, ""},
            {kAddrBit, "", false, ""},
            {kAddrBit, "1x0", false, ""},
            {3, "1", false, ""},
            {0, "1", false, ""},
            {8, "1", false, ""},
    };
    for (const CheckRow &row : rows) {
        std::string number = row.typed;
        const std::int32_t result = panel.ValidCheck(row.kind, "", number);
        EXPECT_EQ(result == 0, row.valid) << row.kind << " '" << row.typed << "'";
        if (row.valid)
            EXPECT_EQ(number, row.normalised) << row.typed;
        else
            EXPECT_EQ(result, -1) << row.typed;
    }
}

TEST(PanelMemoryRules, BitTextIsOneToNineteenCharacters)
{
    const CPlcDrv panel(0);
    std::string nineteen = std::string(17, '0') + "1a";
    ASSERT_EQ(nineteen.size(), 19u);
    EXPECT_EQ(panel.ValidCheck(kAddrBit, "", nineteen), 0);
    EXPECT_EQ(nineteen, std::string(17, '0') + "1A");
    std::string twenty = std::string(18, '0') + "1a";
    EXPECT_EQ(panel.ValidCheck(kAddrBit, "", twenty), -1);
}

TEST(PanelMemoryRules, DownloadFieldHoldsWordNumberAsDecimalText)
{
    const CPlcDrv panel(0);
    DownAddr out;
    out.fill(0xEE);
    std::uint16_t bit = 99;
    EXPECT_EQ(panel.BuildDownAddr(kAddrWord, "", "0999", bit, out), 2);
    EXPECT_EQ(out, textField("999"));
    EXPECT_EQ(bit, 0);

    EXPECT_EQ(panel.BuildDownAddr(kAddrBit, "", "12a", bit, out), 2);
    EXPECT_EQ(out, textField("12"));
    EXPECT_EQ(bit, 10);
    EXPECT_EQ(panel.BuildDownAddr(kAddrBit, "", "F", bit, out), 2);
    EXPECT_EQ(out, textField("0"));
    EXPECT_EQ(bit, 15);

    EXPECT_EQ(panel.BuildDownAddr1(kAddrDWord, "", "898", bit, out, 1234), 2);
    EXPECT_EQ(out, textField("898"));

    EXPECT_EQ(panel.BuildDownAddr(kAddrWord, "", "1000", bit, out), -1);
    EXPECT_EQ(panel.BuildDownAddr(kAddrDWord, "", "899", bit, out), -1);
}

TEST(PanelMemoryRules, UploadRestoresNumberText)
{
    const CPlcDrv panel(0);
    std::string area = "left over";
    std::string number;
    std::uint16_t bit = 0;
    EXPECT_EQ(panel.BuildUpAddr(kAddrWord, textField("123"), area, number, bit), 2);
    EXPECT_EQ(area, "");
    EXPECT_EQ(number, "123");

    bit = 10;
    EXPECT_EQ(panel.BuildUpAddr(kAddrBit, textField("12"), area, number, bit), 2);
    EXPECT_EQ(number, "12A");

    // Hexadecimal digits pass the check, but the value is read as a decimal number.
    EXPECT_EQ(panel.BuildUpAddr(kAddrWord, textField("7B"), area, number, bit), 2);
    EXPECT_EQ(number, "7");

    number = "kept";
    EXPECT_EQ(panel.BuildUpAddr(kAddrWord, textField("12G"), area, number, bit), 3);
    EXPECT_EQ(panel.BuildUpAddr(kAddrWord, textField("-5"), area, number, bit), 3);
}

TEST(PanelMemoryRules, DownloadAndUploadRoundTrip)
{
    const CPlcDrv panel(0);
    for (const std::int32_t kind : {kAddrBit, kAddrWord, kAddrDWord}) {
        const unsigned last = kind == kAddrDWord ? 898 : 999;
        for (unsigned word : {0u, 1u, 9u, 10u, 99u, 500u, last}) {
            std::string typed = std::to_string(word) + (kind == kAddrBit ? "c" : "");
            DownAddr out{};
            std::uint16_t bit = 0;
            ASSERT_EQ(panel.BuildDownAddr(kind, "", typed, bit, out), 2) << typed;
            std::string area;
            std::string number;
            ASSERT_EQ(panel.BuildUpAddr(kind, out, area, number, bit), 2);
            std::string expected = typed;
            ASSERT_EQ(panel.ValidCheck(kind, "", expected), 0);
            EXPECT_EQ(number, expected);
        }
    }
}

TEST(PanelMemoryRules, OtherCallsAnswerWithTheNoPluginSubstitutes)
{
    const CPlcDrv panel(0);
    std::vector<std::string> areas{"stale"};
    EXPECT_EQ(panel.GetTypeAreaList(kAddrWord, areas), 0);
    EXPECT_TRUE(areas.empty());

    for (const std::int32_t kind : {kAddrBit, kAddrWord, kAddrDWord}) {
        std::uint32_t readOnly = 1;
        EXPECT_EQ(panel.GetAreaReadOnly(kind, "anything", readOnly), 1);
        EXPECT_EQ(readOnly, 0u);
    }

    std::string area = "x";
    std::string number;
    EXPECT_EQ(panel.GetDefaultAddr(kAddrWord, 0, area, number), 0);
    EXPECT_EQ(area, "");
    EXPECT_EQ(number, "0");

    EXPECT_EQ(panel.GetTransSize(), 1);
}
