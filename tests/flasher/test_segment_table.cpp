// Placing OS image records into the flash blocks, padding and the sums the target checks.

#include "flash_segment_table.h"

#include <gtest/gtest.h>

#include <numeric>

using quillet::CFlashSegmentTable;
using quillet::SRecord;

namespace {

SRecord record(std::uint32_t address, std::size_t count, std::uint8_t first = 0x10)
{
    SRecord r;
    r.address = address;
    for (std::size_t i = 0; i < count; ++i)
        r.data.push_back(static_cast<std::uint8_t>(first + i));
    return r;
}

} // namespace

TEST(SegmentMap, DevicesHaveTheirBlocks)
{
    const auto h8 = CFlashSegmentTable::forDevice(0);
    ASSERT_EQ(h8.blocks().size(), 8u);
    EXPECT_EQ(h8.blocks()[4].start, 0x1000u);
    EXPECT_EQ(h8.blocks()[4].end, 0x7FFFu);
    EXPECT_EQ(h8.blocks().back().end, 0x1FFFFu);
    EXPECT_EQ(CFlashSegmentTable::forDevice(3).blocks().size(), 8u);

    const auto br12 = CFlashSegmentTable::forDevice(2);
    ASSERT_EQ(br12.blocks().size(), 12u);
    EXPECT_EQ(br12.blocks()[7].start, 0x7000u);
    EXPECT_EQ(br12.blocks()[8].end, 0xFFFFu);
    EXPECT_EQ(br12.blocks().back().start, 0x30000u);
    EXPECT_EQ(br12.blocks().back().end, 0x3FFFFu);
}

TEST(SegmentTable, GapBeforeARecordIsErasedAndBlocksArePaddedToPieces)
{
    // Records ending at 0x0FF0, then one at 0x1000 (device 2: next block): 16 bytes of 0xFF.
    auto table = CFlashSegmentTable::forDevice(2);
    ASSERT_TRUE(table.load({record(0x0000, 0x800), record(0x0900, 0x6F0), record(0x1000, 4)}));
    const auto &b0 = table.blocks()[0];
    EXPECT_EQ(b0.length, 0x1000u);
    for (std::uint32_t a = 0x800; a < 0x900; ++a)
        ASSERT_EQ(b0.data[a], 0xFF) << a;
    for (std::uint32_t a = 0xFF0; a < 0x1000; ++a)
        ASSERT_EQ(b0.data[a], 0xFF) << a;
    EXPECT_EQ(b0.data[0x900], 0x10);

    const auto &b1 = table.blocks()[1];
    EXPECT_EQ(b1.length, 128u); // 4 bytes of data, padded to one piece
    EXPECT_EQ(b1.data[3], 0x13);
    EXPECT_EQ(b1.data[4], 0xFF);
    EXPECT_EQ(table.totalLength(), 0x1000u + 128u);
}

TEST(SegmentTable, OneHundredTwentyNineBytesMakeTwoPieces)
{
    auto table = CFlashSegmentTable::forDevice(0);
    ASSERT_TRUE(table.load({record(0x400, 19), record(0x413, 110)}));
    const auto &block = table.blocks()[1];
    EXPECT_EQ(block.length, 256u);
    EXPECT_EQ(block.data[128], 0x10 + 109);
    for (std::size_t i = 129; i < 256; ++i)
        ASSERT_EQ(block.data[i], 0xFF);
}

