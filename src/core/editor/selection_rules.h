#pragma once

// Rules the canvas applies to its selection: which tags a rubber band takes, whether a group
// may move, and how one tag moves by an offset.

#include "core/tags/tag.h"

#include <vector>

namespace core::editor {

// A band of no size (a click) takes the tag under its point; any other band takes every tag it
// meets.
bool bandSelects(const CTag &tag, const CRect &band);

// How far a rectangle reaches past the display's edges: the sum over the four sides.
std::int64_t overhang(const CRect &rect);
// The editor keeps tags on the display: a change is kept when it leaves the tag no further off
// the display than it was. A tag that a file brought in hanging off may come back in, never go
// further out.
bool keepsOnDisplay(const CRect &before, const CRect &after);

// The least offset that brings a rectangle onto the display (none when it is on it); one larger
// than the display is aligned with its top-left corner. A tag the editor makes starts there.
CPoint offsetOntoDisplay(const CRect &rect);

// Every tag accepts its rectangle moved by (dx, dy) and stays on the display by the rule above;
// the group moves all or none.
bool acceptsOffset(const std::vector<CTag *> &tags, std::int32_t dx, std::int32_t dy);

// The offset cut down so that a selection on the display stays on it: a drag past an edge
// lands at the edge. A selection already off the display keeps the offset.
CPoint clampToDisplay(const std::vector<CTag *> &tags, std::int32_t dx, std::int32_t dy);

// Moves one tag by (dx, dy) when it accepts the moved rectangle. The anchor moves, so a line
// keeps its direction and a pie its layout. Returns whether it moved.
bool moveTagBy(CTag &tag, std::int32_t dx, std::int32_t dy);

// Moves the tag so that its rectangle's top-left lands on `target`'s (sizes are kept by the
// arrange commands); false when the tag refuses.
bool moveTagToRect(CTag &tag, const CRect &target);

} // namespace core::editor
