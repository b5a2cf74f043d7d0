// The image library dialogs on a real library folder, and the registered-images dialog on a
// project's images and screens.

#include "functions_test_support.h"

#include "core/model/indexed_image.h"
#include "core/presenters/image_lib_add_dlg.h"
#include "core/presenters/image_lib_dlg.h"
#include "core/presenters/img_viewer_dlg.h"
#include "core/tags/tag.h"
#include "core/tags/tag_kinds.h"

#include "util/bmp_file.h"
#include "util/file_io.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace core;
namespace fs = std::filesystem;

namespace {

class LibraryFolder : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path()
                / ("dorvane_lib_" + std::to_string(::getpid()) + "_"
                   + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    std::string bmp(const std::string &name, int w, int h)
    {
        const std::string path = (dir / name).string();
        util::writeBmpFile(path, util::CMonoBitmap(w, h));
        return path;
    }
    std::string lib(std::uint32_t number) { return bmp(std::to_string(number) + ".bmp", 8, 8); }

    fntest::Env t;
    fs::path dir;
};

using ImageLibrary = LibraryFolder;
using ImageLibraryAdd = LibraryFolder;

class ViewerTag : public CTag
{
public:
    ViewerTag(std::uint16_t kind, std::vector<std::uint16_t> images)
        : m_images(std::move(images))
    {
        m_kind = kind;
    }
    std::vector<std::uint16_t> ImageIds() const override { return m_images; }

private:
    std::vector<std::uint16_t> m_images;
};

} // namespace

TEST_F(ImageLibrary, OpensOnTheRowAndCellOfTheIncomingNumber)
{
    CImageLibDlg d(t.env, dir.string());
    d.Open(1005);
    EXPECT_EQ(d.Category(), 1);
    EXPECT_EQ(d.Row(), 0u); // row 1 is shown from row 0
    EXPECT_EQ(d.SelectedIndex(), 5);
    const auto cells = d.Cells();
    EXPECT_TRUE(cells[5].selected);
    EXPECT_EQ(cells[5].index, 5u);
    EXPECT_EQ(cells[5].number, 1005u);
    EXPECT_EQ(cells[5].path, (dir / "1005.bmp").string());
    EXPECT_EQ(d.Ok(), 1005);

    for (std::uint32_t n : {996u, 997u, 998u, 999u}) {
        d.Open(n);
        EXPECT_EQ(d.Category(), 0);
        EXPECT_EQ(d.Row(), 248u) << n;
        EXPECT_EQ(d.CellOf(n), int(n - 992)); // in the second row shown
        EXPECT_TRUE(d.Cells()[std::size_t(n - 992)].selected);
    }
    d.Open(4010);
    EXPECT_EQ(d.Category(), 3);
    EXPECT_EQ(d.Row(), 2u);
    EXPECT_EQ(d.CellOf(10), 2);
    d.Open(5000); // an image text: no category, no selection
    EXPECT_EQ(d.Category(), 0);
    EXPECT_EQ(d.Row(), 0u);
    EXPECT_EQ(d.SelectedIndex(), -1);
    EXPECT_EQ(d.Ok(), 65535);
}

TEST_F(ImageLibrary, CategoryChangeForgetsTheSelection)
{
    CImageLibDlg d(t.env, dir.string());
    d.Open(42);
    d.SetCategory(2);
    EXPECT_EQ(d.Row(), 0u);
    EXPECT_EQ(d.Ok(), 65535); // nothing of the new category, nor 2999
    d.Click(6);
    EXPECT_EQ(d.Ok(), 3006);
    EXPECT_EQ(d.DoubleClick(1), 3001);
    EXPECT_EQ(CImageLibDlg::CategoryNames().at(1), "램프/버튼");
}

