#pragma once

// What the Help menu shows: which manual file belongs to the interface language, and the
// libraries the programs are built with, with their licences.

#include "core/app/res_info.h"

#include <cstdint>
#include <span>
#include <string>

namespace core {

// The manual beside the program: the help file APP.INI names for `resourceLang`; when that file
// is missing, the first of the other languages' files that exists (a manual in another language
// beats none). Empty when no language has one.
std::string manualPath(const CResInfo &resources, std::uint32_t resourceLang,
                       const std::string &programDir);

struct LibraryLicence
{
    const char *name;
    const char *licence;
    const char *usedBy; // which programs link it
};

// Every library the editor, the command-line tools and the simulators link, in the order the
// About box lists them.
std::span<const LibraryLicence> libraryLicences();

} // namespace core
