#include "core/xref/cross_reference.h"

#include "core/model/dorvane_doc.h"
#include "core/model/screen_data.h"
#include "core/plc/system_address.h"
#include "core/tags/message_tag.h"
#include "core/tags/tag.h"
#include "core/tags/tag_kinds.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <tuple>

namespace core::xref {

namespace {

std::string lower(std::string_view text)
{
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return out;
}

// Sorting key of a point: placed points by memory, then the others by text.
auto pointKey(const PointEntry &p)
{
    const bool placed = p.span.has_value();
    return std::make_tuple(p.addr.channel, p.addr.station, !placed,
                           placed ? p.span->area : std::string(), placed && p.span->plainBits,
                           placed ? p.span->first : 0, placed ? p.span->end : 0, p.text, p.addrKind,
                           p.words);
}

void addResourceUser(std::map<std::uint32_t, ResourceEntry> &table, std::uint32_t id,
                     const User &user)
{
    ResourceEntry &entry = table[id];
    entry.id = id;
    if (entry.users.empty() || !(entry.users.back() == user))
        entry.users.push_back(user);
}

std::vector<ResourceEntry> values(std::map<std::uint32_t, ResourceEntry> &table)
{
    std::vector<ResourceEntry> out;
    for (auto &[id, entry] : table)
        out.push_back(std::move(entry));
    return out;
}

} // namespace

CCrossReference CCrossReference::Build(const CDorvaneDoc &doc)
{
    CCrossReference x;
    x.AddPoints(doc);
    x.AddResources(doc);
    x.LinkOverlaps();
    return x;
}

void CCrossReference::AddPoints(const CDorvaneDoc &doc)
{
    const CPlcSlots &slots = doc.Slots();
    std::map<std::tuple<std::string, std::int32_t, std::uint16_t>, std::size_t> byText;
    for (const AddressUse &use : addressUses(doc)) {
        // The driver's own form, so that "D00100" and "D100" are one point.
        CDeviceAddr addr = use.addr;
        if (slots.slot(addr.channel).ValidCheck(use.addrKind, addr.area, addr.number) != 0)
            addr = use.addr;
        const std::string text = addr.CellText(slots);
        const auto [it, added]
                = byText.try_emplace({text, use.addrKind, use.words}, m_points.size());
        if (added) {
            PointEntry entry;
            entry.addr = addr;
            entry.addrKind = use.addrKind;
            entry.words = use.words;
            entry.text = text;
            if (addr.channel == 0)
                if (const SystemAddress *sys
                    = systemAddressOf(addr.number, use.addrKind == kAddrBit))
                    entry.systemName = std::string(sys->name);
            entry.span = addressSpan(slots, addr, use.addrKind, use.words);
            m_points.push_back(std::move(entry));
        }
        PointEntry &entry = m_points[it->second];
        entry.access = Access(entry.access | use.user.access);
        entry.users.push_back(use.user);
    }
    std::stable_sort(
            m_points.begin(), m_points.end(),
            [](const PointEntry &a, const PointEntry &b) { return pointKey(a) < pointKey(b); });
}

void CCrossReference::AddResources(const CDorvaneDoc &doc)
{
    std::map<std::uint32_t, ResourceEntry> messages;
    std::map<std::uint32_t, ResourceEntry> images;
    for (const auto &screen : doc.Screens()) {
        const auto &tags = screen->Tags();
        for (std::size_t i = 0; i < tags.size(); ++i) {
            const CTag &tag = *tags[i];
            const User user{
                    UserKind::Tag, UserRole::Shows, screen->Number(), i, tag.Kind(), tag.Rect(),
                    kRead};
            if (tag.Kind() == kTagMessage)
                for (const MessageEntry &e : static_cast<const CMessageTag &>(tag).Entries())
                    addResourceUser(messages, e.message, user);
            for (const std::uint16_t id : tag.ImageIds())
                addResourceUser(images, id, user);
        }
    }
    m_messages = values(messages);
    m_images = values(images);
}

void CCrossReference::LinkOverlaps()
{
    // The list is sorted by memory within an area: a point can only overlap those after it
    // until one starts past its end.
    for (std::size_t i = 0; i < m_points.size(); ++i) {
        if (!m_points[i].span)
            continue;
        const AddressSpan &a = *m_points[i].span;
        for (std::size_t j = i + 1; j < m_points.size() && m_points[j].span; ++j) {
            const AddressSpan &b = *m_points[j].span;
            if (b.channel != a.channel || b.station != a.station || b.area != a.area
                || b.plainBits != a.plainBits)
                break;
            if (b.first >= a.end)
                break; // sorted by start: nothing further reaches back
            if (a.Overlaps(b)) {
                m_points[i].overlaps.push_back(j);
                m_points[j].overlaps.push_back(i);
            }
        }
    }
    for (PointEntry &p : m_points)
        std::sort(p.overlaps.begin(), p.overlaps.end());
}

std::vector<std::size_t> CCrossReference::Filtered(const XrefFilter &filter) const
{
    const std::string needle = lower(filter.text);
    std::vector<std::size_t> out;
    for (std::size_t i = 0; i < m_points.size(); ++i) {
        const PointEntry &p = m_points[i];
        if (filter.channel && p.addr.channel != *filter.channel)
            continue;
        if (filter.kind && std::none_of(p.users.begin(), p.users.end(), [&](const User &u) {
                return u.kind == *filter.kind;
            }))
            continue;
        if (!needle.empty() && lower(p.text).find(needle) == std::string::npos
            && lower(p.systemName).find(needle) == std::string::npos)
            continue;
        out.push_back(i);
    }
    return out;
}

std::optional<std::size_t> CCrossReference::Find(std::string_view text) const
{
    const std::string wanted = lower(text);
    for (std::size_t i = 0; i < m_points.size(); ++i) {
        const std::string t = lower(m_points[i].text);
        if (t == wanted || lower(m_points[i].systemName) == wanted)
            return i;
    }
    return std::nullopt;
}

} // namespace core::xref
