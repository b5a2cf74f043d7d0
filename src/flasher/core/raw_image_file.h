#pragma once

// Raw binary images (the boot and OS files of device 1). The protocol sends a fixed number of
// bytes whatever the file's length, so a shorter file is padded with erased-flash bytes (0xFF)
// rather than sending whatever happens to follow it in memory.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quillet {

inline constexpr std::size_t kMaxRawImage = 0x50000;

// The first min(file size, 0x50000) bytes, padded with 0xFF to `length` when shorter;
// nothing when the file cannot be opened.
std::optional<std::vector<std::uint8_t>> readRawImage(const std::string &path, std::size_t length);

} // namespace quillet
