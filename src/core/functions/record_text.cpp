#include "core/functions/record_text.h"

#include "core/tags/bitmap_tag.h"
#include "core/tags/bmp_text_tag.h"
#include "core/tags/clock_tag.h"
#include "core/tags/digit_tag.h"
#include "core/tags/graph_tag.h"
#include "core/tags/message_tag.h"
#include "core/tags/mobile_tag.h"
#include "core/tags/motor_tag.h"
#include "core/tags/panel_text.h"
#include "core/tags/pie_tag.h"
#include "core/tags/point_info.h"
#include "core/tags/tag.h"
#include "core/tags/tag_kinds.h"
#include "core/tags/tag_points.h"
#include "core/tags/text_tag.h"

#include "util/code_page.h"
#include "util/message_ids.h"
#include "util/messages.h"

#include <array>
#include <cstdlib>
#include <optional>
#include <vector>

namespace core {

namespace {

// In TagKind order. The names are the tag menu's own words, so a list, the report and the
// menu that made the tag call it the same.
constexpr std::array<TagKindNames, kTagKindCount> kKindNames{{
        {"숫자", "Numeric", "numeric"},
        {"메시지", "Message", "message"},
        {"문자열", "Text", "text"},
        {"램프", "Lamp", "lamp"},
        {"버튼", "Button", "button"},
        {"파이 그래프", "Pie graph", "pie"},
        {"이미지", "Image", "image"},
        {"막대 그래프", "Bar graph", "bar graph"},
        {"트렌드 그래프", "Trend graph", "trend graph"},
        {"회전", "Rotation", "rotation"},
        {"이동", "Moving", "moving"},
        {"사각형", "Rectangle", "rectangle"},
        {"선", "Line", "line"},
        {"원", "Circle", "circle"},
        {"시계", "Clock", "clock"},
        {"이미지텍스트", "Image text", "image text"},
}};

std::string joined(const std::vector<std::string> &parts, std::string_view separator)
{
    std::string out;
    for (const std::string &part : parts) {
        if (!out.empty())
            out += separator;
        out += part;
    }
    return out;
}

std::string pointsText(const CTag &tag, PointField field)
{
    std::vector<std::string> parts;
    for (const CPointInfo *point : devicePoints(tag))
        parts.push_back(pointText(*point, field));
    return joined(parts, kPointSeparator);
}

std::string resourcesText(const CTag &tag)
{
    std::vector<std::string> parts;
    if (tag.Kind() == kTagMessage)
        for (const MessageEntry &e : static_cast<const CMessageTag &>(tag).Entries())
            parts.push_back("M" + std::to_string(e.message));
    for (const std::uint16_t id : tag.ImageIds())
        parts.push_back("I" + std::to_string(id));
    return joined(parts, ", ");
}

std::string onOff(bool on)
{
    return std::string(util::messageText(on ? util::msg::kOn : util::msg::kOff));
}

std::string pick(const char *korean, const char *english)
{
    return util::messageLanguage() == util::kResEnglish ? english : korean;
}

// The flag of a kind that has one; nothing for the others.
std::optional<bool> inverseOf(const CTag &tag)
{
    switch (tag.Kind()) {
    case kTagDigit:
        return static_cast<const CDigitTag &>(tag).IsInverse();
    case kTagMessage:
        return static_cast<const CMessageTag &>(tag).IsInverse();
    case kTagText:
        return static_cast<const CTextTag &>(tag).IsInverse();
    case kTagPie:
        return static_cast<const CPieTag &>(tag).IsInverse();
    case kTagBitmap:
        return static_cast<const CBitmapTag &>(tag).IsInverse();
    case kTagMotor:
        return static_cast<const CMotorTag &>(tag).IsInverse();
    case kTagClock:
        return static_cast<const CClockTag &>(tag).IsInverse();
    case kTagBmpText:
        return static_cast<const CBmpTextTag &>(tag).IsInverse();
    default:
        return std::nullopt;
    }
}

std::optional<bool> borderOf(const CTag &tag)
{
    switch (tag.Kind()) {
    case kTagDigit:
        return static_cast<const CDigitTag &>(tag).HasBorder();
    case kTagMessage:
        return static_cast<const CMessageTag &>(tag).HasBorder();
    case kTagText:
        return static_cast<const CTextTag &>(tag).HasBorder();
    case kTagGraph1:
    case kTagGraph2:
        return static_cast<const CGraphTag &>(tag).HasBorder();
    case kTagMobile:
        return static_cast<const CMobileTag &>(tag).HasBorder();
    case kTagClock:
        return static_cast<const CClockTag &>(tag).HasBorder();
    case kTagBmpText:
        return static_cast<const CBmpTextTag &>(tag).HasBorder();
    default:
        return std::nullopt;
    }
}

// The three panel fonts by the words of the property dialogs.
std::string panelFontText(std::uint16_t font)
{
    switch (font) {
    case kFontSmall:
        return pick("작은 글꼴", "Small font");
    case kFontLarge:
        return pick("큰 글꼴", "Large font");
    default:
        return pick("보통 글꼴", "Normal font");
    }
}

// An image text is drawn in a computer font: its face and its height in pixels (a negative
// LOGFONT height is the character height, a positive one the cell height; both are shown as
// the number of pixels asked for).
std::string faceText(const util::CLogFont &font, std::uint16_t panelLangId)
{
    std::string text = util::toUtf8Lossy(font.faceName(), panelLangId);
    if (const std::int32_t height = std::abs(font.height()); height != 0)
        text += (text.empty() ? "" : " ") + std::to_string(height) + "px";
    return text;
}

std::string fontText(const CTag &tag, std::uint16_t panelLangId)
{
    switch (tag.Kind()) {
    case kTagDigit:
        return panelFontText(static_cast<const CDigitTag &>(tag).Font());
    case kTagMessage:
        return panelFontText(static_cast<const CMessageTag &>(tag).Font());
    case kTagText:
        return panelFontText(static_cast<const CTextTag &>(tag).Font());
    case kTagClock:
        return panelFontText(static_cast<const CClockTag &>(tag).Font());
    case kTagBmpText:
        return faceText(static_cast<const CBmpTextTag &>(tag).WindowsFont(), panelLangId);
    default:
        return {};
    }
}

std::string flagText(std::optional<bool> flag)
{
    return flag ? onOff(*flag) : std::string();
}

} // namespace

bool tagKindHasLook(int kind, TagField field)
{
    switch (field) {
    case TagField::Inverse:
        return kind == kTagDigit || kind == kTagMessage || kind == kTagText || kind == kTagPie
                || kind == kTagBitmap || kind == kTagMotor || kind == kTagClock
                || kind == kTagBmpText;
    case TagField::Border:
        return kind == kTagDigit || kind == kTagMessage || kind == kTagText || kind == kTagGraph1
                || kind == kTagGraph2 || kind == kTagMobile || kind == kTagClock
                || kind == kTagBmpText;
    case TagField::Font:
        return kind == kTagDigit || kind == kTagMessage || kind == kTagText || kind == kTagClock
                || kind == kTagBmpText;
    default:
        return false;
    }
}

std::string tagFieldCaption(TagField field, std::uint16_t resourceLangId)
{
    const bool english = resourceLangId == util::kResEnglish;
    switch (field) {
    case TagField::Inverse:
        return english ? "Inverse" : "색 반전";
    case TagField::Border:
        return english ? "Border" : "테두리";
    case TagField::Font:
        return english ? "Font" : "글꼴";
    default:
        return {};
    }
}

std::string tagFieldCaption(TagField field)
{
    return tagFieldCaption(field, util::messageLanguage());
}

const TagKindNames *tagKindNames(int kind)
{
    return isValidTagKind(kind) ? &kKindNames[std::size_t(kind)] : nullptr;
}

std::string tagKindText(int kind, std::uint16_t resourceLangId)
{
    const TagKindNames *names = tagKindNames(kind);
    if (!names)
        return std::to_string(kind);
    return resourceLangId == util::kResEnglish ? names->english : names->korean;
}

std::string tagKindText(int kind)
{
    return tagKindText(kind, util::messageLanguage());
}

std::string channelText(std::uint16_t channel)
{
    return channel == 0 ? "S" : "Ch" + std::to_string(channel);
}

std::string_view dataSizeName(std::uint16_t dataSize)
{
    switch (dataSize) {
    case kSizeBit:
        return "Bit";
    case kSizeDWord:
        return "Double Word";
    default:
        return "Word";
    }
}

std::string_view baseName(std::uint16_t base)
{
    switch (base) {
    case kBaseHex:
        return "HEX";
    case kBaseBcd:
        return "BCD";
    default:
        return "DEC";
    }
}

std::string pointText(const CPointInfo &point, PointField field)
{
    const bool bit = point.m_dataSize == kSizeBit;
    switch (field) {
    case PointField::Channel:
        return channelText(point.m_channel);
    case PointField::Station:
        return std::to_string(point.m_station);
    case PointField::Address:
        return point.m_address + point.m_second;
    case PointField::DataSize:
        return std::string(dataSizeName(point.m_dataSize));
    case PointField::Base:
        return bit ? std::string() : std::string(baseName(point.m_base));
    case PointField::Limits:
        return bit ? std::string() : point.MinText() + " ~ " + point.MaxText();
    }
    return {};
}

std::string tagText(const CTag &tag, TagField field)
{
    return tagText(tag, field, 0);
}

std::string tagText(const CTag &tag, TagField field, std::uint16_t panelLangId)
{
    const CRect &r = tag.Rect();
    switch (field) {
    case TagField::X:
        return std::to_string(tag.X());
    case TagField::Y:
        return std::to_string(tag.Y());
    case TagField::Width:
        return std::to_string(r.Width());
    case TagField::Height:
        return std::to_string(r.Height());
    case TagField::Position:
        return std::to_string(tag.X()) + ", " + std::to_string(tag.Y());
    case TagField::Size:
        return std::to_string(r.Width()) + " x " + std::to_string(r.Height());
    case TagField::Channel:
        return pointsText(tag, PointField::Channel);
    case TagField::Station:
        return pointsText(tag, PointField::Station);
    case TagField::Address:
        return pointsText(tag, PointField::Address);
    case TagField::DataSize:
        return pointsText(tag, PointField::DataSize);
    case TagField::Base:
        return pointsText(tag, PointField::Base);
    case TagField::Limits:
        return pointsText(tag, PointField::Limits);
    case TagField::Resources:
        return resourcesText(tag);
    case TagField::Inverse:
        return flagText(inverseOf(tag));
    case TagField::Border:
        return flagText(borderOf(tag));
    case TagField::Font:
        return fontText(tag, panelLangId);
    }
    return {};
}

} // namespace core
