#pragma once

// Drags out a rectangle (kind 11): its corner is the dragged rectangle's top-left.

#include "ui/canvas/drag_shape_tool.h"

namespace ui {

class CRectInputTool : public CDragShapeTool
{
public:
    explicit CRectInputTool(CScreenCanvas &canvas);

protected:
    void shapeTag(core::CTag &tag, const QPoint &upDevice) override;
};

} // namespace ui
