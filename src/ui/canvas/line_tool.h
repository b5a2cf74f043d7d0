#pragma once

// Drags out a line (kind 12) from the press point to the release point.

#include "ui/canvas/drag_shape_tool.h"

namespace ui {

class CLineTool : public CDragShapeTool
{
public:
    explicit CLineTool(CScreenCanvas &canvas);

protected:
    QRect bandRect(const QPoint &device) const override;
    void shapeTag(core::CTag &tag, const QPoint &upDevice) override;
};

} // namespace ui
