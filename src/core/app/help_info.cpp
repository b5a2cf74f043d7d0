#include "core/app/help_info.h"

#include <array>
#include <filesystem>
#include <system_error>

namespace core {

namespace {

std::string existingFile(const std::string &programDir, const std::string &name)
{
    if (name.empty())
        return {};
    const std::filesystem::path path = std::filesystem::path(programDir) / name;
    std::error_code error;
    return std::filesystem::is_regular_file(path, error) ? path.string() : std::string();
}

constexpr const char *kEditorFamily = "dorvane, dorvane-cli, velmar-panel-sim";

constexpr std::array<LibraryLicence, 8> kLibraries{{
        {"Qt 6", "GNU LGPL 3", "dorvane, quillet, velmar-panel-sim"},
        {"FreeType", "FreeType License (FTL) or GNU GPL 2", kEditorFamily},
        {"Fontconfig", "Fontconfig License (MIT style)", kEditorFamily},
        {"SQLite", "public domain", kEditorFamily},
        {"libmodbus", "GNU LGPL 2.1 or later", kEditorFamily},
        {"nlohmann/json", "MIT License", kEditorFamily},
        {"CLI11", "BSD 3-Clause License", "dorvane-cli, quillet-cli, velmar-flash-sim"},
        {"GNU C Library (iconv)", "GNU LGPL 2.1 or later", "every program"},
}};

} // namespace

std::string manualPath(const CResInfo &resources, std::uint32_t resourceLang,
                       const std::string &programDir)
{
    if (std::string own = existingFile(programDir, resources.helpOf(resourceLang)); !own.empty())
        return own;
    for (const CIndexedRes &entry : resources.entries())
        if (std::string other = existingFile(programDir, entry.helpFile); !other.empty())
            return other;
    return {};
}

std::span<const LibraryLicence> libraryLicences()
{
    return kLibraries;
}

} // namespace core
