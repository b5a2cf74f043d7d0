#include "util/code_page.h"

#include <gtest/gtest.h>

using namespace util;

TEST(CodePage, KoreanRoundTripThroughCp949)
{
    const std::string utf8 = "화면 1 경보메시지";
    const auto cp949 = fromUtf8(utf8, kLangKorean);
    ASSERT_TRUE(cp949);
    // 화 is C8 AD, 면 is B8 E9 in CP949.
    EXPECT_EQ(cp949->substr(0, 4), "\xC8\xAD\xB8\xE9");
    EXPECT_EQ(cp949->size(), 2u * 7u + 3u); // seven Hangul syllables, three single bytes
    EXPECT_EQ(toUtf8(*cp949, kLangKorean), utf8);
}

TEST(CodePage, EachPanelLanguageHasItsCodePage)
{
    EXPECT_STREQ(codePageName(0x412), "CP949");
    EXPECT_STREQ(codePageName(0x409), "CP1252");
    EXPECT_STREQ(codePageName(0x411), "CP932");
    EXPECT_STREQ(codePageName(0x804), "CP936");
    EXPECT_EQ(fromUtf8("é", kLangEnglish), std::string("\xE9"));
    EXPECT_EQ(toUtf8("\x82\xA0", kLangJapanese), "あ");
    EXPECT_EQ(toUtf8("\xC4\xE3", kLangChinese), "你");
}

TEST(CodePage, UnrepresentableTextIsRefusedOrMarked)
{
    EXPECT_FALSE(fromUtf8("화면", kLangEnglish));
    EXPECT_EQ(fromUtf8Lossy("a화b", kLangEnglish).front(), 'a');
    EXPECT_EQ(fromUtf8Lossy("a화b", kLangEnglish).back(), 'b');
    EXPECT_NE(fromUtf8Lossy("a화b", kLangEnglish).find('?'), std::string::npos);
}

TEST(CodePage, LeadByteRule)
{
    const std::string text = "A\xC8\xAD" "B\xC8"; // A, one double-byte char, B, a dangling lead
    EXPECT_EQ(charLengthAt(text, 0), 1u);
    EXPECT_EQ(charLengthAt(text, 1), 2u);
    EXPECT_EQ(charLengthAt(text, 3), 1u);
    EXPECT_EQ(charLengthAt(text, 4), 1u); // a lead byte at the end stands alone
    EXPECT_EQ(panelCharCount(text), 4u);
    EXPECT_TRUE(isLeadByte(0x80));
    EXPECT_FALSE(isLeadByte(0x7F));
}

TEST(CodePage, SystemLanguageFromLocale)
{
    EXPECT_EQ(langIdFromLocale("ko_KR.UTF-8"), 0x412);
    EXPECT_EQ(langIdFromLocale("ja_JP"), 0x411);
    EXPECT_EQ(langIdFromLocale("zh_CN.GB2312"), 0x804);
    EXPECT_EQ(langIdFromLocale("en_US.UTF-8"), 0x409);
    EXPECT_EQ(langIdFromLocale("C"), 0x409);
    EXPECT_EQ(langIdFromLocale(""), 0x409);
}
