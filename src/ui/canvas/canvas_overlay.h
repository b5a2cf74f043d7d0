#pragma once

// What the canvas draws over the panel: the grid, the selection marks and the transient figures
// the tools drag out. Plain functions of what they draw, so the canvas stays about the panel.

#include "core/tags/tag.h"

#include <QColor>
#include <QCursor>
#include <QRect>
#include <QSize>

#include <vector>

class QPainter;

namespace core {
struct EditorColors;
struct GridSettings;
namespace editor {
class CCanvasMapping;
}
} // namespace core

namespace ui {

// The figure a tool drags out (device coordinates); `offset` moves the outlines of a dragged
// selection.
struct BandFigure
{
    enum class Kind { None, Focus, Outline, Tracker, Line, Ellipse, Rect };
    Kind kind = Kind::None;
    QRect rect;
    QPoint offset;
};

void paintGrid(QPainter &p, const core::GridSettings &grid,
               const core::editor::CCanvasMapping &mapping, const QColor &colour);
// Handles for tags that have them, a frame around the others.
void paintSelectionMarks(QPainter &p, const std::vector<core::CTag *> &selection,
                         const core::editor::CCanvasMapping &mapping,
                         const core::EditorColors &colours);
// The device pixels paintBandFigure covers (with a pixel to spare), so that a moving band
// repaints only where it was and where it goes.
QRect bandExtent(const BandFigure &band, const std::vector<core::CTag *> &selection,
                 const core::editor::CCanvasMapping &mapping);
// Drawn in XOR, so it shows on any background.
void paintBandFigure(QPainter &p, const BandFigure &band,
                     const std::vector<core::CTag *> &selection,
                     const core::editor::CCanvasMapping &mapping);
// The lock mark of the locked tags among `tags`, inside each tag's top-right corner, and a
// warning mark on the tags that hang off the display.
inline constexpr QSize kLockMarkSize{7, 9};
void paintLockMarks(QPainter &p, const std::vector<const core::CTag *> &tags,
                    const core::editor::CCanvasMapping &mapping);
// The mouse cursor for a handle.
Qt::CursorShape cursorShape(core::TagCursor cursor);
// The cursor of a creation tool: a cross whose centre is the hot spot, with the tool's picture
// beside it, so the user sees which kind of tag the next click puts down.
QCursor toolCursor(int toolId);

} // namespace ui
