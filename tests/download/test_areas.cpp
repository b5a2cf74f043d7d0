// Area images against bytes written out by hand from the layouts.

#include "download_fixture.h"

#include "core/download/global_area.h"
#include "core/download/image_area.h"
#include "core/download/string_area.h"

#include "util/file_io.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

using namespace core;
using testing_support::bytesOf;

namespace {

class Areas : public ::testing::Test
{
protected:
    testing_support::ProjectServices m_env;
    CDorvaneDoc m_doc;
    CDownloadImages m_images;
};

} // namespace

TEST_F(Areas, EmptyStringAreaIsTenBytes)
{
    ASSERT_TRUE(m_images.BuildStringArea(m_doc.Strings()).ok);
    EXPECT_EQ(bytesOf(m_images.Image(AreaId::String)),
              (util::Bytes{0, 0, 0, 10, 0x00, 0x01, 0x01, 0x00, 0x00, 0x00}));
}

TEST_F(Areas, StringAreaIndexAndRecords)
{
    ASSERT_EQ(m_doc.Strings().Add(7, "AB"), 0);
    ASSERT_EQ(m_doc.Strings().Add(3, "\xC8\xAD"), 0);
    ASSERT_TRUE(m_images.BuildStringArea(m_doc.Strings()).ok);
    // Header 10, index 2 x 6 = 12, records 2+2 and 2+2: 30 bytes.
    const util::Bytes expected{0,    0,    0,    30,   0,    0, // length, checksum (below)
                               0x01, 0x00, 0x00, 0x02, // version, count
                               0x00, 0x40, 0x80, 22,   0x00, 0x07, // 0x408000 + 22, id 7
                               0x00, 0x40, 0x80, 26,   0x00, 0x03, // 0x408000 + 26, id 3
                               0x00, 0x02, 'A',  'B', // table order, not identifier order
                               0x00, 0x02, 0xC8, 0xAD};
    util::Bytes image = bytesOf(m_images.Image(AreaId::String));
    ASSERT_EQ(image.size(), expected.size());
    unsigned sum = 0;
    for (std::size_t i = 6; i < expected.size(); ++i)
        sum += expected[i];
    EXPECT_EQ(util::be16(image, 4), sum & 0xFFFF);
    image[4] = image[5] = 0;
    EXPECT_EQ(image, expected);

    CStrResMgr back;
    ASSERT_TRUE(parseStringArea(m_images.Image(AreaId::String), back).ok);
    ASSERT_EQ(back.Count(), 2u);
    EXPECT_EQ(back.Strings()[0]->m_id, 7u);
    EXPECT_EQ(back.Text(3), "\xC8\xAD");
}

TEST_F(Areas, EmptyGlobalAreaIs352Bytes)
{
    // The parameter block of a new project: signature 0xF5FA, backlight 20, channel 1 PLC type 1
    // with 500 ms and baud index 5, channel 2 type 0 with 500 ms and index 5.
    m_doc.Parameters() = CDorvaneDoc::NewProjectParameters(0);
    ASSERT_TRUE(m_images.BuildGlobalArea(m_doc).ok);
    const auto image = m_images.Image(AreaId::Global);
    ASSERT_EQ(image.size(), 352u);
    EXPECT_EQ(util::be32(image, 0), 352u);
    EXPECT_EQ(util::be16(image, 6), 0xF5FA); // block 0 at area 6, big-endian
    EXPECT_EQ(util::be16(image, 6 + 16), 20); // backlight
    EXPECT_EQ(util::be16(image, 232), 1); // channel 1 type at area 232
    EXPECT_EQ(util::be16(image, 264), 0); // channel 2 type at area 264
    for (std::size_t at : {216, 248, 316}) // the zero gaps
        EXPECT_EQ(util::be32(image, at), 0u) << at;
    for (std::size_t at = 328; at < 352; ++at)
        EXPECT_EQ(image[at], 0) << at; // four zero counts and pointers
    unsigned sum = 0;
    for (std::size_t i = 6; i < 352; ++i)
        sum += image[i];
    EXPECT_EQ(util::be16(image, 4), sum & 0xFFFF);
}

