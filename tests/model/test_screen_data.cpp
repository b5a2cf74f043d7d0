// Screens: the screen-area budget, kind and device-tag limits, input order, groups, function
// keys and the clipboard form.

#include "core/model/memory_monitor.h"
#include "core/model/screen_data.h"
#include "core/plc/plc_slots.h"
#include "core/tags/digit_tag.h"

#include "test_helpers.h"

#include "core/tags/tag_resources.h"

#include "util/code_page.h"

#include "util/messages.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <vector>

using namespace core;
using testing_model::StubTag;

namespace {

TagResult addStub(CScreenData &screen, std::uint16_t kind, StubTag **out = nullptr)
{
    auto tag = std::make_unique<StubTag>(kind);
    StubTag *raw = tag.get();
    const TagResult result = screen.AddTag(std::move(tag), false);
    if (out)
        *out = result == kTagOk ? raw : nullptr;
    return result;
}

} // namespace

TEST(ScreenDefaults, NameIsTheInterfacesWordInThePanelsCodePage)
{
    // Korean interface, English panel: the Korean word cannot be shown, the English one stands
    // in (never CP949 bytes read as CP1252).
    TagResources english;
    english.panelLangId = util::kLangEnglish;
    util::setMessageLanguage(0x412);
    EXPECT_EQ(CScreenData(0, nullptr, nullptr, &english).Name(), "Screen0");
    util::setMessageLanguage(util::kResEnglish);
    EXPECT_EQ(CScreenData(3, nullptr, nullptr, &english).Name(), "Screen3");
    // English interface, Korean panel: the English word.
    EXPECT_EQ(CScreenData(4).Name(), "Screen4");
    util::setMessageLanguage(0x412);
    EXPECT_EQ(CScreenData(5).Name(),
              "\xC8\xAD\xB8\xE9"
              "5");
}

TEST(ScreenDefaults, NewScreenFields)
{
    CScreenData screen(7);
    EXPECT_EQ(screen.Name(),
              "\xC8\xAD\xB8\xE9"
              "7");
    EXPECT_EQ(screen.PrevScreen(), 6);
    EXPECT_EQ(screen.NextScreen(), 8);
    EXPECT_EQ(screen.BackgroundImage(), 65535);
    EXPECT_FALSE(screen.IsBackgroundOn());
    EXPECT_FALSE(screen.IsPasswordOn());
    for (std::size_t k = 0; k < kFunctionKeyCount; ++k) {
        std::array<std::uint8_t, 70> expected{};
        expected[0] = '0';
        expected[40] = 2;
        expected[44] = 1;
        expected[54] = 0xFF;
        expected[55] = 0xFF;
        EXPECT_EQ(screen.FunctionKey(k), expected) << k;
    }
    EXPECT_EQ(CScreenData(0).PrevScreen(), 0);
    EXPECT_EQ(CScreenData(999).NextScreen(), 999);
}

TEST(ScreenBudget, TagThatWouldOverflowTheAreaIsRefusedWithoutChange)
{
    std::uint32_t counter = 65536 - 79;
    CScreenData screen(0, &counter);
    EXPECT_EQ(screen.CreateTag(kTagDigit, false), kTagNoRoom);
    EXPECT_EQ(counter, 65536u - 79);
    EXPECT_EQ(screen.TagCount(), 0u);
    counter = 65536 - 80;
    EXPECT_EQ(screen.CreateTag(kTagDigit, false), kTagOk);
    EXPECT_EQ(counter, 65536u);
}

TEST(ScreenBudget, MemoryIsCheckedBeforeTheLimits)
{
    std::uint32_t counter = 65536;
    CScreenData screen(0, &counter);
    EXPECT_EQ(screen.CreateTag(kTagDigit, false), kTagNoRoom);
    EXPECT_EQ(screen.CreateTag(16, false), kTagLimit) << "an unknown kind costs nothing";
    EXPECT_EQ(screen.CreateTag(-1, false), kTagLimit);
}

