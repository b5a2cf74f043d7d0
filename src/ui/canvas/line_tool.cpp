#include "ui/canvas/line_tool.h"

#include "core/tags/line_tag.h"

namespace ui {

CLineTool::CLineTool(CScreenCanvas &canvas)
    : CDragShapeTool(canvas, 12, CScreenCanvas::Band::Line)
{ }

QRect CLineTool::bandRect(const QPoint &device) const
{
    // Not normalised: the two corners are the line's ends.
    return QRect(m_downDevice, device);
}

void CLineTool::shapeTag(core::CTag &tag, const QPoint &upDevice)
{
    auto &line = static_cast<core::CLineTag &>(tag);
    const core::CPoint end = m_canvas.toLogical(upDevice);
    line.SetStart(m_downLogical.x, m_downLogical.y);
    line.SetEnd(end.x, end.y);
    line.UpdateRect();
}

} // namespace ui
