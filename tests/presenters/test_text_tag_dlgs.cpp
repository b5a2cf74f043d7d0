// The text, message and image-text property dialogs' rules: texts kept in the panel's code page
// within 24 bytes, the panel font, the message table's shown text, the image text's font,
// direction and its charge on the image area through every change, cancel and undo.

#include "support/recording_prompt.h"

#include "core/model/img_res_mgr.h"
#include "core/model/str_res_mgr.h"
#include "core/presenters/bmp_text_tag_dlg.h"
#include "core/presenters/message_tag_dlg.h"
#include "core/presenters/text_tag_dlg.h"
#include "core/tags/panel_text.h"
#include "core/tags/tag_resources.h"

#include "util/message_ids.h"

#include <gtest/gtest.h>

#include <string>

using namespace core;

namespace {

// The image and message managers the tags consult, installed for one test.
class TextDlgTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        images.AdjustUsed(1000); // away from the empty area's floor
    }
    // The tag joins the project whose images and messages the test fills.
    void bind(CTag &tag) { tag.BindResources(m_resources); }

    FunctionEnv Env(std::uint16_t lang = util::kLangKorean) { return {driverSlots, prompt, lang}; }

    CImgResMgr images;
    CStrResMgr strings;
    CPlcSlots driverSlots;
    support::RecordingPrompt prompt;

private:
    TagResources m_resources{&images, &strings, util::kLangKorean, util::kLangKorean};
};

const std::string kHangul12 = "가나다라마바사아자차카타"; // 24 bytes in CP949

} // namespace

TEST_F(TextDlgTest, TextIsKeptInThePanelsCodePageWithinTwentyFourBytes)
{
    CTextTag tag;
    bind(tag);
    const FunctionEnv env = Env();
    CTextTagDlg dlg(env, tag);
    EXPECT_EQ(dlg.Text(), "Text");
    EXPECT_TRUE(dlg.SetText(kHangul12));
    EXPECT_EQ(tag.Text().size(), 24u);
    EXPECT_EQ(dlg.Text(), kHangul12);
    EXPECT_EQ(tag.Rect().Width(), 12 * 16); // double-byte cells of the normal font

    EXPECT_FALSE(dlg.TextFits(kHangul12 + "A"));
    EXPECT_FALSE(dlg.SetText(kHangul12 + "A"));
    EXPECT_FALSE(dlg.SetText("\xF0\x9F\x98\x80")); // no place in CP949
    EXPECT_EQ(dlg.Text(), kHangul12);
    EXPECT_TRUE(prompt.shown.empty());

    // An English panel keeps Latin-1 letters as one byte each and has no Hangul.
    CTextTag english;
    bind(english);
    const FunctionEnv envEn = Env(util::kLangEnglish);
    CTextTagDlg dlgEn(envEn, english);
    EXPECT_TRUE(dlgEn.SetText("café"));
    EXPECT_EQ(english.Text(), "caf\xE9");
    EXPECT_FALSE(dlgEn.SetText("가"));
}

TEST_F(TextDlgTest, PanelFontAndLookAndCancelRestoreEverything)
{
    CTextTag tag;
    bind(tag);
    tag.MoveTo(10, 20);
    const FunctionEnv env = Env();
    CTextTagDlg dlg(env, tag);
    const util::Bytes before = CTagPropDlg::Body(tag);
    EXPECT_TRUE(dlg.SetPanelFont(kFontLarge));
    EXPECT_FALSE(dlg.SetPanelFont(3));
    EXPECT_EQ(tag.Font(), kFontLarge);
    dlg.SetBorder(true);
    dlg.SetInverse(true);
    dlg.SetText("Hello");
    dlg.SetX(100);
    EXPECT_TRUE(dlg.Changed());
    dlg.Cancel();
    EXPECT_EQ(CTagPropDlg::Body(tag), before);
    EXPECT_EQ(tag.Rect().Width(), 32);
}

