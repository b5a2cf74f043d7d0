#include "ui/canvas/circle_tool.h"

#include "core/editor/canvas_mapping.h"
#include "core/tags/circle_tag.h"

namespace ui {

CCircleTool::CCircleTool(CScreenCanvas &canvas)
    : CDragShapeTool(canvas, 13, CScreenCanvas::Band::Ellipse)
{ }

QRect CCircleTool::bandRect(const QPoint &device) const
{
    const core::CRect r = core::editor::squareFromDrag({m_downDevice.x(), m_downDevice.y()},
                                                       {device.x(), device.y()});
    return QRect(r.left, r.top, r.Width(), r.Height());
}

void CCircleTool::shapeTag(core::CTag &tag, const QPoint &upDevice)
{
    auto &circle = static_cast<core::CCircleTag &>(tag);
    const QRect sq = bandRect(upDevice);
    const core::CPoint a = m_canvas.toLogical(sq.topLeft());
    const core::CPoint b = m_canvas.toLogical(sq.topLeft() + QPoint(sq.width(), sq.height()));
    circle.MoveTo(a.x, a.y);
    circle.SetRadius((b.x - a.x) / 2);
    circle.UpdateRect();
}

} // namespace ui