TEST(SegmentTable, WholePiecesOfDataGetNoExtraPiece)
{
    // Data that ends on a piece boundary well before the block's end is sent as it is: one
    // more piece would write 128 erased bytes and put them into the checksum.
    for (const std::uint32_t length : {128u, 256u, 0x1000u, 0x6F80u}) {
        auto table = CFlashSegmentTable::forDevice(0);
        ASSERT_TRUE(table.load({record(0x1000, length, 0x00)})) << length;
        const auto &block = table.blocks()[4]; // 0x1000-0x7FFF
        EXPECT_EQ(block.length, length);
        EXPECT_EQ(table.totalLength(), length);
        std::uint8_t sum = 0;
        for (std::uint32_t i = 0; i < length; ++i)
            sum = static_cast<std::uint8_t>(sum + static_cast<std::uint8_t>(i));
        EXPECT_EQ(block.checksum, static_cast<std::uint8_t>(~sum)) << length;
    }
    // A piece boundary inside the data after a gap: the block's data ends at 0x200.
    auto gap = CFlashSegmentTable::forDevice(0);
    ASSERT_TRUE(gap.load({record(0x1180, 128)}));
    EXPECT_EQ(gap.blocks()[4].length, 0x200u);
}

TEST(SegmentTable, BlockChecksumIsOnesComplementOfTheByteSum)
{
    auto table = CFlashSegmentTable::forDevice(0);
    ASSERT_TRUE(table.load({record(0x0, 2, 0x01)})); // 0x01, 0x02, then 126 x 0xFF
    const std::uint8_t sum = static_cast<std::uint8_t>(0x01 + 0x02 + 126 * 0xFF);
    EXPECT_EQ(table.blocks()[0].checksum, static_cast<std::uint8_t>(~sum));
    EXPECT_EQ(table.blocks()[1].checksum, 0xFF); // empty block
}

TEST(SegmentTable, RecordRunningPastABlockContinuesInTheNext)
{
    auto table = CFlashSegmentTable::forDevice(0);
    ASSERT_TRUE(table.load({record(0x3F0, 0x20)}));
    EXPECT_EQ(table.blocks()[0].length, 0x400u);
    EXPECT_EQ(table.blocks()[0].data[0x3FF], 0x10 + 0xF);
    EXPECT_EQ(table.blocks()[1].length, 128u);
    EXPECT_EQ(table.blocks()[1].data[0], 0x10 + 0x10);
    EXPECT_EQ(table.blocks()[1].data[0xF], 0x10 + 0x1F);
}

TEST(SegmentTable, RecordBelowEarlierDataKeepsBoth)
{
    auto table = CFlashSegmentTable::forDevice(0);
    ASSERT_TRUE(table.load({record(0x1100, 4, 0xA0), record(0x1000, 4, 0xB0)}));
    const auto &block = table.blocks()[4];
    EXPECT_EQ(block.data[0x100], 0xA0);
    EXPECT_EQ(block.data[0x000], 0xB0);
    EXPECT_EQ(block.length, 0x180u);
}

TEST(SegmentTable, ReadingStopsAtTheFirstRecordOutsideTheMap)
{
    auto table = CFlashSegmentTable::forDevice(0);
    EXPECT_FALSE(table.load({record(0x20000, 16), record(0x0, 16)}));
    EXPECT_FALSE(table.hasData());

    auto kept = CFlashSegmentTable::forDevice(0);
    EXPECT_TRUE(kept.load({record(0x0, 16), record(0x20000, 16), record(0x8000, 16)}));
    EXPECT_EQ(kept.blocks()[0].length, 128u);
    EXPECT_EQ(kept.blocks()[5].length, 0u);
}

TEST(SegmentTable, VerificationSumCoversTheWholeMap)
{
    auto table = CFlashSegmentTable::forDevice(0);
    const auto data = record(0x10000, 300, 0x00);
    ASSERT_TRUE(table.load({data}));
    std::uint32_t dataSum = 0;
    for (const auto b : data.data)
        dataSum += b;
    // 128 KB in all; every byte without data counts as 0xFF.
    const std::uint32_t expected = dataSum + (0x20000u - 300u) * 0xFFu;
    EXPECT_EQ(table.verificationSum(), expected);

    const auto empty = CFlashSegmentTable::forDevice(2);
    EXPECT_EQ(empty.verificationSum(), 0x40000u * 0xFFu);
}
