// The LX letter-area PLC plugin, loaded from the program folder and called through a slot; and
// the panel driver images that come with both plugins.

#include "plc_test_support.h"
#include "util/file_io.h"

#include <gtest/gtest.h>

using namespace core;
using namespace plctest;

namespace {

class LetterPlcDriver : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_drv.LoadDriver(kProtocols, kLetterPlugin));
        m_drv.SetType(0x0020);
    }

    CPlcDrv m_drv{2};
};

} // namespace

TEST_F(LetterPlcDriver, ListsAreasPerKindWithTheirAccess)
{
    using V = std::vector<std::string>;
    std::vector<std::string> areas;
    EXPECT_EQ(m_drv.GetTypeAreaList(kAddrBit, areas), 5);
    EXPECT_EQ(areas, (V{"X", "Y", "M", "L", "SM"}));
    m_drv.GetTypeAreaList(kAddrWord, areas);
    EXPECT_EQ(areas, (V{"D", "W", "SD", "X", "Y", "M", "L"}));
    m_drv.GetTypeAreaList(kAddrDWord, areas);
    EXPECT_EQ(areas, (V{"D", "W", "SD"}));

    const struct
    {
        std::int32_t kind;
        const char *area;
        std::uint32_t readOnly;
    } rows[] = {{kAddrBit, "X", 1},  {kAddrBit, "Y", 0},  {kAddrBit, "M", 0},
                {kAddrBit, "SM", 1}, {kAddrWord, "D", 0}, {kAddrWord, "SD", 1},
                {kAddrWord, "x", 1}, {kAddrDWord, "W", 0}};
    for (const auto &row : rows) {
        std::uint32_t readOnly = 7;
        EXPECT_EQ(m_drv.GetAreaReadOnly(row.kind, row.area, readOnly), 1) << row.area;
        EXPECT_EQ(readOnly, row.readOnly) << row.area;
    }
    std::uint32_t readOnly = 0;
    EXPECT_EQ(m_drv.GetAreaReadOnly(kAddrBit, "D", readOnly), 0);
    EXPECT_EQ(m_drv.GetAreaReadOnly(kAddrDWord, "M", readOnly), 0);
}

TEST_F(LetterPlcDriver, ValidCheckRangeChecksAndNormalises)
{
    const struct
    {
        std::int32_t kind;
        const char *area;
        const char *typed;
        const char *normalised; // null: invalid
    } rows[] = {
            {kAddrBit, "M", "12a", "12A"},
            {kAddrBit, "M", "F", "0F"},
            {kAddrBit, "M", "0012a", "12A"},
            {kAddrBit, "M", "2047F", "2047F"},
            {kAddrBit, "m", "5", "05"},
            {kAddrBit, "X", "127F", "127F"},
            {kAddrBit, "SM", "630", "630"},
            {kAddrBit, "M", "2048F", nullptr},
            {kAddrBit, "X", "1280", nullptr},
            {kAddrBit, "M", "12G", nullptr},
            {kAddrBit, "M", "", nullptr},
            {kAddrBit, "M", "1 2", nullptr},
            {kAddrBit, "D", "10", nullptr},
            {kAddrWord, "D", "9999", "9999"},
            {kAddrWord, "D", "00100", "100"},
            {kAddrWord, "SD", "255", "255"},
            {kAddrWord, "M", "2047", "2047"},
            {kAddrWord, "D", "10000", nullptr},
            {kAddrWord, "D", "1A", nullptr},
            {kAddrWord, "SM", "1", nullptr},
            {kAddrWord, "", "1", nullptr},
            {kAddrDWord, "D", "9998", "9998"},
            {kAddrDWord, "D", "9999", nullptr},
            {kAddrDWord, "X", "1", nullptr},
            {8, "D", "1", nullptr},
    };
    for (const auto &row : rows) {
        std::string number = row.typed;
        const std::int32_t result = m_drv.ValidCheck(row.kind, row.area, number);
        if (row.normalised) {
            EXPECT_EQ(result, 0) << row.area << " " << row.typed;
            EXPECT_EQ(number, row.normalised) << row.area << " " << row.typed;
        } else {
            EXPECT_NE(result, 0) << row.area << " " << row.typed;
        }
    }
}

// The layout documented in docs/plc-addresses.md, byte by byte.
TEST_F(LetterPlcDriver, DownloadFieldLayout)
{
    DownAddr out;
    std::uint16_t bit = 0;
    EXPECT_EQ(m_drv.BuildDownAddr(kAddrBit, "M", "12a", bit, out), 2);
    EXPECT_EQ(out, textField("M B000CA"));
    EXPECT_EQ(bit, 10);
    EXPECT_EQ(m_drv.BuildDownAddr(kAddrWord, "SD", "255", bit, out), 2);
    EXPECT_EQ(out, textField("SDW00FF0"));
    EXPECT_EQ(bit, 0);
    EXPECT_EQ(m_drv.BuildDownAddr1(kAddrDWord, "d", "9998", bit, out, 3), 2);
    EXPECT_EQ(out, textField("D L270E0"));
    EXPECT_EQ(m_drv.BuildDownAddr(kAddrBit, "SM", "F", bit, out), 2);
    EXPECT_EQ(out, textField("SMB0000F"));
    EXPECT_EQ(bit, 15);

    out.fill(0xEE);
    EXPECT_EQ(m_drv.BuildDownAddr(kAddrWord, "D", "10000", bit, out), -1);
    EXPECT_EQ(out, DownAddr{});
}

