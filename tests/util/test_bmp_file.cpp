// BMP files made by ImageMagick, read and reduced to one bit.

#include "util/bmp_file.h"
#include "util/file_io.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <unistd.h>

using namespace util;

namespace {

class BmpFileTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        char tmpl[] = "/tmp/dorvane-bmp-XXXXXX";
        s_dir = ::mkdtemp(tmpl);
    }
    static void TearDownTestSuite() { std::system(("rm -rf " + s_dir).c_str()); }

    // Runs ImageMagick's convert, writing `name` in `format` into the test folder.
    static std::string makeAs(const std::string &args, const std::string &format,
                              const std::string &name)
    {
        const std::string path = s_dir + "/" + name;
        const std::string cmd = "convert " + args + " " + format + ":'" + path + "'";
        if (std::system(cmd.c_str()) != 0)
            ADD_FAILURE() << "convert failed: " << cmd;
        return path;
    }

    static std::string s_dir;
};

std::string BmpFileTest::s_dir;

int bitDepth(const std::string &path)
{
    const auto data = readFile(path);
    return data && data->size() > 30 ? le16(*data, 28) : -1;
}

} // namespace

TEST_F(BmpFileTest, OneBitFile)
{
    // Black bar in columns 0-4, white elsewhere.
    const auto path = makeAs("-size 20x10 xc:white -fill black -draw 'rectangle 0,0 4,9' "
                             "-type bilevel",
                             "BMP3", "one.bmp");
    ASSERT_EQ(bitDepth(path), 1);
    const auto r = readBmpFile(path);
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.bitmap.width(), 20);
    EXPECT_EQ(r.bitmap.height(), 10);
    EXPECT_FALSE(r.bitmap.pixel(0, 0));
    EXPECT_FALSE(r.bitmap.pixel(4, 9));
    EXPECT_TRUE(r.bitmap.pixel(5, 0));
    EXPECT_TRUE(r.bitmap.pixel(19, 9));
}

TEST_F(BmpFileTest, EightBitGreyThresholdsAtMidGrey)
{
    // 256 rows from black (top) to white (bottom): grey 128 and up is nearer white.
    const auto path = makeAs("-size 4x256 gradient:black-white -colorspace gray -type palette -compress none",
                             "BMP3", "grey.bmp");
    ASSERT_EQ(bitDepth(path), 8);
    const auto r = readBmpFile(path);
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_FALSE(r.bitmap.pixel(0, 0));
    EXPECT_FALSE(r.bitmap.pixel(2, 126));
    EXPECT_TRUE(r.bitmap.pixel(2, 129));
    EXPECT_TRUE(r.bitmap.pixel(3, 255));
}

TEST_F(BmpFileTest, TwentyFourAndThirtyTwoBitColour)
{
    // Dark red left half (nearer black), light yellow right half (nearer white).
    const std::string draw = "-size 20x10 xc:'rgb(200,30,30)' -fill 'rgb(250,250,100)' "
                             "-draw 'rectangle 10,0 19,9'";
    const auto rgb = makeAs(draw + " -type truecolor", "BMP3", "rgb.bmp");
    const auto rgba = makeAs(draw + " -alpha on -type truecoloralpha", "BMP", "rgba.bmp");
    ASSERT_EQ(bitDepth(rgb), 24);
    ASSERT_EQ(bitDepth(rgba), 32);
    for (const auto &path : {rgb, rgba}) {
        const auto r = readBmpFile(path);
        ASSERT_TRUE(r.ok) << path << ": " << r.error;
        EXPECT_FALSE(r.bitmap.pixel(0, 0)) << path;
        EXPECT_FALSE(r.bitmap.pixel(9, 9)) << path;
        EXPECT_TRUE(r.bitmap.pixel(10, 0)) << path;
        EXPECT_TRUE(r.bitmap.pixel(19, 9)) << path;
    }
}

TEST_F(BmpFileTest, FourBitPalette)
{
    const auto path = makeAs("-size 16x16 gradient:black-white -colorspace gray -colors 16 -compress none "
                             "-type palette",
                             "BMP3", "four.bmp");
    ASSERT_EQ(bitDepth(path), 4);
    const auto r = readBmpFile(path);
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_FALSE(r.bitmap.pixel(0, 0));
    EXPECT_TRUE(r.bitmap.pixel(0, 15));
}

TEST_F(BmpFileTest, TopDownRowsAreNotFlipped)
{
    CMonoBitmap b(3, 2, true);
    b.setPixel(0, 0, false); // top-left black
    Bytes data = writeBmp(b);
    // Turn the bottom-up file into a top-down one: negative height, rows swapped.
    setLe32(data, 22, std::uint32_t(-2));
    const std::size_t px = le32(data, 10);
    std::swap_ranges(data.begin() + long(px), data.begin() + long(px) + 4,
                     data.begin() + long(px) + 4);
    const auto r = readBmp(data);
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_FALSE(r.bitmap.pixel(0, 0));
    EXPECT_TRUE(r.bitmap.pixel(0, 1));
}

TEST_F(BmpFileTest, RefusesWhatItCannotRead)
{
    const auto huge = makeAs("-size 5000x4000 xc:white -type bilevel", "BMP3", "huge.bmp");
    EXPECT_FALSE(readBmpFile(huge).ok);

    const auto png = makeAs("-size 4x4 xc:white", "PNG", "img.png");
    auto r = readBmpFile(png);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, "not a BMP file");

    auto data = readFile(makeAs("-size 40x40 xc:white -type truecolor", "BMP3", "t.bmp"));
    ASSERT_TRUE(data);
    for (const std::size_t keep : {std::size_t(0), std::size_t(10), std::size_t(30),
                                   std::size_t(60), data->size() - 1}) {
        const Bytes cut(data->begin(), data->begin() + long(keep));
        EXPECT_FALSE(readBmp(cut).ok) << "kept " << keep << " bytes";
    }

    EXPECT_FALSE(readBmpFile(s_dir + "/missing.bmp").ok);

    // RLE-compressed 8-bit files are refused with a reason.
    auto rle = readFile(makeAs("-size 8x8 xc:white -colors 2 -type palette -compress RLE",
                               "BMP3", "rle.bmp"));
    ASSERT_TRUE(rle);
    if (le32(*rle, 30) != 0) {
        r = readBmp(*rle);
        EXPECT_FALSE(r.ok);
        EXPECT_FALSE(r.error.empty());
    }
}

TEST(BmpWriter, OneBitRoundTrip)
{
    CMonoBitmap b(13, 5, true);
    b.setPixel(0, 0, false);
    b.setPixel(12, 4, false);
    b.setPixel(7, 2, false);
    const Bytes data = writeBmp(b);
    EXPECT_EQ(le16(data, 28), 1);
    EXPECT_EQ(le32(data, 2), data.size());
    const auto r = readBmp(data);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.bitmap, b);
}

TEST(MonoBitmap, PixelsOutsideAreIgnored)
{
    CMonoBitmap b(9, 2, false);
    b.setPixel(-1, 0, true);
    b.setPixel(9, 0, true);
    EXPECT_FALSE(b.pixel(9, 0));
    b.fill(true);
    EXPECT_TRUE(b.pixel(8, 1));
    EXPECT_EQ(b.bits()[1], 0x80); // padding bits stay clear
    EXPECT_EQ(b, CMonoBitmap(9, 2, true));
}
