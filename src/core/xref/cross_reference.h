#pragma once

// The cross-reference of a project: every device point, every message and every image it uses,
// each with all its users, for the cross-reference window, the command line and the report.
// Points that share memory (a bit inside a word, a double word over two words) name each other.

#include "core/xref/address_span.h"
#include "core/xref/address_users.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace core::xref {

struct PointEntry
{
    CDeviceAddr addr;
    std::int32_t addrKind = kAddrWord;
    std::uint16_t words = 1; // more for a block transfer's ends
    std::string text; // "channel-station-address", as the lists write it
    std::string systemName; // the panel's name of the word, when it has one
    Access access = kNone; // what the users together do
    std::optional<AddressSpan> span;
    std::vector<User> users;
    std::vector<std::size_t> overlaps; // other entries sharing memory with this one
};

struct ResourceEntry
{
    std::uint32_t id = 0;
    std::vector<User> users;
};

struct XrefFilter
{
    std::string text; // part of the point's text or system name, without regard to case
    std::optional<std::uint16_t> channel;
    std::optional<UserKind> kind; // points with at least one user of this kind
};

class CCrossReference
{
public:
    static CCrossReference Build(const CDorvaneDoc &doc);

    // By channel, station, area and place in memory; a word before a double word at the same
    // start, and points the rules cannot place last.
    const std::vector<PointEntry> &Points() const { return m_points; }
    // By number.
    const std::vector<ResourceEntry> &Messages() const { return m_messages; }
    const std::vector<ResourceEntry> &Images() const { return m_images; }

    // The indices of the points the filter lets through, in list order.
    std::vector<std::size_t> Filtered(const XrefFilter &filter) const;
    // The point whose text ("1-1-D100") or system name is `text`, without regard to case.
    std::optional<std::size_t> Find(std::string_view text) const;

private:
    void AddPoints(const CDorvaneDoc &doc);
    void AddResources(const CDorvaneDoc &doc);
    void LinkOverlaps();

    std::vector<PointEntry> m_points;
    std::vector<ResourceEntry> m_messages;
    std::vector<ResourceEntry> m_images;
};

} // namespace core::xref
