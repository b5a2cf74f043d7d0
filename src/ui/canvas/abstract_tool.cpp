#include "ui/canvas/abstract_tool.h"

#include "ui/canvas/screen_canvas.h"

#include <QMouseEvent>

namespace ui {

CAbstractTool::CAbstractTool(CScreenCanvas &canvas, int toolId)
    : m_canvas(canvas)
    , m_toolId(toolId)
{ }

CAbstractTool::~CAbstractTool() = default;

void CAbstractTool::mousePressed(QMouseEvent *event)
{
    m_pressed = true;
    m_downModifiers = event->modifiers();
    m_downDevice = m_lastDevice = event->position().toPoint();
}

void CAbstractTool::mouseMoved(QMouseEvent *event)
{
    m_lastDevice = event->position().toPoint();
}

void CAbstractTool::mouseReleased(QMouseEvent *event)
{
    (void)event;
    m_pressed = false;
}

void CAbstractTool::cancel()
{
    m_pressed = false;
    m_canvas.setBand(CScreenCanvas::Band::None);
}

} // namespace ui
