#include "ui/app/main_actions.h"

#include "ui/app/main_frame.h"
#include "ui/app/project_controller.h"
#include "ui/canvas/screen_canvas.h"
#include "ui/canvas/tool_ids.h"
#include "ui/common/menu_text.h"
#include "ui/common/message_box.h"
#include "ui/project/project_window.h"
#include "ui/view/dorvane_view.h"
#include "ui/view/zoom_wnd.h"

#include "util/message_ids.h"

#include <QActionGroup>
#include <QComboBox>
#include <QIcon>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QUndoStack>

#include <functional>

namespace ui {

namespace {

// A toolbar picture from the resource (src/ui/icons, drawn by docs/tools/toolbar_icons.py).
QIcon barIcon(const char *name)
{
    return QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(name)));
}

// Toolbar pictures are drawn on a 24-unit grid; at 24 px their strokes fall on whole pixels.
constexpr int kBarIconSize = 24;

} // namespace

CMainActions::CMainActions(CMainFrame &frame)
    : m_frame(frame)
{
    createActions();
    createMenus();
    createToolBars();
    createToolMenus();
    createCommMenu();
    createHelp();
    for (const QAction *a : m_actions)
        Q_ASSERT(a);
}

QAction *CMainActions::create(const char *name, const QString &text, const QKeySequence &key)
{
    auto *a = new QAction(text, &m_frame);
    a->setObjectName(QLatin1String(name));
    if (!key.isEmpty())
        a->setShortcut(key);
    return a;
}

QAction *CMainActions::add(MainAction id, const char *name, const QString &text,
                           const QKeySequence &key)
{
    QAction *a = create(name, text, key);
    m_actions[std::size_t(id)] = a;
    return a;
}

void CMainActions::command(MainAction id, const char *name, const QString &text,
                           const QKeySequence &key, std::function<void()> run)
{
    QObject::connect(add(id, name, text, key), &QAction::triggered, &m_frame, std::move(run));
}

QList<QAction *> CMainActions::actions(std::initializer_list<MainAction> ids) const
{
    QList<QAction *> out;
    for (MainAction id : ids)
        out << action(id);
    return out;
}

void CMainActions::createActions()
{
    createFileActions();
    createEditActions();
    createViewActions();
    createProjectActions();
    createCommActions();
}

void CMainActions::createFileActions()
{
    using enum MainAction;
    CMainFrame *f = &m_frame;
    command(FileNew, "fileNew", tr("새 프로젝트(&N)..."), QKeySequence::New, [f] { f->onNew(); });
    command(FileOpen, "fileOpen", tr("열기(&O)..."), QKeySequence::Open, [f] { f->onOpen(); });
    command(FileClose, "fileClose", tr("닫기(&C)"), {}, [f] { f->onClose(); });
    command(FileSave, "fileSave", tr("저장(&S)"), QKeySequence::Save, [f] { f->onSave(); });
    command(FileSaveAs, "fileSaveAs", tr("다른 이름으로 저장(&A)..."), {}, [f] { f->onSaveAs(); });
    command(FileExit, "fileExit", tr("끝내기(&X)"), {}, [f] { f->close(); });
    command(FilePrint, "filePrint", tr("인쇄(&P)..."), QKeySequence::Print, [f] { f->onPrint(); });
    command(FilePrintPreview, "filePrintPreview", tr("인쇄 미리보기(&V)"), {},
            [f] { f->onPrintPreview(); });
    command(FileExportPdf, "fileExportPdf", tr("PDF로 내보내기(&E)..."), {},
            [f] { f->onExportPdf(); });
    command(FileExportPictures, "fileExportPictures", tr("그림으로 내보내기(&I)..."), {},
            [f] { f->onExportPictures(); });
}

