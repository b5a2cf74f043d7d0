#pragma once

// Adds or removes one screen as an undo step. The screen is kept as a snapshot while it is out
// of the project. Built after the fact: the first redo finds the change already made.

#include "ui/app/core_model.h"

#include <QUndoCommand>

namespace ui {

class CScreenHost;

class CScreenPresenceCommand : public QUndoCommand
{
public:
    enum class Kind { Added, Removed };
    // `snapshot` is the screen as it is (added) or was (removed).
    CScreenPresenceCommand(CScreenHost &host, Kind kind, core::ScreenSnapshot snapshot,
                           QUndoCommand *parent = nullptr);

    void undo() override;
    void redo() override;

private:
    void add();
    void remove();

    CScreenHost &m_host;
    Kind m_kind;
    core::ScreenSnapshot m_snapshot;
    bool m_done = true;
};

} // namespace ui
