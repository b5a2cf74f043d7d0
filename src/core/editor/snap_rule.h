#pragma once

// Where a dragged selection lands when tags snap to the grid: the selection's bounding rectangle
// is kept on the panel and its top-left corner is rounded down to the grid pitch.

#include "core/tags/geometry.h"

namespace core::editor {

// The offset by which the selection moves, from the press point `down` to `current` (logical
// points). A pitch below 1 is taken as 1 (no rounding on that axis); without movement the offset
// is zero.
CPoint snappedOffset(CPoint current, CPoint down, const CRect &bounds, int xDot, int yDot);

// Without snapping the selection follows the mouse exactly.
inline CPoint rawOffset(CPoint current, CPoint down)
{
    return {current.x - down.x, current.y - down.y};
}

} // namespace core::editor
