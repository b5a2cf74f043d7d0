#include "core/tags/tag_kinds.h"

namespace core {

namespace {

// Costs equal record sizes: the screen-area budget counts exactly the bytes of the records.
constexpr std::array<TagKindInfo, kTagKindCount> kKinds{{
        {80, 50, true, 80, 0, false}, // 0 numeric
        {272, 20, true, 272, 3, false}, // 1 message
        {32, 65535, false, 32, 4, false}, // 2 text
        {76, 50, true, 76, 1, true}, // 3 lamp
        {82, 50, true, 82, 2, true}, // 4 button
        {76, 10, true, 76, 10, false}, // 5 pie
        {10, 65535, false, 10, 5, false}, // 6 image
        {72, 10, true, 72, 6, false}, // 7 graph, first form
        {74, 5, true, 74, 7, false}, // 8 graph, second form
        {90, 10, true, 90, 8, true}, // 9 rotation
        {140, 10, true, 140, 9, false}, // 10 moving
        {14, 65535, false, 14, 13, false}, // 11 rectangle
        {12, 65535, false, 12, 12, false}, // 12 line
        {12, 65535, false, 12, 14, false}, // 13 circle
        {10, 10, false, 10, 11, false}, // 14 clock
        {10, 65535, false, 10, 5, false}, // 15 image text
}};

constexpr TagKindInfo kNoKind{0, 0, false, 0, 0, false};

constexpr std::array<std::uint16_t, kTagGroupCount> kGroupKinds{
        kTagDigit,  kTagLamp,   kTagButton, kTagMessage, kTagText,
        kTagBitmap, kTagGraph1, kTagGraph2, kTagMotor,   kTagMobile,
        kTagPie,    kTagClock,  kTagLine,   kTagRect,    kTagCircle};

} // namespace

bool isValidTagKind(int kind)
{
    return kind >= 0 && kind < kTagKindCount;
}

const TagKindInfo &tagKindInfo(int kind)
{
    return isValidTagKind(kind) ? kKinds[std::size_t(kind)] : kNoKind;
}

const std::array<std::uint16_t, kTagGroupCount> &tagGroupKinds()
{
    return kGroupKinds;
}

} // namespace core
