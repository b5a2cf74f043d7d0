#include "core/editor/snap_rule.h"

#include "core/tags/tag.h"

#include <algorithm>

namespace core::editor {

CPoint snappedOffset(CPoint current, CPoint down, const CRect &bounds, int xDot, int yDot)
{
    if (current == down)
        return {0, 0};
    // The grid dialog offers pitches of 4 and more; a damaged INI value must not divide by zero.
    const std::int32_t gx = std::max(1, xDot);
    const std::int32_t gy = std::max(1, yDot);
    std::int32_t nx = std::min(kPanelWidth - gx, std::max(current.x - down.x + bounds.left, 0));
    std::int32_t ny = std::min(kPanelHeight - gy, std::max(current.y - down.y + bounds.top, 0));
    if (bounds.right <= kPanelWidth && bounds.bottom <= kPanelHeight) {
        if (nx + bounds.Width() > kPanelWidth)
            nx = kPanelWidth - bounds.Width();
        if (ny + bounds.Height() > kPanelHeight)
            ny = kPanelHeight - bounds.Height();
    }
    nx = (nx / gx) * gx;
    ny = (ny / gy) * gy;
    return {nx - bounds.left, ny - bounds.top};
}

} // namespace core::editor
