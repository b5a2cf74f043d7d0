// The editor's window rules that live outside the windows: gauge labels, recent files, the new
// screen and screen property dialogs, screen deletion and the screen clipboard.

#include "core/app/app_services.h"
#include "core/editor/screen_rules.h"
#include "core/editor/screen_snapshot.h"
#include "core/model/indexed_image.h"
#include "core/presenters/dlg_new_screen.h"
#include "core/presenters/gauge_label.h"
#include "core/presenters/recent_files.h"
#include "core/presenters/screen_prop_dlg.h"

#include "util/bmp_file.h"
#include "util/code_page.h"
#include "util/messages.h"

#include "support/recording_prompt.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

using namespace core;

TEST(GaugeLabel, KeepsItsWidthWhateverThePercentage)
{
    EXPECT_EQ(gaugeLabel(MemoryGauge::Screen, 0), "화면   0%");
    EXPECT_EQ(gaugeLabel(MemoryGauge::Screen, 45), "화면  45%");
    EXPECT_EQ(gaugeLabel(MemoryGauge::Screen, 100), "화면 100%");
    EXPECT_EQ(gaugeLabel(MemoryGauge::String, 7), "메시지   7%");
    EXPECT_EQ(gaugeLabel(MemoryGauge::Image, 100), "이미지 100%");
    // The English interface shows English labels of the same fixed width.
    util::setMessageLanguage(util::kResEnglish);
    EXPECT_EQ(gaugeLabel(MemoryGauge::Screen, 45), "Screen  45%");
    EXPECT_EQ(gaugeLabel(MemoryGauge::String, 100), "Message 100%");
    util::setMessageLanguage(0x412);
}

TEST(RecentFiles, LatestFirstFourAtMostEachOnce)
{
    CRecentFiles recent;
    for (const char *p : {"a", "b", "c", "d", "e"})
        recent.Add(p);
    EXPECT_EQ(recent.Files(), (std::vector<std::string>{"e", "d", "c", "b"}));
    recent.Add("c");
    EXPECT_EQ(recent.Files(), (std::vector<std::string>{"c", "e", "d", "b"}));
    recent.Remove("e");
    EXPECT_EQ(recent.Files(), (std::vector<std::string>{"c", "d", "b"}));
    // A stored list with duplicates and blanks reads back clean, in its order.
    CRecentFiles stored({"x", "", "y", "x"});
    EXPECT_EQ(stored.Files(), (std::vector<std::string>{"x", "y"}));
}

TEST(ScreenDelete, StopsWhenOneScreenIsLeft)
{
    EXPECT_EQ(screensToDelete({1, 2, 3}, 4), (std::vector<std::uint16_t>{3, 2, 1}));
    EXPECT_EQ(screensToDelete({1, 2, 3}, 3), (std::vector<std::uint16_t>{3, 2}));
    EXPECT_TRUE(screensToDelete({0}, 1).empty());
}

class ProjectFixture : public ::testing::Test
{
protected:
    ProjectFixture()
        : m_doc(m_services.NewDocument())
    { }
    CScreenData &add(std::uint16_t n)
    {
        CScreenData *s = nullptr;
        EXPECT_EQ(m_doc->AddScreen(n, &s), kScreenOk);
        return *s;
    }

    CAppServices m_services;
    std::unique_ptr<CDorvaneDoc> m_doc;
};

TEST_F(ProjectFixture, NewScreenProposesNextNumberAndChecksOk)
{
    add(0);
    add(1);
    add(7);
    CDlgNewScreen p(*m_doc, util::kLangKorean);
    EXPECT_EQ(p.Number(), 8);
    EXPECT_EQ(p.Name(), "화면8");
    p.SpinTo(12);
    EXPECT_EQ(p.Name(), "화면12");
    p.SpinTo(1000); // out of range: nothing changes
    EXPECT_EQ(p.Number(), 12);

    p.SetName("");
    EXPECT_EQ(p.Ok(nullptr), CDlgNewScreen::kMsgNameLength);
    p.SetName(std::string(24, 'a'));
    EXPECT_EQ(p.Ok(nullptr), CDlgNewScreen::kMsgNameLength);
    p.SetName("Main");
    p.SetNumber(1000);
    EXPECT_EQ(p.Ok(nullptr), CDlgNewScreen::kMsgNumberRange);
    p.SetNumber(7);
    EXPECT_EQ(p.Ok(nullptr), CDlgNewScreen::kMsgScreenExists);
    EXPECT_EQ(m_doc->Screens().size(), 3u);

    CScreenData *created = nullptr;
    p.SetNumber(5);
    p.SetName("메인");
    ASSERT_EQ(p.Ok(&created), 0);
    EXPECT_EQ(created->Number(), 5);
    // Stored in the panel code page, shown back in UTF-8.
    EXPECT_EQ(created->Name(), *util::fromUtf8("메인", util::kLangKorean));
    EXPECT_EQ(screenCaption(*created, util::kLangKorean), "화면5:메인");
}

