#include "core/functions/record_text.h"

#include "core/tags/message_tag.h"
#include "core/tags/point_info.h"
#include "core/tags/tag.h"
#include "core/tags/tag_kinds.h"
#include "core/tags/tag_points.h"

#include "util/messages.h"

#include <array>
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

} // namespace

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
    }
    return {};
}

} // namespace core