TEST(ScreenBudget, RemovingGivesTheBytesBackAndPublishes)
{
    std::uint32_t counter = 1000;
    CMemoryMonitor monitor;
    std::vector<std::uint32_t> seen;
    monitor.Subscribe([&](MemoryGauge g, std::uint32_t bytes) {
        if (g == MemoryGauge::Screen)
            seen.push_back(bytes);
    });
    CScreenData screen(0, &counter, &monitor);
    CTag *tag = nullptr;
    ASSERT_EQ(screen.CreateTag(kTagDigit, false, &tag), kTagOk);
    ASSERT_EQ(addStub(screen, kTagMessage), kTagOk);
    EXPECT_EQ(counter, 1000u + 80 + 272);
    EXPECT_TRUE(screen.RemoveTag(tag));
    EXPECT_FALSE(screen.RemoveTag(tag));
    screen.RemoveAllTags();
    EXPECT_EQ(counter, 1000u);
    EXPECT_EQ(seen, (std::vector<std::uint32_t>{1080, 1352, 1272, 1000}));
    EXPECT_EQ(monitor.Total(MemoryGauge::Screen), 1000u);
}

TEST(ScreenLimits, EachKindStopsAtItsOwnLimit)
{
    for (int kind = 0; kind < kTagKindCount; ++kind) {
        const int limit = tagKindInfo(kind).limit;
        if (limit == 65535 || limit == 50)
            continue; // the device-tag limit of 50 meets them first; below
        std::uint32_t counter = 10;
        CScreenData screen(0, &counter);
        for (int i = 0; i < limit; ++i)
            ASSERT_EQ(addStub(screen, std::uint16_t(kind)), kTagOk) << kind << " #" << i;
        EXPECT_EQ(addStub(screen, std::uint16_t(kind)), kTagLimit) << kind;
        EXPECT_EQ(addStub(screen, kTagText), kTagOk) << "other kinds still fit";
    }
}

TEST(ScreenLimits, FiftyOneDeviceTagsOfAnyMixAreRefused)
{
    std::uint32_t counter = 10;
    CScreenData screen(0, &counter);
    const std::uint16_t mix[] = {0, 1, 3, 4, 5, 7, 8, 9, 10};
    for (int i = 0; i < 50; ++i) {
        // Each kind stays under its own limit (8 has 5; rotate it out after five).
        std::uint16_t kind = mix[std::size_t(i) % 9];
        if (kind == kTagGraph2 && screen.KindCount(kTagGraph2) == 5)
            kind = kTagDigit;
        ASSERT_EQ(addStub(screen, kind), kTagOk) << i;
    }
    EXPECT_EQ(screen.DeviceTagCount(), 50);
    for (std::uint16_t kind : mix)
        EXPECT_EQ(addStub(screen, kind), kTagLimit) << kind;
    for (std::uint16_t kind : {2, 6, 11, 12, 13, 14, 15})
        EXPECT_EQ(addStub(screen, kind), kTagOk) << kind;
}

TEST(ScreenLimits, ClockTagsAreNotDeviceTags)
{
    std::uint32_t counter = 10;
    CScreenData screen(0, &counter);
    for (int i = 0; i < 10; ++i)
        ASSERT_EQ(addStub(screen, kTagClock), kTagOk);
    EXPECT_EQ(addStub(screen, kTagClock), kTagLimit);
    EXPECT_EQ(screen.DeviceTagCount(), 0);
    for (int i = 0; i < 50; ++i)
        ASSERT_EQ(screen.CreateTag(kTagDigit, false), kTagOk);
    EXPECT_EQ(screen.CreateTag(kTagDigit, false), kTagLimit);
}

TEST(ScreenLimits, RemovedTagFreesItsPlaceUnderTheLimit)
{
    std::uint32_t counter = 10;
    CScreenData screen(0, &counter);
    StubTag *last = nullptr;
    for (int i = 0; i < 5; ++i)
        ASSERT_EQ(addStub(screen, kTagGraph2, &last), kTagOk);
    EXPECT_EQ(addStub(screen, kTagGraph2), kTagLimit);
    screen.RemoveTag(last);
    EXPECT_EQ(addStub(screen, kTagGraph2), kTagOk);
}

TEST(ScreenOrder, HeadAndTailInsertion)
{
    CScreenData screen(0);
    CTag *first = nullptr;
    CTag *head = nullptr;
    screen.CreateTag(kTagDigit, false, &first);
    screen.CreateTag(kTagDigit, true, &head);
    EXPECT_EQ(screen.Tags().front().get(), head);
    EXPECT_EQ(screen.Tags().back().get(), first);
    EXPECT_TRUE(screen.MoveTagToIndex(head, 5));
    EXPECT_EQ(screen.Tags().back().get(), head);
}

