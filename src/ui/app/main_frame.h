#pragma once

// The main window: one project at a time with its undo stack, the MDI area with one editor view
// per open screen, the project window, menus, toolbars, the status-bar memory gauges, recent
// files, auto-save and dropped project files.

#include "ui/undo/screen_host.h"

#include "ui/app/core_model.h"

#include <QImage>
#include <QMainWindow>
#include <QTimer>

#include <memory>

class QAction;
class QComboBox;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QMimeData;
class QUndoStack;

namespace ui {

class CDorvaneView;
class CMemoryGauges;
class CProjectWindow;
class CZoomWnd;

class CMainFrame : public QMainWindow, public CScreenHost
{
    Q_OBJECT
public:
    CMainFrame(core::CAppServices &services, const QImage &panelPicture, QWidget *parent = nullptr);
    ~CMainFrame() override;

    core::CAppServices &services() { return m_services; }
    core::CDorvaneDoc *document() const override { return m_doc.get(); }
    QUndoStack *undoStack() const { return m_undo.get(); }
    QMdiArea *mdiArea() const { return m_mdi; }
    CProjectWindow *projectWindow() const { return m_project; }
    CMemoryGauges *gauges() const { return m_gauges; }
    QComboBox *zoomBox() const { return m_zoomBox; }
    QTimer &autoSaveTimer() { return m_autoSave; }
    QAction *action(const QString &name) const;
    // The panel language's LANGID: the code page of the project's texts.
    std::uint16_t panelLangId() const;

    // --- project ----------------------------------------------------------------------------
    // New with the given settings (the dialog's result); false when the document refuses.
    bool newProject(const core::NewProjectSettings &settings);
    bool openFile(const QString &path);
    bool save();
    bool saveAs(const QString &path);
    // Offers to save a modified project (Yes saves, No discards, Cancel keeps it): false on
    // Cancel or a failed save.
    bool maybeSave();
    // Closes without asking.
    void closeProject();
    QStringList recentFiles() const;
    // Opens the first project file of dropped data; the window's drop handler uses it.
    bool openDropped(const QMimeData *mime);
    static QString droppedProject(const QMimeData *mime);

    // --- screens ----------------------------------------------------------------------------
    CDorvaneView *findView(std::uint16_t number) const;
    CDorvaneView *activeView() const;
    // Activates the screen's view or opens one.
    CDorvaneView *showScreen(std::uint16_t number);
    // The function-key dialog for key 0-7 of a screen; its OK is one undo step.
    void editFunctionKey(std::uint16_t screenNumber, int key);
    // The read-only overview of a screen's function keys.
    void showFunctionKeyList(std::uint16_t screenNumber);
    // Opens the new-screen dialog; the screen it adds is one undo step.
    void newScreen();
    // Adds a screen as if through the dialog (number and UTF-8 name); returns the message or 0.
    int addScreen(int number, const QString &name);
    // Deletes screens (asked first unless `ask` is false); one undo step.
    void deleteScreens(const std::vector<std::uint16_t> &numbers, bool ask, int question);
    void copyScreens(const std::vector<std::uint16_t> &numbers);
    void pasteScreens();
    void editScreenProperties(std::uint16_t number);
    void setZoom(int index);
    void setAutoSaveInterval(int minutes);

    void screenRemoving(std::uint16_t number) override;
    void screensChanged() override;

public slots:
    void onNew();
    void onOpen();
    void onSave();
    void onSaveAs();
    void onClose();
    void onAutoSave();
    void onOptions();
    void onGridSnap();
    void onMemoryUse();
    void onDeleteScreen();
    void onDelete();
    void onCut();
    void onCopy();
    void onPaste();

protected:
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void createActions();
    void createMenus();
    void createToolBars();
    void createStatusBar();
    void createProjectWindow();
    QAction *addAction(const QString &name, const QString &text, const QKeySequence &key,
                       void (CMainFrame::*slot)());
    void startProject(std::unique_ptr<core::CDorvaneDoc> doc);
    void updateTitle();
    void updateActions();
    void addRecentFile(const QString &path);
    void removeRecentFile(const QString &path);
    void updateRecentMenu();
    void pushScreenSnapshotCommands(const std::vector<std::uint16_t> &numbers, bool removed);
    void forEachView(const std::function<void(CDorvaneView *)> &fn) const;

    core::CAppServices &m_services;
    QImage m_picture;
    std::unique_ptr<core::CDorvaneDoc> m_doc;
    std::unique_ptr<QUndoStack> m_undo;
    QMdiArea *m_mdi = nullptr;
    CProjectWindow *m_project = nullptr;
    CMemoryGauges *m_gauges = nullptr;
    QComboBox *m_zoomBox = nullptr;
    QMenu *m_recentMenu = nullptr;
    QMenu *m_editMenu = nullptr;
    QAction *m_undoAction = nullptr;
    QAction *m_redoAction = nullptr;
    QTimer m_autoSave;
    CZoomWnd *m_zoomWnd = nullptr;
    std::vector<QAction *> m_canvasActions;
};

} // namespace ui
