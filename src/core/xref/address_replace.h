#pragma once

// Moving the addresses of a project: on one channel (one station or all), a single address or a
// range of words moved onto a new start ("D100-D199" to "D1100") or by an offset, optionally only
// for some kinds of users. The replace is planned first without touching the document: every new
// address is built by the channel's driver, and the ones it refuses are listed beside the accepted
// ones. Applying a plan is all or nothing; the plan of the way back gives the undo.
//
// Ranges count words: a bit in word form ("M12A") moves with its word and keeps its bit digit,
// a double word moves by its first word; in a bit area numbered bit by bit the range counts bits.

#include "core/xref/address_users.h"
#include "core/xref/notice.h"

#include <optional>
#include <string>
#include <vector>

namespace core::xref {

struct ReplaceRequest
{
    std::uint16_t channel = 1;
    std::optional<std::uint16_t> station; // nothing: every station
    std::string from; // "D100" or "D100-D199", as typed ("100-199" on the panel's memory)
    std::string to; // the new start: "D1100"; empty when moved by `offset`
    std::vector<UserKind> kinds; // empty: every kind of user
    std::optional<std::int64_t> offset; // words (or bits) to move by, in the same area
};

struct ReplaceChange
{
    AddressUse use; // the place and its address now
    CDeviceAddr to; // its new address, as the driver normalised it
    std::int32_t result = 0; // the driver's result of building `to`; negative refuses
};

struct ReplacePlan
{
    std::vector<ReplaceChange> changes; // the driver accepts them
    std::vector<ReplaceChange> refused;
    std::optional<Notice> error; // the request cannot be read, or nothing matches

    bool Empty() const { return changes.empty() && refused.empty(); }
};

ReplacePlan planReplace(const CDorvaneDoc &doc, const ReplaceRequest &request);

// The message that names one refused change (old address, new address, user).
Notice refusalNotice(const CPlcSlots &slots, const ReplaceChange &change);

// Makes the plan's accepted changes, all of them or, on any problem, none. Refused changes stop
// the whole replace unless `skipRefused`; a plan that no longer matches the document (an address
// changed or a user gone since it was made) changes nothing. Returns the reason it did not apply.
std::optional<Notice> applyReplace(CDorvaneDoc &doc, const ReplacePlan &plan, bool skipRefused);

// The plan that takes the accepted changes of `plan` back, once it was applied.
ReplacePlan reversePlan(const ReplacePlan &plan);

} // namespace core::xref
