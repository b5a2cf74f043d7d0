#pragma once

// The main window's commands: every QAction, built here and nowhere else, the menus and the
// toolbars, wired to the main frame. The frame keeps the behaviour; this class keeps the texts,
// shortcuts and the order they appear in. Each action keeps an object name for tests and
// accessibility, but code reaches it by identity (main_action_id.h).

#include "ui/app/main_action_id.h"
#include "ui/canvas/canvas_actions.h"

#include <QCoreApplication>
#include <QKeySequence>

#include <array>
#include <functional>
#include <utility>
#include <vector>

class QAction;
class QComboBox;
class QMenu;

namespace ui {

class CMainFrame;

class CMainActions
{
    // The texts are the main window's.
    Q_DECLARE_TR_FUNCTIONS(ui::CMainFrame)
public:
    explicit CMainActions(CMainFrame &frame);

    QAction *action(MainAction id) const { return m_actions[std::size_t(id)]; }
    // The drawing tool's action; nullptr for an id that is no tool.
    QAction *tool(int toolId) const;
    // The arrange command's action; nullptr for a command that has none in the main window.
    QAction *canvasAction(CanvasCommand command) const;
    QComboBox *zoomBox() const { return m_zoomBox; }
    QMenu *recentMenu() const { return m_recentMenu; }
    // The canvas commands with the command each runs on the active canvas.
    const std::vector<std::pair<QAction *, CanvasCommand>> &canvasActions() const
    {
        return m_canvasActions;
    }
    // Checks the tool's toolbar button (the select tool after a tool finished).
    void checkTool(int toolId);
    // The checked tool.
    int currentTool() const;

private:
    QAction *create(const char *name, const QString &text, const QKeySequence &key = {});
    QAction *add(MainAction id, const char *name, const QString &text,
                 const QKeySequence &key = {});
    // Adds the command and runs `run` on the frame when it is triggered.
    void command(MainAction id, const char *name, const QString &text, const QKeySequence &key,
                 std::function<void()> run);
    QList<QAction *> actions(std::initializer_list<MainAction> ids) const;
    void createActions();
    void createFileActions();
    void createEditActions();
    void createViewActions();
    void createProjectActions();
    void createCsvActions();
    void createCommActions();
    void createMenus();
    void createToolBars();
    void createToolActions();
    // The menus after the main ones (main_actions_menus.cpp).
    void createToolMenus();
    void createCommMenu();
    // The manual and the About box, as the last menu.
    void createHelp();

    CMainFrame &m_frame;
    std::array<QAction *, kMainActionCount> m_actions{};
    QComboBox *m_zoomBox = nullptr;
    QMenu *m_recentMenu = nullptr;
    QMenu *m_editMenu = nullptr;
    std::vector<QAction *> m_tools;
    std::vector<std::pair<QAction *, CanvasCommand>> m_canvasActions;
};

} // namespace ui
