#pragma once

// The main window's commands: every QAction (named, so tests and the layout find them), the
// menus and the toolbars, wired to the main frame. The frame keeps the behaviour; this class
// keeps the texts, shortcuts and the order they appear in.

#include "ui/canvas/canvas_actions.h"

#include <QCoreApplication>
#include <QKeySequence>

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

    QComboBox *zoomBox() const { return m_zoomBox; }
    QMenu *recentMenu() const { return m_recentMenu; }
    QAction *undoAction() const { return m_undo; }
    QAction *redoAction() const { return m_redo; }
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
    QAction *add(const QString &name, const QString &text, const QKeySequence &key = {});
    void createActions();
    void createMenus();
    void createToolBars();
    void createToolActions();
    void createToolMenus();
    void createCommMenu();

    CMainFrame &m_frame;
    QComboBox *m_zoomBox = nullptr;
    QMenu *m_recentMenu = nullptr;
    QMenu *m_editMenu = nullptr;
    QAction *m_undo = nullptr;
    QAction *m_redo = nullptr;
    std::vector<QAction *> m_tools;
    std::vector<std::pair<QAction *, CanvasCommand>> m_canvasActions;
};

} // namespace ui
