#pragma once

// Places a tag of its kind with the kind's default size where the button goes down; the new tag
// then follows the mouse like a moved selection and lands where the button comes up. Creation and
// placement are one undo step.

#include "ui/canvas/select_tool.h"

namespace core {
class CTag;
}

namespace ui {

class CPointTagTool : public CSelectTool
{
public:
    CPointTagTool(CScreenCanvas &canvas, int kind);

    void mousePressed(QMouseEvent *event) override;
    void mouseMoved(QMouseEvent *event) override;
    void mouseDoubleClicked(QMouseEvent *event) override { (void)event; }
    void cancel() override;

protected:
    void commitMove(core::CPoint offset) override;

private:
    void pushCreated();
    core::CTag *m_created = nullptr;
};

} // namespace ui
