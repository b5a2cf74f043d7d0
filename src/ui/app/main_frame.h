#pragma once

// The main window: the MDI area with one editor view per open screen, the project window, the
// menus and toolbars, the status-bar memory gauges, recent files, auto-save and dropped project
// files. The open project and its undo stack belong to the project controller; the frame asks
// the user, opens the dialogs and keeps the windows in step with the controller's signals.

#include "ui/app/main_action_id.h"
#include "ui/tags/tag_prop_dialog.h"

#include "core/report/report_setup_dlg.h"

#include <QImage>
#include <QMainWindow>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class QAction;
class QComboBox;
class QMdiArea;
class QMimeData;
class QPrinter;
class QUndoStack;

namespace core {
class CAppServices;
class CDorvaneDoc;
class CMessageTag;
struct NewProjectSettings;
} // namespace core

namespace comm {
class CCommThread;
}

namespace ui {

class CPanelPreviewWindow;

class CDorvaneView;
class CMainActions;
class CMemoryGauges;
class CProjectController;
class CProjectWindow;
class CRecentFilesMenu;
class CZoomWnd;

class CMainFrame : public QMainWindow
{
    Q_OBJECT
public:
    CMainFrame(core::CAppServices &services, const QImage &panelPicture, QWidget *parent = nullptr);
    ~CMainFrame() override;

    core::CAppServices &services() { return m_services; }
    CProjectController &controller() const { return *m_controller; }
    core::CDorvaneDoc *document() const;
    QUndoStack *undoStack() const;
    std::uint16_t panelLangId() const;
    QMdiArea *mdiArea() const { return m_mdi; }
    CProjectWindow *projectWindow() const { return m_project; }
    CMemoryGauges *gauges() const { return m_gauges; }
    CZoomWnd *zoomWindow() const { return m_zoomWnd; }
    QComboBox *zoomBox() const;
    QTimer &autoSaveTimer() { return m_autoSave; }
    // The window's commands; tests reach an action through its identity too.
    const CMainActions &actions() const { return *m_actions; }
    QAction *action(MainAction id) const;

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
    // Headless runs keep the user's recent-file list as it is.
    void keepRecentFiles();
    // Opens the first project file of dropped data; the window's drop handler uses it.
    bool openDropped(const QMimeData *mime);
    static QString droppedProject(const QMimeData *mime);

    // --- screen windows (main_frame_windows.cpp) --------------------------------------------
    CDorvaneView *findView(std::uint16_t number) const;
    CDorvaneView *activeView() const;
    // Activates the screen's view or opens one.
    CDorvaneView *showScreen(std::uint16_t number);
    void setZoom(int index);
    // Cascade at 100 % or tile at the fitting zoom.
    void arrangeWindows(bool tile);
    // The drawing tool of every canvas; a tool other than select needs an open screen.
    void chooseTool(int toolId);

    // --- help (main_frame_help.cpp) ----------------------------------------------------------
    // The manual of the interface language (another language's when it has none), beside the
    // program; one window, brought to the front when it is open already.
    void showManual();
    void showAbout();

    // --- screens ----------------------------------------------------------------------------
    // The function-key dialog for key 0-7 of a screen; its OK is one undo step.
    void editFunctionKey(std::uint16_t screenNumber, int key);
    // The read-only overview of a screen's function keys.
    void showFunctionKeyList(std::uint16_t screenNumber);
    // Opens the new-screen dialog; the screen it adds is one undo step.
    void newScreen();
    // Adds a screen as if through the dialog and shows it; 0 or the message.
    int addScreen(int number, const QString &name);
    // Deletes screens after the question `question` (none when 0); one undo step.
    void deleteScreens(const std::vector<std::uint16_t> &numbers, int question);
    void editScreenProperties(std::uint16_t number);
    // The property dialog of a tag of a screen; its OK is one undo step (none without a change).
    void editTagProperties(std::uint16_t screenNumber, core::CTag *tag);
    // What the tag property dialogs need: the driver slots, the address entry, the image
    // library, and the repaint of the screen's canvas.
    TagDialogContext tagDialogContext(std::uint16_t screenNumber);
    // The value-to-message table of a message tag; true when OK changed it.
    bool editMessageTable(QWidget *parent, core::CMessageTag &tag);
    void showTagList();

    // --- common functions (main_frame_functions.cpp) -------------------------------------------
    // The four lists; OK that changed a list is one undo step.
    void editAlarms();
    void editCalculations();
    // Refused (50200) while neither channel holds a PLC.
    void editTransfers();
    void editReservations();
    // The message manager; what it changed is one undo step.
    void editMessages();
    // The registered images; removing the unused ones is one undo step.
    void showRegisteredImages();
    // The function keys of the active screen (else the first one).
    void showFunctionKeys();
    void showUsedSystemMemory();
    void setAutoSaveInterval(int minutes);

