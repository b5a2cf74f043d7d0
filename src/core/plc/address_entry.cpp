#include "core/plc/address_entry.h"

#include "util/message_ids.h"
#include "util/messages.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <optional>
#include <string_view>

namespace core {

namespace {

char upper(char c)
{
    return char(std::toupper(static_cast<unsigned char>(c)));
}

bool sameText(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return upper(x) == upper(y); });
}

bool allDigits(std::string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return std::isdigit(static_cast<unsigned char>(c));
    });
}

std::optional<PlcAddress> inArea(const CPlcDrv &drv, std::int32_t kind, const std::string &area,
                                 const std::string &number)
{
    std::string normalised = number;
    if (area.empty() || number.empty() || drv.ValidCheck(kind, area, normalised) != 0)
        return std::nullopt;
    return PlcAddress{area, normalised};
}

// The driver's area-less form, placed in its area by building the download field and reading it
// back: only the driver knows which area a reference number belongs to.
std::optional<PlcAddress> withoutArea(const CPlcDrv &drv, std::int32_t kind,
                                      const std::string &typed)
{
    std::string number = typed;
    if (typed.empty() || drv.ValidCheck(kind, "", number) != 0)
        return std::nullopt;
    DownAddr field{};
    std::uint16_t bit = 0;
    if (drv.BuildDownAddr(kind, "", number, bit, field) != 2)
        return std::nullopt;
    PlcAddress placed;
    if (drv.BuildUpAddr(kind, field, placed.area, placed.number, bit) != 2 || placed.area.empty())
        return std::nullopt;
    return placed;
}

// The area the text starts with, the longest name when several fit, followed by its number.
std::optional<PlcAddress> areaInFront(const CPlcDrv &drv, std::int32_t kind,
                                      const std::string &typed)
{
    std::vector<std::string> areas;
    drv.GetTypeAreaList(kind, areas);
    const std::string *best = nullptr;
    for (const std::string &area : areas) {
        if (!area.empty() && area.size() < typed.size()
            && sameText(std::string_view(typed).substr(0, area.size()), area)
            && (!best || area.size() > best->size()))
            best = &area;
    }
    if (!best)
        return std::nullopt;
    return inArea(drv, kind, *best, typed.substr(best->size()));
}

// The chosen area in the driver's spelling, so that "4X" and "4x" read as one address.
std::string areaAsListed(const CPlcDrv &drv, std::int32_t kind, const std::string &area)
{
    std::vector<std::string> areas;
    drv.GetTypeAreaList(kind, areas);
    const auto it = std::find_if(areas.begin(), areas.end(),
                                 [&](const std::string &a) { return sameText(a, area); });
    return it != areas.end() ? *it : area;
}

std::string typedForm(const PlcAddress &address)
{
    return address.area + address.number;
}

} // namespace

TypedAddress readTypedAddress(const CPlcDrv &drv, std::int32_t kind, const std::string &area,
                              const std::string &typed)
{
    TypedAddress read;
    const auto add = [&read](const std::optional<PlcAddress> &reading) {
        if (reading
            && std::find(read.readings.begin(), read.readings.end(), *reading)
                    == read.readings.end())
            read.readings.push_back(*reading);
    };
    add(inArea(drv, kind, areaAsListed(drv, kind, area), typed));
    add(areaInFront(drv, kind, typed));
    add(withoutArea(drv, kind, typed));
    return read;
}

std::string referenceNumber(const CPlcDrv &drv, std::int32_t kind, const PlcAddress &address)
{
    const std::string &area = address.area;
    if (area.size() != 2 || !std::isdigit(static_cast<unsigned char>(area[0]))
        || upper(area[1]) != 'X' || !allDigits(address.number) || address.number.size() > 5)
        return {};
    // Registers up to 9999 have the 5-digit form, the rest the 6-digit one.
    const unsigned long value = std::stoul(address.number);
    char text[16];
    std::snprintf(text, sizeof text, value <= 9999 ? "%c%04lu" : "%c%05lu", area[0], value);
    const std::optional<PlcAddress> back = withoutArea(drv, kind, text);
    return back && *back == address ? std::string(text) : std::string();
}

std::string addressEcho(const CPlcDrv &drv, std::int32_t kind, const PlcAddress &address)
{
    const std::string reference = referenceNumber(drv, kind, address);
    return typedForm(address) + (reference.empty() ? "" : " = " + reference);
}

std::string ambiguousAddressMessage(const CPlcDrv &drv, std::int32_t kind, const std::string &typed,
                                    const TypedAddress &read)
{
    if (read.readings.size() < 2)
        return {};
    const PlcAddress &first = read.readings[0];
    const PlcAddress &second = read.readings[1];
    return util::formatMessage(util::msg::kAmbiguousAddress, typed.c_str(),
                               addressEcho(drv, kind, first).c_str(),
                               addressEcho(drv, kind, second).c_str(), typedForm(first).c_str(),
                               typedForm(second).c_str());
}

} // namespace core
