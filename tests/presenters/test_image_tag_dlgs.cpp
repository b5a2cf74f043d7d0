// The property dialogs of the image tags (lamp, button, image, rotation, moving): images chosen
// from a real library folder, the image area's limit, and each kind's own ranges and rules.

#include "functions_test_support.h"

#include "core/functions/image_category.h"
#include "core/model/img_res_mgr.h"
#include "core/presenters/bitmap_tag_dlg.h"
#include "core/presenters/button_tag_dlg.h"
#include "core/presenters/lamp_tag_dlg.h"
#include "core/presenters/mobile_tag_dlg.h"
#include "core/presenters/motor_tag_dlg.h"
#include "core/tags/tag_resources.h"

#include "util/bmp_file.h"
#include "util/message_ids.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <functional>

using namespace core;
namespace fs = std::filesystem;

namespace {

class ImageTagDlg : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path()
                / ("dorvane_imgtag_" + std::to_string(::getpid()) + "_"
                   + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
        images.SetImagesDir(dir.string());
        resources.images = &images;
    }
    void TearDown() override { fs::remove_all(dir); }

    // The tag joins the project whose images the test fills, as the screen joins its tags.
    void bind(CTag &tag) { tag.BindResources(resources); }

    void library(std::uint32_t number, int w, int h)
    {
        util::writeBmpFile(libraryImagePath(dir.string(), number), util::CMonoBitmap(w, h));
    }
    // Leaves less than one 192 x 64 image's room in the image area.
    void fillImageArea()
    {
        for (std::uint32_t id = 100; images.UsedBytes() + imageCost(192, 64) <= images.kAreaSize;
             ++id) {
            auto image = std::make_unique<CIndexedImage>();
            image->m_id = id;
            image->m_bitmap = util::CMonoBitmap(192, 64);
            ASSERT_EQ(images.Add(std::move(image)), 0);
        }
    }

    fntest::Env t;
    CImgResMgr images;
    TagResources resources;
    fs::path dir;
};

} // namespace

TEST_F(ImageTagDlg, ChosenImageIsLoadedAndSizesTheTag)
{
    library(1500, 24, 16);
    CButtonTag button;
    bind(button);
    CButtonTagDlg d(t.env, button);
    ASSERT_TRUE(d.SetOffImage(1500));
    EXPECT_EQ(button.OffImage(), 1500);
    ASSERT_NE(images.Find(1500), nullptr);
    EXPECT_EQ(button.Rect().Width(), 24);
    d.SetEnlarged(true);
    EXPECT_EQ(button.Magnification(), 2);
    EXPECT_EQ(button.Rect().Width(), 48);
    EXPECT_EQ(button.Rect().Height(), 32);

    // A number without a library file is kept: the tag shows its placeholder.
    EXPECT_TRUE(d.SetOnImage(1600));
    EXPECT_EQ(button.OnImage(), 1600);
    EXPECT_TRUE(t.prompt.shown.empty());
}

TEST_F(ImageTagDlg, NoImageFromTheLibraryKeepsTheCurrentOne)
{
    library(1500, 8, 8);
    CLampTag lamp;
    bind(lamp);
    CLampTagDlg d(t.env, lamp);
    for (std::uint32_t none : {5000u, 65535u}) {
        EXPECT_FALSE(d.SetOffImage(none));
        EXPECT_FALSE(d.SetOnImage(none));
    }
    EXPECT_EQ(lamp.OffImage(), CLampTag::kDefaultOffImage);
    EXPECT_EQ(lamp.OnImage(), CLampTag::kDefaultOnImage);
    EXPECT_TRUE(t.prompt.shown.empty());
    EXPECT_FALSE(d.Changed());
}

TEST_F(ImageTagDlg, ImageTooBigForTheRemainingAreaIsRefusedByEveryKind)
{
    library(1500, 192, 64);
    fillImageArea();
    const std::uint32_t used = images.UsedBytes();

    CButtonTag button;
    bind(button);
    CLampTag lamp;
    bind(lamp);
    CBitmapTag bitmap;
    bind(bitmap);
    CMotorTag motor;
    bind(motor);
    CMobileTag mobile;
    bind(mobile);
    CButtonTagDlg buttonDlg(t.env, button);
    CLampTagDlg lampDlg(t.env, lamp);
    CBitmapTagDlg bitmapDlg(t.env, bitmap);
    CMotorTagDlg motorDlg(t.env, motor);
    CMobileTagDlg mobileDlg(t.env, mobile);
    const std::function<bool()> picks[] = {
            [&] { return buttonDlg.SetOffImage(1500); }, [&] { return buttonDlg.SetOnImage(1500); },
            [&] { return lampDlg.SetOffImage(1500); },   [&] { return bitmapDlg.SetImage(1500); },
            [&] { return motorDlg.SetImage(1, 1500); },  [&] { return mobileDlg.SetImage(1500); }};
    for (const auto &pick : picks) {
        t.prompt.shown.clear();
        EXPECT_FALSE(pick());
        EXPECT_EQ(t.prompt.shown, std::vector<int>{util::msg::kMemoryFull});
    }
    EXPECT_EQ(images.UsedBytes(), used);
    EXPECT_FALSE(buttonDlg.Changed() || lampDlg.Changed() || bitmapDlg.Changed()
                 || motorDlg.Changed() || mobileDlg.Changed());
}

