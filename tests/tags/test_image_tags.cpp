// Image, lamp and button tags: sizes from their images, default images, clipboard bodies and
// the records with the shared point block.

#include "core/tags/bitmap_tag.h"
#include "core/tags/button_tag.h"
#include "core/tags/lamp_tag.h"
#include "core/tags/tag_kinds.h"

#include "util/bmp_file.h"

#include "tag_test_support.h"

#include <filesystem>

using namespace core;
using namespace testing_tags;

using ImageTagTest = TagTest;

TEST_F(ImageTagTest, ImageTagWithoutImageIsThirtyTwoSquare)
{
    CBitmapTag tag;
    EXPECT_EQ(tag.Kind(), kTagBitmap);
    EXPECT_EQ(tag.Image(), 0xFFFF);
    EXPECT_EQ(tag.Rect(), (CRect{0, 0, 32, 32}));
    EXPECT_EQ(tag.CaptionFont().height(), -8);
    EXPECT_EQ(tag.CaptionFont().faceName(), "Times New Roman");
    const util::Bytes want = {0, 0, 0, 0, 0xFF, 0xFF, 0, 0, 0, 0};
    EXPECT_EQ(record(tag, 10, m_slots), want);
}

TEST_F(ImageTagTest, ImageTagFollowsItsImage)
{
    AddImage(7, 24, 16);
    CBitmapTag tag;
    bind(tag);
    tag.MoveTo(1, 2);
    tag.SetImage(7);
    tag.SetMagnification(2);
    tag.SetInverse(true);
    EXPECT_EQ(tag.Rect(), (CRect{1, 2, 49, 34}));
    EXPECT_EQ(tag.ImageIds(), std::vector<std::uint16_t>{7});
    const util::Bytes want = {0, 1, 0, 2, 0, 7, 0, 1, 0, 1};
    EXPECT_EQ(record(tag, 10, m_slots), want);

    CBitmapTag back;
    bind(back);
    ASSERT_TRUE(back.LoadRecord(m_slots, want));
    EXPECT_EQ(back.Magnification(), 2);
    EXPECT_TRUE(back.IsInverse());
    EXPECT_EQ(back.Rect(), tag.Rect());

    m_images.Remove(7);
    EXPECT_FALSE(tag.ImageChanged(8));
    EXPECT_TRUE(tag.ImageChanged(7));
    EXPECT_EQ(tag.Rect(), (CRect{1, 2, 65, 66}));

    const util::Bytes body = storeBody(tag);
    EXPECT_EQ(body, (util::Bytes{1, 0, 0, 0, 2, 0, 0, 0, 7, 0, 2, 0, 1, 0, 0, 0}));
}

TEST_F(ImageTagTest, ButtonSizeFromImageAndMagnification)
{
    CButtonTag plain;
    bind(plain);
    EXPECT_EQ(plain.Rect(), (CRect{0, 0, 32, 32})) << "image 1002 is missing";
    AddImage(1002, 24, 16);
    CButtonTag tag;
    bind(tag);
    tag.SetMagnification(2);
    EXPECT_EQ(tag.Rect(), (CRect{0, 0, 48, 32}));
    EXPECT_TRUE(plain.ImageChanged(1002));
    EXPECT_EQ(plain.Rect(), (CRect{0, 0, 24, 16}));
    EXPECT_FALSE(plain.ImageChanged(1003)) << "only the off image sizes the tag";
}

TEST_F(ImageTagTest, JoiningAProjectLoadsTheDefaultImagesFromTheLibrary)
{
    const auto dir = std::filesystem::path(::testing::TempDir()) / "tag_images";
    std::filesystem::create_directories(dir);
    ASSERT_TRUE(util::writeBmpFile((dir / "1000.bmp").string(), util::CMonoBitmap(16, 8)));
    m_images.SetImagesDir(dir.string());
    CLampTag lamp;
    bind(lamp);
    ASSERT_NE(m_images.Find(1000), nullptr);
    EXPECT_EQ(m_images.Find(1001), nullptr) << "no file for it";
    EXPECT_EQ(lamp.Rect(), (CRect{0, 0, 16, 8}));
    CLampTag second;
    bind(second);
    EXPECT_EQ(m_images.Count(), 1u);
    std::filesystem::remove_all(dir);
}

