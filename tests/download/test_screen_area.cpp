// The screen area: index, 696-byte headers, tag groups; and parsing it back.

#include "download_fixture.h"

#include "core/download/screen_area.h"
#include "core/tags/tag_kinds.h"

using namespace core;
using testing_support::bytesOf;

namespace {

class ScreenArea : public ::testing::Test
{
protected:
    testing_support::ProjectServices m_env;
    CDorvaneDoc m_doc;
    CDownloadImages m_images;
};

} // namespace

TEST_F(ScreenArea, EmptyProjectHasOnlyTheHead)
{
    ASSERT_TRUE(m_images.BuildScreenArea(m_doc).ok);
    EXPECT_EQ(bytesOf(m_images.Image(AreaId::Screen)),
              (util::Bytes{0, 0, 0, 10, 0x00, 0x01, 0x01, 0x00, 0x00, 0x00}));
}

TEST_F(ScreenArea, HeaderIndexAndGroups)
{
    CScreenData *s3 = nullptr;
    CScreenData *s1 = nullptr;
    ASSERT_EQ(m_doc.AddScreen(3, &s3), kScreenOk);
    ASSERT_EQ(m_doc.AddScreen(1, &s1), kScreenOk);
    s3->SetName("MAIN");
    s3->SetBackgroundImage(1000);
    s3->SetBackgroundOn(true);
    s3->SetPasswordOn(false);
    CTag *a = nullptr;
    CTag *b = nullptr;
    ASSERT_EQ(s3->CreateTag(kTagDigit, false, &a), kTagOk);
    ASSERT_EQ(s3->CreateTag(kTagDigit, false, &b), kTagOk);
    a->MoveTo(10, 20);
    util::setLe16(s3->FunctionKey(2), 62, 0x0105);
    util::setLe32(s3->FunctionKey(2), 66, 0x0A0B0C0D);

    ASSERT_TRUE(m_images.BuildScreenArea(m_doc).ok) << m_images.LastError();
    const auto img = m_images.Image(AreaId::Screen);
    // Head 10 + index 2 x 8; screen 1 (no tags) first, then screen 3 with two 80-byte records.
    const std::size_t first = 26, second = first + 696;
    ASSERT_EQ(img.size(), second + 696 + 160);
    EXPECT_EQ(util::be16(img, 8), 2);
    EXPECT_EQ(util::be32(img, 10), 0x410000u + first);
    EXPECT_EQ(util::be16(img, 14), 1);
    EXPECT_EQ(util::be16(img, 16), 696);
    EXPECT_EQ(util::be32(img, 18), 0x410000u + second);
    EXPECT_EQ(util::be16(img, 22), 3);
    EXPECT_EQ(util::be16(img, 24), 696 + 160);

    const auto h = img.subspan(second, 696);
    EXPECT_EQ(util::fixedText(h, 0, 24), "MAIN");
    for (std::size_t i = 4; i < 34; ++i)
        EXPECT_EQ(h[i], 0) << i;
    EXPECT_EQ(util::be16(h, 34), 0); // password setting
    EXPECT_EQ(util::be16(h, 36), 1); // background on
    EXPECT_EQ(util::be16(h, 38), 1000); // background image
    EXPECT_EQ(util::be16(h, 40), 4); // next
    EXPECT_EQ(util::be16(h, 42), 2); // previous
    EXPECT_EQ(util::be16(h, 44), 2); // tags
    EXPECT_EQ(util::be32(h, 46), 0x410000u + second + 696); // group 1: numeric tags
    EXPECT_EQ(util::be16(h, 106), 2);
    for (std::size_t g = 1; g < 15; ++g) {
        EXPECT_EQ(util::be32(h, 46 + 4 * g), 0u) << g;
        EXPECT_EQ(util::be16(h, 106 + 2 * g), 0) << g;
    }
    // Function key 3 in download form: address "0", word 40 = 2, 44 = 1, 54 = 65535 swapped.
    const auto key = h.subspan(136 + 2 * 70, 70);
    EXPECT_EQ(key[0], '0');
    EXPECT_EQ(util::be16(key, 40), 2);
    EXPECT_EQ(util::be16(key, 44), 1);
    EXPECT_EQ(util::be32(key, 54), 65535u);
    EXPECT_EQ(util::be16(key, 62), 0x0105);
    EXPECT_EQ(util::be32(key, 66), 0x0A0B0C0Du);

    // The tag records are the tags' own, in tag order.
    util::Bytes rec(80, 0);
    ASSERT_TRUE(a->BuildDownloadRecord(m_doc.Slots(), rec));
    EXPECT_EQ(bytesOf(img.subspan(second + 696, 80)), rec);
    ASSERT_TRUE(b->BuildDownloadRecord(m_doc.Slots(), rec));
    EXPECT_EQ(bytesOf(img.subspan(second + 776, 80)), rec);
}

