// Messages and images: costs, capacities, results, order, reload in place, "image referenced",
// and the memory notifications.

#include "core/model/img_res_mgr.h"
#include "core/model/memory_monitor.h"
#include "core/model/screen_data.h"
#include "core/model/str_res_mgr.h"

#include "test_helpers.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <unistd.h>

using namespace core;
using testing_model::StubTag;

namespace fs = std::filesystem;

TEST(Strings, EmptyTableAndExactCapacity)
{
    CStrResMgr strings;
    EXPECT_EQ(strings.UsedBytes(), 10u);
    const std::string fits(32768 - 18, 'a');
    EXPECT_EQ(strings.Add(1, fits + "b"), 1) << "one byte over";
    EXPECT_EQ(strings.Count(), 0u);
    EXPECT_EQ(strings.Add(1, fits), 0);
    EXPECT_EQ(strings.UsedBytes(), 32768u);
    EXPECT_EQ(strings.Add(2, ""), 1) << "even an empty text costs 8 bytes";
}

TEST(Strings, DuplicateKeepsTheOldTextAndCapacityIsCheckedFirst)
{
    CStrResMgr strings;
    EXPECT_EQ(strings.Add(5, "old"), 0);
    EXPECT_EQ(strings.Add(5, "new"), 2);
    EXPECT_EQ(strings.Text(5), "old");
    EXPECT_EQ(strings.Add(0x10005, "x"), 2) << "only the low 16 bits are the key";
    EXPECT_EQ(strings.Add(5, std::string(40000, 'x')), 1);
    EXPECT_EQ(strings.UsedBytes(), 10u + 3 + 8);
}

TEST(Strings, OrderRemoveAndNextFreeIdentifier)
{
    CStrResMgr strings;
    EXPECT_EQ(strings.NextFreeId(), 0u);
    strings.Add(7, "seven");
    strings.Add(3, "three");
    EXPECT_EQ(strings.NextFreeId(), 8u);
    strings.Add(1, "one");
    ASSERT_EQ(strings.Count(), 3u);
    EXPECT_EQ(strings.Strings()[0]->m_id, 7u) << "insertion order, never sorted";
    EXPECT_EQ(strings.Strings()[2]->m_id, 1u);
    strings.Remove(3);
    strings.Remove(99);
    EXPECT_FALSE(strings.Exists(3));
    EXPECT_EQ(strings.Text(3), "");
    EXPECT_EQ(strings.UsedBytes(), 10u + 13 + 11);
    strings.Clear();
    EXPECT_EQ(strings.UsedBytes(), 10u);
    EXPECT_EQ(strings.Count(), 0u);
}

TEST(Strings, EveryChangeIsPublishedOnTheStringGauge)
{
    CMemoryMonitor monitor;
    std::vector<std::pair<MemoryGauge, std::uint32_t>> seen;
    const int id
            = monitor.Subscribe([&](MemoryGauge g, std::uint32_t b) { seen.emplace_back(g, b); });
    CStrResMgr strings(&monitor);
    strings.Add(1, "ab");
    strings.Add(1, "cd"); // refused: nothing published
    strings.Remove(1);
    strings.Clear();
    monitor.Unsubscribe(id);
    strings.Add(2, "x");
    const std::vector<std::pair<MemoryGauge, std::uint32_t>> expected{
            {MemoryGauge::String, 20}, {MemoryGauge::String, 10}, {MemoryGauge::String, 10}};
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(monitor.Total(MemoryGauge::String), 19u);
}

TEST(MemoryMonitor, PercentIsTruncatedAndClamped)
{
    EXPECT_EQ(CMemoryMonitor::Percent(MemoryGauge::Screen, 65536), 100);
    EXPECT_EQ(CMemoryMonitor::Percent(MemoryGauge::Screen, 65535), 99);
    EXPECT_EQ(CMemoryMonitor::Percent(MemoryGauge::String, 16384), 50);
    EXPECT_EQ(CMemoryMonitor::Percent(MemoryGauge::Image, 200000), 100);
}

namespace {

std::unique_ptr<CIndexedImage> image(std::uint32_t id, int w, int h)
{
    auto img = std::make_unique<CIndexedImage>();
    img->m_id = id;
    img->m_bitmap = util::CMonoBitmap(w, h);
    return img;
}

// A library folder with BMP files made by ImageMagick.
class ImageLibrary : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_dir = fs::temp_directory_path()
                / ("dorvane_images_" + std::to_string(::getpid()) + "_"
                   + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
        m_images.SetImagesDir(m_dir.string());
    }
    void TearDown() override { fs::remove_all(m_dir); }

