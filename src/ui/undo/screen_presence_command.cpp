#include "ui/undo/screen_presence_command.h"

#include "ui/undo/screen_host.h"

#include <QCoreApplication>

namespace ui {

CScreenPresenceCommand::CScreenPresenceCommand(CScreenHost &host, Kind kind,
                                               core::ScreenSnapshot snapshot, QUndoCommand *parent)
    : QUndoCommand(parent)
    , m_host(host)
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
    if (auto *doc = m_host.document()) {
        core::restoreScreen(*doc, m_snapshot, m_snapshot.number);
        m_host.screensChanged();
    }
}

void CScreenPresenceCommand::remove()
{
    auto *doc = m_host.document();
    if (!doc)
        return;
    if (const auto *screen = doc->FindScreen(m_snapshot.number))
        m_snapshot = core::captureScreen(*screen);
    m_host.screenRemoving(m_snapshot.number);
    doc->RemoveScreen(m_snapshot.number);
    m_host.screensChanged();
}

} // namespace ui
