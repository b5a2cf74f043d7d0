#include "ui/undo/screen_props_command.h"

#include "ui/undo/screen_host.h"

#include "ui/app/core_model.h"

#include <QCoreApplication>

namespace ui {

ScreenProps ScreenProps::of(const core::CScreenData &screen)
{
    ScreenProps p;
    p.number = screen.Number();
    p.name = screen.Name();
    p.prev = screen.PrevScreen();
    p.next = screen.NextScreen();
    p.background = screen.BackgroundImage();
    p.backgroundOn = screen.IsBackgroundOn();
    p.passwordOn = screen.IsPasswordOn();
    return p;
}

CScreenPropsCommand::CScreenPropsCommand(CScreenHost &host, ScreenProps before, ScreenProps after)
    : m_host(host)
    , m_before(std::move(before))
    , m_after(std::move(after))
{
    setText(QCoreApplication::translate("ui::CMainFrame", "화면 속성"));
}

bool CScreenPropsCommand::apply(CScreenHost &host, const ScreenProps &from, const ScreenProps &to)
{
    auto *doc = host.document();
    core::CScreenData *screen = doc ? doc->FindScreen(from.number) : nullptr;
    if (!screen || doc->RenumberScreen(*screen, to.number) != 0)
        return false;
    screen->SetName(to.name);
    screen->SetPrevScreen(to.prev);
    screen->SetNextScreen(to.next);
    screen->SetBackgroundImage(to.background);
    screen->SetBackgroundOn(to.backgroundOn);
    screen->SetPasswordOn(to.passwordOn);
    host.screensChanged();
    return true;
}

void CScreenPropsCommand::undo()
{
    apply(m_host, m_after, m_before);
}

void CScreenPropsCommand::redo()
{
    if (m_done) {
        m_done = false;
        return;
    }
    apply(m_host, m_before, m_after);
}

} // namespace ui
