#pragma once

// Every place of a project that holds a device address, with its user: the device points of the
// tags, the function keys, the blocks of the four common-function lists and the two screen links
// of the panel settings. The cross-reference lists them, the address replace rewrites them; both
// read the same walk, so a place one of them knows the other knows too. Whether a user reads or
// writes its address follows the used-system-memory map.

#include "core/functions/device_addr.h"
#include "core/tags/geometry.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace core {
class CDorvaneDoc;
}

namespace core::xref {

enum class UserKind : std::uint8_t {
    Tag,
    FunctionKey,
    Alarm,
    Calculation,
    Transfer,
    Reservation,
    Parameters,
};
inline constexpr int kUserKindCount = 7;

// Which of a user's addresses (or resources) is meant.
enum class UserRole : std::uint8_t {
    Point, // a tag's only point
    XPoint, // the moving tag's points
    YPoint,
    Target, // a function key's, an alarm's or a reservation's device
    Operand1,
    Operand2,
    Result,
    Start, // the start bit of a calculation, transfer or reservation with a start condition
    PlcBlock, // a block transfer's two ends
    PanelBlock,
    ScreenChange, // the panel settings' screen-change word
    ScreenNumber, // the panel settings' screen-number word
    Shows, // a tag shows a message or an image
};

enum Access : std::uint8_t { kNone = 0, kRead = 1, kWrite = 2, kReadWrite = kRead | kWrite };

// Who uses an address or resource. The fields after `index` are set for tags only.
struct User
{
    UserKind kind = UserKind::Tag;
    UserRole role = UserRole::Point;
    std::uint16_t screen = 0; // screen number (tags and function keys)
    std::size_t index = 0; // tag list position, key 0-7, record index, parameter group
    int tagKind = -1;
    CRect rect{};
    Access access = kNone;

    bool operator==(const User &) const = default;
};

struct AddressUse
{
    User user;
    CDeviceAddr addr; // texts as the user holds them (records: read back through the driver)
    std::int32_t addrKind = kAddrWord; // the driver's address kind (1, 2 or 4)
    std::uint32_t extra = 0; // the driver's extra value (a numeric tag's decimals)
    std::uint16_t words = 1; // a block transfer's ends cover its size in words from there
};

// In walk order: screens by position (their keys, then their tags), then alarms, calculations,
// transfers, reservations, and last the panel settings. Start bits without a start condition,
// calculation constants and keys without a device are left out, as the memory map leaves them.
std::vector<AddressUse> addressUses(const CDorvaneDoc &doc);

// What the user's driver says of `addr` in the user's place: the result of building it (negative
// refuses), after the driver's syntax check (which may normalise the texts in `addr`).
std::int32_t checkAddress(const CPlcSlots &slots, const AddressUse &use, CDeviceAddr &addr);

// Puts `addr` in the user's place. Returns false (and changes nothing) when the place is gone.
bool writeAddress(CDorvaneDoc &doc, const AddressUse &use, const CDeviceAddr &addr);

} // namespace core::xref