TEST_F(ProjectFixture, NewScreenReportsFullScreenArea)
{
    // 10 + 93 * 704 = 65482: one more screen would pass 65536.
    for (std::uint16_t n = 0; n < 93; ++n)
        add(n);
    CDlgNewScreen p(*m_doc, util::kLangKorean);
    EXPECT_EQ(p.Ok(nullptr), CDlgNewScreen::kMsgScreenFull);
}

TEST_F(ProjectFixture, ScreensTravelThroughTheClipboard)
{
    CScreenData &s = add(3);
    s.SetName("abc");
    s.SetPrevScreen(2);
    s.FunctionKey(2)[5] = 0x5A;
    const util::Bytes data = encodeScreens({&s});

    const auto decoded = decodeScreens(data);
    ASSERT_TRUE(decoded.has_value());
    ASSERT_EQ(decoded->size(), 1u);
    EXPECT_EQ((*decoded)[0].number, 3);

    // Its number is taken: the paste takes the next free one.
    const auto number = pasteScreenNumber(*m_doc, (*decoded)[0].number);
    ASSERT_TRUE(number.has_value());
    EXPECT_EQ(*number, 4);
    CScreenData *pasted = nullptr;
    ASSERT_EQ(restoreScreen(*m_doc, (*decoded)[0], *number, &pasted), 0);
    EXPECT_EQ(pasted->Name(), "abc");
    EXPECT_EQ(pasted->PrevScreen(), 2);
    EXPECT_EQ(pasted->FunctionKey(2)[5], 0x5A);

    // Cut short: refused as a whole.
    util::Bytes cut(data.begin(), data.end() - 3);
    EXPECT_FALSE(decodeScreens(cut).has_value());
}

TEST_F(ProjectFixture, PasteNumberWrapsToTheLowestFreeNumber)
{
    add(998);
    add(999);
    EXPECT_EQ(pasteScreenNumber(*m_doc, 998), std::optional<std::uint16_t>(0));
    EXPECT_EQ(pasteScreenNumber(*m_doc, 5), std::optional<std::uint16_t>(5));
}

TEST_F(ProjectFixture, RestoredScreenKeepsBackgroundAndPassword)
{
    CScreenData &s = add(2);
    s.SetBackgroundImage(1000);
    s.SetPasswordOn(true);
    const ScreenSnapshot snap = captureScreen(s);
    ASSERT_TRUE(m_doc->RemoveScreen(2));
    CScreenData *back = nullptr;
    ASSERT_EQ(restoreScreen(*m_doc, snap, 2, &back), 0);
    EXPECT_EQ(back->BackgroundImage(), 1000);
    EXPECT_TRUE(back->IsPasswordOn());
    // The number is taken now.
    EXPECT_EQ(restoreScreen(*m_doc, snap, 2), 52201);
}

TEST_F(ProjectFixture, ScreenPropertiesActAtOnceAndRefuseWhatCannotBeKept)
{
    add(0);
    add(2);
    CScreenData &screen = add(5);
    screen.SetName("five");
    support::RecordingPrompt prompt;
    CScreenPropDlg dlg(*m_doc, screen, util::kLangKorean, prompt);

    EXPECT_TRUE(dlg.SetName("main"));
    EXPECT_EQ(screen.Name(), "main");
    EXPECT_FALSE(dlg.SetName("main")); // unchanged: nothing to tell
    // A number another screen has is refused with 52603; one above 999 silently.
    EXPECT_FALSE(dlg.SetNumber(2));
    EXPECT_EQ(prompt.shown, std::vector<int>{52603});
    EXPECT_FALSE(dlg.SetNumber(1000));
    EXPECT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(screen.Number(), 5);
    EXPECT_TRUE(dlg.SetNumber(7));
    EXPECT_EQ(m_doc->FindScreen(7), &screen);
    EXPECT_FALSE(dlg.SetPrev(1000));
    EXPECT_TRUE(dlg.SetNext(2));
    EXPECT_TRUE(dlg.SetPasswordOn(true));
    EXPECT_FALSE(dlg.Now() == dlg.Before());
}

TEST_F(ProjectFixture, ScreenPropertiesCancelPutsEverythingBack)
{
    add(0);
    CScreenData &screen = add(5);
    screen.SetName("five");
    screen.SetPrevScreen(0);
    support::RecordingPrompt prompt;
    CScreenPropDlg dlg(*m_doc, screen, util::kLangKorean, prompt);
    const ScreenProps before = ScreenProps::Of(screen);
    dlg.SetName("other");
    dlg.SetNumber(9);
    dlg.SetPrev(3);
    dlg.SetBackgroundOn(true);
    dlg.SetPasswordOn(true);
    dlg.Cancel();
    EXPECT_EQ(ScreenProps::Of(screen), before);
    EXPECT_EQ(m_doc->FindScreen(5), &screen);
    EXPECT_EQ(m_doc->FindScreen(9), nullptr);
}

