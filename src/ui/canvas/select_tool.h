#pragma once

// The select tool: a click selects (Shift adds or removes), a drag on empty canvas draws a net
// that selects what it meets, a drag on a tag moves the selection (Ctrl moves a copy, Snap rounds
// to the grid), a drag on a handle of the one selected tag resizes it, and a double click opens
// the properties of the tag or of the screen.

#include "ui/canvas/abstract_tool.h"

namespace core {
class CTag;
}

namespace ui {

class CSelectTool : public CAbstractTool
{
public:
    explicit CSelectTool(CScreenCanvas &canvas, int toolId = 100);

    void mousePressed(QMouseEvent *event) override;
    void mouseMoved(QMouseEvent *event) override;
    void mouseReleased(QMouseEvent *event) override;
    void mouseDoubleClicked(QMouseEvent *event) override;
    void cancel() override;

protected:
    enum class Mode { None, Net, Move, Resize };
    // The offset of a move from the press to the last point.
    core::CPoint moveOffset() const;
    // Applies the final offset of a move; the select tool moves the selection as one step.
    virtual void commitMove(core::CPoint offset);
    void endMacroIfOpen();
    // The rubber band of a resize to the logical point `p`.
    void showTracker(const core::CTag &tag, core::CPoint p);

    Mode m_mode = Mode::None;
    int m_handle = 0;
    bool m_macroOpen = false;
};

} // namespace ui