TEST_F(ImageLibrary, ScrollingIsClampedAndTheMarkFollowsTheNumber)
{
    CImageLibDlg d(t.env, dir.string());
    d.Open(2);
    EXPECT_EQ(d.ScrollMax(), 248u);
    d.OnScroll(CImageLibDlg::Scroll::LineUp);
    EXPECT_EQ(d.Row(), 0u);
    d.OnScroll(CImageLibDlg::Scroll::PageDown);
    EXPECT_EQ(d.Row(), 2u);
    for (const auto &c : d.Cells())
        EXPECT_FALSE(c.selected);
    d.OnScroll(CImageLibDlg::Scroll::Thumb, 5000);
    EXPECT_EQ(d.Row(), 248u);
    d.OnScroll(CImageLibDlg::Scroll::PageDown);
    EXPECT_EQ(d.Row(), 248u);
    EXPECT_EQ(d.Cells()[7].number, 999u);
    d.OnScroll(CImageLibDlg::Scroll::Top);
    EXPECT_TRUE(d.Cells()[2].selected);
    d.SetCategory(1);
    d.OnScroll(CImageLibDlg::Scroll::Bottom);
    EXPECT_EQ(d.Row(), 498u);
    EXPECT_EQ(d.Cells()[7].number, 2999u);
}

TEST_F(ImageLibrary, ArrowStepsKeepTheSelectionShown)
{
    CImageLibDlg d(t.env, dir.string());
    d.Open(65535);
    d.Step(4); // nothing selected yet: the first cell
    EXPECT_EQ(d.SelectedIndex(), 0);
    d.Step(-1); // before the first number: ignored
    EXPECT_EQ(d.SelectedIndex(), 0);
    d.Step(4);
    d.Step(4); // into the third row: one row down
    EXPECT_EQ(d.SelectedIndex(), 8);
    EXPECT_EQ(d.Row(), 1u);
    EXPECT_TRUE(d.Cells()[4].selected);
    d.OnScroll(CImageLibDlg::Scroll::Bottom); // the selection scrolled out of sight
    d.Step(-4);
    EXPECT_EQ(d.SelectedIndex(), 4);
    EXPECT_EQ(d.Row(), 1u);
    d.Open(998);
    d.Step(4); // beyond the category
    EXPECT_EQ(d.SelectedIndex(), 998);
    d.Step(1);
    EXPECT_EQ(d.Ok(), 999);
    EXPECT_EQ(d.Row(), 248u);
}

TEST_F(ImageLibrary, DeleteAsksOnlyForAnExistingSelectedFile)
{
    CImageLibDlg d(t.env, dir.string());
    d.Open(65535);
    EXPECT_FALSE(d.DeleteSelected());
    d.Click(3);
    EXPECT_FALSE(d.DeleteSelected()); // no file
    EXPECT_TRUE(t.prompt.asked.empty());
    const std::string path = lib(3);
    t.prompt.answers = {false, true};
    EXPECT_FALSE(d.DeleteSelected());
    EXPECT_TRUE(fs::exists(path));
    EXPECT_TRUE(d.DeleteSelected());
    EXPECT_FALSE(fs::exists(path));
    EXPECT_EQ(t.prompt.asked, (std::vector<int>{51815, 51815}));
}

TEST_F(ImageLibraryAdd, ProposesTheFirstFreeNumber)
{
    lib(0);
    lib(1);
    lib(2);
    EXPECT_EQ(CImageLibAddDlg(t.env, dir.string(), 0, 1000, 0).Number(), 3u);
    EXPECT_EQ(CImageLibAddDlg(t.env, dir.string(), 0, 1000, 1).Number(), 3u);
    lib(998);
    lib(999);
    EXPECT_EQ(CImageLibAddDlg(t.env, dir.string(), 0, 1000, 998).Number(), 3u); // wraps below
    lib(1000); // belongs to the next category: number 0 there
    EXPECT_EQ(CImageLibAddDlg(t.env, dir.string(), 1000, 2000, 0).Number(), 1u);
    CImageLibAddDlg d(t.env, dir.string(), 0, 1000, 0);
    d.SetNumber(-4);
    EXPECT_EQ(d.Number(), 0u);
    d.SetNumber(1000);
    EXPECT_EQ(d.Number(), 999u);
}

TEST_F(ImageLibraryAdd, OpenedFromTheLibraryWithTheSelectedNumber)
{
    lib(3005);
    CImageLibDlg d(t.env, dir.string());
    d.Open(3005);
    CImageLibAddDlg add = d.MakeAddDialog();
    EXPECT_EQ(add.Number(), 6u); // 5 is taken
    EXPECT_EQ(add.TargetNumber(), 3006u);
    EXPECT_EQ(add.BrowseStart(), dir.string());
    add.Browsed(lib(1));
    ASSERT_TRUE(add.Ok());
    EXPECT_TRUE(fs::exists(dir / "3006.bmp"));
    EXPECT_EQ(d.AddFinished(add), 6);
    EXPECT_EQ(d.MakeAddDialog().BrowseStart(), (dir / "1.bmp").string());
}