void CMainActions::createEditActions()
{
    using enum MainAction;
    CMainFrame *f = &m_frame;
    QUndoStack *undo = m_frame.undoStack();
    QObject::connect(add(EditUndo, "editUndo", tr("실행 취소(&U)"), QKeySequence(tr("Ctrl+Z"))),
                     &QAction::triggered, undo, &QUndoStack::undo);
    QObject::connect(add(EditRedo, "editRedo", tr("다시 실행(&R)"), QKeySequence(tr("Ctrl+Y"))),
                     &QAction::triggered, undo, &QUndoStack::redo);
    const auto text = [](CanvasCommand c) { return CCanvasActions::menuText(c); };
    command(EditCut, "editCut", text(CanvasCommand::Cut), QKeySequence::Cut, [f] { f->onCut(); });
    command(EditCopy, "editCopy", text(CanvasCommand::Copy), QKeySequence::Copy,
            [f] { f->onCopy(); });
    command(EditPaste, "editPaste", text(CanvasCommand::Paste), QKeySequence::Paste,
            [f] { f->onPaste(); });
    command(EditDelete, "editDelete", text(CanvasCommand::Delete), QKeySequence::Delete,
            [f] { f->onDelete(); });
    // The canvas and the tree take the Delete key themselves: the menu only shows it.
    action(EditDelete)->setShortcutContext(Qt::WidgetShortcut);
    command(EditSelectAll, "editSelectAll", text(CanvasCommand::SelectAll), QKeySequence::SelectAll,
            [f] {
                if (auto *v = f->activeView())
                    v->canvas()->actions().selectAll();
            });
    command(EditGrid, "editGrid", tr("눈금 및 맞추기(&G)..."), {}, [f] { f->onGridSnap(); });
}

void CMainActions::createViewActions()
{
    using enum MainAction;
    CMainFrame *f = &m_frame;
    // The project window's own toggle, named and worded as the menu's.
    QAction *projectToggle = m_frame.projectWindow()->toggleViewAction();
    projectToggle->setText(tr("프로젝트 창(&P)"));
    projectToggle->setObjectName(QStringLiteral("viewProject"));
    m_actions[std::size_t(ViewProject)] = projectToggle;
    QAction *statusToggle = add(ViewStatusBar, "viewStatusBar", tr("상태 표시줄(&S)"));
    statusToggle->setCheckable(true);
    statusToggle->setChecked(true);
    QObject::connect(statusToggle, &QAction::toggled, m_frame.statusBar(), &QWidget::setVisible);
    QAction *zoomToggle = add(ViewZoomWnd, "viewZoomWnd", tr("확대상자(&Z)"));
    zoomToggle->setCheckable(true);
    QObject::connect(zoomToggle, &QAction::toggled, m_frame.zoomWindow(), &QWidget::setVisible);
    QObject::connect(m_frame.zoomWindow(), &CZoomWnd::shownChanged, zoomToggle,
                     &QAction::setChecked);
    command(ViewMemory, "viewMemory", tr("메모리 사용량(&M)..."), {}, [f] { f->onMemoryUse(); });
    command(ViewOptions, "viewOptions", tr("옵션(&O)..."), {}, [f] { f->onOptions(); });

    command(ScreenNew, "screenNew", tr("새 화면(&N)"), QKeySequence(tr("Ctrl+G")),
            [f] { f->newScreen(); });
    command(ScreenDelete, "screenDelete", tr("화면 삭제(&D)"), {}, [f] { f->onDeleteScreen(); });
    command(ScreenProperties, "screenProperties", tr("화면 속성(&P)..."), {}, [f] {
        if (auto *v = f->activeView())
            f->editScreenProperties(v->screenNumber());
    });
    command(ScreenTagList, "screenTagList", tr("태그 리스트(&L)"), {}, [f] { f->showTagList(); });
    // F5 draws lamps: the preview takes Ctrl+F5, as running does in many tools.
    command(ScreenPreview, "screenPreview", tr("미리보기(&R)"), QKeySequence(Qt::CTRL | Qt::Key_F5),
            [f] { f->showPreview(); });
    command(ScreenPreviewHere, "screenPreviewHere", tr("이 화면부터 미리보기(&T)"),
            QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F5), [f] { f->showPreview(true); });
    command(WindowCascade, "windowCascade", tr("계단식(&C)"), {},
            [f] { f->arrangeWindows(false); });
    command(WindowTile, "windowTile", tr("바둑판식(&T)"), {}, [f] { f->arrangeWindows(true); });
}

