#pragma once

// The base of the tools that drag out a shape (line, rectangle, circle): the press must lie on
// the panel, a rubber band follows the mouse, and a release away from the press point makes one
// tag from the dragged figure. A release on the press point makes nothing.

#include "ui/canvas/abstract_tool.h"
#include "ui/canvas/screen_canvas.h"

#include <memory>

namespace ui {

class CDragShapeTool : public CAbstractTool
{
public:
    CDragShapeTool(CScreenCanvas &canvas, int kind, CScreenCanvas::Band band);

    void mousePressed(QMouseEvent *event) override;
    void mouseMoved(QMouseEvent *event) override;
    void mouseReleased(QMouseEvent *event) override;

protected:
    // The band's device rectangle from the press to `device` (line: its two ends as corners).
    virtual QRect bandRect(const QPoint &device) const;
    // Gives the new tag its geometry from the final device point.
    virtual void shapeTag(core::CTag &tag, const QPoint &upDevice) = 0;

private:
    CScreenCanvas::Band m_band;
};

} // namespace ui
