// The panel's named system addresses and how panel word numbers are shown and checked.

#include "core/plc/system_address.h"

#include <gtest/gtest.h>

#include <set>

using namespace core;

TEST(SystemAddress, FiftyTwoNamedWordsFrom900InOrder)
{
    const auto table = systemAddresses();
    ASSERT_EQ(table.size(), 52u);
    std::set<std::string_view> names;
    for (std::size_t i = 0; i < table.size(); ++i) {
        EXPECT_EQ(table[i].address, 900 + i);
        EXPECT_TRUE(table[i].readOnly);
        EXPECT_LT(table[i].name.size(), 50u); // fits the 50-byte zero-padded name field
        names.insert(table[i].name);
    }
    EXPECT_EQ(names.size(), 52u);
    EXPECT_EQ(table[0].name, "RTC_C_Y");
    EXPECT_EQ(table[14].name, "CUR_SCR");
    EXPECT_EQ(table[32].name, "W_ALWAYS_ON");
    EXPECT_EQ(table[51].name, "CALC_H_ERR");
    EXPECT_EQ(findSystemAddress(950)->name, "CALC_L_ERR");
    EXPECT_EQ(findSystemAddress(899), nullptr);
    EXPECT_EQ(findSystemAddress(952), nullptr);
    EXPECT_EQ(findSystemAddressByName("KEY_F4")->address, 931);
    EXPECT_EQ(findSystemAddressByName("key_f4"), nullptr);
}

TEST(SystemAddress, PanelAddressShownByNameWhenItNamesOne)
{
    const struct
    {
        const char *number;
        bool bit;
        const char *shown;
    } rows[] = {
            {"950", false, "CALC_L_ERR"},
            {"0900", false, "RTC_C_Y"},
            {"951", false, "CALC_H_ERR"},
            {"899", false, "899"},
            {"952", false, "952"},
            {"9a0", false, "9a0"},
            {"", false, ""},
            {"9000", true, "RTC_C_Y"},
            {"900F", true, "RTC_C_Y"},
            {"900", true, "900"},
            {"F", true, "F"},
            {"99999999999999999999", false, "99999999999999999999"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(panelAddressText(row.number, row.bit), row.shown) << row.number;
}

TEST(SystemAddress, ChosenNameGivesItsNumberAndWritablePointsRefuseThem)
{
    const SystemAddress &clock = *findSystemAddressByName("RTC_C_Y");
    EXPECT_EQ(systemAddressNumber(clock, false), "900");
    EXPECT_EQ(systemAddressNumber(clock, true), "9000");
    EXPECT_EQ(systemAddressOf(systemAddressNumber(clock, true), true), &clock);

    EXPECT_FALSE(panelAddressWritable("950", false));
    EXPECT_FALSE(panelAddressWritable("900", false));
    EXPECT_FALSE(panelAddressWritable("999", false));
    EXPECT_TRUE(panelAddressWritable("899", false));
    EXPECT_FALSE(panelAddressWritable("9005", true));
    EXPECT_TRUE(panelAddressWritable("899F", true));
    EXPECT_TRUE(panelAddressWritable("F", true));
}