// The three tables a spreadsheet or a translator takes, out and back in.
void CMainActions::createCsvActions()
{
    using enum MainAction;
    CMainFrame *f = &m_frame;
    struct Table
    {
        MainAction out, in;
        const char *name;
        QString text;
        int table;
    };
    const Table tables[] = {
            {ProjectCsvExportTags, ProjectCsvImportTags, "Tags", tr("태그 리스트(&T)..."), 0},
            {ProjectCsvExportAlarms, ProjectCsvImportAlarms, "Alarms", tr("경보(&A)..."), 1},
            {ProjectCsvExportMessages, ProjectCsvImportMessages, "Messages", tr("메시지(&M)..."),
             2},
    };
    for (const Table &t : tables) {
        const int table = t.table;
        command(t.out, (std::string("projectCsvExport") + t.name).c_str(), t.text, {},
                [f, table] { f->exportCsv(table); });
        command(t.in, (std::string("projectCsvImport") + t.name).c_str(), t.text, {},
                [f, table] { f->importCsv(table); });
    }
}

void CMainActions::createProjectActions()
{
    using enum MainAction;
    CMainFrame *f = &m_frame;
    command(ProjectParams, "projectParams", tr("파라미터 설정(&A)..."), {},
            [f] { f->editPanelSettings(); });
    command(ProjectComm1, "projectComm1", tr("채널 1 통신 설정(&1)..."), {},
            [f] { f->editChannelSettings(1); });
    command(ProjectComm2, "projectComm2", tr("채널 2 통신 설정(&2)..."), {},
            [f] { f->editChannelSettings(2); });
    command(ProjectPlcType, "projectPlcType", tr("PLC 타입 변경(&T)..."), {},
            [f] { f->changePlcType(); });
    command(ProjectXref, "projectXref", tr("교차 참조(&X)..."), {},
            [f] { f->showCrossReference(); });
    command(ProjectReplace, "projectReplace", tr("주소 바꾸기(&R)..."), {},
            [f] { f->replaceAddresses(); });
    createCsvActions();
    command(ProjectComPort, "projectComPort", tr("Velmar Panel 연결 포트 변경(&C)..."), {},
            [f] { f->changeComPort(); });
    // The common functions.
    command(FunctionAlarms, "functionAlarms", tr("경보(&A)"), QKeySequence(Qt::CTRL | Qt::Key_W),
            [f] { f->editAlarms(); });
    command(FunctionCalculations, "functionCalculations", tr("연산(&C)"),
            QKeySequence(Qt::CTRL | Qt::Key_I), [f] { f->editCalculations(); });
    command(FunctionTransfers, "functionTransfers", tr("블록통신(&B)"),
            QKeySequence(Qt::CTRL | Qt::Key_T), [f] { f->editTransfers(); });
    command(FunctionReservations, "functionReservations", tr("예약(&R)"),
            QKeySequence(Qt::CTRL | Qt::Key_R), [f] { f->editReservations(); });
    command(FunctionMessages, "functionMessages", tr("메시지 관리(&M)"),
            QKeySequence(Qt::CTRL | Qt::Key_M), [f] { f->editMessages(); });
    command(FunctionImages, "functionImages", tr("이미지 보기(&I)"),
            QKeySequence(Qt::CTRL | Qt::Key_B), [f] { f->showRegisteredImages(); });
    command(FunctionKeys, "functionKeys", tr("기능키 리스트(&F)"), {},
            [f] { f->showFunctionKeys(); });
    command(FunctionSystemMemory, "functionSystemMemory", tr("시스템 메모리 사용현황(&S)"), {},
            [f] { f->showUsedSystemMemory(); });
}

