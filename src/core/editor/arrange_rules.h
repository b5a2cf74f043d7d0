#pragma once

// The arrange commands of the screen editor as pure functions on rectangles in panel pixels:
// alignment to each other, to the screen's edges, centring and even distribution. Each takes the
// selected tags' rectangles in selection order and returns the rectangles they should take, in the
// same order; a rectangle that should not change comes back unchanged. The editor hands each new
// rectangle to its tag, which may still refuse it.

#include "core/tags/geometry.h"

#include <optional>
#include <vector>

namespace core::editor {

enum class Edge { Left, Right, Top, Bottom };

// The union of the rectangles; an empty rectangle for an empty list.
CRect boundingRect(const std::vector<CRect> &rects);

// Align to the outermost edge among the rectangles, keeping every size. Left and top start from
// the panel's far edge, right and bottom from 0; an edge off the panel changes nothing.
std::vector<CRect> alignRects(const std::vector<CRect> &rects, Edge edge);

// Align each rectangle to the screen's edge; for right and bottom, a rectangle larger than the
// panel stays where it is.
std::vector<CRect> alignToScreen(const std::vector<CRect> &rects, Edge edge);

// Offsets the whole group so that its bounding rectangle is centred on the panel (96 or 32).
std::vector<CRect> centreRects(const std::vector<CRect> &rects, bool horizontal);

// Even spacing over the bounding rectangle, from three rectangles up (fewer come back as they
// are). Nothing when the rectangles together are wider (taller) than the span: the caller reports
// that there is no room.
std::optional<std::vector<CRect>> distributeRects(const std::vector<CRect> &rects, bool horizontal);

} // namespace core::editor
