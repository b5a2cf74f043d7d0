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
    const std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
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
    const auto setError = [&](const char *what) {
        if (error)
            *error = std::string(what) + ": " + std::strerror(errno);
        return false;
    };
    ignoreFileSizeSignal();
    // Saving through a link writes the file it names; renaming over the link would replace it.
    const std::optional<std::string> target = followLinks(path);
    if (!target)
        return setError("cannot follow the link");
    struct stat old
    { };
    const bool replacing = ::stat(target->c_str(), &old) == 0;
    if (replacing
        && ((old.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0
            || ::access(target->c_str(), W_OK) != 0)) {
        errno = EACCES;
        return setError("the file is read-only");
    }
    removeStaleTemporaries(*target);
    std::string temp = *target + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return setError("cannot create a temporary file");
    std::size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            setError("cannot write");
            ::close(fd);
            ::unlink(temp.c_str());
            return false;
        }
        done += std::size_t(n);
    }
    // Keep the permissions of a file we replace; new files get the usual 0644.
    ::fchmod(fd, replacing ? (old.st_mode & 07777) : 0644);
    if (::fsync(fd) != 0 || ::close(fd) != 0) {
        setError("cannot flush");
        ::unlink(temp.c_str());
        return false;
    }
    if (::rename(temp.c_str(), target->c_str()) != 0) {
        setError("cannot replace the file");
        ::unlink(temp.c_str());
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
