#include "ui/app/main_frame.h"

#include "ui/preview/panel_preview_window.h"

#include "ui/app/dialog_factory.h"
#include "ui/app/main_actions.h"
#include "ui/app/memory_gauges.h"
#include "ui/app/project_controller.h"
#include "ui/app/recent_files_menu.h"
#include "ui/canvas/screen_canvas.h"
#include "ui/common/message_box.h"
#include "ui/common/qt_prompt.h"
#include "ui/dialogs/env_config_dialog.h"
#include "ui/dialogs/func_key_dialog.h"
#include "ui/dialogs/func_key_list_dialog.h"
#include "ui/dialogs/grid_snap_dialog.h"
#include "ui/dialogs/memory_use_dialog.h"
#include "ui/project/new_screen_dialog.h"
#include "ui/project/project_window.h"
#include "ui/project/screen_prop_dialog.h"
#include "ui/project/tag_list_dialog.h"
#include "ui/undo/function_keys_command.h"
#include "ui/undo/screen_props_command.h"
#include "ui/view/dorvane_view.h"
#include "ui/view/zoom_wnd.h"

#include "core/app/app_services.h"
#include "core/comm/comm_thread.h"
#include "core/editor/screen_rules.h"

#include "util/message_ids.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QSettings>
#include <QStatusBar>
#include <QTreeWidget>
#include <QUndoStack>

namespace ui {

namespace {

constexpr const char *kLayoutKey = "Software/Dorvane/v1.1/Toolbar Ver1.1";
constexpr int kLayoutVersion = 11;

QSettings settings()
{
    return QSettings(QStringLiteral("KOVA"), QStringLiteral("Dorvane"));
}

} // namespace

CMainFrame::CMainFrame(core::CAppServices &services, const QImage &panelPicture, QWidget *parent)
    : QMainWindow(parent)
    , m_services(services)
    , m_picture(panelPicture)
    , m_controller(new CProjectController(services, this))
{
    setObjectName(QStringLiteral("CMainFrame"));
    setAcceptDrops(true);
    m_mdi = new QMdiArea(this);
    m_mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_mdi);
    connect(m_mdi, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow *) {
        forEachView([this](CDorvaneView *v) { v->setActive(v == activeView()); });
        if (auto *view = activeView()) {
            const QSignalBlocker block(zoomBox());
            zoomBox()->setCurrentIndex(view->zoom());
            m_project->selectScreen(view->screenNumber());
        }
        updateActions();
    });
    m_project = new CProjectWindow(this);
    addDockWidget(Qt::LeftDockWidgetArea, m_project);
    m_zoomWnd = new CZoomWnd(this);
    m_gauges = new CMemoryGauges(nullptr, this);
    statusBar()->addPermanentWidget(m_gauges);
    initComm();
    m_actions = std::make_unique<CMainActions>(*this);
    m_recent = new CRecentFilesMenu(m_actions->recentMenu(), this);
    connect(m_recent, &CRecentFilesMenu::openRequested, this, &CMainFrame::openFile);
    connectProjectWindow();
    connectController();
    // The edit commands follow the focus (tree or screen window), the tree's selection and the
    // clipboard.
    m_project->setScreenFormat(QLatin1String(CProjectController::screenMimeType()));
    connect(qApp, &QApplication::focusChanged, this, &CMainFrame::updateEditActions);
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this,
            &CMainFrame::updateEditActions);
    connect(m_project->tree(), &QTreeWidget::itemSelectionChanged, this,
            &CMainFrame::updateEditActions);
    connect(&m_autoSave, &QTimer::timeout, this, &CMainFrame::onAutoSave);
    setAutoSaveInterval(m_services.Config().autoSaveInterval());
    updateTitle();
    updateActions();
    resize(1024, 720);
    // The docking and toolbar layout of the last session.
    restoreState(settings().value(QLatin1String(kLayoutKey)).toByteArray(), kLayoutVersion);
}

CMainFrame::~CMainFrame()
{
    // Focus and clipboard changes during the teardown must not reach a half-destroyed frame.
    disconnect(qApp, nullptr, this, nullptr);
    disconnect(QApplication::clipboard(), nullptr, this, nullptr);
    // Views and the preview refer to the document: they go first.
    m_preview.reset();
    discardViews();
    m_controller->undoStack()->clear();
    m_link->Stop();
}

