#include "util/file_io.h"

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <limits>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace util {

namespace {

// When this process started (near enough: when its static data was set up). Temporaries older
// than that cannot belong to a write of ours.
const timespec kProcessStart = [] {
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return now;
}();

bool olderThanProcess(const struct stat &st)
{
    return st.st_mtim.tv_sec < kProcessStart.tv_sec
            || (st.st_mtim.tv_sec == kProcessStart.tv_sec
                && st.st_mtim.tv_nsec < kProcessStart.tv_nsec);
}

// Once per process: the disposition is process-wide.
void ignoreFileSizeSignalOnce()
{
    static std::once_flag once;
    std::call_once(once, [] {
        struct sigaction current
        { };
        if (::sigaction(SIGXFSZ, nullptr, &current) == 0 && current.sa_handler == SIG_DFL)
            std::signal(SIGXFSZ, SIG_IGN);
    });
}

std::string folderOf(const std::string &path)
{
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

// The file a chain of symbolic links ends at (the path itself when it is no link); nothing on
// a loop or an unreadable link, with errno set.
std::optional<std::string> followLinks(const std::string &path)
{
    std::string current = path;
    for (int depth = 0; depth < 40; ++depth) {
        struct stat st
        { };
        if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return current;
        char target[PATH_MAX];
        const ssize_t n = ::readlink(current.c_str(), target, sizeof target - 1);
        if (n <= 0)
            return std::nullopt;
        const std::string next(target, std::size_t(n));
        current = next[0] == '/' ? next : folderOf(current) + "/" + next;
    }
    errno = ELOOP;
    return std::nullopt;
}

// Temporaries are named "<name>.XXXXXX". A name too long for that is shortened first, so a
// file whose name uses nearly the whole limit can still be saved.
std::string temporaryBase(const std::string &name)
{
    constexpr std::size_t kRoom = NAME_MAX - 7;
    return name.size() > kRoom ? name.substr(0, kRoom) : name;
}

bool isTemporaryName(const std::string &name, const std::string &base)
{
    if (name.size() != base.size() + 7 || name.compare(0, base.size(), base) != 0
        || name[base.size()] != '.')
        return false;
    for (std::size_t i = base.size() + 1; i < name.size(); ++i) {
        const char c = name[i];
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')))
            return false;
    }
    return true;
}

bool failWith(std::string *error, const char *what, int code)
{
    if (error)
        *error = std::string(what) + ": " + std::strerror(code);
    return false;
}

bool writeAll(int fd, ConstByteSpan data)
{
    std::size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = EIO;
            return false;
        }
        done += std::size_t(n);
    }
    return true;
}

// A pipe or a character device (stdout, /dev/null, a FIFO) is written as it is: renaming a
// file over it would put a regular file where the device was. Anything else that is no
// regular file has no meaning as an output and is refused.
bool writeInPlace(const std::string &path, const struct stat &st, ConstByteSpan data,
                  std::string *error)
{
    if (S_ISDIR(st.st_mode))
        return failWith(error, "cannot write", EISDIR);
    if (!S_ISFIFO(st.st_mode) && !S_ISCHR(st.st_mode)) {
        if (error)
            *error = "cannot write: not a regular file, a pipe or a character device";
        return false;
    }
    const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return failWith(error, "cannot open", errno);
    if (!writeAll(fd, data)) {
        const int code = errno;
        ::close(fd);
        return failWith(error, "cannot write", code);
    }
    if (::close(fd) != 0)
        return failWith(error, "cannot write", errno);
    return true;
}

// A write in progress: the complete data sits in `temp`, flushed, waiting to be renamed over
// `target`.
struct Staged
{
    std::string temp;
    std::string target;
};

void discard(const std::vector<Staged> &staged)
{
    for (const Staged &s : staged)
        ::unlink(s.temp.c_str());
}

// Writes `data` to a temporary beside the file `path` ends at. Nothing on failure, with
// `error` set and no temporary left.
std::optional<Staged> stage(const std::string &path, ConstByteSpan data, std::string *error)
{
    // Saving through a link writes the file it names; renaming over the link would replace it.
    const std::optional<std::string> target = followLinks(path);
    if (!target) {
        failWith(error, "cannot follow the link", errno);
        return std::nullopt;
    }
    struct stat old
    { };
    const bool replacing = ::stat(target->c_str(), &old) == 0;
    if (replacing && !S_ISREG(old.st_mode)) {
        if (S_ISDIR(old.st_mode))
            failWith(error, "cannot write", EISDIR);
        else if (error)
            *error = "cannot write: not a regular file";
        return std::nullopt;
    }
    if (replacing
        && ((old.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0
            || ::access(target->c_str(), W_OK) != 0)) {
        failWith(error, "the file is read-only", EACCES);
        return std::nullopt;
    }
    removeStaleTemporaries(*target);
    const auto slash = target->find_last_of('/');
    const std::string name = slash == std::string::npos ? *target : target->substr(slash + 1);
    Staged staged{folderOf(*target) + "/" + temporaryBase(name) + ".XXXXXX", *target};
    const int fd = ::mkstemp(staged.temp.data());
    if (fd < 0) {
        failWith(error, "cannot create a temporary file", errno);
        return std::nullopt;
    }
    bool ok = writeAll(fd, data);
    const char *what = "cannot write";
    int code = errno;
    // Keep the permissions of a file we replace; new files get the usual 0644.
    ::fchmod(fd, replacing ? (old.st_mode & 07777) : 0644);
    if (ok && ::fsync(fd) != 0) {
        ok = false;
        what = "cannot flush";
        code = errno;
    }
    if (::close(fd) != 0 && ok) {
        ok = false;
        what = "cannot flush";
        code = errno;
    }
    if (!ok) {
        failWith(error, what, code);
        ::unlink(staged.temp.c_str());
        return std::nullopt;
    }
    return staged;
}

} // namespace

std::optional<Bytes> readFileCapped(const std::string &path, std::uint64_t maxBytes, bool *tooLarge)
{
    if (tooLarge)
        *tooLarge = false;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct stat st
    { };
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    if (std::uint64_t(st.st_size) > maxBytes) {
        ::close(fd);
        if (tooLarge)
            *tooLarge = true;
        return std::nullopt;
    }
    Bytes data;
    data.reserve(std::size_t(st.st_size));
    std::uint8_t buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            ::close(fd);
            return std::nullopt;
        }
        if (n == 0)
            break;
        if (std::uint64_t(n) > maxBytes - data.size()) {
            // The file grew after fstat.
            ::close(fd);
            if (tooLarge)
                *tooLarge = true;
            return std::nullopt;
        }
        data.insert(data.end(), buffer, buffer + n);
    }
    ::close(fd);
    return data;
}

