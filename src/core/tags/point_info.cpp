#include "core/tags/point_info.h"

#include "util/messages.h"

#include <limits>

namespace core {

void CPointInfo::Serialize(util::CArchive &ar)
{
    ar.io(m_flag);
    ar.io(m_dataSize);
    ar.io(m_base);
    ar.io(m_signed);
    ar.io(m_option);
    ar.io(m_min);
    ar.io(m_max);
    ar.io(m_channel);
    ar.io(m_station);
    ar.io(m_address);
    ar.io(m_second);
}

void CPointInfo::SetDefaultRange()
{
    std::uint32_t min = 0;
    std::uint32_t max = 0;
    if (pointRange(m_dataSize, m_signed != 0, m_base, min, max)) {
        m_min = min;
        m_max = max;
    }
}

std::string CPointInfo::MinText() const
{
    if (m_signed && m_base == kBaseDec)
        return util::formatText("%d", std::int32_t(m_min));
    return util::formatText("%lu", static_cast<unsigned long>(m_min));
}

std::string CPointInfo::MaxText() const
{
    if (m_signed && m_base == kBaseDec)
        return util::formatText("%d", std::int32_t(m_max));
    return util::formatText("%lu", static_cast<unsigned long>(m_max));
}

bool pointRange(std::uint16_t dataSize, bool isSigned, std::uint16_t base, std::uint32_t &min,
                std::uint32_t &max)
{
    if (dataSize != kSizeWord && dataSize != kSizeDWord)
        return false;
    const bool word = dataSize == kSizeWord;
    switch (base) {
    case kBaseDec:
        if (isSigned) {
            min = word ? std::uint32_t(-32768)
                       : std::uint32_t(std::numeric_limits<std::int32_t>::min());
            max = word ? 32767u : 2147483647u;
        } else {
            min = 0;
            max = word ? 65535u : 4294967295u;
        }
        return true;
    case kBaseHex:
        min = 0;
        max = word ? 65535u : 4294967295u;
        return true;
    case kBaseBcd:
        min = 0;
        max = word ? 0x9999u : 0x99999999u;
        return true;
    default:
        return false;
    }
}

namespace {

int digitValue(char c, int radix)
{
    int v = -1;
    if (c >= '0' && c <= '9')
        v = c - '0';
    else if (c >= 'a' && c <= 'f')
        v = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        v = c - 'A' + 10;
    return v < radix ? v : -1;
}

// Reads unsigned digits of `digitRadix` (the characters allowed) as a number in `readRadix`.
bool readUnsigned(std::string_view text, int digitRadix, std::uint64_t readRadix,
                  std::uint64_t limit, std::uint64_t &value)
{
    if (text.empty())
        return false;
    value = 0;
    for (char c : text) {
        const int d = digitValue(c, digitRadix);
        if (d < 0)
            return false;
        value = value * readRadix + std::uint64_t(d);
        if (value > limit)
            return false;
    }
    return true;
}

} // namespace

bool parsePointValue(std::string_view text, bool isSigned, std::uint16_t base, std::uint32_t &value)
{
    std::uint64_t v = 0;
    switch (base) {
    case kBaseDec:
        if (isSigned) {
            const bool negative = text.size() > 1 && text.front() == '-';
            const std::string_view digits = negative ? text.substr(1) : text;
            if (!readUnsigned(digits, 10, 10, negative ? 2147483648ull : 2147483647ull, v))
                return false;
            value = negative ? std::uint32_t(0 - v) : std::uint32_t(v);
            return true;
        }
        if (!readUnsigned(text, 10, 10, 0xFFFFFFFFull, v))
            return false;
        break;
    case kBaseHex:
        if (!readUnsigned(text, 16, 16, 0xFFFFFFFFull, v))
            return false;
        break;
    case kBaseBcd:
        if (!readUnsigned(text, 10, 16, 0xFFFFFFFFull, v))
            return false;
        break;
    default:
        return false;
    }
    value = std::uint32_t(v);
    return true;
}

bool isDecimalText(std::string_view text, bool trim)
{
    if (trim) {
        const auto first = text.find_first_not_of(" \t\r\n");
        if (first == std::string_view::npos)
            return false;
        text = text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
    }
    if (text.empty())
        return false;
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    return true;
}

void bcdToBinary(util::ByteSpan bytes)
{
    for (auto &b : bytes)
        b = std::uint8_t((b >> 4) * 10 + (b & 15));
}

std::uint16_t swapChannel(std::uint16_t channel)
{
    switch (channel) {
    case 0:
        return 0;
    case 1:
        return 2;
    case 2:
        return 1;
    default:
        return 0;
    }
}

} // namespace core
