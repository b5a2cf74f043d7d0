#pragma once

// The whole project as a human-readable JSON document, for keeping projects in version control:
// parameters, messages, images, the four common-function lists and every screen with its
// function keys and tags. Reading back what was written rebuilds a project that saves to the
// same file, byte for byte. The format is described in docs/project-json.md.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace core {

class CAreaCodec;
class CDorvaneDoc;

inline constexpr const char *kProjectJsonFormat = "dorvane-project";
inline constexpr int kProjectJsonVersion = 1;
// The largest document import reads: a full project (176 KB of areas) exports to a few megabytes.
inline constexpr std::size_t kMaxProjectJsonBytes = std::size_t(16) << 20;

struct ProjectJsonResult
{
    bool ok = false;
    std::string text; // the JSON document (export)
    std::string error; // why it failed; for import "<json path>: <reason>"
};

// Texts are converted from the code page of `textLangId` (the project's panel language).
ProjectJsonResult exportProjectJson(const CDorvaneDoc &doc, std::uint16_t textLangId);

// Checks the whole document first, then replaces the project in `doc` (and the messages and
// images of its managers) with it. On a refusal the project is left empty; the caller must not
// save it.
ProjectJsonResult importProjectJson(std::string_view json, CDorvaneDoc &doc);

// Imports and saves the project to `path` (replacing the file only once the new one is
// complete). Nothing is written when the document is refused.
ProjectJsonResult importProjectJsonToFile(std::string_view json, CDorvaneDoc &doc,
                                          CAreaCodec &codec, const std::string &path);

} // namespace core