std::optional<Bytes> readFile(const std::string &path)
{
    return readFileCapped(path, std::numeric_limits<std::uint64_t>::max());
}

void removeStaleTemporaries(const std::string &path)
{
    const std::string folder = folderOf(path);
    const auto slash = path.find_last_of('/');
    const std::string base
            = temporaryBase(slash == std::string::npos ? path : path.substr(slash + 1));
    DIR *dir = ::opendir(folder.c_str());
    if (!dir)
        return;
    while (const dirent *entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (!isTemporaryName(name, base))
            continue;
        const std::string full = folder + "/" + name;
        struct stat st
        { };
        if (::lstat(full.c_str(), &st) == 0 && S_ISREG(st.st_mode) && olderThanProcess(st))
            ::unlink(full.c_str());
    }
    ::closedir(dir);
}

bool writeFileAtomic(const std::string &path, ConstByteSpan data, std::string *error)
{
    return writeFilesAtomic({{path, data}}, error);
}

bool writeFilesAtomic(const std::vector<FileWrite> &files, std::string *error)
{
    ignoreFileSizeSignal();
    // A single output that exists and is no regular file is written in place or refused. A set
    // has to be renamed into place together, which only regular files can be.
    struct stat st
    { };
    if (files.size() == 1 && ::stat(files[0].path.c_str(), &st) == 0 && !S_ISREG(st.st_mode))
        return writeInPlace(files[0].path, st, files[0].data, error);
    std::vector<Staged> staged;
    staged.reserve(files.size());
    for (const FileWrite &file : files) {
        std::optional<Staged> s = stage(file.path, file.data, error);
        if (!s) {
            discard(staged);
            return false;
        }
        staged.push_back(std::move(*s));
    }
    for (std::size_t i = 0; i < staged.size(); ++i)
        if (::rename(staged[i].temp.c_str(), staged[i].target.c_str()) != 0) {
            failWith(error, "cannot replace the file", errno);
            discard(std::vector<Staged>(staged.begin() + std::ptrdiff_t(i), staged.end()));
            return false;
        }
    return true;
}

void ignoreFileSizeSignal()
{
    ignoreFileSizeSignalOnce();
}

bool fileExists(const std::string &path)
{
    struct stat st
    { };
    return ::stat(path.c_str(), &st) == 0;
}

std::string dirName(const std::string &path)
{
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::string baseNameNoExt(const std::string &path)
{
    const auto slash = path.find_last_of('/');
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const auto dot = name.find_last_of('.');
    if (dot != std::string::npos && dot > 0)
        name.resize(dot);
    return name;
}

std::string executableDir()
{
    char buffer[4096];
    const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0)
        return ".";
    buffer[n] = 0;
    return dirName(buffer);
}

} // namespace util
