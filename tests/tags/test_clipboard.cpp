// Every kind's clipboard body loads back into a new tag of its kind and stores the same bytes;
// a body cut short is noticed by the archive.

#include "core/tags/bitmap_tag.h"
#include "core/tags/bmp_text_tag.h"
#include "core/tags/button_tag.h"
#include "core/tags/circle_tag.h"
#include "core/tags/clock_tag.h"
#include "core/tags/digit_tag.h"
#include "core/tags/graph_tag.h"
#include "core/tags/lamp_tag.h"
#include "core/tags/line_tag.h"
#include "core/tags/message_tag.h"
#include "core/tags/mobile_tag.h"
#include "core/tags/motor_tag.h"
#include "core/tags/pie_tag.h"
#include "core/tags/rect_tag.h"
#include "core/tags/tag_kinds.h"
#include "core/tags/text_tag.h"

#include "tag_test_support.h"

#include <functional>
#include <limits>

using namespace core;
using namespace testing_tags;

namespace {

// A tag of each kind with fields away from their defaults, and a factory of fresh ones.
struct KindCase
{
    std::uint16_t kind;
    std::function<std::unique_ptr<CTag>()> fresh;
    std::function<std::unique_ptr<CTag>()> edited;
};

template<typename T, typename Edit>
KindCase makeCase(std::uint16_t kind, Edit edit)
{
    return {kind, [] { return std::make_unique<T>(); },
            [edit] {
                auto tag = std::make_unique<T>();
                tag->MoveTo(11, 7);
                edit(*tag);
                return tag;
            }};
}

std::vector<KindCase> kindCases()
{
    std::vector<KindCase> cases;
    cases.push_back(makeCase<CMessageTag>(kTagMessage, [](CMessageTag &t) {
        t.AddEntry(9, 90);
        t.AddEntry(2, 20);
        t.Point().m_channel = 2;
        t.SetBorder(true);
    }));
    cases.push_back(makeCase<CTextTag>(kTagText, [](CTextTag &t) { t.SetText("abc"); }));
    cases.push_back(makeCase<CLampTag>(kTagLamp, [](CLampTag &t) {
        t.SetOnImage(5);
        t.Point().m_second = "3F";
    }));
    cases.push_back(makeCase<CButtonTag>(kTagButton, [](CButtonTag &t) {
        t.SetAction(kButtonOff);
        t.SetPassword(true);
    }));
    cases.push_back(makeCase<CPieTag>(kTagPie, [](CPieTag &t) {
        t.SetStartAngle(90);
        t.SetRadius(20);
        t.SetMode(kPieNeedle);
    }));
    cases.push_back(makeCase<CBitmapTag>(kTagBitmap, [](CBitmapTag &t) { t.SetImage(12); }));
    cases.push_back(makeCase<CGraphTag>(kTagGraph1, [](CGraphTag &t) {
        t.SetDirection(kGraphLeft);
        t.Point().m_dataSize = kSizeDWord;
    }));
    cases.push_back({kTagGraph2, [] { return std::make_unique<CGraphTag>(kTagGraph2); },
                     [] {
                         auto t = std::make_unique<CGraphTag>(kTagGraph2);
                         t->MoveTo(11, 7);
                         t->SetSamplingTime(9);
                         t->SetBorder(true);
                         return t;
                     }});
    cases.push_back(makeCase<CMotorTag>(kTagMotor, [](CMotorTag &t) {
        t.SetImageCount(6);
        t.SetImage(5, 77);
        t.SetInverse(true);
    }));
    cases.push_back(makeCase<CMobileTag>(kTagMobile, [](CMobileTag &t) {
        t.SetMoveX(false);
        t.YPoint().m_max = 99;
    }));
    cases.push_back(makeCase<CRectTag>(kTagRect, [](CRectTag &t) {
        t.SetWidth(50);
        t.SetFill(true);
    }));
    cases.push_back(makeCase<CLineTag>(kTagLine, [](CLineTag &t) { t.SetEnd(90, 40); }));
    cases.push_back(makeCase<CCircleTag>(kTagCircle, [](CCircleTag &t) { t.SetRadius(12); }));
    cases.push_back(makeCase<CClockTag>(kTagClock, [](CClockTag &t) { t.SetFormat(3); }));
    cases.push_back(makeCase<CBmpTextTag>(kTagBmpText, [](CBmpTextTag &t) {
        t.SetText("xyz");
        t.SetBorder(true);
    }));
    return cases;
}

} // namespace

using ClipboardTest = TagTest;

TEST_F(ClipboardTest, EveryKindRoundTrips)
{
    for (const KindCase &c : kindCases()) {
        SCOPED_TRACE(c.kind);
        auto tag = c.edited();
        ASSERT_EQ(tag->Kind(), c.kind);
        const util::Bytes body = storeBody(*tag);
        auto pasted = c.fresh();
        ASSERT_TRUE(loadBody(*pasted, body));
        EXPECT_EQ(storeBody(*pasted), body);
        EXPECT_EQ(pasted->Rect(), tag->Rect());
        EXPECT_EQ(pasted->X(), 11);

        auto clone = tag->Clone();
        ASSERT_NE(clone, nullptr);
        EXPECT_EQ(clone->Kind(), c.kind);
        EXPECT_EQ(storeBody(*clone), body);
        EXPECT_EQ(clone->Rect(), tag->Rect());
    }
}