TEST(ScreenInputOrder, TopToBottomThenLeftToRight)
{
    CScreenData screen(0);
    struct Place
    {
        int x, y;
        bool input;
    };
    const Place places[]
            = {{150, 0, true}, {10, 20, true}, {0, 20, true}, {5, 5, false}, {100, 40, true}};
    std::vector<StubTag *> tags;
    for (const Place &p : places) {
        auto tag = std::make_unique<StubTag>(kTagButton);
        tag->SetRect({p.x, p.y, p.x + 10, p.y + 10});
        tag->m_input = p.input;
        tags.push_back(tag.get());
        ASSERT_EQ(screen.AddTag(std::move(tag), false), kTagOk);
    }
    screen.AssignInputOrder();
    EXPECT_EQ(tags[0]->m_number, 0) << "higher on the screen comes first though further right";
    EXPECT_EQ(tags[2]->m_number, 1);
    EXPECT_EQ(tags[1]->m_number, 2);
    EXPECT_EQ(tags[4]->m_number, 3);
    EXPECT_EQ(tags[3]->m_number, 0xFFFF) << "not an input object";
}

TEST(ScreenInputOrder, OnlyWritableNumericTagsTakePart)
{
    CScreenData screen(0);
    CTag *a = nullptr;
    CTag *b = nullptr;
    screen.CreateTag(kTagDigit, false, &a);
    screen.CreateTag(kTagDigit, false, &b);
    a->MoveTo(50, 10);
    b->MoveTo(0, 10);
    static_cast<CDigitTag *>(a)->SetWritable(true);
    b->SetInputNumber(9);
    screen.AssignInputOrder();
    EXPECT_EQ(a->InputNumber(), 0);
    EXPECT_EQ(b->InputNumber(), 9);
}

TEST(ScreenGroups, CountsPerGroupWithImagesAndImageTextsTogether)
{
    CScreenData screen(0);
    for (std::uint16_t kind : {6, 15, 15, 0, 13, 5})
        ASSERT_EQ(addStub(screen, kind), kTagOk);
    const auto counts = screen.CountTagsPerGroup();
    EXPECT_EQ(counts[5], 3); // group 6: kinds 6 and 15
    EXPECT_EQ(counts[0], 1); // group 1: numeric
    EXPECT_EQ(counts[14], 1); // group 15: circles
    EXPECT_EQ(counts[10], 1); // group 11: pies
    EXPECT_EQ(counts[1], 0);
}

TEST(ScreenGroups, ImageTextTagsAreNumberedInListOrder)
{
    CScreenData screen(0);
    StubTag *a = nullptr;
    StubTag *b = nullptr;
    addStub(screen, kTagBmpText, &a);
    addStub(screen, kTagBitmap);
    addStub(screen, kTagBmpText, &b);
    std::uint32_t counter = 5000;
    screen.NumberBmpTextTags(counter);
    EXPECT_EQ(a->m_textId, 5000);
    EXPECT_EQ(b->m_textId, 5001);
    EXPECT_EQ(counter, 5002u);
}

TEST(ScreenFunctionKeys, StationAndPlcTypeChanges)
{
    CPlcSlots slots; // no plugins: built-in rules
    CScreenData screen(0);
    FunctionKeyRecord &key = screen.FunctionKey(2);
    util::setLe16(key, 58, 1); // channel 1
    util::setLe16(key, 64, 3); // an action
    util::setFixedText(key, 0, 40, "77");
    util::setLe16(key, 42, 9);
    FunctionKeyRecord &idle = screen.FunctionKey(3);
    util::setLe16(idle, 58, 1); // no action: left alone by a type change
    util::setFixedText(idle, 0, 40, "55");

    screen.StationChanged(1, 12);
    EXPECT_EQ(util::le16(key, 60), 12);
    EXPECT_EQ(util::le16(idle, 60), 12);
    EXPECT_EQ(util::le16(screen.FunctionKey(0), 60), 0) << "a panel key keeps its station";

    screen.PlcTypeChanged(slots, false, true);
    EXPECT_EQ(util::fixedText(key, 0, 40), "77") << "channel 1 did not change";
    screen.PlcTypeChanged(slots, true, false);
    EXPECT_EQ(util::fixedText(key, 0, 40), "0") << "the driver's default address";
    EXPECT_EQ(util::le16(key, 42), 0);
    EXPECT_EQ(util::fixedText(idle, 0, 40), "55");
}