TEST_F(ImageTagTest, LampRecordCarriesTheBitNumberAndOnValue)
{
    CLampTag tag;
    EXPECT_EQ(tag.Kind(), kTagLamp);
    EXPECT_EQ(tag.Point().m_dataSize, kSizeBit);
    tag.Point().m_second = "12A";
    tag.MoveTo(5, 6);
    tag.SetMagnification(2);
    tag.SetDisplayState(1);
    tag.SetOffImage(20);
    tag.SetOnImage(21);
    tag.SetOnValue(0);
    util::Bytes want(76, 0);
    putPointBlock(want, 0, "12", 1, 10, 1, 0, 65535);
    putBe(want, 62, {5, 6, 1, 1, 20, 21, 0});
    EXPECT_EQ(record(tag, 76, m_slots), want);

    CLampTag back;
    ASSERT_TRUE(back.LoadRecord(m_slots, want));
    EXPECT_EQ(back.Point().m_second, "12A") << "the bit number comes back through the driver";
    EXPECT_EQ(back.Point().m_dataSize, kSizeBit);
    EXPECT_EQ(back.Magnification(), 2);
    EXPECT_EQ(back.DisplayState(), 1u);
    EXPECT_EQ(back.OffImage(), 20);
    EXPECT_EQ(back.OnImage(), 21);
    EXPECT_EQ(back.OnValue(), 0);
    EXPECT_EQ(record(back, 76, m_slots), want);
}

TEST_F(ImageTagTest, ButtonRecordAndDefaults)
{
    CButtonTag tag;
    EXPECT_EQ(tag.Kind(), kTagButton);
    EXPECT_EQ(tag.Action(), kButtonMomentary);
    EXPECT_TRUE(tag.AcceptsInput());
    tag.Point().m_second = "7F";
    tag.Point().m_channel = 1; // a channel without a plugin uses the built-in rules
    tag.Point().m_station = 3;
    tag.SetPassword(true);
    tag.SetAction(kButtonToggle);
    util::Bytes want(82, 0);
    putPointBlock(want, 0, "7", 1, 15, 1, 0, 65535, 1, 3);
    putBe(want, 62, {0, 0, 0, 0, 1, 1002, 1003, 1, 2, 0});
    EXPECT_EQ(record(tag, 82, m_slots), want);

    CButtonTag back;
    ASSERT_TRUE(back.LoadRecord(m_slots, want));
    EXPECT_EQ(back.Point().m_second, "7F");
    EXPECT_EQ(back.Point().m_channel, 1);
    EXPECT_EQ(back.Point().m_station, 3);
    EXPECT_TRUE(back.UsesPassword());
    EXPECT_EQ(back.Action(), kButtonToggle);
    EXPECT_EQ(back.Magnification(), 1);
}

TEST_F(ImageTagTest, DisplayStateTravelsInTheRecordButNotTheClipboard)
{
    CButtonTag tag;
    tag.SetDisplayState(1);
    tag.SetAction(kButtonOn);
    CButtonTag pasted;
    ASSERT_TRUE(loadBody(pasted, storeBody(tag)));
    EXPECT_EQ(pasted.DisplayState(), 0u);
    EXPECT_EQ(pasted.Action(), kButtonOn);
    EXPECT_EQ(storeBody(pasted), storeBody(tag));

    CButtonTag reopened;
    ASSERT_TRUE(reopened.LoadRecord(m_slots, record(tag, 82, m_slots)));
    EXPECT_EQ(reopened.DisplayState(), 1u);
}

TEST_F(ImageTagTest, ClipboardBodiesInTableOrder)
{
    CLampTag lamp;
    lamp.SetMagnification(2);
    util::Bytes body = storeBody(lamp);
    // x, y, point (5 words, 2 double words, 2 words, two strings), then the lamp's words.
    const util::Bytes tail = {2, 0, 1, 0, 0xE8, 3, 0xE9, 3};
    ASSERT_GE(body.size(), tail.size());
    EXPECT_TRUE(std::equal(tail.begin(), tail.end(), body.end() - 8));
    EXPECT_EQ(body.size(), 8u + 22 + 1 + 2 + 8);

    CButtonTag button;
    body = storeBody(button);
    const util::Bytes buttonTail = {0, 0, 0, 0, 3, 0, 0, 0, 1, 0, 1, 0, 0xEA, 3, 0xEB, 3};
    EXPECT_TRUE(std::equal(buttonTail.begin(), buttonTail.end(), body.end() - 16));
}

TEST_F(ImageTagTest, DeviceOperationsFollowTheChannel)
{
    CLampTag tag;
    tag.Point().m_channel = 1;
    tag.ChangeStation(2, 9);
    EXPECT_EQ(tag.Point().m_station, 0);
    tag.ChangeStation(1, 9);
    EXPECT_EQ(tag.Point().m_station, 9);
    tag.SwapChannels(false, true);
    EXPECT_EQ(tag.Point().m_channel, 1);
    tag.SwapChannels(true, false);
    EXPECT_EQ(tag.Point().m_channel, 2);

    tag.Point().m_second = "Q"; // not a bit address by the built-in rules
    tag.RevalidateAddress(m_slots, true, false);
    EXPECT_EQ(tag.Point().m_second, "Q") << "channel 2 did not change";
    tag.RevalidateAddress(m_slots, false, true);
    EXPECT_EQ(tag.Point().m_second, "0");
}
