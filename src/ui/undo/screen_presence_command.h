#pragma once

// Adds or removes one screen as an undo step. The screen is kept as a snapshot while it is out
// of the project. Built after the fact: the first redo finds the change already made.

#include "core/editor/screen_snapshot.h"

#include <QUndoCommand>

namespace ui {

class CProjectController;

class CScreenPresenceCommand : public QUndoCommand
{
public:
    enum class Kind { Added, Removed };
    // `snapshot` is the screen as it is (added) or was (removed).
    CScreenPresenceCommand(CProjectController &project, Kind kind, core::ScreenSnapshot snapshot,
                           QUndoCommand *parent = nullptr);

    void undo() override;
    void redo() override;

private:
    void add();
    void remove();

    CProjectController &m_project;
    Kind m_kind;
    core::ScreenSnapshot m_snapshot;
    bool m_done = true;
};

} // namespace ui