TEST_F(TextDlgTest, MessageTagShowsTheFirstEntrysMessageAndCancelRestoresTheTable)
{
    strings.Add(7, "Pump on");
    CMessageTag tag;
    bind(tag);
    const FunctionEnv env = Env();
    CMessageTagDlg dlg(env, tag, &strings);
    EXPECT_FALSE(dlg.TextEditable());
    EXPECT_FALSE(dlg.SetText("typed"));
    EXPECT_EQ(dlg.Text(), "Message");
    EXPECT_FALSE(dlg.Point().MustWrite());
    const util::Bytes before = CTagPropDlg::Body(tag);
    const std::int32_t widthBefore = tag.Rect().Width();

    tag.AddEntry(3, 7); // as the table editor would
    dlg.TableChanged();
    EXPECT_EQ(dlg.Text(), "Pump on");
    EXPECT_EQ(tag.Rect().Width(), 7 * 8);
    EXPECT_TRUE(dlg.SetPanelFont(kFontSmall));

    dlg.Cancel();
    EXPECT_EQ(CTagPropDlg::Body(tag), before);
    EXPECT_TRUE(tag.Entries().empty());
    EXPECT_EQ(dlg.Text(), "Message");
    EXPECT_EQ(tag.Rect().Width(), widthBefore);
}

TEST_F(TextDlgTest, ImageTextChargesTheImageAreaAndCancelPutsTheTotalBack)
{
    CBmpTextTag tag;
    bind(tag);
    const std::uint32_t total = images.UsedBytes();
    const FunctionEnv env = Env();
    CBmpTextTagDlg dlg(env, tag);
    const util::Bytes before = CTagPropDlg::Body(tag);
    const std::uint32_t tagBytes = tag.ImageBytes();

    ASSERT_TRUE(dlg.SetText("A much longer text"));
    EXPECT_GT(tag.ImageBytes(), tagBytes);
    EXPECT_EQ(images.UsedBytes(), total + tag.ImageBytes() - tagBytes);
    // The frame makes the image larger too.
    const std::uint32_t unframed = tag.ImageBytes();
    ASSERT_TRUE(dlg.SetBorder(true));
    EXPECT_EQ(images.UsedBytes(), total + tag.ImageBytes() - tagBytes);
    EXPECT_GT(tag.ImageBytes(), unframed);
    ASSERT_TRUE(dlg.SetDirection(900));
    ASSERT_EQ(dlg.ChooseFont({"Liberation Sans", 24, 700, true, false, false}), FontResult::Taken);
    EXPECT_EQ(images.UsedBytes(), total + tag.ImageBytes() - tagBytes);

    dlg.Cancel();
    EXPECT_EQ(CTagPropDlg::Body(tag), before);
    EXPECT_EQ(images.UsedBytes(), total);
}

TEST_F(TextDlgTest, ImageTextDirectionTurnsTheRectangle)
{
    CBmpTextTag tag;
    bind(tag);
    const FunctionEnv env = Env();
    CBmpTextTagDlg dlg(env, tag);
    const std::int32_t width = tag.Rect().Width();
    const std::int32_t height = tag.Rect().Height();
    EXPECT_FALSE(dlg.SetDirection(450));
    EXPECT_TRUE(dlg.SetDirection(2700));
    EXPECT_EQ(dlg.Direction(), 2700);
    EXPECT_EQ(tag.WindowsFont().orientation(), 2700);
    EXPECT_EQ(tag.Rect().Width(), height);
    EXPECT_EQ(tag.Rect().Height(), width);
    const auto preview = dlg.Preview();
    ASSERT_TRUE(preview);
    EXPECT_EQ(preview->width(), height);
}

