// What a typed PLC address stands for: the number in the chosen area, the area in front of the
// number, the Modbus reference numbers, and the texts that stand for two addresses.

#include "plc_test_support.h"

#include "core/plc/address_entry.h"
#include "util/message_ids.h"
#include "util/messages.h"

#include <gtest/gtest.h>

using namespace core;
using namespace plctest;

namespace {

using Readings = std::vector<PlcAddress>;

class AddressEntry : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_modbus.LoadDriver(kProtocols, kModbusPlugin));
        ASSERT_TRUE(m_letter.LoadDriver(kProtocols, kLetterPlugin));
    }

    Readings modbus(std::int32_t kind, const std::string &area, const std::string &typed) const
    {
        return readTypedAddress(m_modbus, kind, area, typed).readings;
    }

    CPlcDrv m_modbus{1};
    CPlcDrv m_letter{2};
};

TEST_F(AddressEntry, ReferenceNumbersTakeTheirAreaFromTheLeadingDigit)
{
    struct Row
    {
        std::int32_t kind;
        const char *area; // chosen
        const char *typed;
        PlcAddress meant;
    };
    const Row rows[] = {
            // Six digits are past every register: only the reference reading is left.
            {kAddrWord, "4x", "400001", {"4x", "1"}},
            {kAddrWord, "4x", "465536", {"4x", "65536"}},
            {kAddrWord, "3x", "400001", {"4x", "1"}}, // the digit wins over the chosen area
            {kAddrWord, "4x", "300017", {"3x", "17"}},
            {kAddrDWord, "4x", "465535", {"4x", "65535"}},
            // Without an area, the 5-digit forms too.
            {kAddrWord, "", "40001", {"4x", "1"}},
            {kAddrWord, "", "30001", {"3x", "1"}},
            {kAddrBit, "", "00001", {"0x", "1"}},
            {kAddrBit, "", "10001", {"1x", "1"}},
            // A leading digit that names no area of the kind is an ordinary number.
            {kAddrWord, "4x", "00001", {"4x", "1"}},
            {kAddrWord, "4x", "10001", {"4x", "10001"}},
            {kAddrWord, "4x", "65536", {"4x", "65536"}},
            {kAddrWord, "4x", "40000", {"4x", "40000"}}, // reference 40000 would be register 0
            // Both readings agree: coil 1 either way.
            {kAddrBit, "0x", "00001", {"0x", "1"}},
    };
    for (const Row &row : rows)
        EXPECT_EQ(modbus(row.kind, row.area, row.typed), Readings{row.meant})
                << row.area << " " << row.typed;
}

TEST_F(AddressEntry, AreaInFrontOfTheNumberIsTheShownForm)
{
    EXPECT_EQ(modbus(kAddrWord, "4x", "4x1"), (Readings{{"4x", "1"}}));
    EXPECT_EQ(modbus(kAddrWord, "", "4X00012"), (Readings{{"4x", "12"}}));
    EXPECT_EQ(modbus(kAddrWord, "3x", "4x40001"), (Readings{{"4x", "40001"}}));
    EXPECT_EQ(modbus(kAddrBit, "0x", "1x7"), (Readings{{"1x", "7"}}));
    // The area must serve the kind and the number must be one of it.
    EXPECT_EQ(modbus(kAddrBit, "0x", "4x1"), Readings{});
    EXPECT_EQ(modbus(kAddrWord, "4x", "4x"), Readings{});
    EXPECT_EQ(modbus(kAddrWord, "4x", "4x0"), Readings{});
    EXPECT_EQ(modbus(kAddrDWord, "4x", "4x65536"), Readings{});
    // Other PLCs: the same form with their own area names, the longest name first.
    EXPECT_EQ(readTypedAddress(m_letter, kAddrWord, "D", "SD255").readings,
              (Readings{{"SD", "255"}}));
    EXPECT_EQ(readTypedAddress(m_letter, kAddrBit, "M", "m0012a").readings,
              (Readings{{"M", "12A"}}));
    EXPECT_EQ(readTypedAddress(m_letter, kAddrWord, "D", "00100").readings,
              (Readings{{"D", "100"}}));
}

TEST_F(AddressEntry, NumberThatIsAlsoAReferenceIsAmbiguous)
{
    const TypedAddress holding = readTypedAddress(m_modbus, kAddrWord, "4x", "40001");
    ASSERT_TRUE(holding.Ambiguous());
    EXPECT_EQ(holding.readings, (Readings{{"4x", "40001"}, {"4x", "1"}}));
    EXPECT_EQ(modbus(kAddrWord, "4x", "49999"), (Readings{{"4x", "49999"}, {"4x", "9999"}}));
    EXPECT_EQ(modbus(kAddrWord, "4x", "30001"), (Readings{{"4x", "30001"}, {"3x", "1"}}));
    EXPECT_EQ(modbus(kAddrWord, "3x", "40001"), (Readings{{"3x", "40001"}, {"4x", "1"}}));
    EXPECT_EQ(modbus(kAddrBit, "0x", "10001"), (Readings{{"0x", "10001"}, {"1x", "1"}}));
    // A double word at register 40001 would still fit.
    EXPECT_TRUE(readTypedAddress(m_modbus, kAddrDWord, "4x", "40001").Ambiguous());

    util::setMessageLanguage(util::kResEnglish);
    EXPECT_EQ(ambiguousAddressMessage(m_modbus, kAddrWord, "40001", holding),
              "The address 40001 can be read as 4x40001 = 440001 or as 4x1 = 40001. Type the "
              "area in front of the number, as 4x40001 or 4x1.");
    util::setMessageLanguage(0x412);
}

TEST_F(AddressEntry, RefusedTextsHaveNoReading)
{
    for (const char *typed : {"", "0", "65537", "4000001", "40 01", "-1", "x1", "4x-1"})
        EXPECT_EQ(modbus(kAddrWord, "4x", typed), Readings{}) << typed;
    // Reference numbers have five or six digits.
    EXPECT_EQ(modbus(kAddrWord, "", "4001"), Readings{});
    EXPECT_EQ(modbus(kAddrWord, "", "4000001"), Readings{});
    // A reference in an area that does not serve the kind.
    EXPECT_EQ(modbus(kAddrWord, "", "00001"), Readings{});
    EXPECT_EQ(modbus(kAddrBit, "", "40001"), Readings{});
    // The letter PLC has no area-less form.
    EXPECT_EQ(readTypedAddress(m_letter, kAddrWord, "", "100").readings, Readings{});
}

TEST_F(AddressEntry, EchoShowsBothFormsWhereTheDriverHasAReference)
{
    EXPECT_EQ(addressEcho(m_modbus, kAddrWord, {"4x", "1"}), "4x1 = 40001");
    EXPECT_EQ(addressEcho(m_modbus, kAddrWord, {"4x", "9999"}), "4x9999 = 49999");
    EXPECT_EQ(addressEcho(m_modbus, kAddrWord, {"4x", "10000"}), "4x10000 = 410000");
    EXPECT_EQ(addressEcho(m_modbus, kAddrWord, {"3x", "65536"}), "3x65536 = 365536");
    EXPECT_EQ(addressEcho(m_modbus, kAddrBit, {"0x", "17"}), "0x17 = 00017");
    EXPECT_EQ(addressEcho(m_modbus, kAddrBit, {"1x", "1"}), "1x1 = 10001");
    // Past the last double word there is no address, and so no reference.
    EXPECT_EQ(referenceNumber(m_modbus, kAddrDWord, {"4x", "65536"}), "");
    EXPECT_EQ(addressEcho(m_letter, kAddrWord, {"D", "100"}), "D100");
}

} // namespace
