#include "ui/canvas/rect_input_tool.h"

#include "core/tags/rect_tag.h"

namespace ui {

CRectInputTool::CRectInputTool(CScreenCanvas &canvas)
    : CDragShapeTool(canvas, 11, CScreenCanvas::Band::Rect)
{ }

void CRectInputTool::shapeTag(core::CTag &tag, const QPoint &upDevice)
{
    auto &rect = static_cast<core::CRectTag &>(tag);
    const QRect band = QRect(m_downDevice, upDevice).normalized();
    const core::CPoint a = m_canvas.toLogical(band.topLeft());
    const core::CPoint b = m_canvas.toLogical(band.topLeft() + QPoint(band.width(), band.height()));
    rect.MoveTo(a.x, a.y);
    rect.SetWidth(b.x - a.x);
    rect.SetHeight(b.y - a.y);
    rect.UpdateRect();
}

} // namespace ui