class BackgroundFixture : public ProjectFixture
{
protected:
    BackgroundFixture()
    {
        m_dir = std::filesystem::temp_directory_path()
                / ("dorvane_bg_" + std::to_string(::getpid()) + "_"
                   + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(m_dir);
        m_doc->Images().SetImagesDir(m_dir.string());
    }
    ~BackgroundFixture() override { std::filesystem::remove_all(m_dir); }
    void library(std::uint16_t n, int w, int h)
    {
        util::writeBmpFile((m_dir / (std::to_string(n) + ".bmp")).string(),
                           util::CMonoBitmap(w, h));
    }

    std::filesystem::path m_dir;
};

TEST_F(BackgroundFixture, ChosenBackgroundIsLoadedAndSwitchedOn)
{
    library(7, 100, 40);
    library(1001, 16, 16);
    CScreenData &screen = add(0);
    support::RecordingPrompt prompt;
    CScreenPropDlg dlg(*m_doc, screen, util::kLangKorean, prompt);
    EXPECT_TRUE(dlg.SetBackgroundImage(7));
    EXPECT_EQ(screen.BackgroundImage(), 7);
    EXPECT_TRUE(screen.IsBackgroundOn());
    EXPECT_EQ(dlg.BackgroundWidth(), 100);
    EXPECT_EQ(dlg.BackgroundHeight(), 40);
    EXPECT_FALSE(dlg.SetBackgroundImage(7)); // the same again: nothing changes
    // A number without a library file keeps the image, with the message why.
    EXPECT_FALSE(dlg.SetBackgroundImage(8));
    EXPECT_EQ(prompt.shown, std::vector<int>{51813});
    EXPECT_EQ(screen.BackgroundImage(), 7);
    EXPECT_TRUE(dlg.SetBackgroundImage(1001));
    EXPECT_EQ(dlg.Now().background, 1001);
    // Cancel: the old number back, and the images only this dialog loaded gone again.
    dlg.Cancel();
    EXPECT_EQ(ScreenProps::Of(screen), dlg.Before());
    EXPECT_EQ(m_doc->Images().Find(7), nullptr);
    EXPECT_EQ(m_doc->Images().Find(1001), nullptr);
    EXPECT_EQ(m_doc->Images().UsedBytes(), CImgResMgr::kEmptyBytes);
}

TEST_F(BackgroundFixture, OkKeepsOnlyTheImageFinallyChosen)
{
    library(7, 8, 8);
    library(8, 8, 8);
    CScreenData &screen = add(0);
    support::RecordingPrompt prompt;
    CScreenPropDlg dlg(*m_doc, screen, util::kLangKorean, prompt);
    EXPECT_TRUE(dlg.SetBackgroundImage(7));
    EXPECT_TRUE(dlg.SetBackgroundImage(8));
    dlg.Ok();
    EXPECT_EQ(m_doc->Images().Find(7), nullptr);
    EXPECT_NE(m_doc->Images().Find(8), nullptr);
    EXPECT_EQ(screen.BackgroundImage(), 8);
}

TEST_F(BackgroundFixture, BackgroundRefusedWhenTooLargeOrTheAreaIsFull)
{
    library(3, 193, 10);
    library(4, 192, 64);
    CScreenData &screen = add(0);
    screen.SetBackgroundImage(1);
    CScreenData &other = add(1);
    other.SetBackgroundImage(4);
    support::RecordingPrompt prompt;
    CScreenPropDlg dlg(*m_doc, screen, util::kLangKorean, prompt);
    EXPECT_FALSE(dlg.SetBackgroundImage(3));
    for (std::uint32_t id = 100; id < 142; ++id) // 42 full-size images leave 510 bytes
        ASSERT_EQ(m_doc->Images().Add(std::make_unique<CIndexedImage>(
                          CIndexedImage{id, util::CMonoBitmap(192, 64)})),
                  0);
    EXPECT_FALSE(dlg.SetBackgroundImage(4));
    EXPECT_EQ(prompt.shown, (std::vector<int>{51814, 52302}));
    EXPECT_EQ(screen.BackgroundImage(), 1);
    EXPECT_FALSE(screen.IsBackgroundOn());
    // A number outside the categories (OK without a cell) means no background.
    screen.SetBackgroundOn(true);
    EXPECT_TRUE(dlg.SetBackgroundImage(65535));
    EXPECT_EQ(screen.BackgroundImage(), kNoImage);
    EXPECT_FALSE(screen.IsBackgroundOn());
}
