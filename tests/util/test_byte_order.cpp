#include "util/byte_order.h"

#include <gtest/gtest.h>

using namespace util;

TEST(ByteOrder, ReadsBothOrders)
{
    const Bytes data{0x12, 0x34, 0x56, 0x78};
    EXPECT_EQ(readU16(data, 0, Endian::Big), 0x1234);
    EXPECT_EQ(readU16(data, 0, Endian::Little), 0x3412);
    EXPECT_EQ(readU32(data, 0, Endian::Big), 0x12345678u);
    EXPECT_EQ(readU32(data, 0, Endian::Little), 0x78563412u);
    EXPECT_EQ(be16(data, 2), 0x5678);
    EXPECT_EQ(le32(data, 0), 0x78563412u);
}

TEST(ByteOrder, OutOfRangeNeverTouchesMemory)
{
    Bytes data{1, 2, 3};
    EXPECT_FALSE(readU16(data, 2, Endian::Big));
    EXPECT_FALSE(readU32(data, 0, Endian::Big));
    EXPECT_FALSE(readU16(data, std::size_t(-1), Endian::Big)); // no wrap-around
    EXPECT_FALSE(writeU32(data, 0, 0xFFFFFFFF, Endian::Big));
    EXPECT_FALSE(writeU16(data, 2, 0xFFFF, Endian::Little));
    EXPECT_EQ(data, (Bytes{1, 2, 3}));
}

TEST(ByteOrder, WritesBothOrders)
{
    Bytes data(6, 0);
    setBe16(data, 0, 0xF5FA);
    setLe32(data, 2, 0x01020304);
    EXPECT_EQ(data, (Bytes{0xF5, 0xFA, 0x04, 0x03, 0x02, 0x01}));
}

TEST(ByteOrder, FixedTextIsCutAndPadded)
{
    Bytes data(8, 0xAA);
    setFixedText(data, 2, 4, "ABCDEF");
    EXPECT_EQ(data, (Bytes{0xAA, 0xAA, 'A', 'B', 'C', 0, 0xAA, 0xAA}));
    EXPECT_EQ(fixedText(data, 2, 4), "ABC");
    // A field without terminator ends at its size.
    const Bytes full{'X', 'Y', 'Z'};
    EXPECT_EQ(fixedText(full, 0, 3), "XYZ");
    EXPECT_EQ(fixedText(full, 1, 10), "YZ");
}

TEST(ByteReader, StickyFailureZeroesOutputs)
{
    const Bytes data{0x00, 0x10, 0xAB};
    ByteReader r(data, Endian::Big);
    std::uint16_t a = 0;
    std::uint16_t b = 0xFFFF;
    std::uint8_t c = 0xFF;
    EXPECT_TRUE(r.u16(a));
    EXPECT_EQ(a, 0x0010);
    EXPECT_FALSE(r.u16(b)); // one byte left
    EXPECT_EQ(b, 0);
    EXPECT_FALSE(r.u8(c)); // stays failed even though a byte remains
    EXPECT_EQ(c, 0);
    EXPECT_FALSE(r.ok());
    EXPECT_EQ(r.remaining(), 0u);
}

TEST(ByteWriter, AppendsInOrder)
{
    Bytes out;
    ByteWriter w(out, Endian::Little);
    w.u16(0x0100);
    w.u32(122);
    w.zeros(2);
    EXPECT_EQ(out, (Bytes{0x00, 0x01, 122, 0, 0, 0, 0, 0}));
}
