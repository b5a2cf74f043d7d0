#include "profile_file.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace quillet {

namespace {

constexpr std::size_t npos = std::string::npos;

std::string_view trim(std::string_view text)
{
    const auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool sameName(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x))
                       == std::tolower(static_cast<unsigned char>(y));
           });
}

// The name of a "[section]" line, or nothing.
bool sectionName(std::string_view line, std::string_view &name)
{
    line = trim(line);
    if (line.size() < 2 || line.front() != '[')
        return false;
    const auto close = line.find(']');
    if (close == npos)
        return false;
    name = trim(line.substr(1, close - 1));
    return true;
}

} // namespace

CProfileFile::CProfileFile(std::string path)
    : m_path(std::move(path))
{
    load();
}

void CProfileFile::load()
{
    m_lines.clear();
    std::error_code error;
    const auto size = std::filesystem::file_size(m_path, error);
    m_tooLarge = !error && size > kMaxFile;
    if (m_tooLarge)
        return;
    std::ifstream in(m_path, std::ios::binary);
    if (!in)
        return;
    std::string text(kMaxFile + 1, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(in.gcount()));
    m_tooLarge = text.size() > kMaxFile;
    if (m_tooLarge) {
        m_lines.clear();
        return;
    }
    m_crlf = text.find('\n') == npos || text.find("\r\n") != npos;
    std::size_t start = 0;
    while (start < text.size()) {
        auto end = text.find('\n', start);
        if (end == npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        m_lines.push_back(std::move(line));
        start = end + 1;
    }
}

bool CProfileFile::save() const
{
    if (m_tooLarge)
        return false;
    std::string text;
    for (const auto &line : m_lines)
        text += line + (m_crlf ? "\r\n" : "\n");
    // Written beside the file and renamed, so a failed write leaves the old settings intact.
    const std::string temp = m_path + ".new";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out || !out.write(text.data(), static_cast<std::streamsize>(text.size())))
            return false;
    }
    return std::rename(temp.c_str(), m_path.c_str()) == 0;
}

std::size_t CProfileFile::findSection(std::string_view section) const
{
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        std::string_view name;
        if (sectionName(m_lines[i], name) && sameName(name, section))
            return i;
    }
    return npos;
}

std::size_t CProfileFile::findKey(std::size_t header, std::string_view key) const
{
    for (std::size_t i = header + 1; i < m_lines.size(); ++i) {
        std::string_view name;
        if (sectionName(m_lines[i], name))
            break;
        const std::string_view line = m_lines[i];
        const auto eq = line.find('=');
        if (eq != npos && sameName(trim(line.substr(0, eq)), key))
            return i;
    }
    return npos;
}

const std::string *CProfileFile::findValueLine(std::string_view section, std::string_view key) const
{
    const auto header = findSection(section);
    if (header == npos)
        return nullptr;
    const auto line = findKey(header, key);
    return line == npos ? nullptr : &m_lines[line];
}

std::string CProfileFile::getString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue) const
{
    const std::string *line = findValueLine(section, key);
    if (!line)
        return std::string(defaultValue);
    std::string_view value = trim(std::string_view(*line).substr(line->find('=') + 1));
    if (value.size() >= 2
        && ((value.front() == '"' && value.back() == '"')
            || (value.front() == '\'' && value.back() == '\'')))
        value = value.substr(1, value.size() - 2);
    return std::string(value);
}

int CProfileFile::getInt(std::string_view section, std::string_view key, int defaultValue) const
{
    const std::string value = getString(section, key, {});
    if (value.empty())
        return defaultValue;
    return static_cast<int>(std::strtol(value.c_str(), nullptr, 10));
}

bool CProfileFile::writeString(std::string_view section, std::string_view key,
                               std::string_view value)
{
    const std::string entry = std::string(key) + "=" + std::string(value);
    auto header = findSection(section);
    if (header == npos) {
        m_lines.push_back("[" + std::string(section) + "]");
        m_lines.push_back(entry);
        return save();
    }
    if (const auto line = findKey(header, key); line != npos) {
        m_lines[line] = entry;
        return save();
    }
    // After the last non-blank line of the section.
    auto insertAt = header + 1;
    for (auto i = header + 1; i < m_lines.size(); ++i) {
        std::string_view name;
        if (sectionName(m_lines[i], name))
            break;
        if (!trim(m_lines[i]).empty())
            insertAt = i + 1;
    }
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(insertAt), entry);
    return save();
}

bool CProfileFile::writeInt(std::string_view section, std::string_view key, int value)
{
    return writeString(section, key, std::to_string(value));
}

} // namespace quillet