core::CDorvaneDoc *CMainFrame::document() const
{
    return m_controller->document();
}

QUndoStack *CMainFrame::undoStack() const
{
    return m_controller->undoStack();
}

std::uint16_t CMainFrame::panelLangId() const
{
    return m_controller->panelLangId();
}

QComboBox *CMainFrame::zoomBox() const
{
    return m_actions->zoomBox();
}

QAction *CMainFrame::action(MainAction id) const
{
    return m_actions->action(id);
}

void CMainFrame::connectController()
{
    connect(m_controller, &CProjectController::documentChanged, this, &CMainFrame::documentChanged);
    connect(m_controller, &CProjectController::screensChanged, this, &CMainFrame::screensChanged);
    connect(m_controller, &CProjectController::screenRemoving, this, &CMainFrame::closeView);
    connect(m_controller, &CProjectController::modifiedChanged, this, &CMainFrame::updateTitle);
    connect(m_controller, &CProjectController::changed, this, [this] {
        forEachView([](CDorvaneView *v) { v->refresh(); });
        if (m_preview)
            m_preview->documentEdited();
        updateActions();
    });
}

void CMainFrame::connectProjectWindow()
{
    connect(m_project, &CProjectWindow::openScreen, this, &CMainFrame::showScreen);
    connect(m_project, &CProjectWindow::screenSelected, this, [this](std::uint16_t n) {
        if (auto *view = findView(n)) {
            m_mdi->setActiveSubWindow(qobject_cast<QMdiSubWindow *>(view->parentWidget()));
            m_project->tree()->setFocus();
        }
    });
    connect(m_project, &CProjectWindow::deleteRequested, this, &CMainFrame::onDeleteScreen);
    connect(m_project, &CProjectWindow::newScreenRequested, this, &CMainFrame::newScreen);
    connect(m_project, &CProjectWindow::cutRequested, this, [this] {
        const auto selected = m_project->selectedScreens();
        m_controller->copyScreens(selected);
        deleteScreens(selected, 0);
    });
    connect(m_project, &CProjectWindow::copyRequested, this,
            [this] { m_controller->copyScreens(m_project->selectedScreens()); });
    connect(m_project, &CProjectWindow::pasteRequested, this, [this] {
        if (const int result = m_controller->pasteScreens())
            showMessage(this, result);
    });
}

void CMainFrame::documentChanged()
{
    // Views go before the document they show; the preview ran the project that went.
    m_preview.reset();
    discardViews();
    m_gauges->setMonitor(document() ? &document()->Monitor() : nullptr);
    m_project->rebuild(document(), panelLangId());
    if (document() && !document()->Screens().empty())
        showScreen(document()->Screens().front()->Number());
    updateTitle();
    updateActions();
}

void CMainFrame::updateTitle()
{
    QString title = QStringLiteral("Dorvane");
    if (document()) {
        const QString path = QString::fromStdString(document()->Path());
        title = QFileInfo(path).fileName() + QStringLiteral("[*] - Dorvane");
    }
    setWindowTitle(title);
    setWindowModified(m_controller->isModified());
}

void CMainFrame::changeEvent(QEvent *event)
{
    // A maximized screen window puts its own mark on the main window, and a restored one takes
    // the mark away: the mark is the project's.
    if (event->type() == QEvent::ModifiedChange && isWindowModified() != m_controller->isModified())
        setWindowModified(m_controller->isModified());
    QMainWindow::changeEvent(event);
}