    void makeBmp(int id, int w, int h)
    {
        const std::string cmd = "convert -size " + std::to_string(w) + "x" + std::to_string(h)
                + " xc:white -type bilevel BMP3:" + path(id) + " 2>/dev/null";
        ASSERT_EQ(std::system(cmd.c_str()), 0) << cmd;
    }
    std::string path(int id) const { return (m_dir / (std::to_string(id) + ".bmp")).string(); }

    fs::path m_dir;
    CImgResMgr m_images;
};

} // namespace

TEST(Images, CostRoundsHeightUpToWholeBytes)
{
    EXPECT_EQ(imageCost(192, 64), 1548u);
    EXPECT_EQ(imageCost(10, 9), 32u);
    EXPECT_EQ(imageCost(9, 10), 30u);
    EXPECT_EQ(imageCost(8, 8), 20u);
}

TEST(Images, AddChecksCapacityBeforeDuplicates)
{
    CImgResMgr images;
    EXPECT_EQ(images.UsedBytes(), 10u);
    for (int i = 0; i < 42; ++i)
        ASSERT_EQ(images.Add(image(std::uint32_t(i), 192, 64)), 0) << i;
    EXPECT_EQ(images.UsedBytes(), 10u + 42 * 1548);
    EXPECT_EQ(images.Add(image(100, 192, 64)), 1);
    EXPECT_EQ(images.Add(image(0, 192, 64)), 1) << "the area is full whatever the identifier";
    EXPECT_EQ(images.Add(image(0, 1, 1)), 2);
    images.Remove(3);
    EXPECT_EQ(images.Add(image(100, 192, 64)), 0);
    EXPECT_EQ(images.Images().back()->m_id, 100u);
    images.Clear();
    EXPECT_EQ(images.UsedBytes(), 10u);
    EXPECT_EQ(images.Find(100), nullptr);
}

TEST_F(ImageLibrary, LoadsWithinThePanelSizeOnly)
{
    makeBmp(1, 192, 64);
    makeBmp(2, 193, 64);
    makeBmp(3, 10, 65);
    makeBmp(4, 10, 9);
    EXPECT_EQ(m_images.AddFromLibrary(1), 0);
    EXPECT_EQ(m_images.AddFromLibrary(2), 1);
    EXPECT_EQ(m_images.AddFromLibrary(3), 1);
    EXPECT_EQ(m_images.AddFromLibrary(4), 0);
    EXPECT_EQ(m_images.UsedBytes(), 10u + 1548 + 32);
    EXPECT_EQ(m_images.AddFromLibrary(4), 2);
    EXPECT_EQ(m_images.AddFromLibrary(5), 1) << "no such file";
    ASSERT_TRUE(m_images.Bitmap(4));
    EXPECT_EQ(m_images.Bitmap(4)->width(), 10);
    EXPECT_EQ(m_images.Bitmap(4)->height(), 9);
}

TEST_F(ImageLibrary, RefusesNoImageIdentifiersAndForeignFiles)
{
    makeBmp(65535, 8, 8);
    EXPECT_EQ(m_images.AddFromLibrary(65535), 1);
    EXPECT_EQ(m_images.AddFromLibrary(-1), 1);
    {
        std::FILE *f = std::fopen(path(6).c_str(), "wb");
        ASSERT_TRUE(f);
        std::fputs("not a bitmap", f);
        std::fclose(f);
    }
    EXPECT_EQ(m_images.AddFromLibrary(6), 1);
    EXPECT_EQ(m_images.Count(), 0u);
}

TEST_F(ImageLibrary, ReloadReplacesInPlaceAddsAndRemoves)
{
    makeBmp(1, 8, 8);
    makeBmp(2, 8, 8);
    ASSERT_EQ(m_images.AddFromLibrary(1), 0);
    ASSERT_EQ(m_images.AddFromLibrary(2), 0);
    makeBmp(1, 16, 16);
    EXPECT_EQ(m_images.ReloadFromLibrary(1), ImageReload::Replaced);
    EXPECT_EQ(m_images.Images().front()->m_id, 1u) << "keeps its place in the area order";
    EXPECT_EQ(m_images.UsedBytes(), 10u + 44 + 20);

    fs::remove(path(1));
    EXPECT_EQ(m_images.ReloadFromLibrary(1), ImageReload::Removed);
    EXPECT_EQ(m_images.UsedBytes(), 10u + 20) << "its bytes come back";
    EXPECT_EQ(m_images.ReloadFromLibrary(1), ImageReload::Unchanged);

    makeBmp(7, 4, 4);
    EXPECT_EQ(m_images.ReloadFromLibrary(7), ImageReload::Added);
    EXPECT_EQ(m_images.Images().back()->m_id, 7u);
}