TEST_F(Areas, GlobalAreaPlacesAndConvertsRecords)
{
    AlarmRecord alarm{};
    alarm[0] = '1'; // address field copied as it is
    util::setLe16(alarm, 40, 1); // address block word 40 (little-endian in memory)
    util::setLe32(alarm, 54, 0x01020304);
    util::setLe16(alarm, 62, 0x0211); // continuous buzzer, hidden after clearing, condition On
    util::setLe16(alarm, 66, 0xABCD); // not a converted field: copied as it is
    m_doc.Alarms() = {alarm, alarm};
    ReservationRecord res{};
    util::setLe16(res, 78, 0x0002);
    m_doc.Reservations() = {res};
    ASSERT_TRUE(m_images.BuildGlobalArea(m_doc).ok);
    const auto image = m_images.Image(AreaId::Global);
    ASSERT_EQ(image.size(), 352u + 2 * 104 + 142);
    EXPECT_EQ(util::be16(image, 328), 2);
    EXPECT_EQ(util::be16(image, 334), 1);
    EXPECT_EQ(util::be32(image, 336), 0x400000u + 352);
    EXPECT_EQ(util::be32(image, 340), 0u);
    EXPECT_EQ(util::be32(image, 348), 0x400000u + 352 + 208);
    EXPECT_EQ(image[352], '1');
    EXPECT_EQ(util::be16(image, 352 + 40), 1);
    EXPECT_EQ(util::be32(image, 352 + 54), 0x01020304u);
    EXPECT_EQ(util::be16(image, 352 + 62), 0x0211);
    EXPECT_EQ(util::le16(image, 352 + 66), 0xABCD);
    EXPECT_EQ(util::be16(image, 352 + 208 + 78), 2);

    CDorvaneDoc back;
    ASSERT_TRUE(parseGlobalArea(image, back).ok);
    ASSERT_EQ(back.Alarms().size(), 2u);
    EXPECT_EQ(back.Alarms()[1], alarm);
    ASSERT_EQ(back.Reservations().size(), 1u);
    EXPECT_EQ(back.Reservations()[0], res);
    EXPECT_TRUE(back.Calculations().empty());
}

TEST_F(Areas, GlobalAreaKeepsOnlyTheStoredParameterBytes)
{
    auto &p = m_doc.Parameters();
    for (std::size_t i = 0; i < p.size(); ++i)
        p[i] = std::uint8_t(i * 7 + 1);
    // Fields with a range (the links' devices, the channels' stations and indices) in it.
    for (const std::size_t at : {68, 114})
        util::setLe16(p, at, 1);
    for (const std::size_t channel : {210, 262})
        for (const std::size_t at : {2, 4, 6, 8, 12, 14, 16, 50})
            util::setLe16(p, channel + at, 1);
    ASSERT_TRUE(m_images.BuildGlobalArea(m_doc).ok);
    CDorvaneDoc back;
    ASSERT_TRUE(parseGlobalArea(m_images.Image(AreaId::Global), back).ok);
    for (std::size_t i = 0; i < p.size(); ++i) {
        const bool stored = i < 224 || (i >= 260);
        EXPECT_EQ(back.Parameters()[i], stored ? p[i] : 0) << i;
    }
}

TEST_F(Areas, ImageBandsAndPadding)
{
    // 3 x 10: two bands, the last six rows of the second band are 1 bits.
    util::CMonoBitmap b(3, 10, true);
    b.setPixel(0, 0, false); // top-left black
    b.setPixel(2, 9, false); // bottom-right black
    util::Bytes buffer(64, 0);
    std::size_t offset = 16;
    ASSERT_TRUE(writeImageRecord(b, 42, 10, offset, buffer));
    EXPECT_EQ(offset, 16u + 6 + 6);
    EXPECT_EQ(util::be32(buffer, 10), 0x420000u + 16);
    EXPECT_EQ(util::be16(buffer, 14), 42);
    EXPECT_EQ((util::Bytes(buffer.begin() + 16, buffer.begin() + 28)),
              (util::Bytes{0, 3, 0, 10, 0, 6, // width, height, data length
                           0xFE, 0xFF, 0xFF, // band 1: bit 0 (top row) of column 0 clear
                           0xFF, 0xFF, 0xFD})); // band 2: row 9 is bit 1 of column 2
    EXPECT_EQ(decodeImageData(util::ConstByteSpan(buffer).subspan(22, 6), 3, 10), b);

    util::CMonoBitmap eight(2, 16, false);
    util::Bytes buf2(64, 0);
    offset = 10;
    ASSERT_TRUE(writeImageRecord(eight, 1, 0, offset, buf2));
    EXPECT_EQ(util::be16(buf2, 14), 4); // exactly two bands of two columns
}

