#include "ui/app/main_frame.h"

#include "ui/app/memory_gauges.h"
#include "ui/app/message_box.h"
#include "ui/dialogs/env_config.h"
#include "ui/dialogs/grid_snap_dlg.h"
#include "ui/dialogs/memory_use_dlg.h"
#include "ui/dialogs/prj_mgn_dlg.h"
#include "ui/project/dlg_new_screen.h"
#include "ui/project/project_window.h"
#include "ui/project/screen_prop_dlg.h"
#include "ui/project/tag_list_dlg.h"
#include "ui/undo/screen_presence_command.h"
#include "ui/view/dorvane_view.h"
#include "ui/view/zoom_wnd.h"

#include "ui/app/core_model.h"

#include "util/code_page.h"
#include "util/messages.h"

#ifdef DORVANE_HAVE_CANVAS
#include "ui/canvas/screen_canvas.h"
#include "ui/canvas/tool_ids.h"
#endif

#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QSettings>
#include <QStatusBar>
#include <QToolBar>
#include <QTreeWidget>
#include <QMenu>
#include <QUndoStack>

#include "ui/app/qt_prompt.h"
#include "ui/dialogs/func_key_dialog.h"
#include "ui/dialogs/func_key_list_dialog.h"
#include "ui/view/panel_picture.h"
#include "ui/undo/function_keys_command.h"

namespace ui {

namespace {

constexpr const char *kScreenFormat = "application/x-dorvane-KOHMI_SCR";
constexpr const char *kRecentKey = "Recent File List";
constexpr const char *kLayoutKey = "Software/Dorvane/v1.1/Toolbar Ver1.1";
constexpr int kLayoutVersion = 11;

QString message(int id)
{
    return QString::fromStdString(std::string(util::messageText(id)));
}

QSettings settings()
{
    return QSettings(QStringLiteral("KOVA"), QStringLiteral("Dorvane"));
}

std::vector<std::string> toStd(const QStringList &list)
{
    std::vector<std::string> out;
    for (const QString &s : list)
        out.push_back(s.toStdString());
    return out;
}

} // namespace

CMainFrame::CMainFrame(core::CAppServices &services, const QImage &panelPicture, QWidget *parent)
    : QMainWindow(parent)
    , m_services(services)
    , m_picture(panelPicture)
    , m_undo(std::make_unique<QUndoStack>())
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
            const QSignalBlocker block(m_zoomBox);
            m_zoomBox->setCurrentIndex(view->zoom());
            m_project->selectScreen(view->screenNumber());
        }
        updateActions();
    });
    connect(m_undo.get(), &QUndoStack::cleanChanged, this, [this](bool clean) {
        if (m_doc)
            m_doc->SetModified(!clean);
        updateTitle();
    });
    connect(m_undo.get(), &QUndoStack::indexChanged, this, [this] {
        forEachView([](CDorvaneView *v) { v->refresh(); });
        updateActions();
    });
    createProjectWindow();
    createActions();
    createMenus();
    createToolBars();
    createStatusBar();
    connect(&m_autoSave, &QTimer::timeout, this, &CMainFrame::onAutoSave);
    setAutoSaveInterval(m_services.Config().autoSaveInterval());
    updateRecentMenu();
    updateTitle();
    updateActions();
    resize(1024, 720);
    // The docking and toolbar layout of the last session.
    const QSettings layout(QStringLiteral("KOVA"), QStringLiteral("Dorvane"));
    restoreState(layout.value(QLatin1String(kLayoutKey)).toByteArray(), kLayoutVersion);
}

CMainFrame::~CMainFrame()
{
    // Views refer to the document: they go first.
    m_mdi->closeAllSubWindows();
    m_undo->clear();
}

QAction *CMainFrame::action(const QString &name) const
{
    return findChild<QAction *>(name);
}

std::uint16_t CMainFrame::panelLangId() const
{
    const std::uint32_t index = m_doc ? m_doc->Param16(core::kParamLanguage) : 0;
    const auto *lang = m_services.Config().languages().find(index);
    return lang && lang->langId ? std::uint16_t(lang->langId) : util::kLangKorean;
}

// --- menus and bars ------------------------------------------------------------------------------

QAction *CMainFrame::addAction(const QString &name, const QString &text, const QKeySequence &key,
                               void (CMainFrame::*slot)())
{
    auto *a = new QAction(text, this);
    a->setObjectName(name);
    if (!key.isEmpty())
        a->setShortcut(key);
    if (slot)
        connect(a, &QAction::triggered, this, slot);
    return a;
}