TEST(ScreenClipboard, RoundTripKeepsFieldsAndTags)
{
    std::uint32_t counter = 10;
    CScreenData screen(12, &counter);
    screen.SetName("Main");
    screen.SetBackgroundImage(4);
    util::setLe16(screen.FunctionKey(7), 64, 2);
    CTag *tag = nullptr;
    ASSERT_EQ(screen.CreateTag(kTagDigit, false, &tag), kTagOk);
    tag->MoveTo(30, 20);
    static_cast<CDigitTag *>(tag)->SetDigits(3);

    util::CArchive out;
    EXPECT_EQ(screen.Serialize(out), kTagOk);
    // next, previous, name, 560 bytes of keys, count, kind, body
    const auto &bytes = out.buffer();
    EXPECT_EQ(bytes[0], 13);
    EXPECT_EQ(bytes[2], 11);
    EXPECT_EQ(bytes[4], 4);
    EXPECT_EQ(std::string(bytes.begin() + 5, bytes.begin() + 9), "Main");
    EXPECT_EQ(util::le32(bytes, 9 + 560), 1u);
    EXPECT_EQ(util::le16(bytes, 13 + 560), kTagDigit);

    std::uint32_t counter2 = 10;
    CScreenData pasted(40, &counter2);
    util::CArchive in(out.buffer());
    EXPECT_EQ(pasted.Serialize(in), kTagOk);
    EXPECT_TRUE(in.atEnd());
    EXPECT_EQ(pasted.Name(), "Main");
    EXPECT_EQ(pasted.NextScreen(), 13);
    EXPECT_EQ(pasted.Number(), 40) << "the number is not part of the clipboard form";
    EXPECT_EQ(pasted.BackgroundImage(), 65535) << "nor is the background";
    EXPECT_EQ(util::le16(pasted.FunctionKey(7), 64), 2);
    ASSERT_EQ(pasted.TagCount(), 1u);
    const auto *digit = dynamic_cast<const CDigitTag *>(pasted.Tags()[0].get());
    ASSERT_TRUE(digit);
    EXPECT_EQ(digit->Sample(), "012");
    EXPECT_EQ(digit->Rect(), (CRect{30, 20, 54, 36}));
    EXPECT_EQ(counter2, 90u);
}

TEST(ScreenClipboard, PasteThatDoesNotFitAddsNothing)
{
    std::uint32_t counter = 10;
    CScreenData source(1, &counter);
    for (int i = 0; i < 3; ++i)
        source.CreateTag(kTagDigit, false);
    util::CArchive out;
    source.Serialize(out);

    std::uint32_t tight = 65536 - 200; // room for two numeric tags, not three
    CScreenData target(2, &tight);
    const std::string oldName = target.Name();
    util::CArchive in(out.buffer());
    EXPECT_EQ(target.Serialize(in), kTagNoRoom);
    EXPECT_TRUE(in.atEnd()) << "the whole screen was read";
    EXPECT_EQ(target.TagCount(), 0u);
    EXPECT_EQ(tight, 65536u - 200);
    EXPECT_EQ(target.Name(), oldName);

    std::uint32_t roomy = 10;
    CScreenData limited(3, &roomy);
    for (int i = 0; i < 49; ++i)
        limited.CreateTag(kTagDigit, false);
    util::CArchive again(out.buffer());
    EXPECT_EQ(limited.Serialize(again), kTagLimit);
    EXPECT_EQ(limited.TagCount(), 49u);
    EXPECT_EQ(roomy, 10u + 49 * 80);
}

TEST(ScreenClipboard, CutOrForeignArchivesAreRejectedWhole)
{
    std::uint32_t counter = 10;
    CScreenData source(1, &counter);
    source.CreateTag(kTagDigit, false);
    source.CreateTag(kTagDigit, false);
    util::CArchive out;
    source.Serialize(out);
    std::vector<std::uint8_t> cut(out.buffer().begin(), out.buffer().end() - 3);

    std::uint32_t c2 = 10;
    CScreenData target(2, &c2);
    util::CArchive in(cut);
    EXPECT_EQ(target.Serialize(in), kTagBadArchive);
    EXPECT_EQ(target.TagCount(), 0u);
    EXPECT_EQ(c2, 10u);

    for (std::size_t n = 0; n < out.buffer().size(); ++n) {
        util::CArchive prefix(std::span(out.buffer()).first(n));
        ASSERT_EQ(target.Serialize(prefix), kTagBadArchive) << n;
    }
    EXPECT_EQ(target.TagCount(), 0u);
    EXPECT_EQ(c2, 10u);

    std::vector<std::uint8_t> foreign = out.buffer();
    util::setLe16(foreign, 13 + 560, 77); // an unknown kind code
    util::CArchive in2(foreign);
    EXPECT_EQ(target.Serialize(in2), kTagBadArchive);
    EXPECT_EQ(target.TagCount(), 0u);
}

