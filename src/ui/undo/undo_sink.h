#pragma once

// Where the editing windows hand over their changes, each as one undo step. The project
// controller keeps the one undo stack behind it; the canvas and its tools know only this much, so
// the modified state stays the stack's alone.

class QString;
class QUndoCommand;

namespace ui {

class IUndoSink
{
public:
    // Takes the command; the change it holds is made already (its first redo does nothing).
    virtual void push(QUndoCommand *command) = 0;
    // The commands pushed between these two are one step under `text`.
    virtual void beginMacro(const QString &text) = 0;
    virtual void endMacro() = 0;

protected:
    ~IUndoSink() = default;
};

} // namespace ui