void CMainFrame::createActions()
{
    addAction("fileNew", tr("새 프로젝트(&N)..."), QKeySequence::New, &CMainFrame::onNew);
    addAction("fileOpen", tr("열기(&O)..."), QKeySequence::Open, &CMainFrame::onOpen);
    addAction("fileClose", tr("닫기(&C)"), {}, &CMainFrame::onClose);
    addAction("fileSave", tr("저장(&S)"), QKeySequence::Save, &CMainFrame::onSave);
    addAction("fileSaveAs", tr("다른 이름으로 저장(&A)..."), {}, &CMainFrame::onSaveAs);
    auto *exit = addAction("fileExit", tr("끝내기(&X)"), {}, nullptr);
    connect(exit, &QAction::triggered, this, &QWidget::close);

    m_undoAction = addAction("editUndo", tr("실행 취소(&U)"), QKeySequence(tr("Ctrl+Z")), nullptr);
    connect(m_undoAction, &QAction::triggered, m_undo.get(), &QUndoStack::undo);
    m_redoAction = addAction("editRedo", tr("다시 실행(&R)"), QKeySequence(tr("Ctrl+Y")), nullptr);
    connect(m_redoAction, &QAction::triggered, m_undo.get(), &QUndoStack::redo);
    addAction("editCut", tr("잘라내기(&T)"), QKeySequence::Cut, &CMainFrame::onCut);
    addAction("editCopy", tr("복사(&C)"), QKeySequence::Copy, &CMainFrame::onCopy);
    addAction("editPaste", tr("붙여넣기(&P)"), QKeySequence::Paste, &CMainFrame::onPaste);
    // No shortcut: the canvas and the tree take the Delete key themselves.
    addAction("editDelete", tr("삭제(&D)"), {}, &CMainFrame::onDelete);

    addAction("screenNew", tr("새 화면(&N)"), QKeySequence(tr("Ctrl+G")), &CMainFrame::newScreen);
    addAction("screenDelete", tr("화면 삭제(&D)"), {}, &CMainFrame::onDeleteScreen);
    auto *props = addAction("screenProperties", tr("화면 속성(&P)..."), {}, nullptr);
    connect(props, &QAction::triggered, this, [this] {
        if (auto *v = activeView())
            editScreenProperties(v->screenNumber());
    });

    auto *tagList = addAction("screenTagList", tr("태그 리스트"), {}, nullptr);
    connect(tagList, &QAction::triggered, this, [this] {
        if (auto *v = activeView()) {
            CTagListDlg dlg(v->screen(), this);
            dlg.exec();
        }
    });
    addAction("viewMemory", tr("메모리 사용량..."), {}, &CMainFrame::onMemoryUse);
    addAction("viewOptions", tr("옵션..."), {}, &CMainFrame::onOptions);
    addAction("viewGrid", tr("그리드 및 스냅..."), {}, &CMainFrame::onGridSnap);

    auto *cascade = addAction("windowCascade", tr("계단식(&C)"), {}, nullptr);
    connect(cascade, &QAction::triggered, this, [this] {
        forEachView([](CDorvaneView *v) { v->setZoom(CDorvaneView::Zoom100); });
        m_mdi->cascadeSubWindows();
        const QSignalBlocker block(m_zoomBox);
        m_zoomBox->setCurrentIndex(CDorvaneView::Zoom100);
    });
    auto *tile = addAction("windowTile", tr("바둑판식(&T)"), {}, nullptr);
    connect(tile, &QAction::triggered, this, [this] {
        forEachView([](CDorvaneView *v) { v->setZoom(CDorvaneView::ZoomFit); });
        m_mdi->tileSubWindows();
        const QSignalBlocker block(m_zoomBox);
        m_zoomBox->setCurrentIndex(CDorvaneView::ZoomFit);
    });
}

