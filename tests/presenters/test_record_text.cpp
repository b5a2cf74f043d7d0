// The texts of records as the tag list, the report and the command line show them. The expected
// texts are the ones those windows showed before they shared this module.

#include "core/functions/record_text.h"
#include "core/tags/digit_tag.h"
#include "core/tags/lamp_tag.h"
#include "core/tags/line_tag.h"
#include "core/tags/message_tag.h"
#include "core/tags/mobile_tag.h"
#include "core/tags/tag_kinds.h"

#include "util/messages.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace core;

namespace {

struct KindRow
{
    int kind;
    const char *korean;
    const char *english;
    const char *word;
};

// The tag list's tabs, their English translation and the command line's count keys.
const KindRow kKinds[] = {
        {kTagDigit, "숫자", "Numeric", "numeric"},
        {kTagMessage, "메시지", "Message", "message"},
        {kTagText, "문자열", "Text", "text"},
        {kTagLamp, "램프", "Lamp", "lamp"},
        {kTagButton, "버튼", "Button", "button"},
        {kTagPie, "파이 그래프", "Pie graph", "pie"},
        {kTagBitmap, "이미지", "Image", "image"},
        {kTagGraph1, "막대 그래프", "Bar graph", "bar graph"},
        {kTagGraph2, "트렌드 그래프", "Trend graph", "trend graph"},
        {kTagMotor, "회전", "Rotation", "rotation"},
        {kTagMobile, "이동", "Moving", "moving"},
        {kTagRect, "사각형", "Rectangle", "rectangle"},
        {kTagLine, "선", "Line", "line"},
        {kTagCircle, "원", "Circle", "circle"},
        {kTagClock, "시계", "Clock", "clock"},
        {kTagBmpText, "이미지텍스트", "Image text", "image text"},
};

std::vector<std::string> pointTexts(const CPointInfo &p)
{
    std::vector<std::string> out;
    for (PointField f : {PointField::Channel, PointField::Station, PointField::Address,
                         PointField::DataSize, PointField::Base, PointField::Limits})
        out.push_back(pointText(p, f));
    return out;
}

std::vector<std::string> tagPointTexts(const CTag &tag)
{
    std::vector<std::string> out;
    for (TagField f : {TagField::Channel, TagField::Station, TagField::Address, TagField::DataSize,
                       TagField::Base, TagField::Limits})
        out.push_back(tagText(tag, f));
    return out;
}

using Texts = std::vector<std::string>;

} // namespace

TEST(RecordText, EveryTagKindHasItsNamesInTableOrder)
{
    static_assert(std::size(kKinds) == kTagKindCount);
    for (const KindRow &row : kKinds) {
        SCOPED_TRACE(row.word);
        const TagKindNames *names = tagKindNames(row.kind);
        ASSERT_NE(names, nullptr);
        EXPECT_STREQ(names->korean, row.korean);
        EXPECT_STREQ(names->english, row.english);
        EXPECT_STREQ(names->word, row.word);
        EXPECT_EQ(tagKindText(row.kind, 0x412), row.korean);
        EXPECT_EQ(tagKindText(row.kind, util::kResEnglish), row.english);
    }
    // Outside the table: no names, and the report shows the number.
    EXPECT_EQ(tagKindNames(-1), nullptr);
    EXPECT_EQ(tagKindNames(kTagKindCount), nullptr);
    EXPECT_EQ(tagKindText(kTagKindCount, 0x412), "16");
}

TEST(RecordText, KindNameFollowsTheMessageLanguage)
{
    const std::uint16_t saved = util::messageLanguage();
    util::setMessageLanguage(util::kResEnglish);
    EXPECT_EQ(tagKindText(kTagPie), "Pie graph");
    util::setMessageLanguage(0x412);
    EXPECT_EQ(tagKindText(kTagPie), "파이 그래프");
    util::setMessageLanguage(saved);
}

TEST(RecordText, PointFieldsOfWordDoubleWordAndBitPoints)
{
    // A double word in hexadecimal on channel 2.
    CPointInfo dword;
    dword.m_channel = 2;
    dword.m_station = 7;
    dword.m_address = "D";
    dword.m_second = "1000";
    dword.m_dataSize = kSizeDWord;
    dword.m_base = kBaseHex;
    dword.m_max = 0xFFFFFFFFu;
    EXPECT_EQ(pointTexts(dword),
              (Texts{"Ch2", "7", "D1000", "Double Word", "HEX", "0 ~ 4294967295"}));

    // A BCD word in the panel's own memory, which has no area text.
    CPointInfo bcd;
    bcd.m_second = "40";
    bcd.m_base = kBaseBcd;
    bcd.m_max = 9999;
    EXPECT_EQ(pointTexts(bcd), (Texts{"S", "0", "40", "Word", "BCD", "0 ~ 9999"}));

    // A signed decimal word shows a negative lower limit.
    CPointInfo signedWord;
    signedWord.m_signed = 1;
    signedWord.m_min = std::uint32_t(-32768);
    signedWord.m_max = 32767;
    EXPECT_EQ(pointText(signedWord, PointField::Limits), "-32768 ~ 32767");

    // A bit has neither base nor limits, whatever its record still holds.
    CPointInfo bit;
    bit.m_channel = 1;
    bit.m_station = 3;
    bit.m_address = "M";
    bit.m_second = "12";
    bit.m_dataSize = kSizeBit;
    bit.m_base = kBaseHex;
    EXPECT_EQ(pointTexts(bit), (Texts{"Ch1", "3", "M12", "Bit", "", ""}));
}

TEST(RecordText, UnknownSizesAndBasesReadAsWordAndDecimal)
{
    EXPECT_EQ(dataSizeName(0), "Word");
    EXPECT_EQ(dataSizeName(kSizeWord), "Word");
    EXPECT_EQ(baseName(0), "DEC");
    EXPECT_EQ(baseName(kBaseDec), "DEC");
    EXPECT_EQ(channelText(0), "S");
}

TEST(RecordText, TagFieldsJoinTheMovingTagsTwoPoints)
{
    CMobileTag moving;
    moving.XPoint().m_second = "120";
    moving.YPoint().m_second = "121";
    moving.YPoint().m_channel = 1;
    EXPECT_EQ(tagPointTexts(moving),
              (Texts{"S/Ch1", "0/0", "120/121", "Word/Word", "DEC/DEC", "0 ~ 65535/0 ~ 65535"}));
}

TEST(RecordText, TagPositionSizeAndResources)
{
    // A numeric tag of its default 40 x 16 moved to (10, 20).
    CDigitTag digit;
    digit.MoveTo(10, 20);
    std::vector<std::string> place;
    for (TagField f : {TagField::X, TagField::Y, TagField::Width, TagField::Height,
                       TagField::Position, TagField::Size, TagField::Resources})
        place.push_back(tagText(digit, f));
    EXPECT_EQ(place, (Texts{"10", "20", "40", "16", "10, 20", "40 x 16", ""}));

    // A shape has no points: every point field is empty.
    CLineTag line;
    EXPECT_EQ(tagPointTexts(line), Texts(6));

    CMessageTag message;
    message.AddEntry(1, 12);
    message.AddEntry(0, 5);
    EXPECT_EQ(tagText(message, TagField::Resources), "M5, M12");

    CLampTag lamp;
    lamp.SetOffImage(7);
    lamp.SetOnImage(8);
    EXPECT_EQ(tagText(lamp, TagField::Resources), "I7, I8");
}