TEST_F(ClipboardTest, RecordsRoundTripThroughLoadRecord)
{
    for (const KindCase &c : kindCases()) {
        SCOPED_TRACE(c.kind);
        auto tag = c.edited();
        const std::size_t size = tagKindInfo(c.kind).recordSize;
        const util::Bytes rec = record(*tag, size, m_slots);
        auto back = c.fresh();
        ASSERT_TRUE(back->LoadRecord(m_slots, rec));
        EXPECT_EQ(record(*back, size, m_slots), rec);
        if (c.kind != kTagBmpText) { // its text comes back from the image area's text block
            EXPECT_EQ(back->Rect(), tag->Rect());
        }
        util::Bytes shortBuffer(size - 1, 0);
        EXPECT_FALSE(back->BuildDownloadRecord(m_slots, shortBuffer));
        EXPECT_FALSE(c.fresh()->LoadRecord(m_slots, util::Bytes(size - 1, 0)));
    }
}

TEST_F(ClipboardTest, ShortBodyIsNoticed)
{
    for (const KindCase &c : kindCases()) {
        SCOPED_TRACE(c.kind);
        util::Bytes body = storeBody(*c.edited());
        body.pop_back();
        auto pasted = c.fresh();
        EXPECT_FALSE(loadBody(*pasted, body));
    }
}

#include "core/tags/tag_factory.h"

TEST_F(ClipboardTest, FactoryMakesEveryKindWithItsRecordSize)
{
    for (int kind = 0; kind < kTagKindCount; ++kind) {
        SCOPED_TRACE(kind);
        auto tag = createTag(kind);
        ASSERT_NE(tag, nullptr);
        EXPECT_EQ(tag->Kind(), kind);
        const std::size_t size = tagKindInfo(kind).recordSize;
        util::Bytes exact(size, 0);
        EXPECT_TRUE(tag->BuildDownloadRecord(m_slots, exact));
        auto back = createTag(kind);
        EXPECT_TRUE(back->LoadRecord(m_slots, exact));
    }
}

namespace {

void putLe32(util::Bytes &b, std::size_t at, std::int32_t value)
{
    util::setLe32(b, at, std::uint32_t(value));
}

bool isShape(std::uint16_t kind)
{
    return kind == kTagRect || kind == kTagLine || kind == kTagCircle;
}

} // namespace

TEST_F(ClipboardTest, BodiesAtTheInt32LimitsGiveRectanglesThatDoNotWrap)
{
    // Right and bottom are sums of the pasted anchor and sizes; computed in 32 bits they wrap
    // (and are undefined) for values a damaged or hostile clipboard holds.
    constexpr std::int32_t kFar = std::numeric_limits<std::int32_t>::max() - 3;
    auto cases = kindCases();
    cases.push_back(makeCase<CDigitTag>(kTagDigit, [](CDigitTag &t) { t.SetDigits(4); }));
    for (const KindCase &c : cases) {
        SCOPED_TRACE(c.kind);
        util::Bytes body = storeBody(*c.edited());
        for (std::size_t at : {0, 4})
            putLe32(body, at, kFar);
        if (isShape(c.kind)) // shapes store their anchor twice
            for (std::size_t at : {8, 12})
                putLe32(body, at, kFar);
        auto pasted = c.fresh();
        ASSERT_TRUE(loadBody(*pasted, body));
        pasted->AfterLoad();
        const CRect r = pasted->Rect();
        EXPECT_LE(r.left, r.right);
        EXPECT_LE(r.top, r.bottom);
    }

    // Graph and moving tags keep their sizes as 32-bit fields at the end of the body.
    struct SizeCase
    {
        std::uint16_t kind;
        std::size_t heightFromEnd; // the width follows the height
    };
    for (const SizeCase sc :
         {SizeCase{kTagGraph1, 22}, SizeCase{kTagGraph2, 22}, SizeCase{kTagMobile, 24}}) {
        SCOPED_TRACE(sc.kind);
        auto tag = createTag(sc.kind);
        tag->MoveTo(11, 7);
        util::Bytes body = storeBody(*tag);
        putLe32(body, body.size() - sc.heightFromEnd, kFar);
        putLe32(body, body.size() - sc.heightFromEnd + 4, kFar);
        auto pasted = createTag(sc.kind);
        ASSERT_TRUE(loadBody(*pasted, body));
        pasted->AfterLoad();
        const CRect r = pasted->Rect();
        EXPECT_LE(r.left, r.right);
        EXPECT_LE(r.top, r.bottom);
    }
}
