#pragma once

// Small rules of the project window: the screen caption, which selected screens a delete
// removes, and the number a pasted screen takes.

#include "core/model/dorvane_doc.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace core {

// "%s%d:%s" with 50500, the number and the name (converted from the panel code page).
std::string screenCaption(const CScreenData &screen, std::uint16_t panelLangId);

// The screens a delete from the project window removes, in the order it removes them: from the
// last selected to the first, stopping so that one screen is left in the project.
std::vector<std::uint16_t> screensToDelete(const std::vector<std::uint16_t> &selected,
                                           std::size_t screenCount);

// The number a pasted screen takes: its own when free, else the next free number above it,
// else the lowest free one; nothing when all 1000 numbers are used.
std::optional<std::uint16_t> pasteScreenNumber(const CDorvaneDoc &doc, std::uint16_t wanted);

// A tag that reaches past the 192 x 64 display: older files may hold such tags (they open and
// compile; the panel cuts them off), and the check of a file names each one.
struct OffDisplayTag
{
    std::uint16_t screen = 0;
    std::size_t index = 0; // in the screen's drawing order
    std::uint16_t kind = 0;
    CRect rect;
};
std::vector<OffDisplayTag> offDisplayTags(const CDorvaneDoc &doc);

} // namespace core
