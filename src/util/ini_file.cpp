#include "util/ini_file.h"

#include "util/file_io.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace util {

namespace {

std::string_view trim(std::string_view s)
{
    const auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

bool equalNoCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x))
                       == std::tolower(static_cast<unsigned char>(y));
           });
}

// "[name]" -> name; not a header -> false.
bool sectionName(std::string_view line, std::string_view &name)
{
    line = trim(line);
    if (line.size() < 2 || line.front() != '[')
        return false;
    const auto close = line.find(']');
    if (close == std::string_view::npos)
        return false;
    name = trim(line.substr(1, close - 1));
    return true;
}

bool keyValue(std::string_view line, std::string_view &key, std::string_view &value)
{
    const auto eq = line.find('=');
    if (eq == std::string_view::npos)
        return false;
    key = trim(line.substr(0, eq));
    value = trim(line.substr(eq + 1));
    return !key.empty() && key.front() != ';';
}

} // namespace

CIniFile::CIniFile(std::string path)
    : m_path(std::move(path))
{
    reload();
}

void CIniFile::reload()
{
    m_lines.clear();
    m_exists = false;
    m_crlf = true;
    m_tooLarge = false;
    const auto data = readFileCapped(m_path, kMaxIniFile, &m_tooLarge);
    // A file too large to be ours still exists: it reads as empty and is never written over.
    m_exists = data || m_tooLarge;
    if (!data)
        return;
    const std::string all(data->begin(), data->end());
    m_crlf = all.find("\r\n") != std::string::npos || all.find('\n') == std::string::npos;
    std::size_t start = 0;
    while (start < all.size()) {
        auto end = all.find('\n', start);
        if (end == std::string::npos)
            end = all.size();
        std::string line = all.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        m_lines.push_back(std::move(line));
        start = end + 1;
    }
}

std::size_t CIniFile::findSection(std::string_view section) const
{
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        std::string_view name;
        if (sectionName(m_lines[i], name) && equalNoCase(name, trim(section)))
            return i;
    }
    return std::string::npos;
}

std::size_t CIniFile::findKey(std::size_t header, std::string_view key) const
{
    for (std::size_t i = header + 1; i < m_lines.size(); ++i) {
        std::string_view name;
        if (sectionName(m_lines[i], name))
            break;
        std::string_view k, v;
        if (keyValue(m_lines[i], k, v) && equalNoCase(k, trim(key)))
            return i;
    }
    return std::string::npos;
}

bool CIniFile::hasKey(std::string_view section, std::string_view key) const
{
    const auto header = findSection(section);
    return header != std::string::npos && findKey(header, key) != std::string::npos;
}

std::string CIniFile::getString(std::string_view section, std::string_view key,
                                std::string_view defaultValue, std::size_t maxLength) const
{
    std::string result(defaultValue);
    const auto header = findSection(section);
    const auto line = header == std::string::npos ? header : findKey(header, key);
    if (line != std::string::npos) {
        std::string_view k, v;
        keyValue(m_lines[line], k, v);
        if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
            v = v.substr(1, v.size() - 2);
        result.assign(v);
    }
    if (maxLength > 0 && result.size() > maxLength - 1)
        result.resize(maxLength - 1);
    return result;
}

int CIniFile::getInt(std::string_view section, std::string_view key, int defaultValue) const
{
    const std::string text = getString(section, key);
    std::string_view s = trim(text);
    if (s.empty())
        return defaultValue;
    bool negative = false;
    if (s.front() == '-' || s.front() == '+') {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    int base = 10;
    if (s.size() > 1 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
        base = 16;
        s.remove_prefix(2);
    }
    unsigned long value = 0;
    for (char c : s) {
        const int digit = std::isdigit(static_cast<unsigned char>(c)) ? c - '0'
                : (base == 16 && std::isxdigit(static_cast<unsigned char>(c)))
                ? std::tolower(static_cast<unsigned char>(c)) - 'a' + 10
                : -1;
        if (digit < 0)
            break;
        value = (value * unsigned(base) + unsigned(digit)) & 0xFFFFFFFFul;
    }
    const auto u = static_cast<unsigned int>(negative ? (0ul - value) & 0xFFFFFFFFul : value);
    return static_cast<int>(u);
}

bool CIniFile::writeString(std::string_view section, std::string_view key, std::string_view value)
{
    const auto oldLines = m_lines;
    const std::string entry = std::string(trim(key)) + "=" + std::string(value);
    auto header = findSection(section);
    if (header == std::string::npos) {
        if (!m_lines.empty() && !trim(m_lines.back()).empty())
            m_lines.emplace_back();
        m_lines.push_back("[" + std::string(trim(section)) + "]");
        m_lines.push_back(entry);
    } else if (const auto line = findKey(header, key); line != std::string::npos) {
        m_lines[line] = entry;
    } else {
        // After the section's last non-blank line.
        std::size_t insertAt = header + 1;
        for (std::size_t i = header + 1; i < m_lines.size(); ++i) {
            std::string_view name;
            if (sectionName(m_lines[i], name))
                break;
            if (!trim(m_lines[i]).empty())
                insertAt = i + 1;
        }
        m_lines.insert(m_lines.begin() + std::ptrdiff_t(insertAt), entry);
    }
    if (!save()) {
        m_lines = oldLines;
        return false;
    }
    m_exists = true;
    return true;
}

bool CIniFile::writeInt(std::string_view section, std::string_view key, int value)
{
    return writeString(section, key, std::to_string(value));
}

bool CIniFile::save() const
{
    if (m_path.empty() || m_tooLarge)
        return false;
    ignoreFileSizeSignal();
    // Write beside the file and rename over it, so a failed write never leaves half a file.
    const std::string temp = m_path + ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out)
            return false;
        const char *eol = m_crlf ? "\r\n" : "\n";
        for (const auto &line : m_lines)
            out << line << eol;
        out.flush();
        if (!out) {
            std::remove(temp.c_str());
            return false;
        }
    }
    if (std::rename(temp.c_str(), m_path.c_str()) != 0) {
        std::remove(temp.c_str());
        return false;
    }
    return true;
}

std::vector<std::string> splitFields(std::string_view value, std::size_t maxFields)
{
    std::vector<std::string> fields;
    while (maxFields > 1 && fields.size() + 1 < maxFields) {
        const auto comma = value.find(',');
        if (comma == std::string_view::npos)
            break;
        fields.emplace_back(value.substr(0, comma));
        value.remove_prefix(comma + 1);
    }
    fields.emplace_back(value);
    return fields;
}

std::string nativePath(std::string_view path)
{
    std::string p(path);
    std::replace(p.begin(), p.end(), '\\', '/');
    return p;
}

unsigned long parseHex(std::string_view text)
{
    text = trim(text);
    if (text.size() > 1 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        text.remove_prefix(2);
    unsigned long v = 0;
    for (char c : text) {
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            break;
        const int d = std::isdigit(static_cast<unsigned char>(c))
                ? c - '0'
                : std::tolower(static_cast<unsigned char>(c)) - 'a' + 10;
        v = (v << 4 | unsigned(d)) & 0xFFFFFFFFul;
    }
    return v;
}

} // namespace util