void CMainFrame::updateActions()
{
    using enum MainAction;
    const bool open = document() != nullptr;
    for (MainAction id : {FileClose, FileSave, FileSaveAs, FilePrint, FilePrintPreview,
                          FileExportPdf, FileExportPictures, ScreenNew, ScreenPreview})
        action(id)->setEnabled(open);
    for (MainAction id :
         {ViewMemory, CommDownload, ProjectParams, ProjectComm1, ProjectComm2, ProjectXref,
          ProjectReplace, ProjectCsvExportTags, ProjectCsvExportAlarms, ProjectCsvExportMessages,
          ProjectCsvImportTags, ProjectCsvImportAlarms, ProjectCsvImportMessages})
        action(id)->setEnabled(open);
    for (MainAction id :
         {FunctionAlarms, FunctionCalculations, FunctionTransfers, FunctionReservations,
          FunctionMessages, FunctionImages, FunctionSystemMemory})
        action(id)->setEnabled(open);
    action(ScreenDelete)->setEnabled(open && document()->Screens().size() > 1);
    CDorvaneView *view = activeView();
    for (MainAction id : {ScreenProperties, ScreenTagList, ScreenPreviewHere, EditGrid,
                          FunctionKeys, ProjectPlcType})
        action(id)->setEnabled(view != nullptr);
    // The arrange commands follow the canvas's own rules for the selection.
    for (const auto &[a, command] : m_actions->canvasActions())
        a->setEnabled(view && view->canvas()->actions().canRun(command));
    updateEditActions();
    action(EditUndo)->setEnabled(undoStack()->canUndo());
    action(EditRedo)->setEnabled(undoStack()->canRedo());
}

void CMainFrame::updateEditActions()
{
    using enum MainAction;
    if (!m_actions)
        return;
    // The edit commands act on the screens selected in the project window while its tree has
    // the focus, otherwise on the active screen window's tags (and delete, without tags
    // selected, on its screen).
    CDorvaneView *view = activeView();
    const bool onScreens = document() && (m_project->treeHasFocus() || !view);
    const bool screensSelected = onScreens && !m_project->selectedScreens().empty();
    const bool tagsSelected = !onScreens && view && !view->canvas()->selection().empty();
    action(EditCut)->setEnabled(screensSelected || tagsSelected);
    action(EditCopy)->setEnabled(screensSelected || tagsSelected);
    action(EditDelete)->setEnabled(screensSelected || (!onScreens && view));
    const QMimeData *mime = QApplication::clipboard()->mimeData();
    action(EditPaste)->setEnabled(
            onScreens ? document() && mime
                            && mime->hasFormat(QLatin1String(CProjectController::screenMimeType()))
                      : view && view->canvas()->actions().canRun(CanvasCommand::Paste));
    action(EditSelectAll)
            ->setEnabled(view && view->canvas()->actions().canRun(CanvasCommand::SelectAll));
}

void CMainFrame::closeEvent(QCloseEvent *event)
{
    if (!maybeSave()) {
        event->ignore();
        return;
    }
    closeProject();
    settings().setValue(QLatin1String(kLayoutKey), saveState(kLayoutVersion));
    event->accept();
}

// --- screens -------------------------------------------------------------------------------------

void CMainFrame::editFunctionKey(std::uint16_t screenNumber, int key)
{
    core::CDorvaneDoc *doc = document();
    core::CScreenData *screen = doc ? doc->FindScreen(screenNumber) : nullptr;
    if (!screen || key < 0 || key >= int(core::kFunctionKeyCount))
        return;
    CQtPrompt prompt(this);
    const core::FunctionEnv env{doc->Slots(), prompt, panelLangId()};
    const auto before = CFunctionKeysCommand::Capture(*doc);
    const auto dialog = makeFuncKeyDialog(env, *doc, *screen, key, this);
    if (auto *view = findView(screenNumber))
        dialog->placeBelow(view->parentWidget());
    if (dialog->exec() != QDialog::Accepted)
        return;
    dialog->presenter().Store(*doc, *screen);
    m_controller->push(new CFunctionKeysCommand(*doc, before, CFunctionKeysCommand::Capture(*doc),
                                                dialog->windowTitle()));
}

void CMainFrame::showFunctionKeyList(std::uint16_t screenNumber)
{
    const core::CScreenData *screen = document() ? document()->FindScreen(screenNumber) : nullptr;
    if (!screen)
        return;
    CQtPrompt prompt(this);
    const core::FunctionEnv env{document()->Slots(), prompt, panelLangId()};
    makeFuncKeyListDialog(env, *screen, this)->exec();
}

void CMainFrame::showTagList()
{
    if (auto *v = activeView())
        makeTagListDialog(v->screen(), panelLangId(), this)->exec();
}

void CMainFrame::screensChanged()
{
    m_project->rebuild(document(), panelLangId());
    // Captions follow renumbering and renaming.
    forEachView([this](CDorvaneView *v) {
        v->parentWidget()->setWindowTitle(
                QString::fromStdString(core::screenCaption(v->screen(), panelLangId())));
        v->refresh();
    });
    updateActions();
}

