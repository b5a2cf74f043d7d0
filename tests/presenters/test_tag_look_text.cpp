// The tag list's look columns: inverse, border and font, with their captions, in the language
// the windows show and, for an image text's face, in the panel's code page.

#include "core/functions/record_text.h"
#include "core/tags/bmp_text_tag.h"
#include "core/tags/clock_tag.h"
#include "core/tags/digit_tag.h"
#include "core/tags/graph_tag.h"
#include "core/tags/panel_text.h"
#include "core/tags/tag_factory.h"
#include "core/tags/tag_kinds.h"

#include "util/code_page.h"
#include "util/log_font.h"
#include "util/messages.h"

#include <gtest/gtest.h>

#include <string>

using namespace core;

namespace {

constexpr TagField kLookFields[] = {TagField::Inverse, TagField::Border, TagField::Font};

// Sets the message language for one test and puts the old one back.
class MessageLanguage
{
public:
    explicit MessageLanguage(std::uint16_t lang)
        : m_old(util::messageLanguage())
    {
        util::setMessageLanguage(lang);
    }
    ~MessageLanguage() { util::setMessageLanguage(m_old); }

private:
    std::uint16_t m_old;
};

} // namespace

TEST(TagLookText, AKindListsExactlyTheLookItHas)
{
    // The list's columns per kind and the cells of a new tag of that kind must agree: a column
    // the tag fills is never missing, and an empty column is never shown.
    int looks = 0;
    for (int kind = 0; kind < kTagKindCount; ++kind) {
        const auto tag = createTag(kind);
        ASSERT_TRUE(tag) << kind;
        for (TagField field : kLookFields) {
            const bool filled = !tagText(*tag, field, util::kLangKorean).empty();
            EXPECT_EQ(tagKindHasLook(kind, field), filled) << kind << " " << int(field);
            looks += filled ? 1 : 0;
        }
    }
    // Numeric, message, text, clock and image text have all three; pie, image and rotation
    // only inverse; bar, trend and moving only a border.
    EXPECT_EQ(looks, 5 * 3 + 3 + 3);
    EXPECT_FALSE(tagKindHasLook(kTagLamp, TagField::Inverse));
    EXPECT_FALSE(tagKindHasLook(kTagDigit, TagField::Address)); // not a look field
}

TEST(TagLookText, FlagsReadOnOrOff)
{
    CDigitTag digit;
    EXPECT_EQ(tagText(digit, TagField::Inverse), "Off");
    EXPECT_EQ(tagText(digit, TagField::Border), "Off");
    digit.SetInverse(true);
    digit.SetBorder(true);
    EXPECT_EQ(tagText(digit, TagField::Inverse), "On");
    EXPECT_EQ(tagText(digit, TagField::Border), "On");

    CClockTag clock;
    clock.SetBorder(true);
    EXPECT_EQ(tagText(clock, TagField::Border), "On");
    EXPECT_EQ(tagText(clock, TagField::Inverse), "Off");

    const auto bar = createTag(kTagGraph1);
    static_cast<CGraphTag &>(*bar).SetBorder(true);
    EXPECT_EQ(tagText(*bar, TagField::Border), "On");
    EXPECT_EQ(tagText(*bar, TagField::Inverse), ""); // a bar has no inverse
}

TEST(TagLookText, PanelFontsByTheDialogsWords)
{
    CDigitTag digit;
    {
        const MessageLanguage korean(0x412);
        EXPECT_EQ(tagText(digit, TagField::Font), "보통 글꼴");
        digit.SetFont(kFontSmall);
        EXPECT_EQ(tagText(digit, TagField::Font), "작은 글꼴");
        digit.SetFont(kFontLarge);
        EXPECT_EQ(tagText(digit, TagField::Font), "큰 글꼴");
    }
    const MessageLanguage english(util::kResEnglish);
    EXPECT_EQ(tagText(digit, TagField::Font), "Large font");
}

TEST(TagLookText, ImageTextShowsItsFaceInThePanelsCodePage)
{
    CBmpTextTag text;
    // "굴림" as the Korean panel stores it (CP949), 16 pixels high.
    text.SetWindowsFont(util::CLogFont::make(-16, 0, 129, "\xB1\xBC\xB8\xB2"));
    EXPECT_EQ(tagText(text, TagField::Font, util::kLangKorean), "굴림 16px");
    // A positive (cell) height is shown as it is asked for, too.
    text.SetWindowsFont(util::CLogFont::make(20, 0, 0, "Arial"));
    EXPECT_EQ(tagText(text, TagField::Font, util::kLangEnglish), "Arial 20px");
    text.SetWindowsFont(util::CLogFont::make(0, 0, 0, "Arial"));
    EXPECT_EQ(tagText(text, TagField::Font, util::kLangEnglish), "Arial");
}

TEST(TagLookText, CaptionsFollowTheResourceLanguage)
{
    EXPECT_EQ(tagFieldCaption(TagField::Inverse, 0x412), "색 반전");
    EXPECT_EQ(tagFieldCaption(TagField::Border, 0x412), "테두리");
    EXPECT_EQ(tagFieldCaption(TagField::Font, 0x412), "글꼴");
    EXPECT_EQ(tagFieldCaption(TagField::Inverse, util::kResEnglish), "Inverse");
    EXPECT_EQ(tagFieldCaption(TagField::Border, util::kResEnglish), "Border");
    EXPECT_EQ(tagFieldCaption(TagField::Font, util::kResEnglish), "Font");
    // The other columns keep the captions the windows take from the messages.
    EXPECT_EQ(tagFieldCaption(TagField::Address, 0x412), "");
}