TEST(Images, EveryChangeIsPublishedOnTheImageGauge)
{
    CMemoryMonitor monitor;
    std::vector<std::uint32_t> seen;
    monitor.Subscribe([&](MemoryGauge g, std::uint32_t b) {
        if (g == MemoryGauge::Image)
            seen.push_back(b);
    });
    CImgResMgr images(&monitor);
    images.Add(image(1, 8, 8));
    images.Add(image(1, 8, 8));
    images.Remove(1);
    EXPECT_EQ(seen, (std::vector<std::uint32_t>{30, 10}));
}

TEST(ImageReferenced, BackgroundsOfOtherScreensAndTagsCount)
{
    CImgResMgr images;
    std::vector<std::unique_ptr<CScreenData>> screens;
    screens.push_back(std::make_unique<CScreenData>(0));
    screens.push_back(std::make_unique<CScreenData>(1));
    screens[0]->SetBackgroundImage(5);
    EXPECT_TRUE(images.IsImageReferenced(5, screens));
    EXPECT_FALSE(images.IsImageReferenced(5, screens, screens[0].get()));
    screens[1]->SetBackgroundImage(5);
    EXPECT_TRUE(images.IsImageReferenced(5, screens, screens[0].get()));
    EXPECT_FALSE(images.IsImageReferenced(6, screens));

    auto image = std::make_unique<StubTag>(kTagBitmap, std::vector<std::uint16_t>{6});
    const CTag *imageTag = image.get();
    screens[1]->AddTag(std::move(image), false);
    EXPECT_TRUE(images.IsImageReferenced(6, screens, screens[1].get()));
    EXPECT_FALSE(images.IsImageReferenced(6, screens, nullptr, imageTag, 0));
    EXPECT_FALSE(images.IsImageReferenced(6, screens, nullptr, imageTag, 1))
            << "a one-image tag never counts as its own reference";
}

TEST(ImageReferenced, ExceptedTagCountsOnlyInAnotherSlot)
{
    CImgResMgr images;
    std::vector<std::unique_ptr<CScreenData>> screens;
    screens.push_back(std::make_unique<CScreenData>(0));
    auto lamp = std::make_unique<StubTag>(kTagLamp, std::vector<std::uint16_t>{8, 8});
    const CTag *lampTag = lamp.get();
    screens[0]->AddTag(std::move(lamp), false);
    auto motor = std::make_unique<StubTag>(kTagMotor, std::vector<std::uint16_t>{1, 2, 3});
    const CTag *motorTag = motor.get();
    screens[0]->AddTag(std::move(motor), false);

    EXPECT_TRUE(images.IsImageReferenced(8, screens, nullptr, lampTag, 0)) << "also in slot 1";
    EXPECT_FALSE(images.IsImageReferenced(8, screens, nullptr, lampTag, -1)) << "no slot given";
    EXPECT_FALSE(images.IsImageReferenced(2, screens, nullptr, motorTag, 1));
    EXPECT_TRUE(images.IsImageReferenced(2, screens, nullptr, motorTag, 0));
    EXPECT_TRUE(images.IsImageReferenced(2, screens, nullptr, lampTag, 0)) << "another tag";
}

TEST(BmpTexts, StoredAndReplacedByIdentifier)
{
    CImgResMgr images;
    auto text = std::make_unique<CBmpText>();
    text->m_id = 5000;
    text->m_bitmap = util::CMonoBitmap(3, 3);
    images.SetBmpText(std::move(text));
    auto other = std::make_unique<CBmpText>();
    other->m_id = 5000;
    other->m_bitmap = util::CMonoBitmap(4, 4);
    images.SetBmpText(std::move(other));
    ASSERT_TRUE(images.FindBmpText(5000));
    EXPECT_EQ(images.FindBmpText(5000)->m_bitmap.width(), 4);
    EXPECT_EQ(images.UsedBytes(), 10u) << "rendered texts are not library images";
    images.ClearBmpTexts();
    EXPECT_FALSE(images.FindBmpText(5000));
}
