#pragma once

// The renderer's working surface: one flag per panel pixel (1 lit), a clip rectangle, and the
// drawing primitives the tags are made of. Internal to the renderer.

#include "core/runtime/panel_glyphs.h"
#include "core/tags/geometry.h"

#include "util/mono_bitmap.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace core::render {

inline constexpr int kPanelW = 192;
inline constexpr int kPanelH = 64;

class CPanelCanvas
{
public:
    CPanelCanvas() { clear(); }

    void clear();
    // Drawing is limited to `clip` (within the panel) until reset.
    void setClip(const CRect &clip);
    void resetClip() { m_clip = {0, 0, kPanelW, kPanelH}; }

    void set(int x, int y, bool lit)
    {
        if (x >= m_clip.left && x < m_clip.right && y >= m_clip.top && y < m_clip.bottom)
            m_lit[std::size_t(y * kPanelW + x)] = lit ? 1 : 0;
    }
    bool lit(int x, int y) const
    {
        return x >= 0 && x < kPanelW && y >= 0 && y < kPanelH
                && m_lit[std::size_t(y * kPanelW + x)] != 0;
    }

    void fillRect(const CRect &r, bool lit);
    // A one-pixel frame just inside `r`.
    void frame(const CRect &r, bool lit);
    // A line of `thickness` pixels in line type `type` (0 solid, 1 dotted, 2 dashed; others
    // solid), each step of the line stamping a thickness-wide square.
    void line(CPoint a, CPoint b, int thickness, std::uint16_t type, bool lit);
    // An image stretched onto `dst`; a clear (black) image bit is ink, a lit pixel, as a
    // monochrome bitmap drawn in the text colour; `inverse` swaps.
    void image(const util::CMonoBitmap &bitmap, const CRect &dst, bool inverse);
    // Text in the panel font from (x, y), cell by cell: the characters in `fg`, the rest of each
    // cell in the other state.
    void text(int x, int y, std::string_view bytes, std::uint16_t font, const CPanelGlyphs &glyphs,
              bool fg);
    // Ink flags (w x h) at (x, y): ink pixels take `fg`, the others the opposite.
    void ink(int x, int y, int w, int h, const std::uint8_t *flags, bool fg);

    // The panel's bitmap: a lit pixel black (a clear bit), a dark one white.
    void packInto(util::CMonoBitmap &out) const;

private:
    std::array<std::uint8_t, kPanelW * kPanelH> m_lit{};
    CRect m_clip{0, 0, kPanelW, kPanelH};
};

// Whether a line step `step` of a line of `thickness` is drawn in line type `type`.
bool linePatternOn(std::uint16_t type, int step, int thickness);

} // namespace core::render
