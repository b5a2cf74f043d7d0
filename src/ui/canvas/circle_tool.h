#pragma once

// Drags out a circle (kind 13) in the square spanned from the press point.

#include "ui/canvas/drag_shape_tool.h"

namespace ui {

class CCircleTool : public CDragShapeTool
{
public:
    explicit CCircleTool(CScreenCanvas &canvas);

protected:
    QRect bandRect(const QPoint &device) const override;
    void shapeTag(core::CTag &tag, const QPoint &upDevice) override;
};

} // namespace ui
