#include "core/project_json/json_values.h"

#include "util/code_page.h"

#include <algorithm>

namespace core::pjson {

namespace {

// Printable text only: control bytes would make the JSON string unreadable.
bool isPlainText(std::string_view bytes)
{
    return std::none_of(bytes.begin(), bytes.end(), [](char c) {
        const auto b = static_cast<unsigned char>(c);
        return b < 0x20 || b == 0x7F;
    });
}

// The UTF-8 form when it converts back to the very same bytes.
std::optional<std::string> exactUtf8(std::string_view bytes, std::uint16_t langId)
{
    if (!isPlainText(bytes))
        return std::nullopt;
    auto utf8 = util::toUtf8(bytes, langId);
    if (!utf8)
        return std::nullopt;
    const auto back = util::fromUtf8(*utf8, langId);
    if (!back || *back != bytes)
        return std::nullopt;
    return utf8;
}

Json hexObject(util::ConstByteSpan bytes)
{
    Json j = Json::object();
    j["hex"] = toHex(bytes);
    return j;
}

std::string typeName(const Json &v)
{
    return v.type_name();
}

} // namespace

void refuse(const std::string &path, const std::string &what)
{
    throw JsonError{path, what};
}

std::string member(const std::string &path, std::string_view key)
{
    return path.empty() ? std::string(key) : path + "." + std::string(key);
}

std::string element(const std::string &path, std::size_t index)
{
    return path + "[" + std::to_string(index) + "]";
}

std::string toHex(util::ConstByteSpan bytes)
{
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string out;
    out.reserve(bytes.size() * 2);
    for (std::uint8_t b : bytes) {
        out.push_back(kDigits[b >> 4]);
        out.push_back(kDigits[b & 15]);
    }
    return out;
}

bool fromHex(std::string_view text, util::Bytes &out)
{
    auto digit = [](char c) -> int {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        return -1;
    };
    if (text.size() % 2 != 0)
        return false;
    out.clear();
    for (std::size_t i = 0; i < text.size(); i += 2) {
        const int hi = digit(text[i]), lo = digit(text[i + 1]);
        if (hi < 0 || lo < 0)
            return false;
        out.push_back(std::uint8_t(hi * 16 + lo));
    }
    return true;
}

Json textToJson(std::string_view bytes, std::uint16_t langId)
{
    if (auto utf8 = exactUtf8(bytes, langId))
        return *utf8;
    return hexObject(util::ConstByteSpan(reinterpret_cast<const std::uint8_t *>(bytes.data()),
                                         bytes.size()));
}

namespace {

util::Bytes hexFromJson(const Json &value, const std::string &path)
{
    onlyKeys(value, path, {"hex"});
    const Json &hex = required(value, path, "hex");
    util::Bytes bytes;
    if (!hex.is_string() || !fromHex(hex.get<std::string>(), bytes))
        refuse(member(path, "hex"), "expected a string of hexadecimal digit pairs");
    return bytes;
}

} // namespace

std::string textFromJson(const Json &value, const std::string &path, std::uint16_t langId,
                         std::size_t maxBytes)
{
    std::string bytes;
    if (value.is_string()) {
        auto converted = util::fromUtf8(value.get<std::string>(), langId);
        if (!converted)
            refuse(path,
                   std::string("the text cannot be written in code page ")
                           + util::codePageName(langId));
        bytes = std::move(*converted);
    } else if (value.is_object()) {
        const util::Bytes raw = hexFromJson(value, path);
        bytes.assign(raw.begin(), raw.end());
    } else {
        refuse(path, "expected a text or {\"hex\": ...}, not " + typeName(value));
    }
    if (bytes.size() > maxBytes)
        refuse(path,
               "the text takes " + std::to_string(bytes.size()) + " bytes, at most "
                       + std::to_string(maxBytes) + " fit");
    return bytes;
}

Json fixedToJson(util::ConstByteSpan bytes, std::uint16_t langId)
{
    const auto end = std::find(bytes.begin(), bytes.end(), std::uint8_t(0));
    const bool zeroTail = std::all_of(end, bytes.end(), [](std::uint8_t b) { return b == 0; });
    if (zeroTail) {
        const std::string_view text(reinterpret_cast<const char *>(bytes.data()),
                                    std::size_t(end - bytes.begin()));
        if (auto utf8 = exactUtf8(text, langId))
            return *utf8;
    }
    return hexObject(bytes);
}

void fixedFromJson(const Json &value, const std::string &path, std::uint16_t langId,
                   util::ByteSpan out, bool terminated)
{
    if (value.is_object()) {
        const util::Bytes raw = hexFromJson(value, path);
        if (raw.size() != out.size())
            refuse(member(path, "hex"),
                   "expected " + std::to_string(out.size()) + " bytes, got "
                           + std::to_string(raw.size()));
        if (terminated && raw.back() != 0)
            refuse(member(path, "hex"), "the last byte must be 0");
        std::copy(raw.begin(), raw.end(), out.begin());
        return;
    }
    const std::string bytes = textFromJson(value, path, langId, out.size() - (terminated ? 1 : 0));
    if (bytes.find('\0') != std::string::npos)
        refuse(path, "a text cannot hold a zero byte");
    std::fill(out.begin(), out.end(), std::uint8_t(0));
    std::copy(bytes.begin(), bytes.end(), out.begin());
}

std::int64_t intFromJson(const Json &value, const std::string &path, std::int64_t min,
                         std::int64_t max)
{
    const std::string expected
            = "expected an integer " + std::to_string(min) + "-" + std::to_string(max);
    if (value.is_number_unsigned()) {
        const auto v = value.get<std::uint64_t>();
        if (max >= 0 && v <= std::uint64_t(max) && std::int64_t(v) >= min)
            return std::int64_t(v);
        refuse(path, expected);
    }
    if (!value.is_number_integer())
        refuse(path, expected);
    const auto v = value.get<std::int64_t>();
    if (v < min || v > max)
        refuse(path, expected);
    return v;
}

bool boolFromJson(const Json &value, const std::string &path)
{
    if (!value.is_boolean())
        refuse(path, "expected true or false");
    return value.get<bool>();
}

const Json &required(const Json &object, const std::string &path, const char *key)
{
    requireObject(object, path);
    const auto it = object.find(key);
    if (it == object.end())
        refuse(member(path, key), "missing");
    return *it;
}

void requireObject(const Json &value, const std::string &path)
{
    if (!value.is_object())
        refuse(path, "expected an object, not " + typeName(value));
}

void requireArray(const Json &value, const std::string &path)
{
    if (!value.is_array())
        refuse(path, "expected an array, not " + typeName(value));
}

void onlyKeys(const Json &object, const std::string &path,
              std::initializer_list<std::string_view> keys)
{
    requireObject(object, path);
    for (const auto &[key, value] : object.items())
        if (std::find(keys.begin(), keys.end(), key) == keys.end())
            refuse(member(path, key), "unknown field");
}

} // namespace core::pjson
