#include "core/xref/address_replace.h"

#include "core/model/dorvane_doc.h"
#include "core/xref/address_span.h"
#include "core/xref/xref_text.h"

#include "util/message_ids.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <tuple>

namespace core::xref {

namespace {

struct Range
{
    std::string area; // upper case
    std::uint64_t first = 0;
    std::uint64_t last = 0;
    std::string toArea; // as the driver lists it
    std::uint64_t toFirst = 0;
};

std::string upper(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return char(std::toupper(c)); });
    return text;
}

bool parseWord(const std::string &text, std::uint64_t &value)
{
    if (text.empty() || text.size() > 9
        || !std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); }))
        return false;
    value = std::stoull(text);
    return true;
}

bool splitWord(const CPlcDrv &drv, const std::string &text, std::string &area, std::uint64_t &word)
{
    std::string number;
    return splitAddressText(drv, text, area, number) && parseWord(number, word);
}

std::optional<Range> parseRange(const CPlcDrv &drv, const ReplaceRequest &request)
{
    Range r;
    const std::size_t dash = request.from.find('-', 1);
    const std::string first = request.from.substr(0, dash);
    std::string area;
    if (!splitWord(drv, first, area, r.first))
        return std::nullopt;
    r.area = upper(area);
    r.last = r.first;
    if (dash != std::string::npos) {
        std::string lastArea;
        const std::string last = request.from.substr(dash + 1);
        // The end may leave its area out: "D100-199".
        if (!splitWord(drv, last, lastArea, r.last) && !parseWord(last, r.last))
            return std::nullopt;
        if (!lastArea.empty() && upper(lastArea) != r.area)
            return std::nullopt;
    }
    if (r.last < r.first)
        return std::nullopt;
    if (!request.offset)
        return splitWord(drv, request.to, r.toArea, r.toFirst) ? std::optional(r) : std::nullopt;
    // An offset stays in the area as it was typed; it cannot move the range below 0.
    if (*request.offset < 0 && std::uint64_t(-*request.offset) > r.first)
        return std::nullopt;
    r.toArea = area;
    r.toFirst = r.first + std::uint64_t(*request.offset);
    return r;
}

bool wanted(const ReplaceRequest &request, const AddressUse &use)
{
    if (use.addr.channel != request.channel
        || (request.station && use.addr.station != *request.station))
        return false;
    return request.kinds.empty()
            || std::find(request.kinds.begin(), request.kinds.end(), use.user.kind)
            != request.kinds.end();
}

// The new address of `use` when it lies in the range.
std::optional<CDeviceAddr> moved(const CPlcSlots &slots, const Range &range, const AddressUse &use)
{
    const auto span = addressSpan(slots, use.addr, use.addrKind);
    if (!span || span->area != range.area || span->word < range.first || span->word > range.last)
        return std::nullopt;
    CDeviceAddr to = use.addr;
    to.area = range.toArea;
    to.number = std::to_string(range.toFirst + (span->word - range.first));
    if (span->bitDigit >= 0)
        to.number += "0123456789ABCDEF"[span->bitDigit];
    return to;
}

std::string targetText(const ReplaceRequest &request)
{
    if (!request.offset)
        return request.to;
    return (*request.offset >= 0 ? "+" : "") + std::to_string(*request.offset);
}

using UserKey = std::tuple<UserKind, UserRole, std::uint16_t, std::size_t>;

UserKey keyOf(const User &user)
{
    return {user.kind, user.role, user.screen, user.index};
}

// The plan still describes the document: every place is there and holds the address it had.
bool stillMatches(const CDorvaneDoc &doc, const std::vector<ReplaceChange> &changes)
{
    std::map<UserKey, CDeviceAddr> now;
    for (const AddressUse &use : addressUses(doc))
        now.emplace(keyOf(use.user), use.addr);
    return std::all_of(changes.begin(), changes.end(), [&](const ReplaceChange &c) {
        const auto it = now.find(keyOf(c.use.user));
        return it != now.end() && it->second == c.use.addr;
    });
}

} // namespace

ReplacePlan planReplace(const CDorvaneDoc &doc, const ReplaceRequest &request)
{
    ReplacePlan plan;
    const CPlcSlots &slots = doc.Slots();
    const auto range = parseRange(slots.slot(request.channel), request);
    if (!range) {
        plan.error = Notice{util::msg::kReplaceBadRange,
                            {request.from + " -> " + targetText(request)}};
        return plan;
    }
    for (const AddressUse &use : addressUses(doc)) {
        if (!wanted(request, use))
            continue;
        auto to = moved(slots, *range, use);
        if (!to)
            continue;
        ReplaceChange change{use, *to, 0};
        change.result = checkAddress(slots, use, change.to);
        (change.result < 0 ? plan.refused : plan.changes).push_back(std::move(change));
    }
    if (plan.Empty())
        plan.error = Notice{util::msg::kReplaceNothing, {request.from}};
    return plan;
}

Notice refusalNotice(const CPlcSlots &slots, const ReplaceChange &change)
{
    return {util::msg::kReplaceRefused,
            {change.use.addr.CellText(slots), change.to.CellText(slots),
             userText(change.use.user)}};
}

std::optional<Notice> applyReplace(CDorvaneDoc &doc, const ReplacePlan &plan, bool skipRefused)
{
    if (plan.error)
        return plan.error;
    if (!plan.refused.empty() && !skipRefused)
        return Notice{util::msg::kReplaceRefusedCount, {std::to_string(plan.refused.size())}};
    if (!stillMatches(doc, plan.changes))
        return Notice{util::msg::kReplaceStale, {}};
    for (const ReplaceChange &change : plan.changes)
        writeAddress(doc, change.use, change.to);
    if (!plan.changes.empty())
        doc.SetModified();
    return std::nullopt;
}

ReplacePlan reversePlan(const ReplacePlan &plan)
{
    ReplacePlan back;
    for (const ReplaceChange &change : plan.changes) {
        ReplaceChange r{change.use, change.use.addr, 0};
        r.use.addr = change.to;
        back.changes.push_back(std::move(r));
    }
    return back;
}

} // namespace core::xref
