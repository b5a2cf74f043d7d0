#pragma once

// The base of the canvas's drawing tools. A tool acts for one press of the left button: the canvas
// hands it the press, the moves, the release and double clicks, and sets the select tool again
// after every release. The base records the press (the tool then holds the mouse) and the last
// point in device and panel coordinates.

#include "core/tags/geometry.h"

#include <QPoint>

class QMouseEvent;

namespace ui {

class CScreenCanvas;

class CAbstractTool
{
public:
    CAbstractTool(CScreenCanvas &canvas, int toolId);
    virtual ~CAbstractTool();

    int toolId() const { return m_toolId; }
    // The grid's Snap setting, copied in by the canvas before each press.
    void setSnap(bool snap) { m_snap = snap; }
    bool isPressed() const { return m_pressed; }

    virtual void mousePressed(QMouseEvent *event);
    virtual void mouseMoved(QMouseEvent *event);
    virtual void mouseReleased(QMouseEvent *event);
    virtual void mouseDoubleClicked(QMouseEvent *event) { (void)event; }
    // Escape while pressed: the rubber band goes and the press ends.
    virtual void cancel();

protected:
    CScreenCanvas &m_canvas;
    int m_toolId;
    bool m_snap = false;
    bool m_pressed = false;
    Qt::KeyboardModifiers m_downModifiers;
    QPoint m_downDevice;
    QPoint m_lastDevice;
    core::CPoint m_downLogical;
    core::CPoint m_lastLogical;
};

} // namespace ui
