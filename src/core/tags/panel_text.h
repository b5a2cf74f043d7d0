#pragma once

// Measuring text in the panel's bitmap fonts. Every character takes a fixed cell, so the width of
// a text is the sum of its cells and its height is the font's cell height; the editor draws each
// character stretched onto its cell, so what is measured here is exactly what is shown.

#include <cstdint>
#include <string_view>

namespace core {

// Font codes as stored in the tags.
enum PanelFont : std::uint16_t { kFontNormal = 0, kFontLarge = 1, kFontSmall = 2 };

struct PanelTextSize
{
    std::int32_t width = 0;
    std::int32_t height = 0;
};

// Cell width of a single-byte character, of a double-byte character, and the cell height. An
// unknown font code measures as the normal font.
std::int32_t panelCellWidth(std::uint16_t font, bool doubleByte);
std::int32_t panelCellHeight(std::uint16_t font);

// Normal and large fonts: a byte of 128 or more starts a double-byte character with the byte
// after it. The small font takes every byte as one character.
PanelTextSize panelTextExtent(std::string_view bytes, std::uint16_t font);

} // namespace core
