#include "core/runtime/screen_renderer_canvas.h"

#include "core/tags/line_style.h"

#include <algorithm>
#include <cstdlib>

namespace core::render {

void CPanelCanvas::clear()
{
    m_lit.fill(0);
    resetClip();
}

void CPanelCanvas::setClip(const CRect &clip)
{
    m_clip = clip.Normalized().Intersected({0, 0, kPanelW, kPanelH});
}

void CPanelCanvas::fillRect(const CRect &r, bool lit)
{
    const CRect c = r.Normalized().Intersected(m_clip);
    const std::uint8_t v = lit ? 1 : 0;
    for (int y = c.top; y < c.bottom; ++y)
        std::fill_n(m_lit.begin() + y * kPanelW + c.left, std::max(0, c.right - c.left), v);
}

void CPanelCanvas::frame(const CRect &r, bool lit)
{
    const CRect n = r.Normalized();
    if (n.IsEmpty())
        return;
    fillRect({n.left, n.top, n.right, n.top + 1}, lit);
    fillRect({n.left, n.bottom - 1, n.right, n.bottom}, lit);
    fillRect({n.left, n.top, n.left + 1, n.bottom}, lit);
    fillRect({n.right - 1, n.top, n.right, n.bottom}, lit);
}

bool linePatternOn(std::uint16_t type, int step, int thickness)
{
    const int unit = std::max(1, thickness);
    switch (type) {
    case kLineDotted:
        return (step / unit) % 2 == 0; // one on, one off
    case kLineDashed:
        return (step / unit) % 6 < 4; // four on, two off
    default:
        return true;
    }
}

void CPanelCanvas::line(CPoint a, CPoint b, int thickness, std::uint16_t type, bool lit)
{
    thickness = std::clamp(thickness, 1, 64);
    const int lo = -(thickness - 1) / 2;
    const int dx = std::abs(b.x - a.x), sx = a.x < b.x ? 1 : -1;
    const int dy = -std::abs(b.y - a.y), sy = a.y < b.y ? 1 : -1;
    int err = dx + dy;
    int x = a.x, y = a.y;
    for (int step = 0;; ++step) {
        if (linePatternOn(type, step, thickness))
            fillRect({x + lo, y + lo, x + lo + thickness, y + lo + thickness}, lit);
        if (x == b.x && y == b.y)
            break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

void CPanelCanvas::image(const util::CMonoBitmap &bitmap, const CRect &dst, bool inverse)
{
    const CRect d = dst.Normalized();
    if (bitmap.isNull() || d.IsEmpty())
        return;
    const CRect c = d.Intersected(m_clip);
    const int w = d.Width(), h = d.Height();
    for (int y = c.top; y < c.bottom; ++y) {
        const int sy = (y - d.top) * bitmap.height() / h;
        for (int x = c.left; x < c.right; ++x) {
            const int sx = (x - d.left) * bitmap.width() / w;
            // Black (a clear bit) is ink: lit, unless the tag shows it inverted.
            m_lit[std::size_t(y * kPanelW + x)] = bitmap.pixel(sx, sy) == inverse ? 1 : 0;
        }
    }
}

void CPanelCanvas::ink(int x, int y, int w, int h, const std::uint8_t *flags, bool fg)
{
    const CRect c = CRect{x, y, x + w, y + h}.Intersected(m_clip);
    for (int py = c.top; py < c.bottom; ++py) {
        const std::uint8_t *row = flags + std::size_t((py - y) * w);
        std::uint8_t *out = m_lit.data() + py * kPanelW;
        for (int px = c.left; px < c.right; ++px)
            out[px] = (row[px - x] != 0) == fg ? 1 : 0;
    }
}

void CPanelCanvas::text(int x, int y, std::string_view bytes, std::uint16_t font,
                        const CPanelGlyphs &glyphs, bool fg)
{
    while (!bytes.empty() && x < m_clip.right) {
        std::size_t n = 1;
        const PanelGlyph &g = glyphs.Glyph(bytes, font, n);
        ink(x, y, g.width, g.height, g.ink.data(), fg);
        x += g.width;
        bytes.remove_prefix(n);
    }
}

void CPanelCanvas::packInto(util::CMonoBitmap &out) const
{
    if (out.width() != kPanelW || out.height() != kPanelH)
        out = util::CMonoBitmap(kPanelW, kPanelH, true);
    std::vector<std::uint8_t> bits(std::size_t(kPanelW / 8 * kPanelH), 0);
    for (int y = 0; y < kPanelH; ++y)
        for (int x = 0; x < kPanelW; ++x)
            if (!m_lit[std::size_t(y * kPanelW + x)])
                bits[std::size_t(y * (kPanelW / 8) + x / 8)] |= std::uint8_t(0x80 >> (x % 8));
    out.setBits(std::move(bits));
}

} // namespace core::render
