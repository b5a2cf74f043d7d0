// Property dialogs keep tags on the 192 x 64 display: OK refuses a position or size that runs off
// it and says both sizes, while a tag a file brought in hanging off may stay as it was; the
// creation tools start a tag inside; the file check lists the tags that hang off.

#include "support/recording_prompt.h"

#include "core/editor/screen_rules.h"
#include "core/editor/selection_rules.h"
#include "core/model/dorvane_doc.h"
#include "core/model/img_res_mgr.h"
#include "core/model/memory_monitor.h"
#include "core/model/screen_data.h"
#include "core/model/str_res_mgr.h"
#include "core/presenters/clock_tag_dlg.h"
#include "core/presenters/text_tag_dlg.h"
#include "core/tags/tag_resources.h"
#include "core/tags/text_tag.h"

#include "util/message_ids.h"

#include <gtest/gtest.h>

using namespace core;

namespace {

class TagOnDisplayTest : public ::testing::Test
{
protected:
    // The tag joins the project whose images and messages the test fills.
    void bind(CTag &tag) { tag.BindResources(m_resources); }

    FunctionEnv Env() { return {driverSlots, prompt, util::kLangKorean}; }

    CImgResMgr images;
    CStrResMgr strings;
    CPlcSlots driverSlots;
    support::RecordingPrompt prompt;

private:
    TagResources m_resources{&images, &strings, util::kLangKorean, util::kLangKorean};
};

} // namespace

TEST_F(TagOnDisplayTest, LongClockFormatRunningOffTheRightEdgeIsRefusedWithBothSizes)
{
    CClockTag clock;
    bind(clock);
    clock.SetFormat(1); // "HH:MM:SS" ends at the right edge
    clock.MoveTo(128, 10);
    ASSERT_EQ(clock.Rect().right, kPanelWidth);
    const FunctionEnv env = Env();
    CClockTagDlg dlg(env, clock);
    dlg.SetFormat(0); // "YYYY/mm/DD HH:MM:SS": 19 cells
    ASSERT_GT(clock.Rect().right, kPanelWidth);
    EXPECT_FALSE(dlg.Accept());
    ASSERT_EQ(prompt.last(), util::msg::kTagOffDisplay);
    const std::string &text = prompt.texts.back();
    EXPECT_NE(text.find("192 × 64"), std::string::npos) << text;
    EXPECT_NE(text.find(std::to_string(clock.Rect().Width()) + " × "), std::string::npos) << text;
    EXPECT_NE(text.find("(128, 10)"), std::string::npos) << text;

    // Moved back in, the same format is taken.
    EXPECT_TRUE(dlg.SetX(0));
    EXPECT_TRUE(dlg.Accept());
    EXPECT_EQ(prompt.shown.size(), 1u);
}

TEST_F(TagOnDisplayTest, TextMovedOffIsRefusedButOneAlreadyOffMayKeepItsPlace)
{
    CTextTag text;
    bind(text);
    const FunctionEnv env = Env();
    {
        CTextTagDlg dlg(env, text);
        EXPECT_TRUE(dlg.SetX(190)); // a legal anchor; the text's cells run past the edge
        EXPECT_FALSE(dlg.Accept());
        EXPECT_EQ(prompt.last(), util::msg::kTagOffDisplay);
        dlg.Cancel();
    }
    // A file brought it in at x = 180: another look is fine, further off is not, back in is.
    text.MoveTo(180, 0);
    prompt.shown.clear();
    CTextTagDlg dlg(env, text);
    dlg.SetInverse(true);
    EXPECT_TRUE(dlg.Accept());
    EXPECT_TRUE(dlg.SetX(185));
    EXPECT_FALSE(dlg.Accept());
    EXPECT_TRUE(dlg.SetX(170));
    EXPECT_TRUE(dlg.Accept());
    EXPECT_EQ(prompt.shown.size(), 1u);
}

TEST(TagPlacement, ANewTagStartsInsideTheDisplay)
{
    using editor::offsetOntoDisplay;
    EXPECT_EQ(offsetOntoDisplay({10, 10, 26, 58}), (CPoint{0, 0}));
    // A bar graph of 16 x 48 put down at y = 39 moves up to the bottom edge.
    EXPECT_EQ(offsetOntoDisplay({100, 39, 116, 87}), (CPoint{0, -23}));
    EXPECT_EQ(offsetOntoDisplay({180, 60, 200, 70}), (CPoint{-8, -6}));
    EXPECT_EQ(offsetOntoDisplay({-4, -2, 10, 10}), (CPoint{4, 2}));
    // Larger than the display: its top-left corner goes to the display's.
    EXPECT_EQ(offsetOntoDisplay({20, 5, 300, 30}), (CPoint{-20, 0}));
}

TEST(TagPlacement, TheFileCheckListsEveryTagThatHangsOffTheDisplay)
{
    CDorvaneDoc doc;
    NewProjectSettings settings;
    settings.path = "off.kvr";
    settings.channel1[0] = 1;
    ASSERT_TRUE(doc.NewProject(settings));
    CScreenData &screen = *doc.Screens().front();
    for (const auto x : {0, 190, 20}) {
        auto text = std::make_unique<CTextTag>();
        text->MoveTo(x, 5);
        ASSERT_EQ(screen.AddTag(std::move(text), false), kTagOk);
    }
    const auto off = offDisplayTags(doc);
    ASSERT_EQ(off.size(), 1u);
    EXPECT_EQ(off[0].screen, screen.Number());
    EXPECT_EQ(off[0].index, 1u);
    EXPECT_EQ(off[0].kind, kTagText);
    EXPECT_EQ(off[0].rect.left, 190);
}
