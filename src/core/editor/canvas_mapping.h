#pragma once

// Panel pixels to canvas device pixels and back, for scale factors sx and sy (device pixels per
// panel pixel; 2 at 100 %), and the rubber-band shapes the creating tools drag out.

#include "core/tags/geometry.h"

namespace core::editor {

// Rounds half away from zero.
std::int32_t nearest(double v);

class CCanvasMapping
{
public:
    CCanvasMapping(double sx = 2.0, double sy = 2.0);

    double sx() const { return m_sx; }
    double sy() const { return m_sy; }
    // The canvas size in device pixels for the 192 x 64 panel.
    std::int32_t deviceWidth() const;
    std::int32_t deviceHeight() const;

    // The panel pixel that holds a device point.
    CPoint toLogical(CPoint device) const;
    // A logical rectangle in device pixels, normalised.
    CRect toDevice(const CRect &logical) const;
    CPoint toDevice(CPoint logical) const;

    // The view's fit zoom: each axis separately, so the picture fills the client area.
    static CCanvasMapping fit(std::int32_t clientW, std::int32_t clientH, std::int32_t pictureW,
                              std::int32_t pictureH);

private:
    double m_sx;
    double m_sy;
};

// The circle tool's band: the rectangle from `down` to `current`, normalised, with its shorter
// side grown to the longer one (the right edge when it is not wider than high, else the bottom).
CRect squareFromDrag(CPoint down, CPoint current);

} // namespace core::editor
