#include "ui/undo/screen_presence_command.h"

#include "core/model/dorvane_doc.h"

#include <QCoreApplication>

namespace ui {

CScreenPresenceCommand::CScreenPresenceCommand(IScreenHost &project, Kind kind,
                                               core::ScreenSnapshot snapshot, QUndoCommand *parent)
    : QUndoCommand(parent)
    , m_project(project)
    , m_kind(kind)
    , m_snapshot(std::move(snapshot))
{
    setText(kind == Kind::Added ? QCoreApplication::translate("ui::CMainFrame", "새 화면")
                                : QCoreApplication::translate("ui::CMainFrame", "화면 삭제"));
}

void CScreenPresenceCommand::undo()
{
    m_kind == Kind::Added ? remove() : add();
}

void CScreenPresenceCommand::redo()
{
    // The user's action made the change already.
    if (m_done) {
        m_done = false;
        return;
    }
    m_kind == Kind::Added ? add() : remove();
}

void CScreenPresenceCommand::add()
{
    if (auto *doc = m_project.document()) {
        core::restoreScreen(*doc, m_snapshot, m_snapshot.number);
        m_project.notifyScreensChanged();
    }
}

void CScreenPresenceCommand::remove()
{
    auto *doc = m_project.document();
    if (!doc)
        return;
    if (const auto *screen = doc->FindScreen(m_snapshot.number))
        m_snapshot = core::captureScreen(*screen);
    m_project.notifyScreenRemoving(m_snapshot.number);
    doc->RemoveScreen(m_snapshot.number);
    m_project.notifyScreensChanged();
}

} // namespace ui