TEST_F(LetterPlcDriver, RoundTripsSampledAddresses)
{
    const unsigned words[] = {0, 1, 9, 10, 15, 16, 63, 99, 100, 127, 255, 511, 1000, 2047, 9998};
    const char *bits[] = {"0", "5", "a", "F"};
    int checked = 0;
    for (const std::int32_t kind : {kAddrBit, kAddrWord, kAddrDWord}) {
        std::vector<std::string> areas;
        m_drv.GetTypeAreaList(kind, areas);
        for (const std::string &area : areas) {
            for (const unsigned word : words) {
                for (const char *b : bits) {
                    const std::string typed = std::to_string(word) + (kind == kAddrBit ? b : "");
                    std::string number = typed;
                    if (m_drv.ValidCheck(kind, area, number) != 0)
                        continue; // beyond this area's range
                    DownAddr down{};
                    std::uint16_t bit = 0;
                    ASSERT_EQ(m_drv.BuildDownAddr(kind, area, typed, bit, down), 2) << typed;
                    std::string upArea;
                    std::string upNumber;
                    std::uint16_t upBit = 99;
                    ASSERT_EQ(m_drv.BuildUpAddr(kind, down, upArea, upNumber, upBit), 2);
                    EXPECT_EQ(upArea, area);
                    EXPECT_EQ(upNumber, number);
                    EXPECT_EQ(upBit, bit);
                    ++checked;
                    if (kind != kAddrBit)
                        break;
                }
            }
        }
    }
    // Every area's range ends at or beyond word 63 (SM), so each keeps at least 7 sampled words.
    EXPECT_GT(checked, 5 * 7 * 4 + 10 * 7);
}

TEST_F(LetterPlcDriver, UploadRejectsMalformedFields)
{
    const std::vector<std::pair<std::int32_t, DownAddr>> bad = {
            {kAddrBit, textField("M B000cA")}, // lower-case hexadecimal
            {kAddrBit, textField("M B000CG")}, // bit digit
            {kAddrBit, textField("Q B000CA")}, // no such device
            {kAddrBit, textField("M  000CA")}, // no access letter
            {kAddrWord, textField("M B000CA")}, // asked as another kind
            {kAddrWord, textField("D W2710")}, // word 10000 is past D
            {kAddrWord, textField("D W00640")},
            {kAddrBit, textField("SDW00FF0")}, // SD has no bits
            {kAddrWord, textField("M W000C5")}, // a bit digit on a word
            {kAddrWord, textField("D W00640x")},
            {kAddrWord, textField("123")},
            {kAddrWord, DownAddr{}},
            {kAddrWord, field({'M', 0x03, 0x06, 2, 0x00, 0x63, 0, 1, '4'})},
    };
    for (std::size_t i = 0; i < bad.size(); ++i) {
        std::string area = "stale";
        std::string number = "stale";
        std::uint16_t bit = 0;
        const std::int32_t result
                = m_drv.BuildUpAddr(bad[i].first, bad[i].second, area, number, bit);
        if (i == 6) { // the well-formed control row
            EXPECT_EQ(result, 2);
            EXPECT_EQ(area + number, "D100");
            continue;
        }
        EXPECT_EQ(result, 3) << i;
        EXPECT_EQ(area, "") << i;
        EXPECT_EQ(number, "") << i;
    }
}

TEST_F(LetterPlcDriver, DefaultAddressesAndFixedCommSettings)
{
    std::string area;
    std::string number;
    EXPECT_EQ(m_drv.GetDefaultAddr(kAddrBit, 0, area, number), 1);
    EXPECT_EQ(area + number, "M00");
    EXPECT_EQ(m_drv.GetDefaultAddr(kAddrBit, 1, area, number), 1);
    EXPECT_EQ(area + number, "X00");
    EXPECT_EQ(m_drv.GetDefaultAddr(kAddrDWord, 0, area, number), 1);
    EXPECT_EQ(area + number, "D0");
    EXPECT_EQ(m_drv.GetDefaultAddr(kAddrWord, 1, area, number), 1);
    EXPECT_EQ(area + number, "SD0");
    EXPECT_EQ(m_drv.ValidCheck(kAddrWord, area, number), 0);

    EXPECT_EQ(m_drv.GetTransSize(), 64);
    const PlcCommSetting comm = GetCommSetting(kProtocols, kLetterPlugin);
    EXPECT_FALSE(comm.editable);
    EXPECT_EQ(comm.baudIndex, 4);
    EXPECT_EQ(comm.dataBits, 1);
    EXPECT_EQ(comm.stopBits, 0);
    EXPECT_EQ(comm.parity, 1);
}

// Bytes 6 to 29 identify a panel driver: version at 8-9, name at 10-29.
TEST(PanelDriverImages, CarryTheirIdentityAndFitEitherChannel)
{
    const struct
    {
        const char *file;
        const char *name;
    } images[] = {{"velmar_modbus.drv", "MODBUS RTU"}, {"velmar_letterplc.drv", "LX LETTER PLC"}};
    for (const auto &image : images) {
        const auto bytes = util::readFile(kProtocols + "/" + image.file);
        ASSERT_TRUE(bytes) << image.file;
        EXPECT_GE(bytes->size(), 30u);
        EXPECT_LE(bytes->size(), 0x3000u);
        EXPECT_EQ((*bytes)[8], 1);
        EXPECT_EQ((*bytes)[9], 0);
        EXPECT_EQ(util::fixedText(*bytes, 10, 20), image.name);
        EXPECT_EQ((*bytes)[29], 0);
        const std::string all(bytes->begin(), bytes->end());
        EXPECT_NE(all.find("SAMPLE PANEL DRIVER IMAGE"), std::string::npos);
    }
}
