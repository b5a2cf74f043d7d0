// The menus that follow the main ones in the menu bar: the tag and drawing tools and the panel
// commands ahead of the window menu, and the Help menu last.

#include "ui/app/main_actions.h"

#include "ui/app/main_frame.h"
#include "ui/canvas/tool_ids.h"

#include <QAction>
#include <QMenuBar>

namespace ui {

void CMainActions::createToolMenus()
{
    QMenuBar *bar = m_frame.menuBar();
    QAction *before = bar->actions().last(); // ahead of the window menu
    QMenu *tags = new QMenu(tr("태그(&T)"), &m_frame);
    tags->setObjectName(QStringLiteral("tagMenu"));
    for (int id : {ToolDigit, ToolMessage, ToolButton, ToolLamp, ToolBarGraph, ToolTrendGraph,
                   ToolPie, ToolMotor, ToolMobile, ToolClock})
        tags->addAction(tool(id));
    QMenu *draw = new QMenu(tr("그리기(&D)"), &m_frame);
    draw->setObjectName(QStringLiteral("drawMenu"));
    for (int id : {ToolSelect, ToolText, ToolBmpText, ToolBitmap, ToolLine, ToolRect, ToolCircle})
        draw->addAction(tool(id));
    bar->insertMenu(before, tags);
    bar->insertMenu(before, draw);
}

void CMainActions::createCommMenu()
{
    using enum MainAction;
    auto *menu = new QMenu(tr("통신(&C)"), &m_frame);
    menu->setObjectName(QStringLiteral("commMenu"));
    menu->addActions(actions({CommDownload, CommUpload, CommFont, CommClock, CommPasswordSet,
                              CommPasswordRemove, CommErase, CommOsDownload, CommAlarmRead,
                              CommAlarmDelete, CommSysInfo}));
    QMenuBar *bar = m_frame.menuBar();
    bar->insertMenu(bar->actions().last(), menu); // ahead of the window menu
}

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