TEST_F(Areas, ImageRoomCheckLeavesAZeroIndexEntry)
{
    util::CMonoBitmap b(192, 64, true);
    util::Bytes buffer(kImageCapacity, 0);
    // padded size 24 x 64 = 1536, data 8 x 192 = 1536: room only below 0xFFFA.
    std::size_t offset = 0xFFFA - 1536;
    EXPECT_FALSE(writeImageRecord(b, 5, 10, offset, buffer));
    EXPECT_EQ(offset, std::size_t(0xFFFA - 1536));
    EXPECT_EQ(util::be32(buffer, 10), 0u);
    offset = 0xFFFA - 1537;
    EXPECT_TRUE(writeImageRecord(b, 5, 10, offset, buffer));
}

TEST_F(Areas, ImageAreaRoundTrip)
{
    for (int id : {1000, 7, 300}) {
        auto img = std::make_unique<CIndexedImage>();
        img->m_id = std::uint32_t(id);
        img->m_bitmap = util::CMonoBitmap(id % 50 + 1, id % 23 + 1, true);
        img->m_bitmap.setPixel(0, 0, false);
        ASSERT_EQ(m_doc.Images().Add(std::move(img)), 0);
    }
    ASSERT_TRUE(m_images.BuildImageArea(m_doc).ok);
    const auto image = m_images.Image(AreaId::Image);
    EXPECT_EQ(util::be16(image, 8), 3);
    EXPECT_EQ(util::be16(image, 14), 1000); // table order
    CImgResMgr other;
    std::map<std::uint16_t, TextBlock> texts;
    ASSERT_TRUE(parseImageArea(image, other, texts).ok);
    ASSERT_EQ(other.Count(), 3u);
    EXPECT_EQ(other.Images()[2]->m_id, 300u);
    EXPECT_EQ(other.Images()[2]->m_bitmap, m_doc.Images().Images()[2]->m_bitmap);
    EXPECT_EQ(other.UsedBytes(), m_doc.Images().UsedBytes());
    EXPECT_TRUE(texts.empty());
}

TEST_F(Areas, DamagedAreasAreRefusedAndChangeNothing)
{
    ASSERT_EQ(m_doc.Strings().Add(1, "hello"), 0);
    ASSERT_TRUE(m_images.BuildStringArea(m_doc.Strings()).ok);
    const util::Bytes good = bytesOf(m_images.Image(AreaId::String));

    CStrResMgr target;
    ASSERT_EQ(target.Add(99, "keep"), 0);
    auto bad = good;
    bad[3] += 1; // length field no longer matches
    EXPECT_FALSE(parseStringArea(bad, target).ok);
    bad = good;
    util::setBe32(bad, 10, 0x408000 + 200); // pointer outside
    EXPECT_FALSE(parseStringArea(bad, target).ok);
    bad = good;
    util::setBe16(bad, 16, 200); // text longer than the image
    EXPECT_FALSE(parseStringArea(bad, target).ok);
    bad = good;
    util::setBe16(bad, 8, 900); // index past the end
    EXPECT_FALSE(parseStringArea(bad, target).ok);
    EXPECT_EQ(target.Text(99), "keep");
    EXPECT_EQ(target.Count(), 1u);

    m_doc.Alarms().push_back(AlarmRecord{});
    ASSERT_TRUE(m_images.BuildGlobalArea(m_doc).ok);
    auto global = bytesOf(m_images.Image(AreaId::Global));
    util::setBe16(global, 328, 5); // five alarms claimed, one present
    CDorvaneDoc back;
    back.Calculations().push_back(CalcRecord{});
    EXPECT_FALSE(parseGlobalArea(global, back).ok);
    EXPECT_EQ(back.Calculations().size(), 1u);
}

namespace {

class FileAreas : public Areas
{
protected:
    void SetUp() override
    {
        char tmpl[] = "/tmp/dorvane-areas-XXXXXX";
        m_dir = ::mkdtemp(tmpl);
    }
    void TearDown() override { std::system(("rm -rf " + m_dir).c_str()); }
    std::string make(const std::string &name, std::size_t size, std::uint8_t fill)
    {
        const std::string path = m_dir + "/" + name;
        std::ofstream(path, std::ios::binary) << std::string(size, char(fill));
        return path;
    }
    std::string m_dir;
};

} // namespace