void CMainFrame::createMenus()
{
    QMenu *file = menuBar()->addMenu(tr("파일(&F)"));
    file->addAction(action("fileNew"));
    file->addAction(action("fileOpen"));
    file->addAction(action("fileClose"));
    file->addSeparator();
    file->addAction(action("fileSave"));
    file->addAction(action("fileSaveAs"));
    file->addSeparator();
    m_recentMenu = file->addMenu(tr("최근 파일"));
    m_recentMenu->setObjectName(QStringLiteral("recentMenu"));
    file->addSeparator();
    file->addAction(action("fileExit"));

    m_editMenu = menuBar()->addMenu(tr("편집(&E)"));
    m_editMenu->addAction(m_undoAction);
    m_editMenu->addAction(m_redoAction);
    m_editMenu->addSeparator();
    m_editMenu->addAction(action("editCut"));
    m_editMenu->addAction(action("editCopy"));
    m_editMenu->addAction(action("editPaste"));
    m_editMenu->addAction(action("editDelete"));

    QMenu *view = menuBar()->addMenu(tr("보기(&V)"));
    QAction *projectToggle = m_project->toggleViewAction();
    projectToggle->setText(tr("프로젝트 창(&P)"));
    projectToggle->setObjectName(QStringLiteral("viewProject"));
    view->addAction(projectToggle);
    auto *statusToggle = view->addAction(tr("상태 표시줄(&S)"));
    statusToggle->setCheckable(true);
    statusToggle->setChecked(true);
    connect(statusToggle, &QAction::toggled, this,
            [this](bool on) { statusBar()->setVisible(on); });
    m_zoomWnd = new CZoomWnd(this);
    QAction *zoomToggle = view->addAction(tr("확대상자"));
    zoomToggle->setObjectName(QStringLiteral("viewZoomWnd"));
    zoomToggle->setCheckable(true);
    connect(zoomToggle, &QAction::toggled, m_zoomWnd, &QWidget::setVisible);
    connect(m_zoomWnd, &CZoomWnd::shownChanged, zoomToggle, &QAction::setChecked);
    view->addSeparator();
    view->addAction(action("viewMemory"));
    view->addAction(action("viewGrid"));
    view->addAction(action("viewOptions"));

    QMenu *screen = menuBar()->addMenu(tr("화면(&S)"));
    screen->addAction(action("screenNew"));
    screen->addAction(action("screenDelete"));
    screen->addAction(action("screenProperties"));
    screen->addAction(action("screenTagList"));

    QMenu *window = menuBar()->addMenu(tr("창(&W)"));
    window->addAction(action("windowCascade"));
    window->addAction(action("windowTile"));
}

void CMainFrame::createToolBars()
{
    QToolBar *file = addToolBar(tr("표준"));
    file->setObjectName(QStringLiteral("standardBar"));
    file->addAction(action("fileNew"));
    file->addAction(action("fileOpen"));
    file->addAction(action("fileSave"));
    file->addSeparator();
    m_zoomBox = new QComboBox(file);
    m_zoomBox->setObjectName(QStringLiteral("zoomBox"));
    for (int id = 51700; id <= 51703; ++id)
        m_zoomBox->addItem(message(id));
    m_zoomBox->setCurrentIndex(CDorvaneView::Zoom100);
    connect(m_zoomBox, &QComboBox::activated, this, &CMainFrame::setZoom);
    file->addWidget(m_zoomBox);
#ifdef DORVANE_HAVE_CANVAS
    // The drawing tools: one press each, then the select tool again.
    QToolBar *tools = addToolBar(tr("그리기"));
    tools->setObjectName(QStringLiteral("toolBar"));
    auto *group = new QActionGroup(this);
    const std::pair<int, QString> toolNames[]
            = {{ToolSelect, tr("선택")},         {ToolDigit, tr("수치")},
               {ToolMessage, tr("메시지")},      {ToolText, tr("문자")},
               {ToolLamp, tr("램프")},           {ToolButton, tr("버튼")},
               {ToolPie, tr("원그래프")},        {ToolBitmap, tr("이미지")},
               {ToolBarGraph, tr("막대그래프")}, {ToolTrendGraph, tr("트렌드")},
               {ToolMotor, tr("회전")},          {ToolMobile, tr("이동")},
               {ToolRect, tr("사각형")},         {ToolLine, tr("직선")},
               {ToolCircle, tr("원")},           {ToolClock, tr("시계")},
               {ToolBmpText, tr("이미지 문자")}};
    for (const auto &[id, text] : toolNames) {
        QAction *a = tools->addAction(text);
        a->setObjectName(QStringLiteral("tool%1").arg(id));
        a->setCheckable(true);
        a->setChecked(id == ToolSelect);
        group->addAction(a);
        connect(a, &QAction::triggered, this, [this, id = id] {
            if (!activeView() && id != ToolSelect) {
                showMessage(this, 52604);
                return;
            }
            forEachView([id](CDorvaneView *v) { v->canvas()->setTool(id); });
        });
    }
    QToolBar *arrange = addToolBar(tr("정렬"));
    arrange->setObjectName(QStringLiteral("arrangeBar"));
    QMenu *arrangeMenu = menuBar()->addMenu(tr("정렬(&A)"));
    menuBar()->insertMenu(menuBar()->actions().at(3), arrangeMenu);
    const std::pair<const char *, QString> arrangeCommands[]
            = {{"bringToFront", tr("맨 앞으로")},
               {"sendToBack", tr("맨 뒤로")},
               {"alignLeft", tr("왼쪽 맞춤")},
               {"alignRight", tr("오른쪽 맞춤")},
               {"alignTop", tr("위쪽 맞춤")},
               {"alignBottom", tr("아래쪽 맞춤")},
               {"centreHorizontally", tr("가로 가운데")},
               {"centreVertically", tr("세로 가운데")},
               {"distributeHorizontally", tr("가로 같은 간격")},
               {"distributeVertically", tr("세로 같은 간격")},
               {"lockSelection", tr("선택 태그 잠금")},
               {"unlockAll", tr("잠금 모두 해제")}};
    for (const auto &[slot, text] : arrangeCommands) {
        auto *a = new QAction(text, this);
        a->setObjectName(QString::fromLatin1(slot));
        a->setProperty("canvasSlot", QByteArray(slot));
        m_canvasActions.push_back(a);
        connect(a, &QAction::triggered, this, [this, slot = slot] {
            if (auto *v = activeView())
                QMetaObject::invokeMethod(v->canvas(), slot);
        });
        arrange->addAction(a);
        arrangeMenu->addAction(a);
    }
    auto *selectAll
            = addAction("editSelectAll", tr("모두 선택(&A)"), QKeySequence::SelectAll, nullptr);
    connect(selectAll, &QAction::triggered, this, [this] {
        if (auto *v = activeView())
            v->canvas()->selectAll();
    });
    m_editMenu->addAction(selectAll);
#endif
}