TEST_F(ImageLibraryAdd, PreviewChecksTheFile)
{
    CImageLibAddDlg d(t.env, dir.string(), 0, 1000, 0);
    EXPECT_FALSE(d.Preview());
    EXPECT_EQ(t.prompt.last(), 51810);
    const std::string text = (dir / "note.bmp").string();
    std::ofstream(text) << "not a bitmap";
    d.SetFile(text);
    EXPECT_FALSE(d.Preview());
    EXPECT_EQ(t.prompt.last(), 51813);
    EXPECT_FALSE(d.Browsed(bmp("wide.bmp", 193, 10)));
    EXPECT_EQ(t.prompt.last(), 51814);
    EXPECT_NE(t.prompt.texts.back().find("192(w) x 64(h)"), std::string::npos);
    EXPECT_FALSE(d.Browsed(bmp("tall.bmp", 10, 65)));
    EXPECT_TRUE(d.Browsed(bmp("full.bmp", 192, 64)));
    EXPECT_EQ(d.SizeText(), "( 192 x 64 )");
    EXPECT_EQ(d.Bitmap().width(), 192);
    EXPECT_EQ(d.BrowseStart(), (dir / "full.bmp").string());
}

TEST_F(ImageLibraryAdd, PreviewReadsABitmapMadeByImageMagick)
{
    const std::string path = (dir / "magick.bmp").string();
    const std::string cmd = "convert -size 30x20 xc:white -fill black -draw 'point 1,1' BMP3:"
            + path + " >/dev/null 2>&1";
    if (std::system(cmd.c_str()) != 0)
        GTEST_SKIP() << "ImageMagick convert is not available";
    CImageLibAddDlg d(t.env, dir.string(), 0, 1000, 0);
    ASSERT_TRUE(d.Browsed(path));
    EXPECT_EQ(d.SizeText(), "( 30 x 20 )");
    EXPECT_FALSE(d.Bitmap().pixel(1, 1));
    EXPECT_TRUE(d.Bitmap().pixel(2, 1));
}

TEST_F(ImageLibraryAdd, OkCopiesAndAsksBeforeOverwriting)
{
    const std::string source = bmp("source.bmp", 16, 16);
    CImageLibAddDlg d(t.env, dir.string(), 1000, 2000, 0);
    EXPECT_FALSE(d.Ok());
    EXPECT_EQ(t.prompt.last(), 51810);
    d.SetFile(source);
    ASSERT_TRUE(d.Ok());
    EXPECT_TRUE(d.Copied());
    EXPECT_EQ(util::readBmpFile((dir / "1000.bmp").string()).bitmap.width(), 16);

    const std::string other = bmp("other.bmp", 24, 8);
    d.SetFile(other);
    t.prompt.answers = {false};
    EXPECT_FALSE(d.Ok());
    EXPECT_EQ(t.prompt.asked.back(), 51811);
    EXPECT_EQ(util::readBmpFile((dir / "1000.bmp").string()).bitmap.width(), 16);
    t.prompt.answers = {true};
    ASSERT_TRUE(d.Ok());
    EXPECT_EQ(util::readBmpFile((dir / "1000.bmp").string()).bitmap.width(), 24);

    // Choosing the library file itself leaves it intact.
    d.SetFile((dir / "1000.bmp").string());
    t.prompt.answers = {true};
    ASSERT_TRUE(d.Ok());
    EXPECT_TRUE(d.Copied());
    EXPECT_EQ(util::readBmpFile((dir / "1000.bmp").string()).bitmap.width(), 24);
}

