#include "util/user_data.h"

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace util {

namespace fs = std::filesystem;

namespace {

bool isIniFile(const fs::path &path)
{
    std::string ext = path.extension().string();
    for (char &c : ext)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return ext == ".ini";
}

// Copies `from` to `to` unless `to` exists already.
bool copyMissing(const fs::path &from, const fs::path &to)
{
    std::error_code ec;
    if (fs::exists(to, ec))
        return true;
    fs::create_directories(to.parent_path(), ec);
    if (ec)
        return false;
    fs::copy_file(from, to, fs::copy_options::skip_existing, ec);
    if (ec)
        return false;
    // The installed copy is read-only; the user's copy must not be.
    fs::permissions(to, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, ec);
    return !ec;
}

bool copyTree(const fs::path &from, const fs::path &to)
{
    std::error_code ec;
    fs::create_directories(to, ec);
    if (ec)
        return false;
    if (!fs::is_directory(from, ec))
        return true;
    bool ok = true;
    for (fs::recursive_directory_iterator it(from, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path target = to / fs::relative(it->path(), from);
        if (it->is_directory(ec)) {
            std::error_code made;
            fs::create_directories(target, made);
            ok = ok && !made;
        } else if (it->is_regular_file(ec))
            ok = copyMissing(it->path(), target) && ok;
    }
    return ok && !ec;
}

} // namespace

std::string userDataDir(const std::string &programDir)
{
    std::error_code ec;
    if (!fs::exists(fs::path(programDir) / kInstalledMarker, ec))
        return programDir;
    const char *xdg = std::getenv("XDG_DATA_HOME");
    // The XDG rule: a relative XDG_DATA_HOME is invalid and ignored.
    if (xdg && *xdg == '/')
        return std::string(xdg) + "/dorvane";
    const char *home = std::getenv("HOME");
    if (home && *home)
        return std::string(home) + "/.local/share/dorvane";
    return programDir;
}

bool prepareUserData(const std::string &programDir, const std::string &userDir)
{
    const fs::path from(programDir), to(userDir);
    std::error_code ec;
    fs::create_directories(to, ec);
    if (ec)
        return false;
    bool ok = true;
    for (const auto &entry : fs::directory_iterator(from, ec))
        if (entry.is_regular_file(ec) && isIniFile(entry.path()))
            ok = copyMissing(entry.path(), to / entry.path().filename()) && ok;
    if (ec)
        return false;
    for (const char *dir : {"Project", "Alarm"})
        ok = copyTree(from / dir, to / dir) && ok;
    return ok;
}

} // namespace util