void CMainActions::createCommActions()
{
    using enum MainAction;
    CMainFrame *f = &m_frame;
    command(CommDownload, "commDownload", tr("다운로드(&D)"), QKeySequence(Qt::CTRL | Qt::Key_D),
            [f] { f->download(); });
    command(CommUpload, "commUpload", tr("업로드(&U)"), QKeySequence(Qt::CTRL | Qt::Key_U),
            [f] { f->upload(); });
    command(CommFont, "commFont", tr("폰트(&F)"), {}, [f] { f->downloadFont(); });
    command(CommClock, "commClock", tr("날짜/시간(&T)"), {}, [f] { f->showPanelClock(); });
    command(CommPasswordSet, "commPasswordSet", tr("암호설정(&P)"), {},
            [f] { f->setPanelPassword(); });
    command(CommPasswordRemove, "commPasswordRemove", tr("암호해제(&R)"), {},
            [f] { f->removePanelPassword(); });
    command(CommErase, "commErase", tr("전체 메모리 포맷(&E)"), {}, [f] { f->eraseMemory(); });
    command(CommOsDownload, "commOsDownload", tr("OS 다운로드(&O)"), {},
            [f] { f->startOsDownloader(); });
    command(CommAlarmRead, "commAlarmRead", tr("경보이력읽기(&A)"), {},
            [f] { f->showAlarmHistory(); });
    command(CommAlarmDelete, "commAlarmDelete", tr("경보이력삭제(&L)"), {},
            [f] { f->deleteAlarmHistory(); });
    command(CommSysInfo, "commSysInfo", tr("시스템 정보 읽기(&I)"), {},
            [f] { f->showSystemInfo(); });
}

void CMainActions::createMenus()
{
    using enum MainAction;
    QMenuBar *bar = m_frame.menuBar();
    QMenu *file = bar->addMenu(tr("파일(&F)"));
    file->addActions(actions({FileNew, FileOpen, FileClose}));
    file->addSeparator();
    file->addActions(actions({FileSave, FileSaveAs}));
    file->addSeparator();
    file->addActions(actions({FilePrint, FilePrintPreview, FileExportPdf, FileExportPictures}));
    file->addSeparator();
    m_recentMenu = file->addMenu(tr("최근 파일(&R)"));
    m_recentMenu->setObjectName(QStringLiteral("recentMenu"));
    file->addSeparator();
    file->addAction(action(FileExit));

    m_editMenu = bar->addMenu(tr("편집(&E)"));
    m_editMenu->addActions(actions({EditUndo, EditRedo}));
    m_editMenu->addSeparator();
    m_editMenu->addActions(actions({EditCut, EditCopy, EditPaste, EditDelete}));
    m_editMenu->addSeparator();
    m_editMenu->addAction(action(EditSelectAll));
    // The arrange commands join the menu in createToolBars(), then the grid dialog.

    QMenu *view = bar->addMenu(tr("보기(&V)"));
    view->addActions(actions({ViewProject, ViewStatusBar, ViewZoomWnd}));
    view->addSeparator();
    view->addActions(actions({ViewMemory, ViewOptions}));

    QMenu *screen = bar->addMenu(tr("화면(&S)"));
    screen->addActions(actions({ScreenNew, ScreenDelete, ScreenProperties, ScreenTagList}));
    screen->addSeparator();
    screen->addActions(actions({ScreenPreview, ScreenPreviewHere}));

    QMenu *project = bar->addMenu(tr("프로젝트(&P)"));
    project->setObjectName(QStringLiteral("projectMenu"));
    project->addActions(actions({ProjectParams, ProjectComm1, ProjectComm2, ProjectPlcType}));
    project->addSeparator();
    project->addActions(actions({ProjectXref, ProjectReplace}));
    QMenu *csvOut = project->addMenu(tr("CSV로 내보내기(&E)"));
    csvOut->addActions(
            actions({ProjectCsvExportTags, ProjectCsvExportAlarms, ProjectCsvExportMessages}));
    QMenu *csvIn = project->addMenu(tr("CSV 가져오기(&I)"));
    csvIn->addActions(
            actions({ProjectCsvImportTags, ProjectCsvImportAlarms, ProjectCsvImportMessages}));
    project->addSeparator();
    // The PC's own port: not part of the project, so always available.
    project->addAction(action(ProjectComPort));
    // Alt+M is the text tool's: the menu takes O.
    QMenu *functions = bar->addMenu(tr("공통(&O)"));
    functions->setObjectName(QStringLiteral("functionsMenu"));
    functions->addActions(actions(
            {FunctionAlarms, FunctionCalculations, FunctionTransfers, FunctionReservations}));
    functions->addSeparator();
    functions->addActions(actions({FunctionMessages, FunctionImages, FunctionKeys}));
    functions->addSeparator();
    functions->addAction(action(FunctionSystemMemory));

    QMenu *window = bar->addMenu(tr("창(&W)"));
    window->addActions(actions({WindowCascade, WindowTile}));
}

