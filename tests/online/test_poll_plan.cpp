// The poll plan: which reads cover the points of a Modbus channel, how adjacent and nearly
// adjacent points share a read, the protocol's limits, and the demo project's screens.

#include "runtime/runtime_test_support.h"

#include "core/app/app_services.h"
#include "core/online/poll_plan.h"
#include "core/runtime/panel_runtime.h"

#include "support/demo_project.h"

#include <gtest/gtest.h>

using namespace core;
using namespace core::online;
using runtimetest::point;

namespace {

class PollPlan : public ::testing::Test
{
protected:
    MemoryKey key(const char *area, std::uint32_t number, std::uint16_t size = kSizeWord,
                  std::uint16_t station = 1)
    {
        const auto k = m_memory.KeyOf(point(1, area, std::to_string(number), size, station));
        EXPECT_TRUE(k) << area << number;
        return k.value_or(MemoryKey{});
    }
    // "3x10+2" style summary of the reads: table, first register (1-based) and count.
    static std::vector<std::string> reads(const CPollPlan &plan)
    {
        std::vector<std::string> out;
        for (const PollRequest &r : plan.Requests())
            out.push_back(std::to_string(r.station) + ":" + addressText(r.table, r.start) + "+"
                          + std::to_string(r.count));
        return out;
    }