void CMainFrame::createStatusBar()
{
    m_gauges = new CMemoryGauges(m_services.Monitor(), this);
    statusBar()->addPermanentWidget(m_gauges);
}

void CMainFrame::createProjectWindow()
{
    m_project = new CProjectWindow(this);
    addDockWidget(Qt::LeftDockWidgetArea, m_project);
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
        copyScreens(selected);
        deleteScreens(selected, false, 0);
    });
    connect(m_project, &CProjectWindow::copyRequested, this,
            [this] { copyScreens(m_project->selectedScreens()); });
    connect(m_project, &CProjectWindow::pasteRequested, this, &CMainFrame::pasteScreens);
}

void CMainFrame::updateTitle()
{
    QString title = QStringLiteral("Dorvane");
    if (m_doc) {
        const QString path = QString::fromStdString(m_doc->Path());
        title = QFileInfo(path).fileName() + QStringLiteral("[*] - Dorvane");
    }
    setWindowTitle(title);
    setWindowModified(m_doc && !m_undo->isClean());
}

void CMainFrame::updateActions()
{
    const bool open = m_doc != nullptr;
    for (const char *name : {"fileClose", "fileSave", "fileSaveAs", "screenNew", "viewMemory"})
        action(name)->setEnabled(open);
    action("screenDelete")->setEnabled(open && m_doc->Screens().size() > 1);
    action("screenProperties")->setEnabled(activeView() != nullptr);
    action("screenTagList")->setEnabled(activeView() != nullptr);
#ifdef DORVANE_HAVE_CANVAS
    // The arrange commands follow the canvas's own rules for the selection.
    CDorvaneView *view = activeView();
    for (QAction *a : m_canvasActions)
        a->setEnabled(view && view->canvas()->canInvoke(a->property("canvasSlot").toByteArray()));
#endif
    m_undoAction->setEnabled(m_undo->canUndo());
    m_redoAction->setEnabled(m_undo->canRedo());
}

// --- project
// --------------------------------------------------------------------------------------

void CMainFrame::startProject(std::unique_ptr<core::CDorvaneDoc> doc)
{
    m_doc = std::move(doc);
    m_undo->clear();
    m_project->rebuild(m_doc.get(), panelLangId());
    if (!m_doc->Screens().empty())
        showScreen(m_doc->Screens().front()->Number());
    updateTitle();
    updateActions();
}

bool CMainFrame::newProject(const core::NewProjectSettings &settings)
{
    if (!maybeSave())
        return false;
    closeProject();
    auto doc = m_services.NewDocument();
    if (!doc->NewProject(settings))
        return false;
    m_services.Config().setAlarmDbPath(doc->AlarmDatabasePath());
    startProject(std::move(doc));
    // A new project is unsaved until it is written once.
    m_undo->resetClean();
    m_doc->SetModified(true);
    updateTitle();
    return true;
}