void CMainActions::createToolBars()
{
    m_frame.setIconSize(QSize(kBarIconSize, kBarIconSize));
    QToolBar *file = m_frame.addToolBar(tr("표준"));
    file->setObjectName(QStringLiteral("standardBar"));
    action(MainAction::FileNew)->setIcon(barIcon("file_new"));
    action(MainAction::FileOpen)->setIcon(barIcon("file_open"));
    action(MainAction::FileSave)->setIcon(barIcon("file_save"));
    file->addActions(actions({MainAction::FileNew, MainAction::FileOpen, MainAction::FileSave}));
    file->addSeparator();
    m_zoomBox = new QComboBox(file);
    m_zoomBox->setObjectName(QStringLiteral("zoomBox"));
    for (int id = util::msg::kZoomFirst; id <= util::msg::kZoomLast; ++id)
        m_zoomBox->addItem(messageString(id));
    m_zoomBox->setCurrentIndex(CDorvaneView::Zoom100);
    QObject::connect(m_zoomBox, &QComboBox::activated, &m_frame, &CMainFrame::setZoom);
    file->addWidget(m_zoomBox);
    createToolActions();

    // Sixteen arrange commands do not fit beside the tools at this size: they get a row of their
    // own rather than hiding behind the toolbar's overflow arrow.
    m_frame.addToolBarBreak();
    QToolBar *arrange = m_frame.addToolBar(tr("정렬"));
    arrange->setObjectName(QStringLiteral("arrangeBar"));
    m_editMenu->addSeparator();
    QMenu *order = m_editMenu->addMenu(tr("순서(&O)"));
    QMenu *align = m_editMenu->addMenu(tr("맞춤(&N)"));
    QMenu *spacing = m_editMenu->addMenu(tr("간격(&S)"));
    struct Command
    {
        const char *name;
        CanvasCommand command;
        const char *icon;
        QMenu *menu;
    };
    const Command commands[] = {
            {"bringToFront", CanvasCommand::BringToFront, "bring_to_front", order},
            {"sendToBack", CanvasCommand::SendToBack, "send_to_back", order},
            {"alignLeft", CanvasCommand::AlignLeft, "align_left", align},
            {"alignRight", CanvasCommand::AlignRight, "align_right", align},
            {"alignTop", CanvasCommand::AlignTop, "align_top", align},
            {"alignBottom", CanvasCommand::AlignBottom, "align_bottom", align},
            {"alignScreenLeft", CanvasCommand::AlignScreenLeft, "align_screen_left", align},
            {"alignScreenRight", CanvasCommand::AlignScreenRight, "align_screen_right", align},
            {"alignScreenTop", CanvasCommand::AlignScreenTop, "align_screen_top", align},
            {"alignScreenBottom", CanvasCommand::AlignScreenBottom, "align_screen_bottom", align},
            {"centreHorizontally", CanvasCommand::CentreHorizontally, "centre_horizontally", align},
            {"centreVertically", CanvasCommand::CentreVertically, "centre_vertically", align},
            {"distributeHorizontally", CanvasCommand::DistributeHorizontally,
             "distribute_horizontally", spacing},
            {"distributeVertically", CanvasCommand::DistributeVertically, "distribute_vertically",
             spacing},
            {"lockSelection", CanvasCommand::LockSelection, "lock", m_editMenu},
            {"unlockAll", CanvasCommand::UnlockAll, "unlock", m_editMenu}};
    for (const auto &[name, command, icon, menu] : commands) {
        if (command == CanvasCommand::LockSelection)
            m_editMenu->addSeparator();
        QAction *a = create(name, CCanvasActions::menuText(command),
                            command == CanvasCommand::LockSelection
                                    ? QKeySequence(Qt::CTRL | Qt::Key_L)
                                    : QKeySequence());
        a->setIcon(barIcon(icon));
        a->setToolTip(CCanvasActions::undoText(command));
        m_canvasActions.emplace_back(a, command);
        QObject::connect(a, &QAction::triggered, &m_frame, [this, command = command] {
            if (auto *v = m_frame.activeView())
                v->canvas()->actions().run(command);
        });
        arrange->addAction(a);
        menu->addAction(a);
    }
    m_editMenu->addSeparator();
    m_editMenu->addAction(action(MainAction::EditGrid));
}