    runtimetest::Project m_project{"plan"};
    CDeviceMemory m_memory{m_project.slots};
};

TEST_F(PollPlan, DecodesTheDriversAddressOfEveryTableAndKind)
{
    const auto at = [&](const char *area, std::uint32_t n, std::uint16_t size) {
        const MemoryKey k = key(area, n, size);
        return decodeModbusField(k.kind, k.field);
    };
    ASSERT_TRUE(at("0x", 1, kSizeBit));
    EXPECT_EQ(at("0x", 1, kSizeBit)->table, ModbusTable::Coils);
    EXPECT_EQ(at("0x", 1, kSizeBit)->address, 0);
    EXPECT_EQ(at("1x", 65536, kSizeBit)->address, 65535);
    EXPECT_EQ(at("1x", 7, kSizeBit)->table, ModbusTable::DiscreteInputs);
    EXPECT_EQ(at("3x", 7, kSizeWord)->table, ModbusTable::InputRegisters);
    EXPECT_EQ(at("4x", 40001, kSizeDWord)->address, 40000);
    EXPECT_EQ(at("4x", 40001, kSizeDWord)->count, 2);
    EXPECT_EQ(readFunction(ModbusTable::InputRegisters), 4);
    EXPECT_EQ(readFunction(ModbusTable::HoldingRegisters), 3);
    // Another driver's field, or a Modbus field read with the wrong kind, is no Modbus address.
    const MemoryKey word = key("4x", 5);
    EXPECT_FALSE(decodeModbusField(kAddrDWord, word.field));
    EXPECT_FALSE(decodeModbusField(kAddrWord, DownAddr{'1', '0', '0'}));
}

TEST_F(PollPlan, MergesAcrossSmallGapsButNotAcrossStationsTablesOrLargeGaps)
{
    const CPollPlan plan = CPollPlan::Build({
            key("4x", 1), key("4x", 2), key("4x", 3, kSizeDWord), // 1-4 adjacent
            key("4x", 14), // gap of 9 registers (5-13): still one read
            key("4x", 25), // gap of 10 (15-24): a read of its own
            key("3x", 1), key("4x", 1, kSizeWord, 2), // other table, other station
            key("0x", 1, kSizeBit), key("0x", 154, kSizeBit), // gap of 152 coils: merged
            key("0x", 308, kSizeBit), // gap of 153 (0x155-0x307): not
    });
    EXPECT_EQ(reads(plan),
              (std::vector<std::string>{"1:0x1+154", "1:0x308+1", "1:3x1+1", "1:4x1+14", "1:4x25+1",
                                        "2:4x1+1"}));
    EXPECT_EQ(plan.RequestCount(1), 5u);
    EXPECT_EQ(plan.Points().size(), 10u);
}

TEST_F(PollPlan, KeepsEveryReadWithinTheProtocolsLimits)
{
    std::vector<MemoryKey> keys;
    for (std::uint32_t n = 1; n <= 300; ++n)
        keys.push_back(key("4x", n));
    keys.push_back(key("4x", 125, kSizeDWord)); // registers 125 and 126 straddle the first cut
    for (std::uint32_t n = 1; n <= 4500; n += 3)
        keys.push_back(key("1x", n, kSizeBit));
    const CPollPlan plan = CPollPlan::Build(keys);
    std::size_t registers = 0;
    for (const PollRequest &r : plan.Requests()) {
        EXPECT_LE(r.count, isBitTable(r.table) ? 2000 : 125);
        for (const std::size_t i : r.points) {
            EXPECT_GE(plan.Points()[i].at.address, r.start);
            EXPECT_LE(plan.Points()[i].at.end(), r.end()) << "a point lies wholly in its read";
        }
        if (!isBitTable(r.table))
            registers += r.count;
    }
    // The double word at 4x125 does not fit the first read, which ends with the word 4x125:
    // it starts the next read, and register 125 is read twice rather than cut in half.
    EXPECT_EQ(reads(plan),
              (std::vector<std::string>{"1:1x1+1999", "1:1x2002+1999", "1:1x4003+496", "1:4x1+125",
                                        "1:4x125+125", "1:4x250+51"}));
    EXPECT_EQ(registers, 301u);
}

TEST_F(PollPlan, SplitsAReadAtItsGapsAndLeavesForeignAddressesOut)
{
    MemoryKey foreign = key("4x", 9);
    foreign.field = DownAddr{'1', '2'};
    CPollPlan plan
            = CPollPlan::Build({key("4x", 1), key("4x", 2), key("4x", 6), key("4x", 8), foreign});
    ASSERT_EQ(reads(plan), std::vector<std::string>{"1:4x1+8"});
    ASSERT_EQ(plan.Unaddressed().size(), 1u);
    EXPECT_TRUE(plan.SplitAtGaps(0));
    EXPECT_EQ(reads(plan), (std::vector<std::string>{"1:4x1+2", "1:4x6+1", "1:4x8+1"}));
    EXPECT_FALSE(plan.SplitAtGaps(0)) << "one run cannot be split";
    EXPECT_FALSE(plan.SplitAtGaps(7));
}

TEST_F(PollPlan, WritesOfAdjacentHoldingRegistersShareOneRequest)
{
    const auto target = [&](const char *area, std::uint32_t n, std::uint16_t size = kSizeWord,
                            std::uint16_t station = 1) {
        const MemoryKey k = key(area, n, size, station);
        return WriteTarget{station, *decodeModbusField(k.kind, k.field)};
    };
    // A block transfer's words 4x10-4x12, a double word at 4x13, then a gap.
    EXPECT_EQ(registerWriteRun({target("4x", 10), target("4x", 11), target("4x", 12),
                                target("4x", 13, kSizeDWord), target("4x", 16)}),
              4u);
    EXPECT_EQ(registerWriteRun({target("4x", 10), target("4x", 10)}), 1u) << "the same word twice";
    EXPECT_EQ(registerWriteRun({target("4x", 10), target("4x", 11, kSizeWord, 2)}), 1u)
            << "another station";
    EXPECT_EQ(registerWriteRun({target("0x", 1, kSizeBit), target("0x", 2, kSizeBit)}), 1u)
            << "coils one by one";
    EXPECT_EQ(registerWriteRun({target("4x", 9), target("0x", 10, kSizeBit)}), 1u);
    std::vector<WriteTarget> many;
    for (std::uint32_t n = 1; n <= 130; ++n)
        many.push_back(target("4x", n));
    EXPECT_EQ(registerWriteRun(many), 123u) << "FC16 carries at most 123 registers";
    EXPECT_EQ(registerWriteRun({}), 0u);
}

TEST(PollPlanDemo, EachScreenOfTheDemoNeedsFewReads)
{
    plctest::ProgramFolder folder("online_demo");
    CAppServices app;
    app.Load(folder.path(""), 0x412);
    std::string error;
    std::unique_ptr<CDorvaneDoc> doc = support::importDemoProject(app, error);
    ASSERT_TRUE(doc) << error;
    CPanelRuntime run(*doc);
    std::map<std::uint16_t, std::vector<std::string>> perScreen;
    for (const auto &screen : doc->Screens()) {
        std::vector<MemoryKey> keys;
        for (const MemoryPoint &p : run.Memory().PointsWhileShowing(*doc, screen->Number()))
            keys.push_back(p.key);
        const CPollPlan plan = CPollPlan::Build(keys);
        for (const PollRequest &r : plan.Requests())
            perScreen[screen->Number()].push_back(addressText(r.table, r.start) + "+"
                                                  + std::to_string(r.count));
    }
    // Every screen reads the alarms' inputs 1x2-1x5, the block transfer's 4x1-4x4, the
    // calculation's operands 4x2 and 4x6 and the reservation's coil 0x3; each screen's own points
    // join those reads: screen 0 its lamp 1x1 and the double word 4x10-4x11, screen 2 its buttons'
    // coils and the moving image's 4x8-4x9, screen 3 its key's coil 0x4.
    EXPECT_EQ(perScreen[0], (std::vector<std::string>{"0x3+1", "1x1+5", "4x1+11"}));
    EXPECT_EQ(perScreen[2], (std::vector<std::string>{"0x1+3", "1x2+4", "4x1+9"}));
    EXPECT_EQ(perScreen[3], (std::vector<std::string>{"0x3+2", "1x2+4", "4x1+6"}));
    for (const auto &[screen, list] : perScreen)
        EXPECT_EQ(list.size(), 3u) << "screen " << screen << ": one read per table used";
}

} // namespace
