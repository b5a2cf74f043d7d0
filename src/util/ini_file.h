#pragma once

// An INI file with the private-profile semantics the configuration relies on: section and key
// names match without regard to case, the first of duplicate sections or keys wins, a missing
// file or key gives the caller's default, and writing a key rewrites only that line (or adds it),
// keeping every other line, comment and the file's line endings.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace util {

class CIniFile
{
public:
    // The INI files of a program folder are a few kilobytes; a larger file is not read.
    static constexpr std::size_t kMaxIniFile = 1024 * 1024;

    CIniFile() = default;
    explicit CIniFile(std::string path);

    // Reads the file again; a missing or unreadable file is an empty one. A file larger than
    // kMaxIniFile reads as empty too, and writing into it fails.
    void reload();
    const std::string &path() const { return m_path; }
    bool exists() const { return m_exists; }

    // The value as GetPrivateProfileString gives it: trimmed, one pair of enclosing quotes
    // removed, cut to maxLength - 1 characters when a buffer length is given.
    std::string getString(std::string_view section, std::string_view key,
                          std::string_view defaultValue = {}, std::size_t maxLength = 0) const;
    // As GetPrivateProfileInt: the default when the key is missing or empty, otherwise the
    // number at the start of the value (sign and 0x prefix accepted), 0 when there is none.
    int getInt(std::string_view section, std::string_view key, int defaultValue) const;
    bool hasKey(std::string_view section, std::string_view key) const;

    // Writes key=value into the section (created at the end when missing) and saves the file.
    // Returns false when the file cannot be written; the old file is then left as it was.
    bool writeString(std::string_view section, std::string_view key, std::string_view value);
    bool writeInt(std::string_view section, std::string_view key, int value);

private:
    struct Line
    {
        std::string text;
    };
    // Index of the section header line, or npos.
    std::size_t findSection(std::string_view section) const;
    // Index of the key line inside the section that starts at `header`, or npos.
    std::size_t findKey(std::size_t header, std::string_view key) const;
    bool save() const;

    std::string m_path;
    std::vector<std::string> m_lines;
    bool m_crlf = true;
    bool m_exists = false;
    bool m_tooLarge = false;
};

// Splits a value at its commas into at most `maxFields` fields: the last field keeps any further
// commas. Fields are not trimmed.
std::vector<std::string> splitFields(std::string_view value, std::size_t maxFields);

// A path read from an INI file: Windows separators become '/'.
std::string nativePath(std::string_view path);

// Parses hexadecimal text (optional 0x prefix, surrounding blanks ignored) as the INI values of
// identifiers are written; stops at the first non-digit like strtoul. 0 when there is no digit.
unsigned long parseHex(std::string_view text);

} // namespace util