    // --- cross-reference (main_frame_xref.cpp) -----------------------------------------------
    // The cross-reference window, built anew from the document; its users lead to their tag,
    // function key, list or settings.
    void showCrossReference();

    // --- project tools (main_frame_tools.cpp); each change is one undo step ------------------
    // The address replace window; OK applies its plan.
    void replaceAddresses();
    // A table as CSV; with no path the user chooses the file. False when nothing was written or
    // read; the reason has been shown.
    bool exportCsv(int table, QString path = {});
    bool importCsv(int table, QString path = {});

    // --- project settings (main_frame_params.cpp); each OK is one undo step ----------------
    void editPanelSettings();
    // Channel 1 or 2, with the configuration controls.
    void editChannelSettings(int channel);
    // Asks 52103 for a changed type, then tells how many addresses took the new default.
    void changePlcType();
    // The PC's port to the panel: written to APP.INI, not part of the project.
    void changeComPort();

    // --- communication (main_frame_comm.cpp) ---------------------------------------------------
    // The program's one link to the panel.
    comm::CCommThread &link() { return *m_link; }
    // Before a command: waits (without blocking the window) until a stopped transfer has left
    // the link, then hands it the device of its port slot.
    void prepareLink();
    void download();
    void upload();
    // Font download of `path`; with none, the file dialog on the Fonts folder asks.
    void downloadFont(const QString &path = {});
    void eraseMemory();
    // The panel's clock, password and alarm history (windows in ui/comm/panel_windows.h).
    void showPanelClock();
    void setPanelPassword();
    void removePanelPassword();
    void showAlarmHistory();
    void deleteAlarmHistory();
    void startOsDownloader();
    void showSystemInfo();

    // --- printing and export (main_frame_print.cpp) ----------------------------------------
    // The report of the chosen screens (every screen when none) as an A4 PDF file, its screen
    // pictures `pictureWidth` percent of the printable width: its page count, or 0 when it could
    // not be written. With `crossReference` the cross-reference closes it.
    int exportReportPdf(const QString &path, const std::vector<std::uint16_t> &screens = {},
                        int pictureWidth = core::CReportSetupDlg::kDefaultPictureWidth,
                        bool crossReference = false);
    // One file a screen (screen_NNN.png or .svg) in `dir`, bare or as the editor draws it;
    // false when a file could not be written.
    bool exportScreenPictures(const QString &dir, const std::vector<std::uint16_t> &screens,
                              int scale, bool bare, bool svg);
    // Draws the report on a printer; its page count.
    int printReport(QPrinter &printer, const std::vector<std::uint16_t> &screens, int pictureWidth,
                    bool crossReference = false);
    // Asks which screens the report shows, how wide their pictures are and whether the
    // cross-reference closes it; false on Cancel.
    bool askReportSetup(std::vector<std::uint16_t> &screens, int &pictureWidth,
                        bool &crossReference);
    void onPrint();
    void onPrintPreview();
    void onExportPdf();
    void onExportPictures();

    // --- the running panel (main_frame_preview.cpp) -----------------------------------------
    // Opens (or raises) the preview of the open project. A new preview starts, as the panel
    // does, on the project's initial screen; `fromOpenScreen` shows the open window's screen.
    void showPreview(bool fromOpenScreen = false);
    CPanelPreviewWindow *previewWindow() const { return m_preview.get(); }

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
    void changeEvent(QEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void connectController();
    void connectProjectWindow();
    void documentChanged();
    void screensChanged();
    void closeView(std::uint16_t number);
    // Every screen window goes at once, before the document it shows is replaced or rebuilt.
    void discardViews();
    void updateTitle();
    void updateActions();
    void updateEditActions();
    void forEachView(const std::function<void(CDorvaneView *)> &fn) const;
    void connectView(CDorvaneView *view);
    void initComm();

    core::CAppServices &m_services;
    QImage m_picture;
    CProjectController *m_controller = nullptr;
    QMdiArea *m_mdi = nullptr;
    CProjectWindow *m_project = nullptr;
    CMemoryGauges *m_gauges = nullptr;
    CZoomWnd *m_zoomWnd = nullptr;
    std::unique_ptr<CMainActions> m_actions;
    CRecentFilesMenu *m_recent = nullptr;
    QTimer m_autoSave;
    std::unique_ptr<comm::CCommThread> m_link;
    std::unique_ptr<CPanelPreviewWindow> m_preview;
};

} // namespace ui
