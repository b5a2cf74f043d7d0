#include "core/xref/address_span.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace core::xref {

namespace {

std::string upper(std::string_view text)
{
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return char(std::toupper(c)); });
    return out;
}

bool isDecimal(std::string_view text)
{
    return !text.empty() && text.size() <= 9
            && std::all_of(text.begin(), text.end(),
                           [](unsigned char c) { return std::isdigit(c) != 0; });
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    const char u = char(std::toupper(static_cast<unsigned char>(c)));
    return u >= 'A' && u <= 'F' ? u - 'A' + 10 : -1;
}

// Word and bit digit of a bit address in word form; the word part may be left out for word 0.
bool parseBitDigit(std::string_view number, std::uint64_t &word, int &bit)
{
    if (number.empty() || (bit = hexDigit(number.back())) < 0)
        return false;
    const std::string_view head = number.substr(0, number.size() - 1);
    if (head.empty()) {
        word = 0;
        return true;
    }
    if (!isDecimal(head))
        return false;
    word = std::stoull(std::string(head));
    return true;
}

} // namespace

bool AddressSpan::Overlaps(const AddressSpan &other) const
{
    return channel == other.channel && station == other.station && area == other.area
            && plainBits == other.plainBits && first < other.end && other.first < end;
}

bool bitDigitNumbering(const CPlcDrv &drv, const std::string &area)
{
    // A driver that numbers bits plainly refuses a letter in the number.
    std::string number = "1F";
    return drv.ValidCheck(kAddrBit, area, number) == 0;
}

std::optional<AddressSpan> addressSpan(const CPlcSlots &slots, const CDeviceAddr &addr,
                                       std::int32_t kind, std::uint16_t words)
{
    const CPlcDrv &drv = slots.slot(addr.channel);
    std::string area = addr.area;
    std::string number = addr.number;
    // The driver's own form first ("00100" is word 100); a refused text is placed as it is.
    if (drv.ValidCheck(kind, area, number) != 0) {
        area = addr.area;
        number = addr.number;
    }
    AddressSpan span{addr.channel, addr.station, upper(area)};
    if (kind == kAddrBit) {
        span.plainBits = !bitDigitNumbering(drv, area);
        if (span.plainBits) {
            if (!isDecimal(number))
                return std::nullopt;
            span.word = std::stoull(number);
            span.first = span.word;
            span.end = span.first + 1;
            return span;
        }
        if (!parseBitDigit(number, span.word, span.bitDigit))
            return std::nullopt;
        span.first = span.word * 16 + std::uint64_t(span.bitDigit);
        span.end = span.first + 1;
        return span;
    }
    if (!isDecimal(number))
        return std::nullopt;
    span.word = std::stoull(number);
    span.first = span.word * 16;
    const std::uint64_t count = kind == kAddrDWord ? 2 : std::max<std::uint16_t>(words, 1);
    span.end = span.first + 16 * count;
    return span;
}

bool splitAddressText(const CPlcDrv &drv, std::string_view text, std::string &area,
                      std::string &number)
{
    std::vector<std::string> areas;
    for (const std::int32_t kind : {kAddrBit, kAddrWord, kAddrDWord}) {
        std::vector<std::string> ofKind;
        drv.GetTypeAreaList(kind, ofKind);
        areas.insert(areas.end(), ofKind.begin(), ofKind.end());
    }
    std::size_t best = 0;
    bool found = false;
    const std::string upperText = upper(text);
    for (const std::string &candidate : areas) {
        const std::string u = upper(candidate);
        if (u.size() >= best && upperText.compare(0, u.size(), u) == 0) {
            area = candidate;
            best = u.size();
            found = true;
        }
    }
    if (!found) {
        area.clear();
        number = std::string(text);
        return areas.empty();
    }
    number = std::string(text.substr(best));
    return true;
}

} // namespace core::xref
