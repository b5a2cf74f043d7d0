#include "util/archive.h"

#include <gtest/gtest.h>

using namespace util;

TEST(Archive, StoresLittleEndianIntegers)
{
    CArchive ar;
    ar.writeU16(0x1234);
    ar.writeU32(0xA1B2C3D4);
    ar.writeI32(-2);
    EXPECT_EQ(ar.buffer(), (Bytes{0x34, 0x12, 0xD4, 0xC3, 0xB2, 0xA1, 0xFE, 0xFF, 0xFF, 0xFF}));
}

TEST(Archive, StringLengthPrefixes)
{
    CArchive ar;
    ar.writeString("");
    ar.writeString("AB");
    ar.writeString(std::string(254, 'x')); // the largest one-byte length
    ar.writeString(std::string(255, 'y')); // first that needs 0xFF + 16 bits
    const auto &b = ar.buffer();
    ASSERT_EQ(b.size(), 1u + 3u + 255u + 3u + 255u);
    EXPECT_EQ(b[0], 0);
    EXPECT_EQ(b[1], 2);
    EXPECT_EQ(b[2], 'A');
    EXPECT_EQ(b[4], 254);
    EXPECT_EQ(b[259], 0xFF);
    EXPECT_EQ(b[260], 0xFF); // 255 little-endian
    EXPECT_EQ(b[261], 0x00);
    EXPECT_EQ(b[262], 'y');
}

TEST(Archive, LongStringUsesThirtyTwoBitLength)
{
    CArchive ar;
    const std::string big(0x10000, 'z');
    ar.writeString(big);
    const auto &b = ar.buffer();
    EXPECT_EQ((Bytes(b.begin(), b.begin() + 7)), (Bytes{0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x01, 0x00}));
    CArchive in(b);
    EXPECT_EQ(in.readString(), big);
    EXPECT_TRUE(in.ok());
    EXPECT_TRUE(in.atEnd());
}

TEST(Archive, RoundTripThroughSymmetricIo)
{
    std::uint16_t a = 7;
    std::uint32_t b = 0xDEADBEEF;
    std::int32_t c = -40;
    std::string s = "\xC8\xAD\xB8\xE9 1"; // CP949 bytes travel untouched
    std::uint8_t raw[3] = {9, 8, 7};
    CArchive out;
    out.io(a);
    out.io(b);
    out.io(c);
    out.io(s);
    out.io(ByteSpan(raw));

    CArchive in(out.buffer());
    std::uint16_t a2 = 0;
    std::uint32_t b2 = 0;
    std::int32_t c2 = 0;
    std::string s2;
    std::uint8_t raw2[3] = {};
    in.io(a2);
    in.io(b2);
    in.io(c2);
    in.io(s2);
    in.io(ByteSpan(raw2));
    EXPECT_TRUE(in.ok());
    EXPECT_EQ(a2, a);
    EXPECT_EQ(b2, b);
    EXPECT_EQ(c2, c);
    EXPECT_EQ(s2, s);
    EXPECT_EQ(raw2[2], 7);
}

TEST(Archive, ReadingPastTheEndIsAnErrorNotUndefined)
{
    // A string that claims 10 bytes but has 3.
    const Bytes data{10, 'a', 'b', 'c'};
    CArchive in(data);
    EXPECT_EQ(in.readString(), "");
    EXPECT_FALSE(in.ok());
    EXPECT_EQ(in.readU32(), 0u);
    EXPECT_EQ(in.readU8(), 0u);
    EXPECT_FALSE(in.ok());

    const Bytes shortInt{1, 2, 3};
    CArchive in2(shortInt);
    EXPECT_EQ(in2.readU32(), 0u);
    EXPECT_FALSE(in2.ok());
}
