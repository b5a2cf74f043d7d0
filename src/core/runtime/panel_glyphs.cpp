#include "core/runtime/panel_glyphs.h"

#include "core/app/app_config.h"
#include "core/tags/panel_text.h"
#include "core/tags/text_render.h"

#include "util/code_page.h"

#include <algorithm>

namespace core {

namespace {

// A LOGFONT's face is in the code page of its language; a configuration written on this system
// may hold it in UTF-8. Such a face is converted, so that it names the installed family.
util::CLogFont inCodePage(util::CLogFont font, std::uint16_t langId)
{
    if (canCreateFont(font, langId))
        return font;
    for (const std::uint16_t lang : {langId, std::uint16_t(util::kLangKorean)})
        if (const auto face = util::fromUtf8(font.faceName(), lang)) {
            util::CLogFont converted = font;
            converted.setFaceName(*face);
            if (canCreateFont(converted, lang))
                return converted;
        }
    return font;
}

// A face larger than the display never fits a cell: drawing it first would cost memory and time
// out of all proportion (the configuration bounds its sizes; this holds for any font given).
bool drawable(const util::CLogFont &font)
{
    const auto fits = [](std::int64_t v) { return v >= -kMaxFontPixels && v <= kMaxFontPixels; };
    return fits(font.height()) && fits(font.width());
}

// The most a character of a drawable face can measure: a wide face's double-byte character.
constexpr int kMaxDrawnExtent = 4 * kMaxFontPixels;

} // namespace

PanelFonts PanelFonts::fromConfig(const CAppConfig &config, std::uint16_t panelLangId)
{
    PanelFonts f;
    f.panelLangId = panelLangId;
    f.resourceLangId = config.resourceLang();
    // The panel draws its texts in its own language's faces (an English program's faces have no
    // Korean characters); the program's faces when that language has no section.
    const CResInfo &res = config.resources();
    const bool own = res.find(f.panelLangId) != nullptr;
    const auto face = [&](PanelFontSize size) {
        return inCodePage(own ? res.panelFont(f.panelLangId, size) : config.panelFont(size),
                          f.panelLangId);
    };
    f.normal = face(PanelFontSize::Font8x16);
    f.wide = face(PanelFontSize::Font16x16);
    f.small = face(PanelFontSize::Font6x8);
    return f;
}

CPanelGlyphs::CPanelGlyphs(PanelFonts fonts)
    : m_fonts(std::move(fonts))
{ }

const PanelGlyph &CPanelGlyphs::Glyph(std::string_view text, std::uint16_t font,
                                      std::size_t &length) const
{
    if (font != kFontLarge && font != kFontSmall)
        font = kFontNormal;
    const bool doubleByte = font != kFontSmall && std::uint8_t(text[0]) >= 128 && text.size() > 1;
    length = doubleByte ? 2 : 1;
    std::uint32_t code = std::uint8_t(text[0]);
    if (doubleByte)
        code = (code << 8) | std::uint8_t(text[1]);
    const std::uint32_t key = (std::uint32_t(font) << 16) | code;
    auto it = m_cache.find(key);
    if (it == m_cache.end())
        it = m_cache.emplace(key, draw(text.substr(0, length), font, doubleByte)).first;
    return it->second;
}

PanelGlyph CPanelGlyphs::draw(std::string_view ch, std::uint16_t font, bool doubleByte) const
{
    PanelGlyph g;
    g.width = panelCellWidth(font, doubleByte);
    g.height = panelCellHeight(font);
    g.ink.assign(std::size_t(g.width * g.height), 0);
    if (ch == " ")
        return g;
    // The large font is the normal one stretched onto a doubled cell.
    const util::CLogFont &lf = font == kFontSmall ? m_fonts.small
            : doubleByte                          ? m_fonts.wide
                                                  : m_fonts.normal;
    const auto base = std::uint16_t(font == kFontSmall ? kFontSmall : kFontNormal);
    const int cellW = panelCellWidth(base, doubleByte);
    const int cellH = panelCellHeight(base);
    if (!drawable(lf))
        return g;
    const std::optional<TextExtent> extent = measureText(lf, ch, m_fonts.panelLangId);
    if (!extent || extent->width > kMaxDrawnExtent || extent->height > kMaxDrawnExtent)
        return g;
    const int w = std::max(cellW, int(extent->width));
    const int h = std::max(cellH, int(extent->height));
    util::CMonoBitmap drawn(w, h, true);
    if (!drawText(drawn, CRect{0, 0, w, h}, lf, ch, m_fonts.panelLangId))
        return g;
    // Nearest-pixel stretch of the drawn character onto the cell.
    for (int y = 0; y < g.height; ++y)
        for (int x = 0; x < g.width; ++x)
            g.ink[std::size_t(y * g.width + x)]
                    = drawn.pixel(x * w / g.width, y * h / g.height) ? 0 : 1;
    return g;
}

} // namespace core
