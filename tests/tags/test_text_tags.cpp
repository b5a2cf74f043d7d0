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

// ---- message tag -------------------------------------------------------------------------

#include "core/tags/message_tag.h"

using MessageTagTest = TagTest;

TEST_F(MessageTagTest, EntriesStayInValueOrderAndAreUnique)
{
    CMessageTag tag;
    EXPECT_EQ(tag.AddEntry(5, 50), kEntryAdded);
    EXPECT_EQ(tag.AddEntry(1, 10), kEntryAdded);
    EXPECT_EQ(tag.AddEntry(3, 30), kEntryAdded);
    const MessageEntry *existing = nullptr;
    EXPECT_EQ(tag.AddEntry(3, 99, &existing), kEntryExists);
    ASSERT_NE(existing, nullptr);
    EXPECT_EQ(existing->message, 30);
    EXPECT_EQ(tag.Entries(), (std::vector<MessageEntry>{{1, 10}, {3, 30}, {5, 50}}));
    for (std::uint16_t v = 100; tag.Entries().size() < 50; ++v)
        ASSERT_EQ(tag.AddEntry(v, 0), kEntryAdded);
    EXPECT_EQ(tag.AddEntry(2, 0), kEntryTableFull);
    EXPECT_EQ(tag.AddEntry(3, 0), kEntryTableFull) << "a full table is reported first";
}

TEST_F(MessageTagTest, ShowsTheFirstEntrysMessageOrMessage)
{
    CMessageTag tag;
    bind(tag);
    EXPECT_EQ(tag.ShownText(), "Message");
    EXPECT_EQ(tag.Rect(), (CRect{0, 0, 56, 16}));
    ASSERT_EQ(m_strings.Add(7, std::string(30, 'x')), 0);
    tag.AddEntry(4, 8); // message 8 does not exist
    tag.RecalcRect(0);
    EXPECT_EQ(tag.ShownText(), "Message");
    tag.AddEntry(2, 7);
    tag.RefreshMessages(m_strings);
    EXPECT_EQ(tag.ShownText(), std::string(24, 'x'));
    tag.SetBorder(true);
    EXPECT_EQ(tag.Rect(), (CRect{0, 0, 24 * 8 + 2, 18}));
}

TEST_F(MessageTagTest, RecordHandMade)
{
    CMessageTag tag;
    tag.Point().m_second = "100";
    tag.Point().m_flag = 0x1234;
    tag.Point().m_min = 0xFFFF8000;
    tag.MoveTo(8, 9);
    tag.SetFont(kFontSmall);
    tag.SetInverse(true);
    tag.AddEntry(5, 500);
    tag.AddEntry(1, 100);
    util::Bytes want(272, 0);
    putPointBlock(want, 0, "100", 2, 0x1234, 1, 0xFFFF8000, 65535);
    putBe(want, 62, {8, 9, 2});
    want[68] = 0;
    want[69] = 1;
    putBe(want, 70, {2, 1, 100, 5, 500});
    EXPECT_EQ(record(tag, 272, m_slots), want);

    CMessageTag back;
    ASSERT_TRUE(back.LoadRecord(m_slots, want));
    EXPECT_EQ(back.Point(), tag.Point());
    EXPECT_EQ(back.Entries(), tag.Entries());
    EXPECT_TRUE(back.IsInverse());
    EXPECT_EQ(back.Font(), kFontSmall);
    EXPECT_EQ(record(back, 272, m_slots), want);
}

TEST_F(MessageTagTest, FullTableFillsTheRecordExactly)
{
    CMessageTag tag;
    for (std::uint16_t v = 0; v < 50; ++v)
        tag.AddEntry(std::uint16_t(49 - v), v);
    const util::Bytes rec = record(tag, 272, m_slots);
    EXPECT_EQ(util::be16(rec, 70), 50);
    EXPECT_EQ(util::be16(rec, 268), 49); // last entry: value 49, message 0
    EXPECT_EQ(util::be16(rec, 270), 0);
    util::Bytes damaged = rec;
    util::setBe16(damaged, 70, 300);
    CMessageTag back;
    ASSERT_TRUE(back.LoadRecord(m_slots, damaged));
    EXPECT_EQ(back.Entries().size(), 50u);
}