TEST(ScreenClipboard, TagsNoPanelCanHoldAreRejectedWhole)
{
    // A pasted screen holding one tag of each kind, its anchor or size patched in the archive.
    const auto paste = [](int kind, const std::function<void(util::Bytes &, std::size_t)> &patch) {
        CScreenData source(1);
        CTag *tag = nullptr;
        EXPECT_EQ(source.CreateTag(kind, false, &tag), kTagOk);
        tag->MoveTo(11, 7);
        util::CArchive body;
        tag->Serialize(body);
        util::CArchive out;
        source.Serialize(out);
        util::Bytes bytes = out.buffer();
        patch(bytes, bytes.size() - body.buffer().size()); // the tag's body ends the archive
        std::uint32_t counter = 10;
        CScreenData target(2, &counter);
        util::CArchive in(bytes);
        const TagResult result = target.Serialize(in);
        EXPECT_EQ(target.TagCount(), result == kTagOk ? 1u : 0u);
        EXPECT_EQ(counter == 10, result != kTagOk);
        return result;
    };
    const auto anchorAt = [](int kind, std::int32_t x, std::int32_t y) {
        return [kind, x, y](util::Bytes &b, std::size_t body) {
            const bool shape = kind == kTagRect || kind == kTagLine || kind == kTagCircle;
            for (std::size_t at :
                 shape ? std::vector<std::size_t>{0, 8} : std::vector<std::size_t>{0}) {
                util::setLe32(b, body + at, std::uint32_t(x));
                util::setLe32(b, body + at + 4, std::uint32_t(y));
            }
        };
    };
    for (int kind = 0; kind < kTagKindCount; ++kind) {
        SCOPED_TRACE(kind);
        EXPECT_EQ(paste(kind, anchorAt(kind, INT32_MAX - 3, 7)), kTagBadArchive);
        EXPECT_EQ(paste(kind, anchorAt(kind, 7, INT32_MAX - 3)), kTagBadArchive);
        EXPECT_EQ(paste(kind, anchorAt(kind, -2000000, 7)), kTagBadArchive);
        // Hanging off the display is a place tags may have.
        EXPECT_EQ(paste(kind, anchorAt(kind, 180, -12)), kTagOk);
        EXPECT_EQ(paste(kind, anchorAt(kind, -40, 60)), kTagOk);
    }

    // Sizes of graph and moving tags are 32-bit fields near the body's end (the width after the
    // height); neither a negative nor a huge one is a size.
    struct SizeCase
    {
        int kind;
        std::size_t heightFromEnd;
    };
    for (const SizeCase c :
         {SizeCase{kTagGraph1, 22}, SizeCase{kTagGraph2, 22}, SizeCase{kTagMobile, 24}}) {
        SCOPED_TRACE(c.kind);
        for (const std::int32_t width : {-100, INT32_MAX - 3}) {
            const auto setWidth = [&](util::Bytes &b, std::size_t) {
                util::setLe32(b, b.size() - c.heightFromEnd + 4, std::uint32_t(width));
            };
            EXPECT_EQ(paste(c.kind, setWidth), kTagBadArchive) << width;
        }
    }
}

TEST(ScreenImages, ImageChangedReportsBackgroundAndTags)
{
    CScreenData screen(0);
    screen.SetBackgroundImage(3);
    auto tag = std::make_unique<StubTag>(kTagLamp, std::vector<std::uint16_t>{8, 9});
    const CTag *raw = tag.get();
    screen.AddTag(std::move(tag), false);
    EXPECT_TRUE(screen.ImageChanged(3));
    EXPECT_TRUE(screen.ImageChanged(9));
    EXPECT_FALSE(screen.ImageChanged(9, raw));
    EXPECT_FALSE(screen.ImageChanged(10));
}

TEST(ScreenImages, ReferenceCountCountsEachTagOnce)
{
    CScreenData screen(0);
    screen.SetBackgroundImage(8);
    screen.AddTag(std::make_unique<StubTag>(kTagButton, std::vector<std::uint16_t>{8, 8}), false);
    screen.AddTag(std::make_unique<StubTag>(kTagMotor, std::vector<std::uint16_t>{1, 8}), false);
    screen.AddTag(std::make_unique<StubTag>(kTagBitmap, std::vector<std::uint16_t>{2}), false);
    EXPECT_EQ(screen.ImageReferenceCount(8), 3);
    EXPECT_EQ(screen.ImageReferenceCount(2), 1);
    EXPECT_EQ(screen.ImageReferenceCount(3), 0);
}
