#include "core/runtime/screen_renderer.h"

#include "core/tags/digit_tag.h"
#include "core/tags/point_info.h"

#include <algorithm>
#include <cstdio>

namespace core {

namespace {

std::uint32_t masked(const CPointInfo &p, std::uint32_t raw)
{
    if (p.m_dataSize == kSizeBit)
        return raw & 1u;
    return p.m_dataSize == kSizeDWord ? raw : raw & 0xFFFFu;
}

bool signedDec(const CPointInfo &p)
{
    return p.m_base == kBaseDec && p.m_signed != 0 && p.m_dataSize != kSizeBit;
}

std::string stars(std::size_t n)
{
    return std::string(n, '*');
}

std::string padLeft(std::string s, std::size_t width, char fill)
{
    if (s.size() < width)
        s.insert(0, width - s.size(), fill);
    return s;
}

} // namespace

std::int64_t pointNumber(const CPointInfo &p, std::uint32_t raw)
{
    const std::uint32_t v = masked(p, raw);
    if (signedDec(p))
        return p.m_dataSize == kSizeDWord ? std::int64_t(std::int32_t(v))
                                          : std::int64_t(std::int16_t(v));
    if (p.m_base == kBaseBcd) {
        std::int64_t out = 0;
        for (int shift = 28; shift >= 0; shift -= 4)
            out = out * 10 + ((v >> shift) & 0xF);
        return out;
    }
    return std::int64_t(v);
}

double pointFraction(const CPointInfo &point, std::uint32_t raw)
{
    const std::int64_t v = pointNumber(point, raw);
    const std::int64_t lo = pointNumber(point, point.m_min);
    const std::int64_t hi = pointNumber(point, point.m_max);
    if (hi <= lo)
        return v >= hi ? 1.0 : 0.0;
    return std::clamp(double(v - lo) / double(hi - lo), 0.0, 1.0);
}

std::string formatDigitValue(const CDigitTag &tag, std::uint32_t raw)
{
    const CPointInfo &p = tag.Point();
    const std::size_t digits = std::clamp<std::uint32_t>(tag.Digits(), 1, 10);
    const bool zeroFill = tag.IsZeroFill();
    const std::uint32_t v = masked(p, raw);
    char buf[24];

    if (p.m_base == kBaseHex || p.m_base == kBaseBcd) {
        std::snprintf(buf, sizeof buf, "%X", unsigned(v));
        std::string s = buf;
        const bool badBcd = p.m_base == kBaseBcd
                && std::any_of(s.begin(), s.end(), [](char c) { return c > '9'; });
        if (badBcd || s.size() > digits)
            return stars(digits);
        return padLeft(s, digits, zeroFill ? '0' : ' ');
    }

    const std::size_t decimals = tag.Decimals();
    const bool point = decimals > 0 && digits > decimals;
    const bool isSigned = signedDec(p);
    const std::int64_t n = pointNumber(p, raw);
    const bool negative = n < 0;
    std::snprintf(buf, sizeof buf, "%llu", static_cast<unsigned long long>(negative ? -n : n));
    std::string s = buf;
    const std::size_t shown = digits + (point ? 1 : 0) + (isSigned ? 1 : 0);
    if (s.size() > digits)
        return stars(shown);
    // At least one digit before the point.
    s = padLeft(s, point ? decimals + 1 : 1, '0');
    s = padLeft(s, digits, zeroFill ? '0' : ' ');
    if (point)
        s.insert(s.size() - decimals, 1, '.');
    if (isSigned) {
        s.insert(0, 1, ' ');
        if (negative) {
            // Zero fill keeps the sign in front; otherwise it stands before the first digit.
            const std::size_t first = zeroFill ? 1 : s.find_first_not_of(' ');
            s[first - 1] = '-';
        }
    }
    return s;
}

std::string digitFailureText(const CDigitTag &tag)
{
    const CPointInfo &p = tag.Point();
    const std::size_t digits = std::clamp<std::uint32_t>(tag.Digits(), 1, 10);
    if (p.m_base == kBaseHex || p.m_base == kBaseBcd)
        return stars(digits);
    const std::size_t decimals = tag.Decimals();
    const bool point = decimals > 0 && digits > decimals;
    return stars(digits + (point ? 1 : 0) + (signedDec(p) ? 1 : 0));
}

CRestingPanelState::CRestingPanelState()
{
    m_clock.tm_year = 2004 - 1900;
    m_clock.tm_mon = 11;
    m_clock.tm_mday = 31;
    m_clock.tm_hour = 12;
    m_clock.tm_min = 59;
    m_clock.tm_sec = 59;
    m_clock.tm_wday = 5;
    m_clock.tm_yday = 365;
}

} // namespace core
