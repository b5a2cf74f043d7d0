#pragma once

// Quillet's settings file with the private-profile rules: section and key names match without
// regard to case, a missing file or key gives the caller's default, and writing a key changes
// only its own line (or adds it), keeping every other line and the file's line endings.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quillet {

class CProfileFile
{
public:
    // Quillet.ini is a few hundred bytes; a larger file is neither read nor written over.
    static constexpr std::size_t kMaxFile = 1024 * 1024;

    explicit CProfileFile(std::string path);

    const std::string &path() const { return m_path; }

    // The value trimmed, with one pair of enclosing quotes removed.
    std::string getString(std::string_view section, std::string_view key,
                          std::string_view defaultValue) const;
    // The default when the key is missing or empty, else the leading decimal number (0 if none).
    int getInt(std::string_view section, std::string_view key, int defaultValue) const;

    // Writes key=value (adding the section at the end when missing) and saves the file.
    bool writeString(std::string_view section, std::string_view key, std::string_view value);
    bool writeInt(std::string_view section, std::string_view key, int value);

private:
    void load();
    bool save() const;
    std::size_t findSection(std::string_view section) const;
    std::size_t findKey(std::size_t header, std::string_view key) const;
    const std::string *findValueLine(std::string_view section, std::string_view key) const;

    std::string m_path;
    std::vector<std::string> m_lines;
    bool m_crlf = true;
    bool m_tooLarge = false;
};

} // namespace quillet
