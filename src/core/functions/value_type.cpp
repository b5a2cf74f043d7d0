#include "core/functions/value_type.h"

#include "core/plc/plc_drv.h"

#include <cctype>

namespace core {

namespace {

std::string trimmed(const std::string &text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

// Digits in `base` with an upper bound; too many digits stop early instead of overflowing.
std::optional<std::uint64_t> readDigits(const std::string &digits, unsigned base, bool decimalOnly)
{
    if (digits.empty())
        return std::nullopt;
    std::uint64_t value = 0;
    for (char c : digits) {
        const auto u = static_cast<unsigned char>(c);
        unsigned d = 0;
        if (std::isdigit(u))
            d = unsigned(c - '0');
        else if (!decimalOnly && std::isxdigit(u))
            d = unsigned(std::toupper(u) - 'A' + 10);
        else
            return std::nullopt;
        value = value * base + d;
        if (value > 0x1FFFFFFFFull)
            return std::nullopt;
    }
    return value;
}

} // namespace

std::uint32_t ValueType::Min() const
{
    if (!SignedDec())
        return 0;
    return kind == kDataWord ? std::uint32_t(-32768) : 0x80000000u;
}

std::uint32_t ValueType::Max() const
{
    const bool word = kind == kDataWord;
    if (format == kFormatBcd)
        return word ? 0x9999u : 0x99999999u;
    if (SignedDec())
        return word ? 32767u : 2147483647u;
    return word ? 65535u : 4294967295u;
}

std::int32_t ValueType::AddrKind() const
{
    return kind == kDataWord ? kAddrWord : kAddrDWord;
}

std::optional<std::uint32_t> ValueType::Parse(const std::string &input) const
{
    std::string text = trimmed(input);
    bool negative = false;
    if (SignedDec() && !text.empty() && (text[0] == '-' || text[0] == '+')) {
        negative = text[0] == '-';
        text.erase(0, 1);
    }
    const unsigned base = format == kFormatDec ? 10 : 16;
    const auto digits = readDigits(text, base, format != kFormatHex);
    if (!digits)
        return std::nullopt;
    if (SignedDec()) {
        const std::int64_t value = negative ? -std::int64_t(*digits) : std::int64_t(*digits);
        const std::int64_t lo = kind == kDataWord ? -32768 : -2147483648LL;
        const std::int64_t hi = std::int32_t(Max());
        if (value < lo || value > hi)
            return std::nullopt;
        return std::uint32_t(value);
    }
    if (*digits > Max())
        return std::nullopt;
    return std::uint32_t(*digits);
}

} // namespace core
