#include "ui/canvas/key_placement.h"

#include "ui/canvas/screen_canvas.h"
#include "ui/canvas/tool_ids.h"

#include "core/tags/tag.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace ui {

bool CKeyPlacement::keyPressed(int key, bool shift)
{
    if (m_canvas.tool() == ToolSelect)
        return false;
    const int step = shift ? 8 : 1;
    int dx = 0;
    int dy = 0;
    switch (key) {
    case Qt::Key_Left:
        dx = -step;
        break;
    case Qt::Key_Right:
        dx = step;
        break;
    case Qt::Key_Up:
        dy = -step;
        break;
    case Qt::Key_Down:
        dy = step;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        place();
        return true;
    default:
        return false;
    }
    m_at.x = std::clamp(m_at.x + dx, 0, core::kPanelWidth - 1);
    m_at.y = std::clamp(m_at.y + dy, 0, core::kPanelHeight - 1);
    m_canvas.update();
    return true;
}

void CKeyPlacement::follow(core::CPoint logical)
{
    m_at = {std::clamp(logical.x, 0, core::kPanelWidth - 1),
            std::clamp(logical.y, 0, core::kPanelHeight - 1)};
}

void CKeyPlacement::place()
{
    // The middle of the display pixel: the canvas maps it back to exactly that pixel.
    const QPoint device
            = m_canvas.toDevice(core::CRect{m_at.x, m_at.y, m_at.x + 1, m_at.y + 1}).center();
    const QPointF global = m_canvas.mapToGlobal(QPointF(device));
    QMouseEvent press(QEvent::MouseButtonPress, device, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&m_canvas, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, device, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(&m_canvas, &release);
}

void CKeyPlacement::paint(QPainter &p) const
{
    if (m_canvas.tool() == ToolSelect || !m_canvas.hasFocus())
        return;
    const QRect pixel = m_canvas.toDevice(core::CRect{m_at.x, m_at.y, m_at.x + 1, m_at.y + 1});
    const QPoint c = pixel.center();
    constexpr int kArm = 6;
    p.save();
    p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    p.setPen(Qt::white);
    p.drawLine(c.x() - kArm, c.y(), c.x() + kArm, c.y());
    p.drawLine(c.x(), c.y() - kArm, c.x(), c.y() + kArm);
    p.restore();
}

} // namespace ui
