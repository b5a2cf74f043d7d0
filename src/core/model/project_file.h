#pragma once

// The project file (.kvr): a 122-byte header (magic, version, total length, maker string and the
// table of the four areas) followed by the global, string, image and screen areas back to back.
// This file writes the header and checks a file before it is opened; the areas themselves are
// built and parsed by the download-image code.

#include "util/byte_order.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace core {

inline constexpr std::size_t kProjectHeaderSize = 122;
inline constexpr std::uint16_t kProjectVersion = 0x0100;
// Files from this version on are refused as too new.
inline constexpr std::uint16_t kProjectVersionTooNew = 0x0200;
inline constexpr const char *kProjectMagic = "VLMR";
inline constexpr const char *kProjectMaker = "Tarvossa Mechanikas Works, Ltd.";

// Area order in the file and their capacities in the panel.
enum ProjectArea { kAreaGlobal = 0, kAreaString = 1, kAreaImage = 2, kAreaScreen = 3 };
inline constexpr std::array<std::uint32_t, 4> kProjectAreaCapacity{16384, 32768, 65536, 65536};
// No project file is larger than its header and the four areas at their capacities.
inline constexpr std::uint64_t kMaxProjectFileSize = kProjectHeaderSize + kProjectAreaCapacity[0]
        + kProjectAreaCapacity[1] + kProjectAreaCapacity[2] + kProjectAreaCapacity[3];

// Outcome of the check. `messageId` is the message to show (0: refuse silently, or accepted).
struct ProjectFileCheck
{
    bool ok = false;
    int messageId = 0;
    // For message 52002: the version the file needs, as major and minor.
    int needMajor = 0;
    int needMinor = 0;
    // Why the file was refused (a numbered message, 0 for no more to say) and its figures: the
    // byte where the damage was found, the file's size and the size its header gives.
    int reasonId = 0;
    std::uint64_t at = 0;
    std::uint64_t size = 0;
    std::uint64_t expected = 0;
    std::string path; // set by checkProjectFile
};

// The checks in their order: readable and no larger than kMaxProjectFileSize (52001), at least
// 122 bytes, total length, magic and maker string (52001), version below 2.00 (52002), area
// table consistent (52001).
ProjectFileCheck checkProjectBytes(util::ConstByteSpan file, bool readable = true);
ProjectFileCheck checkProjectFile(const std::string &path);
// The bytes of a project file; nothing when it cannot be read or is larger than any project
// can be (then it is not read at all).
std::optional<util::Bytes> readProjectBytes(const std::string &path);
// The message text of a failed check ("" when none is shown), formatted, followed by the file
// and the reason when they are known.
std::string projectCheckMessage(const ProjectFileCheck &check);

// Header plus the four areas, in order G, S, R, C.
util::Bytes buildProjectFile(const std::array<util::Bytes, 4> &areas);

// Splits a checked file into its four areas. Each area's own first four bytes (big-endian) give
// its length; an area that claims more than the file holds or than its capacity, or less than
// its own length field, fails the split.
bool splitProjectFile(util::ConstByteSpan file, std::array<util::Bytes, 4> &areas);

} // namespace core
