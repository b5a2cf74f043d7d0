#pragma once

// Shared pieces of the project JSON writer and reader: the refusal that carries the JSON path of
// the bad field, hex and text conversions, and checked reads of JSON values. Panel texts are
// bytes in the panel language's code page; they travel as UTF-8 strings when they convert both
// ways exactly, and as {"hex": "..."} otherwise, so that no byte is ever lost.

#include "util/byte_order.h"

#include <nlohmann/json.hpp>

#include <cstdint>
#include <string>
#include <string_view>

namespace core::pjson {

using Json = nlohmann::ordered_json;

// Thrown by the readers inside this module only; the import entry point turns it into its
// result.
struct JsonError
{
    std::string path;
    std::string what;
    std::string message() const { return (path.empty() ? "(top)" : path) + ": " + what; }
};

[[noreturn]] void refuse(const std::string &path, const std::string &what);

std::string member(const std::string &path, std::string_view key);
std::string element(const std::string &path, std::size_t index);

std::string toHex(util::ConstByteSpan bytes);
// Even count of hexadecimal digits, either case; nothing on anything else.
bool fromHex(std::string_view text, util::Bytes &out);

// A panel text of any length: a string when it converts exactly, else {"hex"}.
Json textToJson(std::string_view bytes, std::uint16_t langId);
std::string textFromJson(const Json &value, const std::string &path, std::uint16_t langId,
                         std::size_t maxBytes);
// A fixed field of `bytes.size()` bytes holding a text padded with zeros: a string when the
// bytes are exactly such a text, else {"hex"} of all the bytes.
Json fixedToJson(util::ConstByteSpan bytes, std::uint16_t langId);
// `terminated`: the last byte must stay zero (the owner clears it when it loads the field).
void fixedFromJson(const Json &value, const std::string &path, std::uint16_t langId,
                   util::ByteSpan out, bool terminated = false);

// An integer between min and max (no fractions, no strings).
std::int64_t intFromJson(const Json &value, const std::string &path, std::int64_t min,
                         std::int64_t max);
bool boolFromJson(const Json &value, const std::string &path);
// The member `key` of `object`; refused when missing.
const Json &required(const Json &object, const std::string &path, const char *key);
void requireObject(const Json &value, const std::string &path);
void requireArray(const Json &value, const std::string &path);
// Refuses members other than the listed ones (a misspelt field must not be ignored silently).
void onlyKeys(const Json &object, const std::string &path,
              std::initializer_list<std::string_view> keys);

} // namespace core::pjson
