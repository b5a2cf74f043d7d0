// S-record and raw image reading: which lines count as data, and what the images hold.

#include "raw_image_file.h"
#include "sim_process.h"
#include "srecord_file.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

using quillet::CSRecordFile;

namespace {

std::vector<std::uint8_t> bytes(std::initializer_list<int> values)
{
    std::vector<std::uint8_t> out;
    for (const int v : values)
        out.push_back(static_cast<std::uint8_t>(v));
    return out;
}

} // namespace

TEST(SRecordLine, S1AndS2CarryAddressAndData)
{
    // S1: count 06 = 2 address + 3 data + 1 checksum; the line is 2*6+6 = 18 characters.
    const auto s1 = CSRecordFile::parseLine("S1061234AABBCC00\r\n");
    ASSERT_TRUE(s1);
    EXPECT_EQ(s1->address, 0x1234u);
    EXPECT_EQ(s1->data, bytes({0xAA, 0xBB, 0xCC}));

    const auto s2 = CSRecordFile::parseLine("S2060123450102FF\r\n");
    ASSERT_TRUE(s2);
    EXPECT_EQ(s2->address, 0x012345u);
    EXPECT_EQ(s2->data, bytes({0x01, 0x02}));
}

TEST(SRecordLine, ChecksumIsNotExamined)
{
    const auto record = CSRecordFile::parseLine("S1061234AABBCCEE\r\n");
    ASSERT_TRUE(record);
    EXPECT_EQ(record->data.size(), 3u);
}

TEST(SRecordLine, OtherAndMalformedLinesAreSkipped)
{
    EXPECT_FALSE(CSRecordFile::parseLine("S00600004844521B\r\n")); // header
    EXPECT_FALSE(CSRecordFile::parseLine("S30701234567AA00\r\n")); // S3 is not read
    EXPECT_FALSE(CSRecordFile::parseLine("S9030000FC\r\n")); // end record
    EXPECT_FALSE(CSRecordFile::parseLine("S1061234AABBCC00")); // no line end at all
    EXPECT_FALSE(CSRecordFile::parseLine("S1061234AABBCC00\r")); // carriage return alone
    EXPECT_FALSE(CSRecordFile::parseLine("S1061234AABBCC00\n\r")); // ends after the line end
    EXPECT_FALSE(CSRecordFile::parseLine("S1061234AABBCC00\r\r\n")); // one character too many
    EXPECT_FALSE(CSRecordFile::parseLine("S1071234AABBCC00\r\n")); // count says one byte more
    EXPECT_FALSE(CSRecordFile::parseLine("S1061234AABBCC0\r\n")); // one character short
    EXPECT_FALSE(CSRecordFile::parseLine("S1061234AAXBCC00\r\n")); // not hexadecimal
    EXPECT_FALSE(CSRecordFile::parseLine("S1021234\r\n")); // count below the address
}

TEST(SRecordLine, LinesUpTo254CharactersAreRead)
{
    // n = 124 gives 2*124+6 = 254 characters: the longest readable record.
    std::string longest = "S17C0000";
    longest.append(2 * 121, 'A');
    longest += "00\r\n";
    ASSERT_EQ(longest.size(), 254u);
    const auto record = CSRecordFile::parseLine(longest);
    ASSERT_TRUE(record);
    EXPECT_EQ(record->data.size(), 121u);

    std::string tooLong = "S17D0000";
    tooLong.append(2 * 122, 'A');
    tooLong += "00\r\n";
    EXPECT_FALSE(CSRecordFile::parseLine(tooLong));
    // The over-long line is skipped as a whole; the next line is read normally.
    const auto records = CSRecordFile::parse(tooLong + "S1061234AABBCC00\r\n");
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].address, 0x1234u);
}

TEST(SRecordLine, LineFeedAloneEndsALineToo)
{
    const auto lf = CSRecordFile::parseLine("S1061234AABBCC00\n");
    ASSERT_TRUE(lf);
    EXPECT_EQ(lf->address, 0x1234u);
    EXPECT_EQ(lf->data, bytes({0xAA, 0xBB, 0xCC}));
    EXPECT_FALSE(CSRecordFile::parseLine("S1071234AABBCC00\n")); // the count still must match

    // The length limit counts the line as if it ended with CR LF: 253 characters with LF.
    std::string longest = "S17C0000";
    longest.append(2 * 121, 'A');
    longest += "00\n";
    EXPECT_TRUE(CSRecordFile::parseLine(longest));
    std::string tooLong = "S17D0000";
    tooLong.append(2 * 122, 'A');
    tooLong += "00\n";
    EXPECT_FALSE(CSRecordFile::parseLine(tooLong));

    // Both endings in one file.
    const auto records = CSRecordFile::parse("S00600004844521B\nS1051000AABB00\r\nS1041002CC00\n"
                                             "S9030000FC\n");
    EXPECT_EQ(CSRecordFile::concatenate(records), bytes({0xAA, 0xBB, 0xCC}));
}

