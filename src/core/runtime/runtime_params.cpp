#include "core/runtime/runtime_params.h"

#include "core/model/dorvane_doc.h"

#include <algorithm>
#include <charconv>

namespace core {

namespace {

constexpr std::size_t kChangeOn = 26;
constexpr std::size_t kChangeField = 28;
constexpr std::size_t kChangeDevice = 68;
constexpr std::size_t kChangeStation = 70;
constexpr std::size_t kReportOn = 72;
constexpr std::size_t kReportField = 74;
constexpr std::size_t kReportDevice = 114;
constexpr std::size_t kReportStation = 116;

ScreenLink link(const CDorvaneDoc &doc, ScreenLink::Role role, std::size_t field,
                std::size_t device, std::size_t station)
{
    ScreenLink l;
    l.role = role;
    l.device = doc.Param16(device);
    l.station = doc.Param16(station);
    std::copy_n(doc.Parameters().begin() + std::ptrdiff_t(field), l.field.size(), l.field.begin());
    return l;
}

} // namespace

std::vector<ScreenLink> screenLinks(const CDorvaneDoc &doc)
{
    std::vector<ScreenLink> links;
    if (doc.Param16(kChangeOn) != 0)
        links.push_back(
                link(doc, ScreenLink::Role::Change, kChangeField, kChangeDevice, kChangeStation));
    if (doc.Param16(kReportOn) != 0)
        links.push_back(
                link(doc, ScreenLink::Role::Report, kReportField, kReportDevice, kReportStation));
    return links;
}

std::vector<MemoryKey> transferPanelWords(const CTransRecord &transfer)
{
    std::vector<MemoryKey> words;
    const std::string text = transfer.PanelAddress();
    unsigned first = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), first);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size())
        return words;
    // Words up to 1000 (to the PLC) or 900 (from it) only: the system words above are the
    // panel's own.
    const unsigned limit = transfer.Direction() == CTransRecord::kToPlc ? 1000 : 900;
    for (unsigned i = 0; i < transfer.DataSize() && first < limit && i < limit - first; ++i)
        words.push_back(CDeviceMemory::PanelWord(std::uint16_t(first + i)));
    return words;
}

} // namespace core
