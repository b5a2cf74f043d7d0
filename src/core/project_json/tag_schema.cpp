#include "core/project_json/tag_schema.h"

#include "core/tags/tag_kinds.h"

#include <algorithm>
#include <array>
#include <limits>

namespace core::pjson {

namespace {

using B = BodyType;

BodyField u16(const char *name, std::int64_t min = 0, std::int64_t max = 0)
{
    return {name, B::U16, 0, false, min, max};
}
BodyField u32(const char *name, std::int64_t min = 0, std::int64_t max = 0)
{
    return {name, B::U32, 0, false, min, max};
}
BodyField i32(const char *name)
{
    return {name, B::I32};
}
BodyField point(const char *name)
{
    return {name, B::Point};
}
BodyField str(const char *name)
{
    return {name, B::Text};
}
BodyField fixed(const char *name, std::size_t size, bool terminated = false)
{
    return {name, B::Fixed, size, terminated};
}

// Panel fonts: 0 normal, 1 large, 2 small. A file stores magnification as a flag, so only 1 and
// 2 survive a save.
const BodyField kFont = u16("font", 0, 2);
const BodyField kMagnification = u16("magnification", 1, 2);

constexpr std::size_t kTextBytes = 25;
constexpr std::size_t kLogFontBytes = 60;

const std::array<const char *, kTagKindCount> kNames{
        "numeric",    "message",  "text",   "lamp",      "button", "pie",    "image", "barGraph",
        "trendGraph", "rotation", "moving", "rectangle", "line",   "circle", "clock", "imageText"};

std::vector<BodyField> graphSchema()
{
    return {point("point"),       u32("height"),       u32("width"), u16("direction"),
            u32("samplingCount"), u32("samplingTime"), u32("border")};
}

const std::array<std::vector<BodyField>, kTagKindCount> &schemas()
{
    static const std::array<std::vector<BodyField>, kTagKindCount> all{
            // numeric
            std::vector<BodyField>{point("point"), kFont, u32("inverse"), u32("writable"),
                                   u32("password"), u32("decimals", 0, 9), u32("digits", 1, 10),
                                   u32("reserved"), u32("border"), u32("zeroFill"), str("digitSet"),
                                   str("sample")},
            // message
            {point("point"), kFont, u32("inverse"), u32("border"), {"entries", B::Entries}},
            // text
            {kFont, u32("inverse"), fixed("text", kTextBytes, true), u32("border")},
            // lamp
            {point("point"), kMagnification, u16("onValue"), u16("offImage"), u16("onImage")},
            // button
            {point("point"), u32("password"), u16("action"), u16("reserved"), kMagnification,
             u16("onValue"), u16("offImage"), u16("onImage")},
            // pie
            {point("point"), u16("radius"), u16("startAngle"), u16("sweep"), u16("mode"),
             u32("inverse")},
            // image
            {u16("image"), kMagnification, u32("inverse")},
            graphSchema(),
            graphSchema(),
            // rotation
            {point("point"),
             u16("imageCount", 0, 8),
             {"images", B::Images8},
             u16("direction"),
             kMagnification,
             u32("inverse")},
            // moving
            {point("xPoint"), point("yPoint"), u32("height"), u32("width"), u16("border"),
             u32("moveX"), u32("moveY"), u32("reserved"), u16("image")},
            // rectangle
            {{"anchor", B::Anchor},
             u16("fill"),
             u16("lineType"),
             u16("thickness"),
             u16("height"),
             u16("width")},
            // line
            {{"anchor", B::Anchor}, i32("endX"), i32("endY"), u16("lineType"), u16("thickness")},
            // circle
            {{"anchor", B::Anchor}, u16("fill"), u16("lineType"), u16("thickness"), u16("radius")},
            // clock
            {kFont, u32("inverse"), u32("border"), u16("format")},
            // image text
            {u32("inverse"),
             u32("border"),
             {"windowsFont", B::Hex, kLogFontBytes},
             fixed("text", kTextBytes, true)},
    };
    return all;
}

// The point descriptor's fields in archive order (texts last).
constexpr std::array<const char *, 9> kPointWords{
        "flag", "dataSize", "base", "signed", "option", "minimum", "maximum", "channel", "station"};

bool isLong(std::size_t index)
{
    return index == 5 || index == 6; // minimum, maximum
}

Json pointToJson(util::CArchive &ar, std::uint16_t langId)
{
    Json j = Json::object();
    for (std::size_t i = 0; i < kPointWords.size(); ++i)
        j[kPointWords[i]] = isLong(i) ? ar.readU32() : std::uint32_t(ar.readU16());
    j["address"] = textToJson(ar.readString(), langId);
    j["second"] = textToJson(ar.readString(), langId);
    return j;
}

void pointFromJson(const Json &j, const std::string &path, std::uint16_t langId, util::CArchive &ar)
{
    onlyKeys(j, path,
             {"flag", "dataSize", "base", "signed", "option", "minimum", "maximum", "channel",
              "station", "address", "second"});
    for (std::size_t i = 0; i < kPointWords.size(); ++i) {
        const std::string p = member(path, kPointWords[i]);
        const Json &v = required(j, path, kPointWords[i]);
        if (isLong(i))
            ar.writeU32(std::uint32_t(intFromJson(v, p, 0, 0xFFFFFFFF)));
        else if (i == 7)
            ar.writeU16(std::uint16_t(intFromJson(v, p, 0, 2))); // channel: panel, 1, 2
        else
            ar.writeU16(std::uint16_t(intFromJson(v, p, 0, 0xFFFF)));
    }
    for (const char *key : {"address", "second"})
        ar.writeString(textFromJson(required(j, path, key), member(path, key), langId, 0xFFFF));
}

std::int64_t fieldMax(const BodyField &f, std::int64_t width)
{
    return f.min == 0 && f.max == 0 ? width : f.max;
}

} // namespace

const std::vector<BodyField> &tagSchema(int kind)
{
    return schemas().at(std::size_t(kind));
}

const char *tagKindName(int kind)
{
    return isValidTagKind(kind) ? kNames[std::size_t(kind)] : nullptr;
}

std::optional<int> tagKindFromName(std::string_view name)
{
    for (std::size_t k = 0; k < kNames.size(); ++k)
        if (name == kNames[k])
            return int(k);
    return std::nullopt;
}

bool bodyToJson(int kind, util::CArchive &ar, std::int32_t x, std::int32_t y, std::uint16_t langId,
                Json &fields, std::string &why)
{
    fields = Json::object();
    for (const BodyField &f : tagSchema(kind)) {
        switch (f.type) {
        case B::I32:
            fields[f.name] = ar.readI32();
            break;
        case B::U16:
            fields[f.name] = ar.readU16();
            break;
        case B::U32:
            fields[f.name] = ar.readU32();
            break;
        case B::Text:
            fields[f.name] = textToJson(ar.readString(), langId);
            break;
        case B::Fixed: {
            util::Bytes bytes(f.size);
            ar.readBytes(bytes);
            fields[f.name] = fixedToJson(bytes, langId);
            break;
        }
        case B::Hex: {
            util::Bytes bytes(f.size);
            ar.readBytes(bytes);
            fields[f.name] = toHex(bytes);
            break;
        }
        case B::Point:
            fields[f.name] = pointToJson(ar, langId);
            break;
        case B::Entries: {
            Json entries = Json::array();
            const std::uint16_t count = ar.readU16();
            for (std::uint16_t i = 0; i < count && ar.ok(); ++i) {
                const std::uint16_t message = ar.readU16();
                const std::uint16_t value = ar.readU16();
                entries.push_back(Json{{"value", value}, {"message", message}});
            }
            fields[f.name] = entries;
            break;
        }
        case B::Images8: {
            Json images = Json::array();
            for (int i = 0; i < 8; ++i)
                images.push_back(ar.readU16());
            fields[f.name] = images;
            break;
        }
        case B::Anchor:
            if (ar.readI32() != x || ar.readI32() != y) {
                why = "the repeated position differs from the tag's position";
                return false;
            }
            break;
        }
    }
    if (!ar.ok() || !ar.atEnd()) {
        why = !ar.ok() ? "the body is shorter than its layout"
                       : "the body is longer than its layout";
        return false;
    }
    return true;
}

void bodyFromJson(int kind, const Json &fields, const std::string &path, std::int32_t x,
                  std::int32_t y, std::uint16_t langId, util::CArchive &ar)
{
    requireObject(fields, path);
    const auto &schema = tagSchema(kind);
    // Named members rather than a structured binding: clang before 16 cannot capture one.
    for (const auto &item : fields.items()) {
        const std::string &key = item.key();
        const bool known = std::any_of(schema.begin(), schema.end(), [&](const BodyField &f) {
            return f.type != B::Anchor && key == f.name;
        });
        if (!known)
            refuse(member(path, key), "unknown field");
    }
    ar.writeI32(x);
    ar.writeI32(y);
    for (const BodyField &f : schema) {
        if (f.type == B::Anchor) {
            ar.writeI32(x);
            ar.writeI32(y);
            continue;
        }
        const std::string p = member(path, f.name);
        const Json &v = required(fields, path, f.name);
        switch (f.type) {
        case B::I32:
            ar.writeI32(std::int32_t(intFromJson(v, p, std::numeric_limits<std::int32_t>::min(),
                                                 std::numeric_limits<std::int32_t>::max())));
            break;
        case B::U16:
            ar.writeU16(std::uint16_t(intFromJson(v, p, f.min, fieldMax(f, 0xFFFF))));
            break;
        case B::U32:
            ar.writeU32(std::uint32_t(intFromJson(v, p, f.min, fieldMax(f, 0xFFFFFFFF))));
            break;
        case B::Text:
            ar.writeString(textFromJson(v, p, langId, 0xFFFF));
            break;
        case B::Fixed: {
            util::Bytes bytes(f.size);
            fixedFromJson(v, p, langId, bytes, f.terminated);
            ar.writeBytes(bytes);
            break;
        }
        case B::Hex: {
            util::Bytes bytes;
            if (!v.is_string() || !fromHex(v.get<std::string>(), bytes) || bytes.size() != f.size)
                refuse(p, "expected " + std::to_string(f.size) + " bytes as hexadecimal digits");
            ar.writeBytes(bytes);
            break;
        }
        case B::Point:
            pointFromJson(v, p, langId, ar);
            break;
        case B::Entries: {
            requireArray(v, p);
            if (v.size() > 50)
                refuse(p, "a message table holds at most 50 entries");
            ar.writeU16(std::uint16_t(v.size()));
            std::vector<std::int64_t> values;
            for (std::size_t i = 0; i < v.size(); ++i) {
                const std::string e = element(p, i);
                onlyKeys(v[i], e, {"value", "message"});
                const auto message = intFromJson(required(v[i], e, "message"), member(e, "message"),
                                                 0, 0xFFFF);
                const auto value
                        = intFromJson(required(v[i], e, "value"), member(e, "value"), 0, 0xFFFF);
                // The tag keeps the first entry of a value; a second one would vanish unseen.
                if (std::find(values.begin(), values.end(), value) != values.end())
                    refuse(member(e, "value"),
                           "the value " + std::to_string(value) + " has an entry already");
                values.push_back(value);
                ar.writeU16(std::uint16_t(message));
                ar.writeU16(std::uint16_t(value));
            }
            break;
        }
        case B::Images8:
            requireArray(v, p);
            if (v.size() != 8)
                refuse(p, "expected 8 image numbers");
            for (std::size_t i = 0; i < 8; ++i)
                ar.writeU16(std::uint16_t(intFromJson(v[i], element(p, i), 0, 0xFFFF)));
            break;
        case B::Anchor:
            break;
        }
    }
}

} // namespace core::pjson
