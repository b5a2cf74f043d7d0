#pragma once

// A plain undo stack behind the canvas, standing in for the project controller that takes the
// canvas's commands in the editor.

#include "ui/undo/undo_sink.h"

#include <QUndoStack>

namespace uitest {

class StackSink : public ui::IUndoSink
{
public:
    explicit StackSink(QUndoStack &stack)
        : m_stack(stack)
    { }
    void push(QUndoCommand *command) override { m_stack.push(command); }
    void beginMacro(const QString &text) override { m_stack.beginMacro(text); }
    void endMacro() override { m_stack.endMacro(); }

private:
    QUndoStack &m_stack;
};

} // namespace uitest