void CMainFrame::newScreen()
{
    if (!document())
        return;
    const auto dlg = makeNewScreenDialog(*document(), panelLangId(), this);
    if (dlg->exec() == QDialog::Accepted && dlg->created()) {
        const std::uint16_t n = dlg->created()->Number();
        m_controller->screenAdded(*dlg->created());
        showScreen(n);
    }
}

int CMainFrame::addScreen(int number, const QString &name)
{
    std::uint16_t added = 0;
    const int result = m_controller->addScreen(number, name.toStdString(), &added);
    if (result == 0)
        showScreen(added);
    return result;
}

void CMainFrame::deleteScreens(const std::vector<std::uint16_t> &numbers, int question)
{
    if (!document() || document()->Screens().size() < 2 || numbers.empty())
        return;
    if (question && !askYesNo(this, question))
        return;
    m_controller->deleteScreens(numbers);
}

void CMainFrame::onDeleteScreen()
{
    if (m_project->treeHasFocus() || !activeView()) {
        deleteScreens(m_project->selectedScreens(), util::msg::kDeleteSelectedScreens);
        return;
    }
    deleteScreens({activeView()->screenNumber()}, util::msg::kDeleteActiveScreen);
}

void CMainFrame::onDelete()
{
    if (m_project->treeHasFocus() || !activeView()) {
        onDeleteScreen();
        return;
    }
    // With tags selected they go; without, the active screen does.
    if (!activeView()->canvas()->selection().empty()) {
        activeView()->canvas()->actions().deleteSelection();
        return;
    }
    deleteScreens({activeView()->screenNumber()}, util::msg::kDeleteActiveScreen);
}

void CMainFrame::onCut()
{
    if (m_project->treeHasFocus()) {
        const auto selected = m_project->selectedScreens();
        m_controller->copyScreens(selected);
        deleteScreens(selected, 0);
        return;
    }
    if (auto *v = activeView())
        v->canvas()->actions().cut();
}

void CMainFrame::onCopy()
{
    if (m_project->treeHasFocus()) {
        m_controller->copyScreens(m_project->selectedScreens());
        return;
    }
    if (auto *v = activeView())
        v->canvas()->actions().copy();
}

void CMainFrame::onPaste()
{
    if (m_project->treeHasFocus()) {
        if (const int result = m_controller->pasteScreens())
            showMessage(this, result);
        return;
    }
    if (auto *v = activeView())
        v->canvas()->actions().paste();
}

void CMainFrame::editScreenProperties(std::uint16_t number)
{
    core::CScreenData *screen = document() ? document()->FindScreen(number) : nullptr;
    if (!screen)
        return;
    const auto dlg = makeScreenPropDialog(*document(), panelLangId(), *screen, this);
    connect(dlg.get(), &CScreenPropDialog::screenChanged, m_controller,
            &CProjectController::notifyScreensChanged);
    if (dlg->exec() != QDialog::Accepted)
        return;
    if (auto edit = dlg->change())
        m_controller->push(new CScreenPropsCommand(*m_controller, std::move(edit->before),
                                                   std::move(edit->after)));
}

// --- options -------------------------------------------------------------------------------------

void CMainFrame::onOptions()
{
    const auto dlg = makeEnvConfigDialog(m_services.Config(), this);
    if (dlg->exec() != QDialog::Accepted)
        return;
    dlg->apply();
    setAutoSaveInterval(dlg->autoSaveInterval());
    // Colours and panel fonts change in every open view, not only in views opened later.
    forEachView([](CDorvaneView *v) {
        v->canvas()->configChanged();
        v->refresh();
    });
}

void CMainFrame::onGridSnap()
{
    const auto dlg = makeGridSnapDialog(m_services.Config(), this);
    if (dlg->exec() != QDialog::Accepted)
        return;
    const core::GridSettings grid = dlg->result();
    m_services.Config().setGrid(grid);
    forEachView([&grid](CDorvaneView *v) { v->canvas()->setGridSettings(grid); });
}

void CMainFrame::onMemoryUse()
{
    // Without a project every area is empty.
    core::CMemoryMonitor empty;
    makeMemoryUseDialog(document() ? document()->Monitor() : empty, this)->exec();
}

} // namespace ui
