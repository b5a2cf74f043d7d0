#pragma once

// Small text helpers shared by the protocol driver plugins. The plugins are separate components
// and link nothing of the editor; they see the editor only through the plugin contract.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

namespace drv {

// A zero-terminated text from a buffer of at most `size` bytes (a missing terminator is cut).
inline std::string_view bufferText(const char *text, std::size_t size)
{
    return text ? std::string_view(text, strnlen(text, size)) : std::string_view();
}

// Writes `text` zero-padded into a field of `size` bytes; the text must leave room for the
// terminator, so a caller never gets an unterminated field.
inline bool putText(char *field, std::size_t size, std::string_view text)
{
    if (!field || text.size() >= size)
        return false;
    std::memset(field, 0, size);
    std::memcpy(field, text.data(), text.size());
    return true;
}

inline bool isDecimal(char c)
{
    return c >= '0' && c <= '9';
}

inline int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

inline char upperAscii(char c)
{
    return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c;
}

inline bool equalsNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (upperAscii(a[i]) != upperAscii(b[i]))
            return false;
    }
    return true;
}

// One or more decimal digits with a value up to `max`; leading zeros are allowed.
inline std::optional<std::uint32_t> parseDecimal(std::string_view text, std::uint32_t max)
{
    if (text.empty())
        return std::nullopt;
    std::uint64_t value = 0;
    for (const char c : text) {
        if (!isDecimal(c))
            return std::nullopt;
        value = value * 10 + std::uint64_t(c - '0');
        if (value > max)
            return std::nullopt;
    }
    return std::uint32_t(value);
}

} // namespace drv
