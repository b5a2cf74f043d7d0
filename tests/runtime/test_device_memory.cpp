// Device memory of the running panel: how points map to cells, values of each width, the latched
// restart, the project's point list and "POINT=VALUE" assignments.

#include "runtime_test_support.h"

#include "core/functions/alarm_record.h"
#include "core/functions/trans_record.h"
#include "core/tags/digit_tag.h"
#include "core/tags/graph_tag.h"
#include "core/tags/lamp_tag.h"
#include "core/tags/message_tag.h"

#include <gtest/gtest.h>

#include <map>

using namespace core;
using runtimetest::point;

namespace {

class DeviceMemory : public ::testing::Test
{
protected:
    runtimetest::Project m_project{"memory"};
    CDeviceMemory m_memory{m_project.slots};
};

TEST_F(DeviceMemory, PanelBitsWordsAndDoubleWordsShareTheWords)
{
    m_memory.Write(point(0, "", "100"), 0x0020);
    EXPECT_EQ(m_memory.Value(point(0, "", "1005", kSizeBit)), 1u);
    EXPECT_EQ(m_memory.Value(point(0, "", "1004", kSizeBit)), 0u);
    m_memory.Write(point(0, "", "100F", kSizeBit), 1);
    EXPECT_EQ(m_memory.Value(point(0, "", "100")), 0x8020u);
    m_memory.Write(point(0, "", "1005", kSizeBit), 0);
    EXPECT_EQ(m_memory.Value(point(0, "", "100")), 0x8000u);

    // A double word keeps its low half at n, its high half at n + 1.
    m_memory.Write(point(0, "", "200", kSizeDWord), 0x12345678);
    EXPECT_EQ(m_memory.Value(point(0, "", "200")), 0x5678u);
    EXPECT_EQ(m_memory.Value(point(0, "", "201")), 0x1234u);
    EXPECT_EQ(m_memory.Value(point(0, "", "200", kSizeDWord)), 0x12345678u);

    // Values are cut to the width; addresses beyond the panel's memory are refused.
    m_memory.Write(point(0, "", "5"), 0x12345);
    EXPECT_EQ(m_memory.Value(point(0, "", "5")), 0x2345u);
    EXPECT_FALSE(m_memory.Write(point(0, "", "1000"), 1));
    EXPECT_FALSE(m_memory.Write(point(0, "", "999", kSizeDWord), 1));
    EXPECT_EQ(m_memory.Value(point(0, "", "1000")), 0u);
}

TEST_F(DeviceMemory, PlcCellsFollowTheDriversAddresses)
{
    // The same register typed two ways is one cell; another station or width is another.
    m_memory.Write(point(1, "4x", "1"), 777);
    EXPECT_EQ(m_memory.Value(point(1, "", "40001")), 777u);
    EXPECT_EQ(m_memory.Value(point(1, "4x", "1", kSizeWord, 2)), 0u);
    EXPECT_EQ(m_memory.Value(point(1, "4x", "2")), 0u);
    EXPECT_EQ(m_memory.Value(point(1, "4x", "1", kSizeDWord)), 0u);
    m_memory.Write(point(1, "0x", "1", kSizeBit), 1);
    EXPECT_EQ(m_memory.Value(point(1, "0x", "1", kSizeBit)), 1u);
    EXPECT_EQ(m_memory.Value(point(1, "4x", "1")), 777u);
    // Channel 2 has no PLC, and the driver refuses what it does not know.
    EXPECT_FALSE(m_memory.Write(point(2, "4x", "1"), 5));
    EXPECT_FALSE(m_memory.Write(point(1, "9x", "1"), 5));
    EXPECT_FALSE(m_memory.KeyOf(point(1, "4x", "0")).has_value());
}

TEST_F(DeviceMemory, RestartKeepsOnlyTheLatchedPanelWordsAndThePlcs)
{
    for (const char *word : {"9", "10", "20", "21"})
        m_memory.Write(point(0, "", word), 42);
    m_memory.Write(point(1, "4x", "3"), 99);
    m_memory.SetLatch(true, 10, 20);
    m_memory.Reset();
    EXPECT_EQ(m_memory.Value(point(0, "", "9")), 0u);
    EXPECT_EQ(m_memory.Value(point(0, "", "10")), 42u);
    EXPECT_EQ(m_memory.Value(point(0, "", "20")), 42u);
    EXPECT_EQ(m_memory.Value(point(0, "", "21")), 0u);
    EXPECT_EQ(m_memory.Value(point(1, "4x", "3")), 99u);
    m_memory.SetLatch(false, 10, 20);
    m_memory.Reset();
    EXPECT_EQ(m_memory.Value(point(0, "", "10")), 0u);
}

TEST_F(DeviceMemory, PointListNamesEveryUsedPointOnce)
{
    CDorvaneDoc &doc = m_project.doc;
    auto digit = std::make_unique<CDigitTag>();
    digit->Point() = point(1, "4x", "1");
    ASSERT_EQ(m_project.screen(0).AddTag(std::move(digit), false), kTagOk);
    auto lamp = std::make_unique<CLampTag>();
    lamp->Point() = point(0, "", "1005", kSizeBit);
    ASSERT_EQ(m_project.screen(1).AddTag(std::move(lamp), false), kTagOk);

    AlarmRecord alarm{};
    m_project.address(alarm, 0, kAddrBit, 0, "", "1005"); // the lamp's bit again
    doc.Alarms().push_back(alarm);
    CTransRecord transfer = CTransRecord::Default(m_project.slots);
    transfer.SetDataSize(3);
    transfer.SetPanelAddress("50");
    m_project.address(transfer.Bytes(), CTransRecord::kPlcBlock, kAddrWord, 1, "4x", "1");
    doc.Transfers().push_back(transfer.Bytes());

    m_memory.CollectPoints(doc);
    std::vector<std::string> texts;
    for (const MemoryPoint &p : m_memory.Points())
        texts.push_back(p.text + ":" + std::to_string(p.dataSize));
    EXPECT_EQ(texts,
              (std::vector<std::string>{"1-0-4x1:2", "1005:1", "1-0-4x2:2", "1-0-4x3:2", "50:2",
                                        "51:2", "52:2"}));
}

TEST_F(DeviceMemory, PointsAreWatchedOverTheLimitsOfTheTagsThatShowThem)
{
    const auto show = [&](std::unique_ptr<CTag> tag, int x) {
        tag->MoveTo(x, 0);
        ASSERT_EQ(m_project.screen(0).AddTag(std::move(tag), false), kTagOk);
    };
    const auto limited = [](CPointInfo p, std::uint32_t min, std::uint32_t max) {
        p.m_min = min;
        p.m_max = max;
        return p;
    };
    // A numeric tag and a bar graph show 4x1: their limits together.
    auto digit = std::make_unique<CDigitTag>();
    digit->Point() = limited(point(1, "4x", "1"), 0, 1000);
    show(std::move(digit), 0);
    auto bar = std::make_unique<CGraphTag>();
    bar->Point() = limited(point(1, "4x", "1"), 200, 1500);
    show(std::move(bar), 40);
    // Signed limits are numbers below zero, BCD limits their digits.
    auto signedDigit = std::make_unique<CDigitTag>();
    signedDigit->Point() = point(1, "4x", "2");
    signedDigit->Point().m_signed = 1;
    signedDigit->Point().m_min = std::uint32_t(-50);
    signedDigit->Point().m_max = 50;
    show(std::move(signedDigit), 100);
    auto bcd = std::make_unique<CDigitTag>();
    bcd->Point() = limited(point(1, "4x", "3"), 0, 0x0250);
    bcd->Point().m_base = kBaseBcd;
    show(std::move(bcd), 150);
    // A message tag's value picks a message: its limits say nothing; nor does a bit.
    auto message = std::make_unique<CMessageTag>();
    message->Point() = limited(point(1, "4x", "4"), 0, 3);
    show(std::move(message), 0);
    auto lamp = std::make_unique<CLampTag>();
    lamp->Point() = point(0, "", "1005", kSizeBit);
    show(std::move(lamp), 60);

    m_memory.CollectPoints(m_project.doc);
    std::map<std::string, ValueRange> ranges;
    for (const MemoryPoint &p : m_memory.Points())
        ranges[p.text] = p.range;
    ASSERT_EQ(ranges.size(), 5u);
    EXPECT_EQ(ranges["1-0-4x1"].low, 0);
    EXPECT_EQ(ranges["1-0-4x1"].high, 1500);
    EXPECT_EQ(ranges["1-0-4x2"].low, -50);
    EXPECT_EQ(ranges["1-0-4x2"].high, 50);
    EXPECT_TRUE(ranges["1-0-4x3"].bcd);
    EXPECT_EQ(ranges["1-0-4x3"].high, 250);
    EXPECT_EQ(ranges["1-0-4x4"].high, 0xFFFF) << "the whole word";
    EXPECT_EQ(ranges["1005"].high, 1);
}

TEST_F(DeviceMemory, AssignmentsWriteListedAndTypedPoints)
{
    auto digit = std::make_unique<CDigitTag>();
    digit->Point() = point(1, "4x", "7", kSizeDWord);
    ASSERT_EQ(m_project.screen(0).AddTag(std::move(digit), false), kTagOk);
    m_memory.CollectPoints(m_project.doc);

    EXPECT_TRUE(m_memory.ApplySet("1-0-4x7=0x12345678").ok());
    EXPECT_EQ(m_memory.Value(point(1, "4x", "7", kSizeDWord)), 0x12345678u);
    EXPECT_TRUE(m_memory.ApplySet("1-1-40001=123").ok());
    EXPECT_EQ(m_memory.Value(point(1, "4x", "1", kSizeWord, 1)), 123u);
    EXPECT_TRUE(m_memory.ApplySet("1-0-0x4=1").ok());
    EXPECT_EQ(m_memory.Value(point(1, "0x", "4", kSizeBit)), 1u);
    EXPECT_TRUE(m_memory.ApplySet("100=5").ok());
    EXPECT_TRUE(m_memory.ApplySet(" 1001 = 1 ").ok());
    EXPECT_EQ(m_memory.Value(point(0, "", "100")), 7u);
    EXPECT_TRUE(m_memory.ApplySet("101=-5").ok());
    EXPECT_EQ(m_memory.Value(point(0, "", "101")), 0xFFFBu);
    EXPECT_TRUE(m_memory.ApplySet("CUR_SCR=3").ok());
    EXPECT_EQ(m_memory.Value(point(0, "", "914")), 3u);
}

TEST_F(DeviceMemory, BadAssignmentsSayWhyAndWriteNothing)
{
    struct Case
    {
        const char *text;
        MemoryResult result;
    };
    for (const Case &c :
         {Case{"100", MemoryResult::BadSyntax}, Case{"=5", MemoryResult::BadSyntax},
          Case{"1-0-9x1=1", MemoryResult::UnknownPoint},
          Case{"2-0-40001=1", MemoryResult::UnknownPoint},
          Case{"1-40-40001=1", MemoryResult::UnknownPoint},
          Case{"abc=1", MemoryResult::UnknownPoint}, Case{"100=65536", MemoryResult::BadValue},
          Case{"100=-32769", MemoryResult::BadValue}, Case{"100=12x", MemoryResult::BadValue},
          Case{"100=", MemoryResult::BadValue}, Case{"1005=2", MemoryResult::BadValue},
          Case{"1-0-0x1=-1", MemoryResult::BadValue}}) {
        const MemoryOutcome outcome = m_memory.ApplySet(c.text);
        EXPECT_EQ(outcome.result, c.result) << c.text;
        EXPECT_FALSE(outcome.message.empty()) << c.text;
    }
    EXPECT_EQ(m_memory.Value(point(0, "", "100")), 0u);
    EXPECT_EQ(parseMemoryValue("4294967295", kSizeDWord), 0xFFFFFFFFu);
    EXPECT_EQ(parseMemoryValue("-2147483648", kSizeDWord), 0x80000000u);
    EXPECT_FALSE(parseMemoryValue("4294967296", kSizeDWord));
}

} // namespace
