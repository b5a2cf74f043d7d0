#pragma once

// Adds or removes one screen as an undo step. The screen is kept as a snapshot while it is out
// of the project. Built after the fact: the first redo finds the change already made.

#include "ui/undo/screen_host.h"

#include "core/editor/screen_snapshot.h"

#include <QUndoCommand>

namespace ui {

class CScreenPresenceCommand : public QUndoCommand
{
public:
    enum class Kind { Added, Removed };
    // `snapshot` is the screen as it is (added) or was (removed).
    CScreenPresenceCommand(IScreenHost &project, Kind kind, core::ScreenSnapshot snapshot,
                           QUndoCommand *parent = nullptr);

    void undo() override;
    void redo() override;

private:
    void add();
    void remove();

    IScreenHost &m_project;
    Kind m_kind;
    core::ScreenSnapshot m_snapshot;
    bool m_done = true;
};

} // namespace ui
