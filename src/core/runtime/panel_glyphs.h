#pragma once

// The panel's bitmap fonts as the display draws them: one fixed cell per character (normal 8 x 16,
// double-byte 16 x 16, large twice that, small 6 x 8), each character drawn with the configured
// face and stretched onto its cell, as the editor's canvas does. Cells are drawn once and kept.

#include "util/log_font.h"

#include <cstdint>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace core {

class CAppConfig;

// The three faces of the panel's resource language and the languages texts are read in.
struct PanelFonts
{
    util::CLogFont normal; // 8 x 16 single-byte
    util::CLogFont wide; // 16 x 16 double-byte
    util::CLogFont small; // 6 x 8
    std::uint16_t panelLangId = 0x412; // code page of tag texts
    std::uint16_t resourceLangId = 0x412; // weekday names of clocks

    // The faces the configuration gives the panel language `panelLangId` (the project's, never
    // the computer's), or the program language's faces when it has none.
    static PanelFonts fromConfig(const CAppConfig &config, std::uint16_t panelLangId);
};

// One character's cell: `ink` holds width x height flags, row by row, 1 where the character is.
struct PanelGlyph
{
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> ink;
};

class CPanelGlyphs
{
public:
    explicit CPanelGlyphs(PanelFonts fonts);

    const PanelFonts &Fonts() const { return m_fonts; }

    // The cell of the character at the start of `text` in font code `font` (0 normal, 1 large,
    // 2 small; others as normal); `length` receives how many bytes it takes (1 or 2). A face that
    // is not installed leaves the cell empty.
    const PanelGlyph &Glyph(std::string_view text, std::uint16_t font, std::size_t &length) const;

private:
    PanelGlyph draw(std::string_view ch, std::uint16_t font, bool doubleByte) const;

    PanelFonts m_fonts;
    mutable std::unordered_map<std::uint32_t, PanelGlyph> m_cache;
};

} // namespace core
