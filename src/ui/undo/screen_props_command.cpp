#include "ui/undo/screen_props_command.h"

#include <QCoreApplication>

namespace ui {

CScreenPropsCommand::CScreenPropsCommand(IScreenHost &project, core::ScreenProps before,
                                         core::ScreenProps after)
    : m_project(project)
    , m_before(std::move(before))
    , m_after(std::move(after))
{
    setText(QCoreApplication::translate("ui::CMainFrame", "화면 속성"));
}

void CScreenPropsCommand::apply(const core::ScreenProps &from, const core::ScreenProps &to)
{
    if (auto *doc = m_project.document(); doc && core::ApplyScreenProps(*doc, from, to))
        m_project.notifyScreensChanged();
}

void CScreenPropsCommand::undo()
{
    apply(m_after, m_before);
}

void CScreenPropsCommand::redo()
{
    if (m_done) {
        m_done = false;
        return;
    }
    apply(m_before, m_after);
}

} // namespace ui
