#include "core/editor/tag_clipboard.h"
#include "core/tags/line_tag.h"
#include "core/tags/rect_tag.h"
#include "core/tags/tag_factory.h"
#include "core/tags/text_tag.h"

#include <gtest/gtest.h>

using core::CPoint;
using namespace core::editor;

TEST(TagClipboard, RecordLayoutAndRoundTrip)
{
    core::CRectTag rect;
    rect.MoveTo(7, 9);
    rect.SetWidth(30);
    core::CLineTag line;
    line.SetStart(1, 2);
    line.SetEnd(20, 30);
    const util::Bytes bytes = writeTagRecord(12, {&rect, &line});
    // Screen number, count, first kind, first anchor.
    ASSERT_GE(bytes.size(), 20u);
    EXPECT_EQ(bytes[0], 12);
    EXPECT_EQ(bytes[1], 0);
    EXPECT_EQ(bytes[2], 2);
    EXPECT_EQ(bytes[6], 11);
    EXPECT_EQ(bytes[8], 7);
    EXPECT_EQ(bytes[12], 9);
    // End mark.
    EXPECT_EQ(bytes[bytes.size() - 1], 0xFF);
    EXPECT_EQ(bytes[bytes.size() - 4], 0xFF);

    const auto record = readTagRecord(bytes);
    ASSERT_TRUE(record);
    EXPECT_EQ(record->sourceScreen, 12);
    ASSERT_EQ(record->tags.size(), 2u);
    EXPECT_EQ(record->tags[0]->Kind(), 11);
    EXPECT_EQ(record->tags[0]->Rect(), rect.Rect());
    EXPECT_EQ(record->tags[1]->Rect(), line.Rect());
}

TEST(TagClipboard, DamagedRecordsPasteNothing)
{
    core::CTextTag text;
    util::Bytes bytes = writeTagRecord(1, {&text});
    util::Bytes cut(bytes.begin(), bytes.end() - 6);
    EXPECT_FALSE(readTagRecord(cut));
    util::Bytes badKind = bytes;
    badKind[6] = 99;
    EXPECT_FALSE(readTagRecord(badKind));
    util::Bytes noEnd = bytes;
    noEnd.back() = 0;
    EXPECT_FALSE(readTagRecord(noEnd));
    EXPECT_FALSE(readTagRecord(util::Bytes{1, 0}));
    // An anchor no panel can hold (x = 0x40000000) is damage, not a tag to paste.
    util::Bytes far = bytes;
    far[11] = 0x40;
    EXPECT_FALSE(readTagRecord(far));
}

TEST(PasteOffset, PlusFourOrMinusFourAtTheLimits)
{
    EXPECT_EQ(pasteOffset({0, 0}), (CPoint{4, 4}));
    EXPECT_EQ(pasteOffset({186, 58}), (CPoint{4, 4}));
    EXPECT_EQ(pasteOffset({187, 59}), (CPoint{-4, -4}));
    core::CLineTag line;
    line.SetStart(10, 60);
    line.SetEnd(30, 40);
    applyPasteOffset(line);
    EXPECT_EQ(line.Start(), (CPoint{14, 56}));
    EXPECT_EQ(line.End(), (CPoint{34, 36}));
}

TEST(NewTag, EveryKindWithAClassIsMade)
{
    for (int kind = 0; kind <= 14; ++kind) {
        const auto tag = core::createTag(kind);
        ASSERT_TRUE(tag) << kind;
        EXPECT_EQ(tag->Kind(), kind);
    }
    EXPECT_FALSE(core::createTag(16));
}
