#pragma once

// Putting a tag down from the keyboard. While a creation tool is chosen a cross marks where the
// tag will go; the arrow keys move it a pixel at a time (Shift: eight) and Enter puts the tool's
// tag there, exactly as a click at that point would. The tool then returns to select with the
// new tag selected, so a second Enter opens its properties.

#include "core/tags/geometry.h"

class QPainter;

namespace ui {

class CScreenCanvas;

class CKeyPlacement
{
public:
    explicit CKeyPlacement(CScreenCanvas &canvas)
        : m_canvas(canvas)
    { }

    // Handles `key` when a creation tool is chosen (arrows, Enter); false leaves it to others.
    bool keyPressed(int key, bool shift);
    // Where the mouse last was over the display: the cross starts from there.
    void follow(core::CPoint logical);
    core::CPoint at() const { return m_at; }
    void paint(QPainter &p) const;

private:
    void place();

    CScreenCanvas &m_canvas;
    core::CPoint m_at{0, 0};
};

} // namespace ui