bool CMainFrame::openFile(const QString &path)
{
    const std::string file = QDir::cleanPath(path).toStdString();
    const core::ProjectFileCheck check = core::checkProjectFile(file);
    if (!check.ok) {
        const std::string text = core::projectCheckMessage(check);
        if (!text.empty())
            showMessage(this, check.messageId, QString::fromStdString(text));
        if (check.messageId == 52001)
            removeRecentFile(path);
        return false;
    }
    if (!maybeSave())
        return false;
    closeProject();
    auto doc = m_services.NewDocument();
    const core::OpenResult result = doc->OpenDocument(file, m_services.Areas());
    if (!result.ok) {
        showMessage(this, 52001);
        return false;
    }
    m_services.Config().setCurrentProjectDir(QFileInfo(path).absolutePath().toStdString());
    startProject(std::move(doc));
    m_undo->setClean();
    m_doc->SetModified(false);
    addRecentFile(QString::fromStdString(file));
    updateTitle();
    return true;
}

bool CMainFrame::saveAs(const QString &path)
{
    if (!m_doc || path.isEmpty())
        return false;
    std::string error;
    const std::string file = QDir::cleanPath(path).toStdString();
    if (!m_doc->SaveDocument(file, m_services.Areas(), &error)) {
        showMessage(
                this, 0,
                tr("%1 파일을 저장할 수 없습니다.\n%2").arg(path, QString::fromStdString(error)));
        return false;
    }
    m_undo->setClean();
    m_doc->SetModified(false);
    addRecentFile(QString::fromStdString(file));
    updateTitle();
    return true;
}

bool CMainFrame::save()
{
    if (!m_doc)
        return false;
    if (m_doc->Path().empty()) {
        onSaveAs();
        return m_doc && !m_doc->IsModified();
    }
    return saveAs(QString::fromStdString(m_doc->Path()));
}

bool CMainFrame::maybeSave()
{
    if (!m_doc || m_undo->isClean())
        return true;
    const QString name = QFileInfo(QString::fromStdString(m_doc->Path())).fileName();
    const auto answer = askYesNoCancel(this, 0, tr("%1의 변경 내용을 저장하시겠습니까?").arg(name));
    if (answer == QMessageBox::Cancel)
        return false;
    return answer == QMessageBox::No || save();
}

void CMainFrame::closeProject()
{
    m_mdi->closeAllSubWindows();
    m_undo->clear();
    m_project->rebuild(nullptr, panelLangId());
    if (m_doc) {
        m_doc->CloseDocument();
        m_doc.reset();
    }
    updateTitle();
    updateActions();
}

QStringList CMainFrame::recentFiles() const
{
    return settings().value(QLatin1String(kRecentKey)).toStringList();
}

void CMainFrame::addRecentFile(const QString &path)
{
    core::CRecentFiles recent(toStd(recentFiles()));
    recent.Add(path.toStdString());
    QStringList list;
    for (const auto &f : recent.Files())
        list << QString::fromStdString(f);
    settings().setValue(QLatin1String(kRecentKey), list);
    updateRecentMenu();
}

void CMainFrame::removeRecentFile(const QString &path)
{
    QStringList list = recentFiles();
    list.removeAll(QDir::cleanPath(path));
    settings().setValue(QLatin1String(kRecentKey), list);
    updateRecentMenu();
}

void CMainFrame::updateRecentMenu()
{
    m_recentMenu->clear();
    const QStringList files = recentFiles();
    int n = 1;
    for (const QString &f : files) {
        QAction *a = m_recentMenu->addAction(QStringLiteral("&%1 %2").arg(n++).arg(f));
        connect(a, &QAction::triggered, this, [this, f] { openFile(f); });
    }
    m_recentMenu->setEnabled(!files.isEmpty());
}

void CMainFrame::setAutoSaveInterval(int minutes)
{
    m_services.Config().setAutoSaveInterval(minutes);
    m_autoSave.stop();
    const int interval = m_services.Config().autoSaveInterval();
    if (interval > 0)
        m_autoSave.start(interval * 60000);
}

void CMainFrame::onAutoSave()
{
    // A project that was never saved has no path and is left alone.
    if (m_doc && !m_doc->Path().empty())
        saveAs(QString::fromStdString(m_doc->Path()));
}

void CMainFrame::onNew()
{
    CPrjMgnDlg dlg(m_services.Config(), m_services.DefaultPanelLanguage(), this);
    if (dlg.exec() != QDialog::Accepted)
        return;
    core::CPrjMgnPresenter &p = dlg.presenter();
    m_services.Config().setCommSetup(p.PortSetup());
    newProject(p.Settings());
}

