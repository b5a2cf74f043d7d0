#pragma once

// The table of tag kinds: what each kind costs in the panel's screen area, how many of it one
// screen may hold, whether it counts as a device tag, its download record size, the group of the
// screen record it is compiled into, and whether it refers to images in several slots.
//
// Adding a tag kind's class does not change this table (all sixteen kinds are listed already);
// the class only has to be registered in tag_factory.cpp.

#include <array>
#include <cstdint>

namespace core {

enum TagKind : std::uint16_t {
    kTagDigit = 0,
    kTagMessage = 1,
    kTagText = 2,
    kTagLamp = 3,
    kTagButton = 4,
    kTagPie = 5,
    kTagBitmap = 6,
    kTagGraph1 = 7,
    kTagGraph2 = 8,
    kTagMotor = 9,
    kTagMobile = 10,
    kTagRect = 11,
    kTagLine = 12,
    kTagCircle = 13,
    kTagClock = 14,
    kTagBmpText = 15,
};

inline constexpr int kTagKindCount = 16;
inline constexpr int kTagGroupCount = 15;

// Most device tags (kinds that read or write device data) on one screen, all kinds together.
inline constexpr int kMaxDeviceTags = 50;
// A screen holds fewer than this many tags in all.
inline constexpr std::uint32_t kMaxTagsPerScreen = 65535;

struct TagKindInfo
{
    std::uint16_t cost; // bytes in the screen area
    std::uint16_t limit; // most per screen; 65535 means no practical limit
    bool deviceTag; // counts against kMaxDeviceTags
    std::uint16_t recordSize; // download record bytes
    std::uint8_t group; // 0-based group of the screen record (kinds 6 and 15 share one)
    bool multiImage; // refers to images in more than one slot (lamp, button, rotation)
};

bool isValidTagKind(int kind);
// The kind's row; a kind outside 0 to 15 gives a row of zeros.
const TagKindInfo &tagKindInfo(int kind);

// Group order of the screen record: the kinds of group 0, 1, ... (group 5 holds 6 and 15).
const std::array<std::uint16_t, kTagGroupCount> &tagGroupKinds();

} // namespace core