TEST(SRecordFile, BootImageAppendsDataInFileOrderIgnoringAddresses)
{
    const std::string text = "S00600004844521B\r\n"
                             "S1060100010203F0\r\n"
                             "S1050000AABB00\r\n"
                             "S1060200040506F0\n" // LF alone ends a line too
                             "S1060200X40506F0\r\n" // skipped: not hexadecimal
                             "S2070100000708090A\r\n"
                             "S9030000FC\r\n";
    const auto records = CSRecordFile::parse(text);
    EXPECT_EQ(CSRecordFile::concatenate(records),
              bytes({0x01, 0x02, 0x03, 0xAA, 0xBB, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09}));
}

TEST(SRecordFile, ReadsWhatSrecCatWrites)
{
    const CTempFolder temp("quillet-srec-");
    const std::string dir = temp.path();
    std::vector<unsigned char> data(300);
    for (std::size_t i = 0; i < data.size(); ++i)
        data[i] = static_cast<unsigned char>(i * 7 + 3);
    writeFileBytes(dir + "/in.bin", data);
    ASSERT_EQ(runCommand("srec_cat " + dir + "/in.bin -binary -offset 0x1F00 -o " + dir
                         + "/out.mot -motorola -address-length=2 -crlf"),
              0);
    const auto records = CSRecordFile::read(dir + "/out.mot");
    ASSERT_TRUE(records);
    ASSERT_FALSE(records->empty());
    EXPECT_EQ(records->front().address, 0x1F00u);
    const auto image = CSRecordFile::concatenate(*records);
    EXPECT_EQ(std::vector<unsigned char>(image.begin(), image.end()), data);

    EXPECT_FALSE(CSRecordFile::read(dir + "/missing.mot"));

    // srec_cat's own line ends are LF alone.
    ASSERT_EQ(runCommand("srec_cat " + dir + "/in.bin -binary -offset 0x1F00 -o " + dir
                         + "/lf.mot -motorola -address-length=2"),
              0);
    ASSERT_EQ(readFileText(dir + "/lf.mot").find('\r'), std::string::npos);
    const auto lf = CSRecordFile::read(dir + "/lf.mot");
    ASSERT_TRUE(lf);
    const auto lfImage = CSRecordFile::concatenate(*lf);
    EXPECT_EQ(std::vector<unsigned char>(lfImage.begin(), lfImage.end()), data);
}

TEST(SRecordFile, FilesLargerThanAnyImageAreRefusedUnread)
{
    const CTempFolder temp("quillet-srec-");
    const std::string path = temp.path() + "/huge.mot";
    writeFileBytes(path,
                   {'S', '1', '0', '6', '1', '2', '3', '4', 'A', 'A', 'B', 'B', 'C', 'C', '0', '0',
                    '\r', '\n'});
    ASSERT_EQ(runCommand("truncate -s 2G " + path), 0); // sparse
    bool tooLarge = false;
    EXPECT_FALSE(CSRecordFile::read(path, &tooLarge));
    EXPECT_TRUE(tooLarge);
    ASSERT_EQ(runCommand("truncate -s " + std::to_string(CSRecordFile::kMaxFile) + " " + path), 0);
    const auto atTheBound = CSRecordFile::read(path, &tooLarge);
    ASSERT_TRUE(atTheBound);
    EXPECT_FALSE(tooLarge);
    EXPECT_EQ(atTheBound->size(), 1u);
}

TEST(RawImage, ShortFileIsPaddedWithErasedBytes)
{
    const CTempFolder temp("quillet-raw-");
    const std::string dir = temp.path();
    writeFileBytes(dir + "/short.bin", {1, 2, 3});
    const auto image = quillet::readRawImage(dir + "/short.bin", 6);
    ASSERT_TRUE(image);
    EXPECT_EQ(*image, bytes({1, 2, 3, 0xFF, 0xFF, 0xFF}));
    EXPECT_FALSE(quillet::readRawImage(dir + "/missing.bin", 6));
}

TEST(RawImage, ReadsAtMost0x50000Bytes)
{
    const CTempFolder temp("quillet-raw-");
    const std::string dir = temp.path();
    writeFileBytes(dir + "/big.bin", std::vector<unsigned char>(0x50010, 0x5A));
    const auto image = quillet::readRawImage(dir + "/big.bin", 0x50C);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->size(), 0x50000u);
}