void CMainFrame::onOpen()
{
    const QString dir = QString::fromStdString(m_services.Config().currentProjectDir());
    const QString path
            = QFileDialog::getOpenFileName(this, tr("열기"), dir, tr("Dorvane 파일 (*.kvr)"));
    if (!path.isEmpty())
        openFile(path);
}

void CMainFrame::onSave()
{
    save();
}

void CMainFrame::onSaveAs()
{
    if (!m_doc)
        return;
    QString start = QString::fromStdString(m_doc->Path());
    if (start.isEmpty())
        start = QString::fromStdString(m_services.Config().projectDir());
    const QString path = QFileDialog::getSaveFileName(this, tr("다른 이름으로 저장"), start,
                                                      tr("Dorvane 파일 (*.kvr)"));
    if (!path.isEmpty())
        saveAs(path.endsWith(QLatin1String(".kvr"), Qt::CaseInsensitive) ? path : path + ".kvr");
}

void CMainFrame::onClose()
{
    if (maybeSave())
        closeProject();
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

QString CMainFrame::droppedProject(const QMimeData *mime)
{
    for (const QUrl &url : mime->urls())
        if (url.isLocalFile() && url.toLocalFile().endsWith(".kvr", Qt::CaseInsensitive))
            return url.toLocalFile();
    return {};
}

void CMainFrame::dragEnterEvent(QDragEnterEvent *event)
{
    if (!droppedProject(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent *event)
{
    if (openDropped(event->mimeData()))
        event->acceptProposedAction();
}

bool CMainFrame::openDropped(const QMimeData *mime)
{
    // One project at a time: the first project file dropped is opened.
    const QString path = droppedProject(mime);
    return !path.isEmpty() && openFile(path);
}

// --- screens ----
// --------------------------------------------------------------------------------------

void CMainFrame::forEachView(const std::function<void(CDorvaneView *)> &fn) const
{
    for (QMdiSubWindow *sub : m_mdi->subWindowList())
        if (auto *view = qobject_cast<CDorvaneView *>(sub->widget()))
            fn(view);
}

CDorvaneView *CMainFrame::findView(std::uint16_t number) const
{
    CDorvaneView *found = nullptr;
    forEachView([&](CDorvaneView *v) {
        if (v->screenNumber() == number)
            found = v;
    });
    return found;
}

CDorvaneView *CMainFrame::activeView() const
{
    QMdiSubWindow *sub = m_mdi->activeSubWindow();
    if (!sub && !m_mdi->subWindowList().isEmpty() && !isActiveWindow())
        sub = m_mdi->currentSubWindow();
    return sub ? qobject_cast<CDorvaneView *>(sub->widget()) : nullptr;
}

CDorvaneView *CMainFrame::showScreen(std::uint16_t number)
{
    if (auto *view = findView(number)) {
        m_mdi->setActiveSubWindow(qobject_cast<QMdiSubWindow *>(view->parentWidget()));
        return view;
    }
    core::CScreenData *screen = m_doc ? m_doc->FindScreen(number) : nullptr;
    if (!screen)
        return nullptr;
    auto *view = new CDorvaneView(*m_doc, *screen, m_services.Config(), m_picture, m_undo.get());
    QMdiSubWindow *sub = m_mdi->addSubWindow(view);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowTitle(QString::fromStdString(core::screenCaption(*screen, panelLangId())));
    connect(view, &CDorvaneView::editScreenProperties, this,
            [this, view] { editScreenProperties(view->screenNumber()); });
    connect(view, &CDorvaneView::functionKeyClicked, this,
            [this, view](int key) { editFunctionKey(view->screenNumber(), key); });
    connect(view->picture(), &CPanelPicture::keyContextMenu, this,
            [this, view](int key, const QPoint &pos) {
                QMenu menu(this);
                menu.addAction(tr("키 할당..."),
                               [this, view, key] { editFunctionKey(view->screenNumber(), key); });
                menu.addAction(tr("기능키 리스트"),
                               [this, view] { showFunctionKeyList(view->screenNumber()); });
                menu.exec(pos);
            });
#ifdef DORVANE_HAVE_CANVAS
    CScreenCanvas *canvas = view->canvas();
    canvas->setMessageHandler([this](int id, const QString &text) { showMessage(this, id, text); });
    connect(canvas, &CScreenCanvas::gridDialogRequested, this, &CMainFrame::onGridSnap);
    connect(canvas, &CScreenCanvas::selectionChanged, this, &CMainFrame::updateActions);
    connect(canvas, &CScreenCanvas::toolFinished, this, [this] {
        if (auto *select = action(QStringLiteral("tool%1").arg(ToolSelect)))
            select->setChecked(true);
    });
    // The tool kind is program-wide: a new view starts with the current one.
    for (int id = 0; id <= ToolSelect; ++id)
        if (auto *tool = action(QStringLiteral("tool%1").arg(id)); tool && tool->isChecked())
            canvas->setTool(id);
#endif
    sub->show();
    view->setZoom(m_zoomBox->currentIndex());
    m_mdi->setActiveSubWindow(sub);
    updateActions();
    return view;
}

void CMainFrame::editFunctionKey(std::uint16_t screenNumber, int key)
{
    core::CScreenData *screen = m_doc ? m_doc->FindScreen(screenNumber) : nullptr;
    if (!screen || key < 0 || key >= int(core::kFunctionKeyCount))
        return;
    CQtPrompt prompt(this);
    const core::FunctionEnv env{m_doc->Slots(), prompt, panelLangId()};
    const auto before = CFunctionKeysCommand::Capture(*m_doc);
    CFuncKeyDialog dialog(env, key, core::CFuncKeyRecord(screen->FunctionKey(std::size_t(key))),
                          m_doc->IsCommonKey(std::size_t(key)), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    dialog.presenter().Store(*m_doc, *screen);
    m_undo->push(new CFunctionKeysCommand(*m_doc, before, CFunctionKeysCommand::Capture(*m_doc),
                                          dialog.windowTitle()));
}

void CMainFrame::showFunctionKeyList(std::uint16_t screenNumber)
{
    const core::CScreenData *screen = m_doc ? m_doc->FindScreen(screenNumber) : nullptr;
    if (!screen)
        return;
    CQtPrompt prompt(this);
    const core::FunctionEnv env{m_doc->Slots(), prompt, panelLangId()};
    CFuncKeyListDialog dialog(env, *screen, panelLangId(), this);
    dialog.exec();
}

void CMainFrame::setZoom(int index)
{
    if (auto *view = activeView())
        view->setZoom(index);
}

void CMainFrame::screenRemoving(std::uint16_t number)
{
    if (auto *view = findView(number)) {
        QWidget *sub = view->parentWidget();
        sub->close();
        delete sub;
    }
}

void CMainFrame::screensChanged()
{
    m_project->rebuild(m_doc.get(), panelLangId());
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
    if (!m_doc)
        return;
    CDlgNewScreen dlg(*m_doc, panelLangId(), this);
    if (dlg.exec() == QDialog::Accepted && dlg.created()) {
        const std::uint16_t n = dlg.created()->Number();
        m_undo->push(new CScreenPresenceCommand(*this, CScreenPresenceCommand::Kind::Added,
                                                core::captureScreen(*dlg.created())));
        screensChanged();
        showScreen(n);
    }
}

int CMainFrame::addScreen(int number, const QString &name)
{
    if (!m_doc)
        return -1;
    core::CNewScreenPresenter presenter(*m_doc, panelLangId());
    presenter.SetName(name.toStdString());
    presenter.SetNumber(number);
    core::CScreenData *created = nullptr;
    const int result = presenter.Ok(&created);
    if (result != 0)
        return result;
    m_undo->push(new CScreenPresenceCommand(*this, CScreenPresenceCommand::Kind::Added,
                                            core::captureScreen(*created)));
    screensChanged();
    showScreen(created->Number());
    return 0;
}

void CMainFrame::deleteScreens(const std::vector<std::uint16_t> &numbers, bool ask, int question)
{
    if (!m_doc || m_doc->Screens().size() < 2 || numbers.empty())
        return;
    if (ask && !askYesNo(this, question))
        return;
    const auto order = core::screensToDelete(numbers, m_doc->Screens().size());
    m_undo->beginMacro(tr("화면 삭제"));
    for (std::uint16_t n : order) {
        const core::CScreenData *screen = m_doc->FindScreen(n);
        if (!screen)
            continue;
        auto snapshot = core::captureScreen(*screen);
        screenRemoving(n);
        m_doc->RemoveScreen(n);
        m_undo->push(new CScreenPresenceCommand(*this, CScreenPresenceCommand::Kind::Removed,
                                                std::move(snapshot)));
    }
    m_undo->endMacro();
    screensChanged();
}

void CMainFrame::onDeleteScreen()
{
    if (m_project->treeHasFocus() || !activeView()) {
        deleteScreens(m_project->selectedScreens(), true, 50502);
        return;
    }
    deleteScreens({activeView()->screenNumber()}, true, 50501);
}

void CMainFrame::copyScreens(const std::vector<std::uint16_t> &numbers)
{
    if (!m_doc || numbers.empty())
        return;
    std::vector<const core::CScreenData *> screens;
    for (std::uint16_t n : numbers)
        if (const auto *s = m_doc->FindScreen(n))
            screens.push_back(s);
    const util::Bytes bytes = core::encodeScreens(screens);
    auto *data = new QMimeData;
    data->setData(
            QLatin1String(kScreenFormat),
            QByteArray(reinterpret_cast<const char *>(bytes.data()), qsizetype(bytes.size())));
    QApplication::clipboard()->setMimeData(data);
}

void CMainFrame::pasteScreens()
{
    const QMimeData *data = QApplication::clipboard()->mimeData();
    if (!m_doc || !data || !data->hasFormat(QLatin1String(kScreenFormat)))
        return;
    const QByteArray raw = data->data(QLatin1String(kScreenFormat));
    const auto screens = core::decodeScreens(
            util::ConstByteSpan(reinterpret_cast<const std::uint8_t *>(raw.data()), raw.size()));
    if (!screens)
        return;
    m_undo->beginMacro(tr("붙여넣기"));
    for (const core::ScreenSnapshot &snap : *screens) {
        const auto number = core::pasteScreenNumber(*m_doc, snap.number);
        core::CScreenData *added = nullptr;
        const int result = number ? core::restoreScreen(*m_doc, snap, *number, &added) : 52302;
        if (result != 0) {
            showMessage(this, result);
            break;
        }
        m_undo->push(new CScreenPresenceCommand(*this, CScreenPresenceCommand::Kind::Added,
                                                core::captureScreen(*added)));
    }
    m_undo->endMacro();
    screensChanged();
}

void CMainFrame::onDelete()
{
    if (m_project->treeHasFocus() || !activeView()) {
        onDeleteScreen();
        return;
    }
#ifdef DORVANE_HAVE_CANVAS
    // With tags selected they go; without, the active screen does.
    if (!activeView()->canvas()->selection().empty()) {
        activeView()->canvas()->deleteSelection();
        return;
    }
#endif
    deleteScreens({activeView()->screenNumber()}, true, 50501);
}

void CMainFrame::onCut()
{
    if (m_project->treeHasFocus()) {
        const auto selected = m_project->selectedScreens();
        copyScreens(selected);
        deleteScreens(selected, false, 0);
        return;
    }
#ifdef DORVANE_HAVE_CANVAS
    if (auto *v = activeView())
        v->canvas()->cut();
#endif
}

void CMainFrame::onCopy()
{
    if (m_project->treeHasFocus()) {
        copyScreens(m_project->selectedScreens());
        return;
    }
#ifdef DORVANE_HAVE_CANVAS
    if (auto *v = activeView())
        v->canvas()->copy();
#endif
}

void CMainFrame::onPaste()
{
    if (m_project->treeHasFocus()) {
        pasteScreens();
        return;
    }
#ifdef DORVANE_HAVE_CANVAS
    if (auto *v = activeView())
        v->canvas()->paste();
#endif
}

void CMainFrame::editScreenProperties(std::uint16_t number)
{
    core::CScreenData *screen = m_doc ? m_doc->FindScreen(number) : nullptr;
    if (!screen)
        return;
    CScreenPropDlg dlg(*this, *screen, panelLangId(), this);
    if (dlg.exec() == QDialog::Accepted)
        dlg.commit(*m_undo);
}

// --- options
// --------------------------------------------------------------------------------------

void CMainFrame::onOptions()
{
    CEnvConfig dlg(m_services.Config(), this);
    if (dlg.exec() != QDialog::Accepted)
        return;
    dlg.apply();
    setAutoSaveInterval(dlg.autoSaveInterval());
    forEachView([](CDorvaneView *v) { v->refresh(); });
}

void CMainFrame::onGridSnap()
{
    CGridSnapDlg dlg(m_services.Config().grid(), this);
    if (dlg.exec() != QDialog::Accepted)
        return;
    m_services.Config().setGrid(dlg.result());
#ifdef DORVANE_HAVE_CANVAS
    forEachView([&dlg](CDorvaneView *v) { v->canvas()->setGridSettings(dlg.result()); });
#endif
}

void CMainFrame::onMemoryUse()
{
    CMemoryUseDlg dlg(m_services.Monitor(), this);
    dlg.exec();
}

} // namespace ui