TEST_F(ScreenArea, ParsesBackToTheSameImage)
{
    CScreenData *s = nullptr;
    ASSERT_EQ(m_doc.AddScreen(0, &s), kScreenOk);
    s->SetName("Start");
    s->SetPasswordOn(true);
    CTag *t = nullptr;
    ASSERT_EQ(s->CreateTag(kTagDigit, false, &t), kTagOk);
    t->MoveTo(40, 30);
    ASSERT_EQ(m_doc.AddScreen(999), kScreenOk);
    ASSERT_TRUE(m_images.BuildScreenArea(m_doc).ok);
    const util::Bytes first = bytesOf(m_images.Image(AreaId::Screen));

    testing_support::ProjectServices env2;
    CDorvaneDoc back;
    ASSERT_TRUE(parseScreenArea(first, back).ok);
    ASSERT_EQ(back.Screens().size(), 2u);
    const auto *s0 = back.FindScreen(0);
    ASSERT_NE(s0, nullptr);
    EXPECT_EQ(s0->Name(), "Start");
    EXPECT_TRUE(s0->IsPasswordOn());
    ASSERT_EQ(s0->TagCount(), 1u);
    EXPECT_EQ(s0->Tags()[0]->X(), 40);
    EXPECT_EQ(back.ScreenMemoryUsed(), m_doc.ScreenMemoryUsed());

    CDownloadImages again;
    ASSERT_TRUE(again.BuildScreenArea(back).ok);
    EXPECT_EQ(bytesOf(again.Image(AreaId::Screen)), first);
}

TEST_F(ScreenArea, DamagedScreensAreRefused)
{
    CScreenData *s = nullptr;
    ASSERT_EQ(m_doc.AddScreen(5, &s), kScreenOk);
    ASSERT_EQ(s->CreateTag(kTagDigit, false), kTagOk);
    ASSERT_TRUE(m_images.BuildScreenArea(m_doc).ok);
    const util::Bytes good = bytesOf(m_images.Image(AreaId::Screen));
    const std::size_t header = 18;

    const auto refused = [&](util::Bytes bad) {
        testing_support::ProjectServices env;
        CDorvaneDoc doc;
        return !parseScreenArea(bad, doc).ok;
    };
    auto bad = good;
    util::setBe16(bad, 16, 0xFFFF); // record length past the end
    EXPECT_TRUE(refused(bad));
    bad = good;
    util::setBe16(bad, 14, 1000); // screen number out of range
    EXPECT_TRUE(refused(bad));
    bad = good;
    util::setBe16(bad, header + 106, 3); // three numeric records claimed
    EXPECT_TRUE(refused(bad));
    bad = good;
    util::setBe16(bad, header + 44, 7); // tag count disagrees with the groups
    EXPECT_TRUE(refused(bad));
    bad = good;
    util::setBe32(bad, header + 46, 0x410000); // group pointer into the index
    EXPECT_TRUE(refused(bad));
    bad = good;
    util::setBe16(bad, 8, 2); // a second screen whose index entry lies on the first's record
    EXPECT_TRUE(refused(bad));
    EXPECT_FALSE(refused(good));
}
