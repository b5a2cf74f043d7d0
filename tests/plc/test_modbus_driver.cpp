// The Modbus RTU plugin, loaded from the program folder and called through a driver slot.

#include "plc_test_support.h"

#include <gtest/gtest.h>

using namespace core;
using namespace plctest;

namespace {

class ModbusDriver : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_drv.LoadDriver(kProtocols, kModbusPlugin));
        m_drv.SetType(0x0001);
    }

    // Validates, builds, reads back and builds again; returns the field.
    DownAddr roundTrip(std::int32_t kind, const std::string &area, const std::string &typed)
    {
        std::string number = typed;
        EXPECT_EQ(m_drv.ValidCheck(kind, area, number), 0) << area << typed;
        DownAddr down{};
        std::uint16_t bit = 1;
        EXPECT_EQ(m_drv.BuildDownAddr(kind, area, typed, bit, down), 2) << area << typed;
        EXPECT_EQ(bit, 0);
        std::string upArea;
        std::string upNumber;
        EXPECT_EQ(m_drv.BuildUpAddr(kind, down, upArea, upNumber, bit), 2) << area << typed;
        DownAddr again{};
        EXPECT_EQ(m_drv.BuildDownAddr(kind, upArea, upNumber, bit, again), 2);
        EXPECT_EQ(again, down) << area << typed;
        if (!area.empty()) {
            EXPECT_EQ(upNumber, number) << "decoded text is the normalised one";
        }
        return down;
    }

    CPlcDrv m_drv{1};
};

std::vector<std::string> list(const CPlcDrv &drv, std::int32_t kind)
{
    std::vector<std::string> areas;
    drv.GetTypeAreaList(kind, areas);
    return areas;
}

} // namespace

TEST_F(ModbusDriver, ListsAreasPerKindWithTheirAccess)
{
    using V = std::vector<std::string>;
    EXPECT_EQ(list(m_drv, kAddrBit), (V{"0x", "1x"}));
    EXPECT_EQ(list(m_drv, kAddrWord), (V{"3x", "4x"}));
    EXPECT_EQ(list(m_drv, kAddrDWord), (V{"3x", "4x"}));
    EXPECT_EQ(list(m_drv, 3), V{});

    const struct
    {
        std::int32_t kind;
        const char *area;
        std::uint32_t readOnly;
    } rows[] = {{kAddrBit, "0x", 0},  {kAddrBit, "1x", 1},   {kAddrWord, "3x", 1},
                {kAddrWord, "4x", 0}, {kAddrDWord, "3x", 1}, {kAddrDWord, "4X", 0}};
    for (const auto &row : rows) {
        std::uint32_t readOnly = 7;
        EXPECT_EQ(m_drv.GetAreaReadOnly(row.kind, row.area, readOnly), 1) << row.area;
        EXPECT_EQ(readOnly, row.readOnly) << row.area;
    }
    std::uint32_t readOnly = 0;
    EXPECT_EQ(m_drv.GetAreaReadOnly(kAddrBit, "4x", readOnly), 0);
    EXPECT_EQ(m_drv.GetAreaReadOnly(kAddrWord, "5x", readOnly), 0);
}