TEST_F(TextDlgTest, ChosenFontMapsToTheDescriptionTheRendererFinds)
{
    CBmpTextTag tag;
    bind(tag);
    const FunctionEnv env = Env();
    CBmpTextTagDlg dlg(env, tag);
    const FontChoice current = dlg.CurrentFont();
    EXPECT_EQ(current.family, "NanumGothic"); // what "굴림" is drawn with
    EXPECT_EQ(current.weight, 400);
    EXPECT_GT(current.pixelHeight, 0);
    EXPECT_LE(current.pixelHeight, 16);
    EXPECT_EQ(dlg.ChooseFont(current), FontResult::Unchanged);
    EXPECT_FALSE(dlg.Changed());

    // The family the face already stands for keeps the face's own name.
    FontChoice bigger = current;
    bigger.pixelHeight = 20;
    ASSERT_EQ(dlg.ChooseFont(bigger), FontResult::Taken);
    EXPECT_EQ(tag.WindowsFont().faceName(), CBmpTextTag::DefaultFont().faceName());
    EXPECT_EQ(tag.WindowsFont().height(), -20);
    EXPECT_EQ(tag.WindowsFont().width(), 0);
    EXPECT_EQ(dlg.CurrentFont(), bigger);

    ASSERT_TRUE(dlg.SetDirection(1800));
    const FontChoice serif{"Liberation Serif", 18, 700, true, true, true};
    ASSERT_EQ(dlg.ChooseFont(serif), FontResult::Taken);
    const util::CLogFont &font = tag.WindowsFont();
    EXPECT_EQ(font.faceName(), "Liberation Serif");
    EXPECT_EQ(font.height(), -18);
    EXPECT_EQ(font.weight(), 700);
    EXPECT_TRUE(font.italic() && font.underline() && font.strikeOut());
    EXPECT_EQ(font.escapement(), 1800); // the direction is kept
    EXPECT_EQ(dlg.CurrentFont(), serif);
    EXPECT_TRUE(dlg.Preview().has_value());

    const util::Bytes chosen = CTagPropDlg::Body(tag);
    EXPECT_EQ(dlg.ChooseFont({"No Such Family Here", 18, 400}), FontResult::FaceUnusable);
    EXPECT_EQ(dlg.ChooseFont({std::string(40, 'x'), 18, 400}), FontResult::FaceUnusable);
    EXPECT_EQ(dlg.ChooseFont({"Liberation Sans", 0, 400}), FontResult::FaceUnusable);
    EXPECT_EQ(CTagPropDlg::Body(tag), chosen);
}

TEST_F(TextDlgTest, ImageTextThatWouldOverflowTheImageAreaIsTakenBack)
{
    CBmpTextTag tag;
    bind(tag);
    const FunctionEnv env = Env();
    CBmpTextTagDlg dlg(env, tag);
    images.AdjustUsed(std::int64_t(CImgResMgr::kAreaSize) - images.UsedBytes() - 4);
    const std::uint32_t total = images.UsedBytes();
    const util::Bytes before = CTagPropDlg::Body(tag);

    EXPECT_FALSE(dlg.SetText("Much longer than before"));
    EXPECT_EQ(prompt.shown, std::vector<int>{util::msg::kMemoryFull});
    EXPECT_FALSE(dlg.SetBorder(true));
    EXPECT_EQ(dlg.ChooseFont({"Liberation Sans", 40, 400}), FontResult::NoRoom);
    EXPECT_EQ(CTagPropDlg::Body(tag), before);
    EXPECT_EQ(images.UsedBytes(), total);
    // Smaller always fits.
    EXPECT_TRUE(dlg.SetText("Im"));
    EXPECT_LT(images.UsedBytes(), total);
}

TEST_F(TextDlgTest, LoadingAnImageTextsBodyChargesTheDifference)
{
    // The undo step restores bodies: the image area's total follows them both ways.
    CBmpTextTag tag;
    bind(tag);
    const std::uint32_t total = images.UsedBytes();
    const util::Bytes before = CTagPropDlg::Body(tag);
    tag.SetText("Another text");
    tag.SetBorder(true);
    const util::Bytes after = CTagPropDlg::Body(tag);
    const std::uint32_t changed = images.UsedBytes();
    ASSERT_NE(changed, total);
    CTagPropDlg::LoadBody(tag, before);
    EXPECT_EQ(images.UsedBytes(), total);
    CTagPropDlg::LoadBody(tag, after);
    EXPECT_EQ(images.UsedBytes(), changed);
}
