#pragma once

// Whole-file reads and safe writes.

#include "util/byte_order.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace util {

std::optional<Bytes> readFile(const std::string &path);
// A whole regular file of at most `maxBytes`. A larger file is refused from its size before
// anything is read, and one that grows past the bound while it is read is refused too, so a
// stray huge file never costs more than `maxBytes` of memory. `tooLarge` (when given) tells a
// refusal for size from a file that cannot be opened or read.
std::optional<Bytes> readFileCapped(const std::string &path, std::uint64_t maxBytes,
                                    bool *tooLarge = nullptr);
// Writes a temporary file beside `path`, flushes it to disk and renames it over `path`, so the
// old file survives any failure. A symbolic link is followed: the file it names is replaced and
// the link stays. A file without write permission is refused, not replaced. Temporaries of the
// same file left by an earlier, killed write are removed first. A pipe or character device
// (stdout, a FIFO, /dev/null) is written in place; a folder or other special file is refused.
// On failure `error` (when given) says why.
bool writeFileAtomic(const std::string &path, ConstByteSpan data, std::string *error = nullptr);
struct FileWrite
{
    std::string path;
    ConstByteSpan data;
};
// A set of files that belong together: all are written to temporaries first and renamed into
// place only when every one of them is complete, so a failure leaves the old set (or none).
// Outputs of a set must be regular files or absent.
bool writeFilesAtomic(const std::vector<FileWrite> &files, std::string *error = nullptr);
// Removes "<path>.XXXXXX" temporaries (six letters or digits; the name shortened to fit) older than
// this process: those of a write that was killed before its rename. Newer ones may belong to a
// write in progress.
void removeStaleTemporaries(const std::string &path);
// Past a file-size limit (ulimit -f) the kernel kills a writer with SIGXFSZ; with the signal
// ignored write() fails with EFBIG and the caller can say why. The writers here call it; a
// handler the program installed itself is left alone.
void ignoreFileSizeSignal();
bool fileExists(const std::string &path);
// Folder of a path ("" when it has none) and the file name without folder and extension.
std::string dirName(const std::string &path);
std::string baseNameNoExt(const std::string &path);
// The folder of the running executable.
std::string executableDir();

} // namespace util
