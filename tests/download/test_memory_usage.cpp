// Gauge labels, the memory-usage texts and the map of the panel's internal words.

#include "download_fixture.h"

#include "core/download/memory_usage.h"
#include "core/tags/button_tag.h"
#include "core/tags/digit_tag.h"
#include "core/tags/lamp_tag.h"
#include "core/tags/tag_kinds.h"

using namespace core;

TEST(MemoryUsage, GaugeLabelKeepsItsLength)
{
    EXPECT_EQ(gaugeLabel(MemoryGauge::Screen, 0, 0x412), "화면   0%");
    EXPECT_EQ(gaugeLabel(MemoryGauge::Screen, 65536 * 45 / 100 + 100, 0x412), "화면  45%");
    EXPECT_EQ(gaugeLabel(MemoryGauge::Screen, 65536, 0x412), "화면 100%");
    EXPECT_EQ(gaugeLabel(MemoryGauge::Screen, 70000, 0x412), "화면 100%");
    EXPECT_EQ(gaugeLabel(MemoryGauge::String, 16384, 0x412), "메시지  50%");
    EXPECT_EQ(gaugeLabel(MemoryGauge::Image, 10, 1033), "Image   0%");
}

TEST(MemoryUsage, DialogRows)
{
    const auto rows = memoryUseRows(714, 32768, 10, 0x412);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].name, "화면");
    EXPECT_EQ(rows[0].capacity, "64 kbyte");
    EXPECT_EQ(rows[0].used, "714 byte");
    EXPECT_EQ(rows[0].ratio, "1 %");
    EXPECT_EQ(rows[1].capacity, "32 kbyte");
    EXPECT_EQ(rows[1].ratio, "100 %");
    EXPECT_EQ(rows[2].name, "이미지");
}

TEST(SystemMemoryMap, MarkingRules)
{
    CSystemMemoryMap map;
    map.Mark("999", 3, CSystemMemoryMap::kRead); // only 999: 1000 is outside
    EXPECT_EQ(map.CellText(999), "R");
    map.Mark("10", 2, CSystemMemoryMap::kWrite);
    map.Mark("10", 2, CSystemMemoryMap::kRead);
    EXPECT_EQ(map.CellText(10), "R/W");
    map.Mark("12A", 1, CSystemMemoryMap::kRead); // bit 10 of word 12
    EXPECT_EQ(map.CellText(12), "R");
    map.Mark("F", 1, CSystemMemoryMap::kWrite); // one character: word 0
    EXPECT_EQ(map.CellText(0), "W");
    map.Mark("-5", 2, CSystemMemoryMap::kWrite);
    map.Mark("x7", 2, CSystemMemoryMap::kRead); // no leading digits: word 0
    EXPECT_EQ(map.CellText(0), "R/W");
    EXPECT_EQ(map.CellText(5), "");
    EXPECT_EQ(CSystemMemoryMap::RowHeader(50), "S980");
    EXPECT_EQ(CSystemMemoryMap::ColumnHeader(20), "+19");
}

TEST(SystemMemoryMap, FromAProject)
{
    testing_support::ProjectServices env;
    CDorvaneDoc doc;
    CScreenData *s = nullptr;
    ASSERT_EQ(doc.AddScreen(0, &s), kScreenOk);
    CTag *t = nullptr;
    ASSERT_EQ(s->CreateTag(kTagDigit, false, &t), kTagOk);
    auto &digit = static_cast<CDigitTag &>(*t);
    digit.Point().m_second = "100";
    digit.Point().m_dataSize = 3;
    ASSERT_EQ(s->CreateTag(kTagButton, false, &t), kTagOk);
    auto &button = static_cast<CButtonTag &>(*t);
    button.Point().m_second = "101"; // bit on word 10, bit 1
    button.Point().m_dataSize = 1;
    ASSERT_EQ(s->CreateTag(kTagLamp, false, &t), kTagOk);
    auto &lamp = static_cast<CLampTag &>(*t);
    lamp.Point().m_second = "300";
    lamp.Point().m_dataSize = 1;
    lamp.Point().m_channel = 1; // on a PLC: not the panel's memory
    // Function key 1 sets a value in word 200; key 2 changes the screen (never marked).
    auto &key = s->FunctionKey(0);
    util::setFixedText(key, 0, 40, "200");
    util::setLe16(key, 40, 2);
    util::setLe16(key, 64, 2);
    auto &change = s->FunctionKey(1);
    util::setFixedText(change, 0, 40, "201");
    util::setLe16(change, 64, 5);
    // A block transfer of 3 words from the PLC into words 500-502.
    TransferRecord tr{};
    util::setFixedText(tr, 62, 40, "500");
    util::setLe16(tr, 124, 0);
    util::setLe16(tr, 126, 3);
    util::setLe16(tr, 0 + 58, 1); // the PLC side
    doc.Transfers().push_back(tr);

    const auto map = buildSystemMemoryMap(doc);
    EXPECT_EQ(map.CellText(100), "R");
    EXPECT_EQ(map.CellText(101), "R");
    EXPECT_EQ(map.CellText(10), "W");
    EXPECT_EQ(map.CellText(30), "");
    EXPECT_EQ(map.CellText(200), "W");
    EXPECT_EQ(map.CellText(201), "");
    EXPECT_EQ(map.CellText(500), "W");
    EXPECT_EQ(map.CellText(502), "W");
    EXPECT_EQ(map.CellText(503), "");
}