TEST_F(ImageTagDlg, TwoImageKindsKeepOnValueActionAndWritability)
{
    CButtonTag button;
    bind(button);
    CButtonTagDlg b(t.env, button);
    EXPECT_TRUE(b.Point().MustWrite());
    b.SetOnValue(0);
    b.SetOnValue(2); // not a bit value
    EXPECT_EQ(button.OnValue(), 0);
    b.SetAction(kButtonToggle);
    b.SetAction(4);
    EXPECT_EQ(button.Action(), kButtonToggle);
    b.SetPassword(true);
    EXPECT_TRUE(button.UsesPassword());

    CLampTag lamp;
    bind(lamp);
    CLampTagDlg l(t.env, lamp);
    EXPECT_FALSE(l.Point().MustWrite());
    EXPECT_EQ(l.Point().AddressKind(), kAddrBit);
    ASSERT_TRUE(l.Point().ChooseChannel(1));
    l.Point().SetAddress("", "XYZ");
    EXPECT_FALSE(l.Ok());
    EXPECT_EQ(t.prompt.last(), util::msg::kBadAddress);
}

TEST_F(ImageTagDlg, ImageTagShowsNumberAndSize)
{
    library(7, 10, 9);
    CBitmapTag bitmap;
    bind(bitmap);
    CBitmapTagDlg d(t.env, bitmap);
    EXPECT_EQ(d.IdText(), "");
    EXPECT_EQ(d.SizeText(), "");
    ASSERT_TRUE(d.SetImage(7));
    EXPECT_EQ(d.IdText(), "7");
    EXPECT_EQ(d.SizeText(), "( 10 x 9 )");
    d.SetEnlarged(true);
    d.SetInverse(true);
    EXPECT_EQ(bitmap.Rect().Width(), 20);
    EXPECT_EQ(bitmap.Rect().Height(), 18);
    EXPECT_TRUE(bitmap.IsInverse());
    d.Cancel();
    EXPECT_EQ(bitmap.Image(), 0xFFFF);
    EXPECT_EQ(bitmap.Rect().Width(), 32);
}

TEST_F(ImageTagDlg, MotorUsesOnlyTheCountedSlots)
{
    library(3100, 16, 16);
    CMotorTag motor;
    bind(motor);
    CMotorTagDlg d(t.env, motor);
    EXPECT_FALSE(d.SetImageCount(1));
    EXPECT_FALSE(d.SetImageCount(9));
    ASSERT_TRUE(d.SetImageCount(2));
    EXPECT_TRUE(d.ImageEnabled(1));
    EXPECT_FALSE(d.ImageEnabled(2));
    EXPECT_EQ(d.Image(2), 0xFFFF);
    EXPECT_EQ(d.Image(3), 0xFFFF);
    EXPECT_FALSE(d.SetImage(2, 3100));
    EXPECT_EQ(d.Image(2), 0xFFFF);
    ASSERT_TRUE(d.SetImage(0, 3100));
    EXPECT_EQ(motor.Rect().Width(), 16); // the first image sizes the tag

    d.SetDirection(kCounterClockwise);
    d.SetDirection(2);
    EXPECT_EQ(d.Direction(), kCounterClockwise);
}

TEST_F(ImageTagDlg, MotorMaximumRpmIsThePointsMaximum)
{
    CMotorTag motor;
    bind(motor);
    CMotorTagDlg d(t.env, motor);
    ASSERT_TRUE(d.SetMaxRpmText("1500"));
    EXPECT_EQ(motor.Point().m_max, 1500u);
    EXPECT_FALSE(d.SetMaxRpmText("70000")); // beyond an unsigned word
    EXPECT_EQ(d.MaxRpmText(), "1500");
    EXPECT_EQ(t.prompt.shown.size(), 1u);
    d.Point().SetDataSize(kSizeDWord);
    EXPECT_TRUE(d.SetMaxRpmText("70000"));
    EXPECT_TRUE(d.Ok());
}

TEST_F(ImageTagDlg, MovingRangeFollowsTheAxes)
{
    CMobileTag mobile;
    bind(mobile);
    CMobileTagDlg d(t.env, mobile);
    EXPECT_FALSE(d.SetWidth(0)); // moving along x: at least 1
    EXPECT_EQ(d.Width(), 32);
    EXPECT_FALSE(d.SetHeight(65));
    EXPECT_EQ(d.Height(), 32);
    EXPECT_EQ(t.prompt.shown.size(), 2u);
    EXPECT_TRUE(d.SetWidth(192));

    d.SetMoveY(false);
    EXPECT_EQ(d.Height(), 0);
    EXPECT_TRUE(d.SetHeight(0));
    d.SetMoveY(true);
    EXPECT_EQ(d.Height(), 1);
    d.SetMoveX(true); // already on: the range stays
    EXPECT_EQ(d.Width(), 192);

    d.SetBorder(false);
    EXPECT_EQ(mobile.Rect().Width(), 192 + 32);
}

TEST_F(ImageTagDlg, MovingOkChecksBothPointsAndCancelRestoresThem)
{
    CMobileTag mobile;
    bind(mobile);
    CMobileTagDlg d(t.env, mobile);
    ASSERT_TRUE(d.YPoint().ChooseChannel(1));
    d.YPoint().SetAddress("", "XYZ");
    d.XPoint().SetSigned(true);
    d.SetMoveX(false);
    ASSERT_TRUE(d.SetX(100));
    EXPECT_FALSE(d.Ok());
    EXPECT_EQ(t.prompt.last(), util::msg::kBadAddress);
    d.Cancel();
    EXPECT_EQ(CTagPropDlg::Body(mobile), d.Before());
    EXPECT_EQ(mobile.YPoint().m_channel, 0);
    EXPECT_TRUE(mobile.MovesX());
}
