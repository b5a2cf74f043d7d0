// Fixed texts: size, clipboard body and the 32-byte record.

#include "core/tags/panel_text.h"
#include "core/tags/tag_kinds.h"
#include "core/tags/text_tag.h"

#include "tag_test_support.h"

using namespace core;
using namespace testing_tags;

using TextTagTest = TagTest;

TEST_F(TextTagTest, NewTextIsThirtyTwoBySixteen)
{
    CTextTag tag;
    EXPECT_EQ(tag.Kind(), kTagText);
    EXPECT_EQ(tag.GetHandleCount(), 0);
    EXPECT_EQ(tag.Text(), "Text");
    EXPECT_EQ(tag.Rect(), (CRect{0, 0, 32, 16}));
    tag.SetBorder(true);
    tag.MoveTo(10, 20);
    EXPECT_EQ(tag.Rect(), (CRect{10, 20, 44, 38}));
    tag.SetFont(kFontLarge);
    EXPECT_EQ(tag.Rect(), (CRect{10, 20, 76, 54}));
    tag.SetText("\xB0\xA1Z"); // one double-byte character and one single-byte
    EXPECT_EQ(tag.Rect().Width(), 32 + 16 + 2);
}

TEST_F(TextTagTest, TextIsCutToTwentyFourBytes)
{
    CTextTag tag;
    tag.SetText(std::string(30, 'A'));
    EXPECT_EQ(tag.Text(), std::string(24, 'A'));
}

TEST_F(TextTagTest, RecordOfAFullTextHasNoTerminator)
{
    CTextTag tag;
    tag.MoveTo(300, 5); // beyond the panel: the record still carries it as a word
    tag.SetText("ABCDEFGHIJKLMNOPQRSTUVWX");
    tag.SetFont(kFontSmall);
    tag.SetBorder(true);
    tag.SetInverse(true);
    util::Bytes want(32, 0);
    putBe(want, 0, {300, 5});
    const std::string text = "ABCDEFGHIJKLMNOPQRSTUVWX";
    std::copy(text.begin(), text.end(), want.begin() + 4);
    putBe(want, 28, {2});
    want[30] = 1;
    want[31] = 1;
    EXPECT_EQ(record(tag, 32, m_slots), want);

    CTextTag back;
    ASSERT_TRUE(back.LoadRecord(m_slots, want));
    EXPECT_EQ(back.Text(), text);
    EXPECT_EQ(back.X(), 300);
    EXPECT_EQ(back.Font(), kFontSmall);
    EXPECT_TRUE(back.HasBorder());
    EXPECT_TRUE(back.IsInverse());
    EXPECT_EQ(back.Rect(), tag.Rect());
}

TEST_F(TextTagTest, RecordBorderIsOneOnlyForByteOne)
{
    util::Bytes rec(32, 0);
    rec[30] = 2;
    rec[31] = 7;
    CTextTag tag;
    ASSERT_TRUE(tag.LoadRecord(m_slots, rec));
    EXPECT_FALSE(tag.HasBorder());
    EXPECT_TRUE(tag.IsInverse());
    EXPECT_EQ(tag.Text(), "");
    EXPECT_FALSE(tag.LoadRecord(m_slots, util::Bytes(31, 0)));
}

TEST_F(TextTagTest, ClipboardBodyIsFontInverseTextBorder)
{
    CTextTag tag;
    tag.MoveTo(3, 4);
    tag.SetFont(kFontLarge);
    tag.SetInverse(true);
    const util::Bytes body = storeBody(tag);
    util::Bytes want = {3, 0, 0, 0, 4, 0, 0, 0, 1, 0, 1, 0, 0, 0, 'T', 'e', 'x', 't'};
    want.resize(8 + 2 + 4 + 25, 0);
    want.insert(want.end(), {0, 0, 0, 0});
    EXPECT_EQ(body, want);

    CTextTag back;
    ASSERT_TRUE(loadBody(back, body));
    EXPECT_EQ(back.Rect(), tag.Rect());
    EXPECT_TRUE(back.IsInverse());
    auto clone = tag.Clone();
    EXPECT_EQ(storeBody(*clone), body);
}
