#pragma once

// The screen property dialog's changes as one undo step: number, name, neighbours, background
// and password, from the state before the dialog to the state it was confirmed with.

#include "ui/undo/screen_host.h"

#include "core/presenters/screen_prop_dlg.h"

#include <QUndoCommand>

namespace ui {

class CScreenPropsCommand : public QUndoCommand
{
public:
    // The screen shows `after` already.
    CScreenPropsCommand(IScreenHost &project, core::ScreenProps before, core::ScreenProps after);

    void undo() override;
    void redo() override;

private:
    void apply(const core::ScreenProps &from, const core::ScreenProps &to);

    IScreenHost &m_project;
    core::ScreenProps m_before;
    core::ScreenProps m_after;
    bool m_done = true;
};

} // namespace ui
