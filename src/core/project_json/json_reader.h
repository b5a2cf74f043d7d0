#pragma once

// Parsing a project's JSON text within the bounds a project can need, so that no document makes
// the reader run out of stack or memory: the text's size is checked before parsing, its depth and
// element counts while parsing. Zero bytes are refused anywhere, raw or escaped, since neither the
// panel's texts nor the format's keys can hold one.

#include "core/project_json/json_values.h"
#include "core/project_json/project_json.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace core::pjson {

// The bounds follow from the project file: its lists are indexed by 16-bit numbers, it nests
// about eight levels deep, and a full one holds a few hundred thousand values.
inline constexpr std::size_t kMaxDocumentBytes = kMaxProjectJsonBytes;
inline constexpr int kMaxDepth = 64;
inline constexpr std::size_t kMaxArrayElements = 65536;
inline constexpr std::size_t kMaxValues = 1000000; // values and keys of the whole document

// Parses `text` into `out`. On failure `error` says why: "not valid JSON: ..." for the syntax,
// "<json path>: ..." where a bound was passed.
bool parseBounded(std::string_view text, Json &out, std::string &error);

// `text` with control bytes and bytes that are no UTF-8 written as \xNN, for messages that echo
// parts of a document.
std::string printable(std::string_view text);

} // namespace core::pjson