TEST_F(FileAreas, DriverImageIsAlways40960Bytes)
{
    ASSERT_TRUE(m_images.LoadDriverArea(make("a.drv", 64, 0x11), make("b.drv", 30, 0x22)).ok);
    const auto image = m_images.Image(AreaId::Driver);
    ASSERT_EQ(image.size(), 40960u);
    EXPECT_EQ(util::be32(image, 0), 40960u);
    EXPECT_EQ(image[6], 0x11);
    EXPECT_EQ(image[63], 0x11);
    for (std::size_t i = 64; i < 0x3000; ++i)
        ASSERT_EQ(image[i], 0) << i;
    EXPECT_EQ(image[0x3000], 0x22);
    EXPECT_EQ(image[0x3000 + 29], 0x22);
    EXPECT_EQ(image[0x3000 + 30], 0);
    EXPECT_EQ(util::be16(image, 4), (58 * 0x11 + 30 * 0x22) & 0xFFFF);

    EXPECT_FALSE(m_images.LoadDriverArea(make("big.drv", 0x3001, 1), make("b.drv", 30, 2)).ok);
    EXPECT_FALSE(m_images.LoadDriverArea(make("a.drv", 10, 1), make("big2.drv", 0x7001, 2)).ok);
    EXPECT_TRUE(m_images.LoadDriverArea(make("a.drv", 0x3000, 1), make("b.drv", 0x7000, 2)).ok);
    EXPECT_FALSE(m_images.LoadDriverArea(m_dir + "/missing.drv", make("b.drv", 1, 2)).ok);
}

TEST_F(FileAreas, HugeFilesAreRefusedUnread)
{
    // Four gigabytes of holes: refused from their size, nothing of that size is allocated.
    const std::string huge = make("huge.bin", 1, 1);
    std::filesystem::resize_file(huge, std::uintmax_t(1) << 32);
    EXPECT_FALSE(m_images.LoadDriverArea(huge, make("b.drv", 30, 2)).ok);
    EXPECT_FALSE(m_images.LoadDriverArea(make("a.drv", 10, 1), huge).ok);
    EXPECT_FALSE(m_images.LoadFontArea(huge).ok);
    EXPECT_FALSE(m_images.LoadConstantArea(huge).ok);
}

TEST_F(FileAreas, ConstantAndFontAreas)
{
    ASSERT_TRUE(m_images.LoadConstantArea(make("menu.mnu", 100, 0x41)).ok);
    auto image = m_images.Image(AreaId::Constant);
    ASSERT_EQ(image.size(), 100u);
    EXPECT_EQ(util::be32(image, 0), 100u);
    EXPECT_EQ(util::be16(image, 4), (94 * 0x41) & 0xFFFF);
    EXPECT_FALSE(m_images.LoadConstantArea(make("big.mnu", 8193, 1)).ok);
    const auto missing = m_images.LoadConstantArea(m_dir + "/none.mnu");
    EXPECT_FALSE(missing.ok);
    EXPECT_NE(missing.error.find("Const File: "), std::string::npos);

    ASSERT_TRUE(m_images.LoadFontArea(make("f.BMA", 262138, 1)).ok);
    EXPECT_EQ(m_images.Length(AreaId::Font), 262144u);
    EXPECT_EQ(m_images.Image(AreaId::Font)[6], 1);
    EXPECT_FALSE(m_images.LoadFontArea(make("g.BMA", 262139, 1)).ok);
}

TEST_F(Areas, PasswordBlock)
{
    m_images.BuildPasswordBlock("AB12");
    EXPECT_EQ(bytesOf(m_images.Image(AreaId::Password)),
              (util::Bytes{0, 0, 0, 18, 0x02, 0xD5, 0xF5, 0xFA, 'A', 'B', '1', '2', 0, 0, 0, 0, 0,
                           0}));
    m_images.BuildPasswordBlock("");
    EXPECT_EQ(bytesOf(m_images.Image(AreaId::Password)),
              (util::Bytes{0, 0, 0, 18, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
}
