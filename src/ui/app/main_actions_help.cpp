// The Help menu's commands, the last menu of the main window.

#include "ui/app/main_actions.h"

#include "ui/app/main_frame.h"

#include <QAction>
#include <QMenuBar>

namespace ui {

void CMainActions::createHelp()
{
    using enum MainAction;
    command(HelpManual, "helpManual", tr("사용 설명서(&M)"), QKeySequence::HelpContents,
            [this] { m_frame.showManual(); });
    command(HelpAbout, "helpAbout", tr("Dorvane 정보(&A)..."), {}, [this] { m_frame.showAbout(); });
    action(HelpAbout)->setMenuRole(QAction::AboutRole);
    QMenu *help = m_frame.menuBar()->addMenu(tr("도움말(&H)"));
    help->setObjectName(QStringLiteral("helpMenu"));
    help->addAction(action(HelpManual));
    help->addSeparator();
    help->addAction(action(HelpAbout));
}

} // namespace ui