TEST_F(ModbusDriver, ValidCheckRangeChecksAndNormalises)
{
    const struct
    {
        std::int32_t kind;
        const char *area;
        const char *typed;
        const char *normalised; // null: invalid
    } rows[] = {
            {kAddrWord, "4x", "1", "1"},
            {kAddrWord, "4x", "65536", "65536"},
            {kAddrWord, "4x", "00012", "12"},
            {kAddrWord, "4x", "40001", "40001"}, // with an area the number is taken as typed
            {kAddrWord, "4X", "7", "7"},
            {kAddrWord, "4x", "0", nullptr},
            {kAddrWord, "4x", "65537", nullptr},
            {kAddrWord, "4x", "", nullptr},
            {kAddrWord, "4x", "1a", nullptr},
            {kAddrWord, "4x", "+1", nullptr},
            {kAddrWord, "4x", " 1", nullptr},
            {kAddrWord, "0x", "1", nullptr},
            {kAddrDWord, "3x", "65535", "65535"},
            {kAddrDWord, "3x", "65536", nullptr},
            {kAddrBit, "0x", "65536", "65536"},
            {kAddrBit, "1x", "1", "1"},
            {kAddrBit, "4x", "1", nullptr},
            // No area text: the leading digit names the area.
            {kAddrWord, "", "40001", "40001"},
            {kAddrWord, "", "400001", "40001"},
            {kAddrWord, "", "465536", "465536"},
            {kAddrWord, "", "310000", "310000"},
            {kAddrWord, "", "39999", "39999"},
            {kAddrBit, "", "00001", "00001"},
            {kAddrBit, "", "165536", "165536"},
            {kAddrWord, "", "40000", nullptr},
            {kAddrWord, "", "4001", nullptr},
            {kAddrWord, "", "4000001", nullptr},
            {kAddrWord, "", "465537", nullptr},
            {kAddrWord, "", "00001", nullptr},
            {kAddrWord, "", "20001", nullptr},
            {kAddrBit, "", "40001", nullptr},
            {kAddrDWord, "", "465536", nullptr},
            {3, "4x", "1", nullptr},
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
TEST_F(ModbusDriver, DownloadFieldLayout)
{
    const struct
    {
        std::int32_t kind;
        const char *area;
        const char *number;
        DownAddr expected;
    } rows[] = {
            {kAddrWord, "4x", "100", field({'M', 0x03, 0x06, 2, 0x00, 0x63, 0, 1, '4'})},
            {kAddrDWord, "4x", "1", field({'M', 0x03, 0x10, 4, 0x00, 0x00, 0, 2, '4'})},
            {kAddrWord, "3x", "258", field({'M', 0x04, 0x00, 2, 0x01, 0x01, 0, 1, '3'})},
            {kAddrBit, "0x", "1", field({'M', 0x01, 0x05, 1, 0x00, 0x00, 0, 1, '0'})},
            {kAddrBit, "1x", "65536", field({'M', 0x02, 0x00, 1, 0xFF, 0xFF, 0, 1, '1'})},
            {kAddrWord, "", "40100", field({'M', 0x03, 0x06, 2, 0x00, 0x63, 0, 1, '4'})},
    };
    for (const auto &row : rows) {
        DownAddr out;
        out.fill(0xEE);
        std::uint16_t bit = 9;
        EXPECT_EQ(m_drv.BuildDownAddr(row.kind, row.area, row.number, bit, out), 2) << row.number;
        EXPECT_EQ(out, row.expected) << row.area << row.number;
        EXPECT_EQ(bit, 0);
    }
    DownAddr out;
    out.fill(0xEE);
    std::uint16_t bit = 0;
    EXPECT_EQ(m_drv.BuildDownAddr(kAddrWord, "4x", "0", bit, out), -1);
    EXPECT_EQ(out, DownAddr{});
    EXPECT_EQ(m_drv.BuildDownAddr1(kAddrWord, "4x", "100", bit, out, 5), 2);
    EXPECT_EQ(out, rows[0].expected);
}

TEST_F(ModbusDriver, RoundTripsSampledAddresses)
{
    const unsigned numbers[] = {1,     2,     9,     10,    99,    100,   999,   1000, 9999,
                                10000, 32767, 32768, 40001, 49999, 65534, 65535, 65536};
    const struct
    {
        std::int32_t kind;
        const char *area;
        char digit;
    } areas[] = {{kAddrBit, "0x", '0'},  {kAddrBit, "1x", '1'},   {kAddrWord, "3x", '3'},
                 {kAddrWord, "4x", '4'}, {kAddrDWord, "3x", '3'}, {kAddrDWord, "4x", '4'}};
    int checked = 0;
    for (const auto &a : areas) {
        for (const unsigned n : numbers) {
            if (a.kind == kAddrDWord && n == 65536)
                continue;
            const DownAddr plain = roundTrip(a.kind, a.area, std::to_string(n));
            char reference[8];
            std::snprintf(reference, sizeof reference, "%c%05u", a.digit, n);
            EXPECT_EQ(roundTrip(a.kind, "", reference), plain) << reference;
            if (n <= 9999) {
                std::snprintf(reference, sizeof reference, "%c%04u", a.digit, n);
                EXPECT_EQ(roundTrip(a.kind, "", reference), plain) << reference;
            }
            ++checked;
        }
    }
    EXPECT_EQ(checked, 6 * 17 - 2);
}

TEST_F(ModbusDriver, UploadRejectsMalformedFields)
{
    const DownAddr good = field({'M', 0x03, 0x06, 2, 0x00, 0x63, 0, 1, '4'});
    std::vector<std::pair<std::int32_t, DownAddr>> bad;
    auto with = [&](std::size_t at, int value) {
        DownAddr f = good;
        f[at] = std::uint8_t(value);
        bad.emplace_back(kAddrWord, f);
    };
    with(0, 'm'); // layout mark
    with(1, 0x04); // read function of input registers
    with(2, 0x10); // write function of a double word
    with(2, 0x00); // no write function on a writable area
    with(3, 4); // kind byte
    with(6, 1); // quantity high byte
    with(7, 2); // quantity of a double word
    with(8, '3'); // area digit
    with(8, '2'); // no such area
    with(39, 1); // trailing byte
    bad.emplace_back(kAddrDWord, good); // asked as another kind
    bad.emplace_back(kAddrBit, good);
    bad.emplace_back(kAddrWord, DownAddr{}); // empty field
    bad.emplace_back(kAddrWord, textField("123")); // panel memory field
    bad.emplace_back(kAddrDWord, field({'M', 0x03, 0x10, 4, 0xFF, 0xFF, 0, 2, '4'})); // past end
    for (std::size_t i = 0; i < bad.size(); ++i) {
        std::string area = "stale";
        std::string number = "stale";
        std::uint16_t bit = 0;
        EXPECT_EQ(m_drv.BuildUpAddr(bad[i].first, bad[i].second, area, number, bit), 3) << i;
        EXPECT_EQ(area, "") << i;
        EXPECT_EQ(number, "") << i;
    }
    std::string area;
    std::string number;
    std::uint16_t bit = 0;
    EXPECT_EQ(m_drv.BuildUpAddr(kAddrWord, good, area, number, bit), 2);
    EXPECT_EQ(area, "4x");
    EXPECT_EQ(number, "100");
}

TEST_F(ModbusDriver, DefaultAddressesPerKind)
{
    const struct
    {
        std::int32_t kind;
        std::uint32_t selector;
        const char *area;
    } rows[] = {{kAddrBit, 0, "0x"},  {kAddrBit, 1, "1x"},   {kAddrWord, 0, "4x"},
                {kAddrWord, 1, "3x"}, {kAddrDWord, 0, "4x"}, {kAddrDWord, 1, "3x"}};
    for (const auto &row : rows) {
        std::string area;
        std::string number;
        EXPECT_EQ(m_drv.GetDefaultAddr(row.kind, row.selector, area, number), 1);
        EXPECT_EQ(area, row.area);
        EXPECT_EQ(number, "1");
        EXPECT_EQ(m_drv.ValidCheck(row.kind, area, number), 0);
    }
    std::string area = "x";
    std::string number = "y";
    EXPECT_EQ(m_drv.GetDefaultAddr(3, 0, area, number), 0);
    EXPECT_EQ(area, "");
    EXPECT_EQ(number, "");
}

TEST_F(ModbusDriver, TransferSizeAndEditableCommSettings)
{
    EXPECT_EQ(m_drv.GetTransSize(), 120);
    const PlcCommSetting comm = GetCommSetting(kProtocols, kModbusPlugin);
    EXPECT_TRUE(comm.editable);
}
