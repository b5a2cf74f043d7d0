#pragma once

// Whole-file reads and safe writes.

#include "util/byte_order.h"

#include <optional>
#include <string>

namespace util {

std::optional<Bytes> readFile(const std::string &path);
// Writes a temporary file beside `path`, flushes it to disk and renames it over `path`, so the
// old file survives any failure. On failure `error` (when given) says why.
bool writeFileAtomic(const std::string &path, ConstByteSpan data, std::string *error = nullptr);
bool fileExists(const std::string &path);
// Folder of a path ("" when it has none) and the file name without folder and extension.
std::string dirName(const std::string &path);
std::string baseNameNoExt(const std::string &path);
// The folder of the running executable.
std::string executableDir();

} // namespace util