TEST_F(MessageTagTest, ClipboardKeepsFirstDuplicateAndFiftyEntries)
{
    CMessageTag tag;
    tag.AddEntry(5, 50);
    tag.AddEntry(1, 10);
    util::Bytes body = storeBody(tag);
    // Tail: border (4), count (2), entries as message number then value.
    const util::Bytes tail = {0, 0, 0, 0, 2, 0, 10, 0, 1, 0, 50, 0, 5, 0};
    ASSERT_TRUE(std::equal(tail.begin(), tail.end(), body.end() - 14));
    CMessageTag back;
    ASSERT_TRUE(loadBody(back, body));
    EXPECT_EQ(back.Entries(), tag.Entries());

    // The same head with a hand-made table: a duplicate value, then 51 distinct ones.
    body.resize(body.size() - 10);
    util::CArchive ar;
    ar.writeBytes(body);
    ar.writeU16(53);
    ar.writeU16(70);
    ar.writeU16(7);
    ar.writeU16(71);
    ar.writeU16(7);
    for (std::uint16_t v = 100; v < 151; ++v) {
        ar.writeU16(1);
        ar.writeU16(v);
    }
    CMessageTag loaded;
    ASSERT_TRUE(loadBody(loaded, ar.buffer()));
    ASSERT_EQ(loaded.Entries().size(), 50u);
    EXPECT_EQ(loaded.Entries().front(), (MessageEntry{7, 70}));
    EXPECT_EQ(loaded.Entries().back().value, 148);
}

// ---- clock -------------------------------------------------------------------------------

#include "core/tags/clock_tag.h"

using ClockTagTest = TagTest;

TEST_F(ClockTagTest, NewClockShowsTheSampleTime)
{
    CClockTag tag;
    EXPECT_EQ(tag.Kind(), kTagClock);
    EXPECT_EQ(tag.SampleText(), "2004/12/31 12:59:59");
    EXPECT_EQ(tag.Rect(), (CRect{0, 0, 152, 16}));
    tag.SetBorder(true);
    EXPECT_EQ(tag.Rect(), (CRect{0, 0, 154, 18}));
}

TEST_F(ClockTagTest, FormatsAndWeekday)
{
    const ClockTime t;
    const std::vector<std::string> want = {"2004/12/31 12:59:59",
                                           "12:59:59",
                                           "2004/12/31",
                                           "12:59",
                                           "12/31",
                                           "31/12/2004",
                                           "31/12",
                                           "2004",
                                           "12",
                                           "31",
                                           "12",
                                           "59",
                                           "59"};
    for (int f = 0; f < 13; ++f)
        EXPECT_EQ(formatClockTime(t, f, util::kLangEnglish, util::kLangEnglish), want[f]) << f;
    EXPECT_EQ(formatClockTime(t, 13, util::kLangEnglish, util::kLangEnglish), "Fri");
    EXPECT_EQ(formatClockTime(t, 13, util::kLangKorean, util::kLangKorean), "\xB1\xDD"); // 금
    EXPECT_EQ(formatClockTime(ClockTime{2000, 2, 29}, 13, util::kLangEnglish, util::kLangEnglish),
              "Tue");
    EXPECT_STREQ(clockFormatLabel(13), "WWW");
    EXPECT_STREQ(clockFormatText(99), "%Y/%m/%d %H:%M:%S");

    CClockTag tag;
    tag.SetFormat(13);
    EXPECT_EQ(tag.Rect().Width(), 16) << "one double-byte weekday in the panel code page";
}

TEST_F(ClockTagTest, RecordAndClipboard)
{
    CClockTag tag;
    tag.MoveTo(2, 3);
    tag.SetFont(kFontLarge);
    tag.SetBorder(true);
    tag.SetInverse(true);
    tag.SetFormat(4);
    const util::Bytes want = {0, 2, 0, 3, 0, 1, 1, 1, 0, 4};
    EXPECT_EQ(record(tag, 10, m_slots), want);
    CClockTag back;
    ASSERT_TRUE(back.LoadRecord(m_slots, want));
    EXPECT_EQ(back.Rect(), tag.Rect());
    EXPECT_EQ(record(back, 10, m_slots), want);

    const util::Bytes body = storeBody(tag);
    EXPECT_EQ(body, (util::Bytes{2, 0, 0, 0, 3, 0, 0, 0, 1, 0, 1, 0, 0, 0, 1, 0, 0, 0, 4, 0}));
    CClockTag pasted;
    ASSERT_TRUE(loadBody(pasted, body));
    EXPECT_EQ(pasted.Rect(), tag.Rect());
}

TEST_F(MessageTagTest, AddressIsAlwaysBuiltForAWord)
{
    CMessageTag tag;
    tag.Point().m_dataSize = kSizeDWord;
    tag.Point().m_second = "950"; // a word address the panel has no double word for
    const util::Bytes rec = record(tag, 272, m_slots);
    EXPECT_EQ(util::fixedText(rec, 0, 40), "950");
    EXPECT_EQ(util::be16(rec, 40), kSizeDWord);
}
