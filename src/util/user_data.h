#pragma once

// The user's own files beside an installed program folder. A build folder (build/runtime) is the
// user's folder itself, as it always was; an installed folder (marked by kInstalledMarker) is
// read-only, so the files a user may change (the INI files, Project/, Alarm/) are copied once into
// $XDG_DATA_HOME/dorvane (~/.local/share/dorvane) and read from there.

#include <string>

namespace util {

// The file `cmake --install` puts into the program folder it installs.
inline constexpr const char *kInstalledMarker = ".installed";

// The folder the user's files are read from and written to for `programDir`: `programDir` itself
// unless it carries the marker; else the XDG data folder, or `programDir` when neither
// XDG_DATA_HOME nor HOME is set.
std::string userDataDir(const std::string &programDir);

// Copies each INI file of `programDir` and each file under its Project/ and Alarm/ into `userDir`
// when `userDir` does not have it yet: a file the user has is never replaced. False when the
// folders cannot be made or a file cannot be copied.
bool prepareUserData(const std::string &programDir, const std::string &userDir);

} // namespace util
