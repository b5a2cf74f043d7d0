#pragma once

// The canvas's right-click menu: the select tool, the edit and arrange commands as far as the
// selection allows them, the grid dialog, and the properties of the one selected tag (else of the
// screen).

#include <QMenu>

#include <memory>

namespace ui {

class CScreenCanvas;

std::unique_ptr<QMenu> buildCanvasContextMenu(CScreenCanvas &canvas);

} // namespace ui
