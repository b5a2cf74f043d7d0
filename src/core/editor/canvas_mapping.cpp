#include "core/editor/canvas_mapping.h"

#include "core/tags/tag.h"

#include <cmath>

namespace core::editor {

std::int32_t nearest(double v)
{
    return std::int32_t(v >= 0 ? v + 0.5 : v - 0.5);
}

CCanvasMapping::CCanvasMapping(double sx, double sy)
    : m_sx(sx > 0 ? sx : 2.0)
    , m_sy(sy > 0 ? sy : 2.0)
{ }

std::int32_t CCanvasMapping::deviceWidth() const
{
    return nearest(kPanelWidth * m_sx);
}

std::int32_t CCanvasMapping::deviceHeight() const
{
    return nearest(kPanelHeight * m_sy);
}

CPoint CCanvasMapping::toLogical(CPoint device) const
{
    return {std::int32_t(std::floor(device.x / m_sx)), std::int32_t(std::floor(device.y / m_sy))};
}

CPoint CCanvasMapping::toDevice(CPoint logical) const
{
    return {nearest(logical.x * m_sx), nearest(logical.y * m_sy)};
}

CRect CCanvasMapping::toDevice(const CRect &logical) const
{
    const CPoint a = toDevice(CPoint{logical.left, logical.top});
    const CPoint b = toDevice(CPoint{logical.right, logical.bottom});
    return CRect{a.x, a.y, b.x, b.y}.Normalized();
}

CCanvasMapping CCanvasMapping::fit(std::int32_t clientW, std::int32_t clientH,
                                   std::int32_t pictureW, std::int32_t pictureH)
{
    if (pictureW <= 0 || pictureH <= 0)
        return {};
    // The picture's screen rectangle spans twice the panel, so a factor f of the picture is 2f
    // device pixels per panel pixel.
    return {2.0 * clientW / pictureW, 2.0 * clientH / pictureH};
}

CRect squareFromDrag(CPoint down, CPoint current)
{
    CRect r = CRect{down.x, down.y, current.x, current.y}.Normalized();
    if (r.Width() <= r.Height())
        r.right = r.left + r.Height();
    else
        r.bottom = r.top + r.Width();
    return r;
}

} // namespace core::editor