TEST(ImageViewer, ScrollRangeAndCells)
{
    fntest::Env t;
    CImgResMgr images;
    std::vector<std::unique_ptr<CScreenData>> screens;
    for (std::uint16_t id : {3, 1001, 7, 4000, 12}) {
        auto img = std::make_unique<CIndexedImage>();
        img->m_id = id;
        img->m_bitmap = util::CMonoBitmap(id % 50 + 1, 4);
        ASSERT_EQ(images.Add(std::move(img)), 0);
    }
    CImgViewerDlg d(t.env, images, screens);
    EXPECT_EQ(d.ScrollRangeMax(), 0u);
    EXPECT_EQ(d.ScrollMax(), 0u);
    auto cells = d.Cells();
    EXPECT_EQ(cells[0].id, 3);
    EXPECT_EQ(cells[4].id, 12);
    EXPECT_FALSE(cells[5].shown);
    EXPECT_FALSE(d.Click(5));

    for (std::uint16_t id : {20, 21, 22, 23}) {
        auto img = std::make_unique<CIndexedImage>();
        img->m_id = id;
        img->m_bitmap = util::CMonoBitmap(1, 1);
        images.Add(std::move(img));
    }
    // Nine images: the ninth must still be reachable.
    EXPECT_EQ(d.ScrollRangeMax(), 1u);
    d.SetPosition(1);
    EXPECT_EQ(d.Position(), 1u);
    EXPECT_EQ(d.Cells()[4].id, 23);
    d.SetPosition(9);
    EXPECT_EQ(d.Position(), 1u);
}

TEST(ImageViewer, InformationAndReferencesOfTheClickedImage)
{
    fntest::Env t;
    fntest::Project p;
    auto img = std::make_unique<CIndexedImage>();
    img->m_id = 1001;
    img->m_bitmap = util::CMonoBitmap(30, 12);
    ASSERT_EQ(p.images.Add(std::move(img)), 0);
    auto text = std::make_unique<CIndexedImage>();
    text->m_id = 5000;
    ASSERT_EQ(p.images.Add(std::move(text)), 0);

    CScreenData *s0 = nullptr;
    CScreenData *s2 = nullptr;
    CScreenData *s4 = nullptr;
    ASSERT_EQ(p.doc.AddScreen(0, &s0), kScreenOk);
    ASSERT_EQ(p.doc.AddScreen(2, &s2), kScreenOk);
    ASSERT_EQ(p.doc.AddScreen(4, &s4), kScreenOk);
    s0->SetBackgroundImage(1001);
    ASSERT_EQ(s0->AddTag(
                      std::make_unique<ViewerTag>(kTagLamp, std::vector<std::uint16_t>{1001, 1001}),
                      false),
              kTagOk);
    ASSERT_EQ(s0->AddTag(std::make_unique<ViewerTag>(kTagMotor,
                                                     std::vector<std::uint16_t>{5, 1001, 6}),
                         false),
              kTagOk);
    ASSERT_EQ(s2->AddTag(std::make_unique<ViewerTag>(kTagButton, std::vector<std::uint16_t>{7, 8}),
                         false),
              kTagOk);
    ASSERT_EQ(s4->AddTag(std::make_unique<ViewerTag>(kTagMobile, std::vector<std::uint16_t>{1001}),
                         false),
              kTagOk);
    ASSERT_EQ(s4->AddTag(std::make_unique<ViewerTag>(kTagBmpText, std::vector<std::uint16_t>{1001}),
                         false),
              kTagOk);

    CImgViewerDlg d(t.env, p.images, p.doc.Screens());
    ASSERT_TRUE(d.Click(0));
    EXPECT_EQ(d.SelectedImage(), 1001);
    EXPECT_TRUE(d.Cells()[0].selected);
    const auto &info = d.Selected();
    EXPECT_EQ(info.width, "30");
    EXPECT_EQ(info.height, "12");
    EXPECT_EQ(info.library, "램프/버튼");
    EXPECT_EQ(info.libraryId, "1");
    ASSERT_EQ(info.references.size(), 2u);
    EXPECT_EQ(info.references[0].number, "0");
    EXPECT_EQ(info.references[0].name, "화면0");
    EXPECT_EQ(info.references[0].count, "3"); // background, lamp once, rotation
    EXPECT_EQ(info.references[1].number, "4");
    EXPECT_EQ(info.references[1].count, "1"); // the image text does not count

    ASSERT_TRUE(d.Click(1));
    EXPECT_EQ(d.Selected().width, ""); // no bitmap
    EXPECT_EQ(d.Selected().library, "");
    EXPECT_TRUE(d.Selected().references.empty());
    EXPECT_EQ(CImgViewerDlg::ReferenceColumns().at(2), "참조갯수");
}