void CMainActions::createToolActions()
{
    // The drawing tools: one press each, then the select tool again. Each is in the tool bar and
    // in the "태그" (tags) or "그리기" (draw) menu, with its accelerator.
    struct Tool
    {
        int id;
        QString text;
        QKeySequence key;
        const char *icon;
    };
    const Tool tools[] = {
            {ToolSelect, tr("선택(&S)"), QKeySequence(Qt::Key_Escape), "select"},
            {ToolDigit, tr("숫자(&N)"), QKeySequence(Qt::Key_F2), "digit"},
            {ToolMessage, tr("메시지(&M)"), QKeySequence(Qt::Key_F3), "message"},
            {ToolText, tr("문자열(&X)"), QKeySequence(Qt::ALT | Qt::Key_M), "text"},
            {ToolLamp, tr("램프(&L)"), QKeySequence(Qt::Key_F5), "lamp"},
            {ToolButton, tr("버튼(&B)"), QKeySequence(Qt::Key_F4), "button"},
            {ToolPie, tr("파이 그래프(&P)"), QKeySequence(Qt::Key_F8), "pie"},
            {ToolBitmap, tr("이미지(&I)"), QKeySequence(Qt::ALT | Qt::Key_I), "bitmap"},
            {ToolBarGraph, tr("막대 그래프(&G)"), QKeySequence(Qt::Key_F6), "bar_graph"},
            {ToolTrendGraph, tr("트렌드 그래프(&T)"), QKeySequence(Qt::Key_F7), "trend_graph"},
            {ToolMotor, tr("회전(&R)"), QKeySequence(Qt::Key_F9), "motor"},
            {ToolMobile, tr("이동(&V)"), QKeySequence(Qt::Key_F11), "mobile"},
            {ToolRect, tr("사각형(&R)"), QKeySequence(Qt::ALT | Qt::Key_N), "rect"},
            {ToolLine, tr("선(&L)"), QKeySequence(Qt::ALT | Qt::Key_L), "line"},
            {ToolCircle, tr("원(&C)"), QKeySequence(Qt::ALT | Qt::Key_B), "circle"},
            {ToolClock, tr("시계(&C)"), QKeySequence(Qt::Key_F12), "clock"},
            {ToolBmpText, tr("이미지텍스트(&G)"), QKeySequence(Qt::ALT | Qt::Key_G), "bmp_text"},
    };
    QToolBar *bar = m_frame.addToolBar(tr("그리기"));
    bar->setObjectName(QStringLiteral("toolBar"));
    auto *group = new QActionGroup(&m_frame);
    for (const Tool &tool : tools) {
        auto *a = new QAction(tool.text, &m_frame);
        a->setObjectName(QStringLiteral("tool%1").arg(tool.id));
        a->setCheckable(true);
        a->setChecked(tool.id == ToolSelect);
        a->setData(tool.id);
        a->setIcon(barIcon(tool.icon));
        a->setShortcut(tool.key);
        a->setToolTip(withoutMnemonic(tool.text) + QStringLiteral(" (")
                      + tool.key.toString(QKeySequence::NativeText) + QLatin1Char(')'));
        if (tool.id == ToolSelect) {
            // Escape belongs to the canvas (it also cancels a drag); the menu only shows it.
            a->setShortcutContext(Qt::WidgetShortcut);
        }
        group->addAction(a);
        bar->addAction(a);
        m_frame.addAction(a);
        m_tools.push_back(a);
        QObject::connect(a, &QAction::triggered, &m_frame,
                         [this, id = tool.id] { m_frame.chooseTool(id); });
    }
}

QAction *CMainActions::tool(int toolId) const
{
    for (QAction *a : m_tools)
        if (a->data().toInt() == toolId)
            return a;
    return nullptr;
}

QAction *CMainActions::canvasAction(CanvasCommand command) const
{
    for (const auto &[a, c] : m_canvasActions)
        if (c == command)
            return a;
    return nullptr;
}

void CMainActions::checkTool(int toolId)
{
    if (QAction *a = tool(toolId))
        a->setChecked(true);
}

int CMainActions::currentTool() const
{
    for (QAction *a : m_tools)
        if (a->isChecked())
            return a->data().toInt();
    return ToolSelect;
}

} // namespace ui
