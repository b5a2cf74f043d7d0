#include "ui/app/main_actions.h"

#include "ui/app/main_frame.h"
#include "ui/app/project_controller.h"
#include "ui/canvas/screen_canvas.h"
#include "ui/canvas/tool_ids.h"
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
}

QAction *CMainActions::add(const QString &name, const QString &text, const QKeySequence &key)
{
    auto *a = new QAction(text, &m_frame);
    a->setObjectName(name);
    if (!key.isEmpty())
        a->setShortcut(key);
    return a;
}

void CMainActions::createActions()
{
    CMainFrame *f = &m_frame;
    QUndoStack *undo = m_frame.undoStack();
    QObject::connect(add("fileNew", tr("새 프로젝트(&N)..."), QKeySequence::New),
                     &QAction::triggered, f, &CMainFrame::onNew);
    QObject::connect(add("fileOpen", tr("열기(&O)..."), QKeySequence::Open), &QAction::triggered, f,
                     &CMainFrame::onOpen);
    QObject::connect(add("fileClose", tr("닫기(&C)")), &QAction::triggered, f,
                     &CMainFrame::onClose);
    QObject::connect(add("fileSave", tr("저장(&S)"), QKeySequence::Save), &QAction::triggered, f,
                     &CMainFrame::onSave);
    QObject::connect(add("fileSaveAs", tr("다른 이름으로 저장(&A)...")), &QAction::triggered, f,
                     &CMainFrame::onSaveAs);
    QObject::connect(add("fileExit", tr("끝내기(&X)")), &QAction::triggered, f, &QWidget::close);
    QObject::connect(add("filePrint", tr("인쇄(&P)..."), QKeySequence::Print), &QAction::triggered,
                     f, &CMainFrame::onPrint);
    QObject::connect(add("filePrintPreview", tr("인쇄 미리보기(&V)")), &QAction::triggered, f,
                     &CMainFrame::onPrintPreview);
    QObject::connect(add("fileExportPdf", tr("PDF로 내보내기...")), &QAction::triggered, f,
                     &CMainFrame::onExportPdf);
    QObject::connect(add("fileExportPictures", tr("그림으로 내보내기...")), &QAction::triggered, f,
                     &CMainFrame::onExportPictures);

    m_undo = add("editUndo", tr("실행 취소(&U)"), QKeySequence(tr("Ctrl+Z")));
    QObject::connect(m_undo, &QAction::triggered, undo, &QUndoStack::undo);
    m_redo = add("editRedo", tr("다시 실행(&R)"), QKeySequence(tr("Ctrl+Y")));
    QObject::connect(m_redo, &QAction::triggered, undo, &QUndoStack::redo);
    QObject::connect(add("editCut", tr("잘라내기(&T)"), QKeySequence::Cut), &QAction::triggered, f,
                     &CMainFrame::onCut);
    QObject::connect(add("editCopy", tr("복사(&C)"), QKeySequence::Copy), &QAction::triggered, f,
                     &CMainFrame::onCopy);
    QObject::connect(add("editPaste", tr("붙여넣기(&P)"), QKeySequence::Paste), &QAction::triggered,
                     f, &CMainFrame::onPaste);
    // No shortcut: the canvas and the tree take the Delete key themselves.
    QObject::connect(add("editDelete", tr("삭제(&D)")), &QAction::triggered, f,
                     &CMainFrame::onDelete);
    QObject::connect(add("editSelectAll", tr("모두 선택(&A)"), QKeySequence::SelectAll),
                     &QAction::triggered, f, [f] {
                         if (auto *v = f->activeView())
                             v->canvas()->actions().selectAll();
                     });

    QObject::connect(add("screenNew", tr("새 화면(&N)"), QKeySequence(tr("Ctrl+G"))),
                     &QAction::triggered, f, &CMainFrame::newScreen);
    QObject::connect(add("screenDelete", tr("화면 삭제(&D)")), &QAction::triggered, f,
                     &CMainFrame::onDeleteScreen);
    QObject::connect(add("screenProperties", tr("화면 속성(&P)...")), &QAction::triggered, f, [f] {
        if (auto *v = f->activeView())
            f->editScreenProperties(v->screenNumber());
    });
    QObject::connect(add("screenTagList", tr("태그 리스트")), &QAction::triggered, f,
                     &CMainFrame::showTagList);
    // F5 draws lamps: the preview takes Ctrl+F5, as running does in many tools.
    QObject::connect(add("screenPreview", tr("미리보기(&R)"), QKeySequence(Qt::CTRL | Qt::Key_F5)),
                     &QAction::triggered, f, [f] { f->showPreview(); });
    QObject::connect(add("screenPreviewHere", tr("이 화면부터 미리보기(&T)"),
                         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F5)),
                     &QAction::triggered, f, [f] { f->showPreview(true); });
    QObject::connect(add("viewMemory", tr("메모리 사용량...")), &QAction::triggered, f,
                     &CMainFrame::onMemoryUse);
    QObject::connect(add("viewOptions", tr("옵션...")), &QAction::triggered, f,
                     &CMainFrame::onOptions);
    QObject::connect(add("viewGrid", tr("그리드 및 스냅...")), &QAction::triggered, f,
                     &CMainFrame::onGridSnap);
    QObject::connect(add("projectParams", tr("파라미터 설정(&A)...")), &QAction::triggered, f,
                     &CMainFrame::editPanelSettings);
    QObject::connect(add("projectComm1", tr("채널 1 통신 설정(&1)...")), &QAction::triggered, f,
                     [f] { f->editChannelSettings(1); });
    QObject::connect(add("projectComm2", tr("채널 2 통신 설정(&2)...")), &QAction::triggered, f,
                     [f] { f->editChannelSettings(2); });
    QObject::connect(add("projectPlcType", tr("PLC 타입 변경(&T)...")), &QAction::triggered, f,
                     &CMainFrame::changePlcType);
    QObject::connect(add("projectComPort", tr("Velmar Panel 연결 포트 변경(&C)...")),
                     &QAction::triggered, f, &CMainFrame::changeComPort);
    // The common functions.
    const auto function = [&](const char *name, const QString &text, const QKeySequence &key,
                              void (CMainFrame::*slot)()) {
        QObject::connect(add(QString::fromLatin1(name), text, key), &QAction::triggered, f, slot);
    };
    function("functionAlarms", tr("경보"), QKeySequence(Qt::CTRL | Qt::Key_W),
             &CMainFrame::editAlarms);
    function("functionCalculations", tr("연산"), QKeySequence(Qt::CTRL | Qt::Key_I),
             &CMainFrame::editCalculations);
    function("functionTransfers", tr("블록통신"), QKeySequence(Qt::CTRL | Qt::Key_T),
             &CMainFrame::editTransfers);
    function("functionReservations", tr("예약"), QKeySequence(Qt::CTRL | Qt::Key_R),
             &CMainFrame::editReservations);
    function("functionMessages", tr("메시지 관리"), QKeySequence(Qt::CTRL | Qt::Key_M),
             &CMainFrame::editMessages);
    function("functionImages", tr("이미지 보기"), QKeySequence(Qt::CTRL | Qt::Key_B),
             &CMainFrame::showRegisteredImages);
    function("functionKeys", tr("기능키 리스트"), {}, &CMainFrame::showFunctionKeys);
    function("functionSystemMemory", tr("시스템 메모리 사용"), {},
             &CMainFrame::showUsedSystemMemory);
    QObject::connect(add("windowCascade", tr("계단식(&C)")), &QAction::triggered, f,
                     [f] { f->arrangeWindows(false); });
    QObject::connect(add("windowTile", tr("바둑판식(&T)")), &QAction::triggered, f,
                     [f] { f->arrangeWindows(true); });
}

void CMainActions::createMenus()
{
    QMenuBar *bar = m_frame.menuBar();
    const auto action = [this](const char *name) { return m_frame.action(name); };
    QMenu *file = bar->addMenu(tr("파일(&F)"));
    file->addActions({action("fileNew"), action("fileOpen"), action("fileClose")});
    file->addSeparator();
    file->addActions({action("fileSave"), action("fileSaveAs")});
    file->addSeparator();
    file->addActions({action("filePrint"), action("filePrintPreview"), action("fileExportPdf"),
                      action("fileExportPictures")});
    file->addSeparator();
    m_recentMenu = file->addMenu(tr("최근 파일"));
    m_recentMenu->setObjectName(QStringLiteral("recentMenu"));
    file->addSeparator();
    file->addAction(action("fileExit"));

    m_editMenu = bar->addMenu(tr("편집(&E)"));
    m_editMenu->addActions({m_undo, m_redo});
    m_editMenu->addSeparator();
    m_editMenu->addActions(
            {action("editCut"), action("editCopy"), action("editPaste"), action("editDelete")});

    QMenu *view = bar->addMenu(tr("보기(&V)"));
    QAction *projectToggle = m_frame.projectWindow()->toggleViewAction();
    projectToggle->setText(tr("프로젝트 창(&P)"));
    projectToggle->setObjectName(QStringLiteral("viewProject"));
    view->addAction(projectToggle);
    auto *statusToggle = view->addAction(tr("상태 표시줄(&S)"));
    statusToggle->setCheckable(true);
    statusToggle->setChecked(true);
    QObject::connect(statusToggle, &QAction::toggled, m_frame.statusBar(), &QWidget::setVisible);
    QAction *zoomToggle = view->addAction(tr("확대상자"));
    zoomToggle->setObjectName(QStringLiteral("viewZoomWnd"));
    zoomToggle->setCheckable(true);
    QObject::connect(zoomToggle, &QAction::toggled, m_frame.zoomWindow(), &QWidget::setVisible);
    QObject::connect(m_frame.zoomWindow(), &CZoomWnd::shownChanged, zoomToggle,
                     &QAction::setChecked);
    view->addSeparator();
    view->addActions({action("viewMemory"), action("viewGrid"), action("viewOptions")});

    QMenu *screen = bar->addMenu(tr("화면(&S)"));
    screen->addActions({action("screenNew"), action("screenDelete"), action("screenProperties"),
                        action("screenTagList")});
    screen->addSeparator();
    screen->addActions({action("screenPreview"), action("screenPreviewHere")});

    QMenu *project = bar->addMenu(tr("프로젝트(&P)"));
    project->setObjectName(QStringLiteral("projectMenu"));
    project->addAction(action("projectParams"));
    project->addActions({action("projectComm1"), action("projectComm2")});
    project->addAction(action("projectPlcType"));
    project->addSeparator();
    // The PC's own port: not part of the project, so always available.
    project->addAction(action("projectComPort"));
    QMenu *functions = bar->addMenu(tr("공통(&M)"));
    functions->setObjectName(QStringLiteral("functionsMenu"));
    functions->addActions({action("functionAlarms"), action("functionCalculations"),
                           action("functionTransfers"), action("functionReservations")});
    functions->addSeparator();
    functions->addActions(
            {action("functionMessages"), action("functionImages"), action("functionKeys")});
    functions->addSeparator();
    functions->addAction(action("functionSystemMemory"));

    QMenu *window = bar->addMenu(tr("창(&W)"));
    window->addActions({action("windowCascade"), action("windowTile")});
}

void CMainActions::createToolBars()
{
    m_frame.setIconSize(QSize(kBarIconSize, kBarIconSize));
    QToolBar *file = m_frame.addToolBar(tr("표준"));
    file->setObjectName(QStringLiteral("standardBar"));
    m_frame.action("fileNew")->setIcon(barIcon("file_new"));
    m_frame.action("fileOpen")->setIcon(barIcon("file_open"));
    m_frame.action("fileSave")->setIcon(barIcon("file_save"));
    file->addActions(
            {m_frame.action("fileNew"), m_frame.action("fileOpen"), m_frame.action("fileSave")});
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
    QMenu *arrangeMenu = new QMenu(tr("정렬(&A)"), &m_frame);
    m_frame.menuBar()->insertMenu(m_frame.menuBar()->actions().at(3), arrangeMenu);
    struct Command
    {
        const char *name;
        CanvasCommand command;
        const char *icon;
    };
    const Command commands[] = {
            {"bringToFront", CanvasCommand::BringToFront, "bring_to_front"},
            {"sendToBack", CanvasCommand::SendToBack, "send_to_back"},
            {"alignLeft", CanvasCommand::AlignLeft, "align_left"},
            {"alignRight", CanvasCommand::AlignRight, "align_right"},
            {"alignTop", CanvasCommand::AlignTop, "align_top"},
            {"alignBottom", CanvasCommand::AlignBottom, "align_bottom"},
            {"alignScreenLeft", CanvasCommand::AlignScreenLeft, "align_screen_left"},
            {"alignScreenRight", CanvasCommand::AlignScreenRight, "align_screen_right"},
            {"alignScreenTop", CanvasCommand::AlignScreenTop, "align_screen_top"},
            {"alignScreenBottom", CanvasCommand::AlignScreenBottom, "align_screen_bottom"},
            {"centreHorizontally", CanvasCommand::CentreHorizontally, "centre_horizontally"},
            {"centreVertically", CanvasCommand::CentreVertically, "centre_vertically"},
            {"distributeHorizontally", CanvasCommand::DistributeHorizontally,
             "distribute_horizontally"},
            {"distributeVertically", CanvasCommand::DistributeVertically, "distribute_vertically"},
            {"lockSelection", CanvasCommand::LockSelection, "lock"},
            {"unlockAll", CanvasCommand::UnlockAll, "unlock"}};
    const QString texts[] = {tr("맨 앞으로"),        tr("맨 뒤로"),          tr("왼쪽 맞춤"),
                             tr("오른쪽 맞춤"),      tr("위쪽 맞춤"),        tr("아래쪽 맞춤"),
                             tr("화면 왼쪽 맞춤"),   tr("화면 오른쪽 맞춤"), tr("화면 위쪽 맞춤"),
                             tr("화면 아래쪽 맞춤"), tr("가로 가운데"),      tr("세로 가운데"),
                             tr("가로 같은 간격"),   tr("세로 같은 간격"),   tr("선택 태그 잠금"),
                             tr("잠금 모두 해제")};
    int i = 0;
    for (const auto &[name, command, icon] : commands) {
        QAction *a
                = add(QString::fromLatin1(name), texts[i++],
                      command == CanvasCommand::LockSelection ? QKeySequence(Qt::CTRL | Qt::Key_L)
                                                              : QKeySequence());
        a->setIcon(barIcon(icon));
        m_canvasActions.emplace_back(a, command);
        QObject::connect(a, &QAction::triggered, &m_frame, [this, command = command] {
            if (auto *v = m_frame.activeView())
                v->canvas()->actions().run(command);
        });
        arrange->addAction(a);
        arrangeMenu->addAction(a);
    }
    m_editMenu->addAction(m_frame.action("editSelectAll"));
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
            {ToolSelect, tr("선택"), QKeySequence(Qt::Key_Escape), "select"},
            {ToolDigit, tr("숫자"), QKeySequence(Qt::Key_F2), "digit"},
            {ToolMessage, tr("메시지"), QKeySequence(Qt::Key_F3), "message"},
            {ToolText, tr("문자열"), QKeySequence(Qt::ALT | Qt::Key_M), "text"},
            {ToolLamp, tr("램프"), QKeySequence(Qt::Key_F5), "lamp"},
            {ToolButton, tr("버튼"), QKeySequence(Qt::Key_F4), "button"},
            {ToolPie, tr("파이 그래프"), QKeySequence(Qt::Key_F8), "pie"},
            {ToolBitmap, tr("이미지"), QKeySequence(Qt::ALT | Qt::Key_I), "bitmap"},
            {ToolBarGraph, tr("막대 그래프"), QKeySequence(Qt::Key_F6), "bar_graph"},
            {ToolTrendGraph, tr("트렌드 그래프"), QKeySequence(Qt::Key_F7), "trend_graph"},
            {ToolMotor, tr("회전"), QKeySequence(Qt::Key_F9), "motor"},
            {ToolMobile, tr("이동"), QKeySequence(Qt::Key_F11), "mobile"},
            {ToolRect, tr("사각형"), QKeySequence(Qt::ALT | Qt::Key_N), "rect"},
            {ToolLine, tr("선"), QKeySequence(Qt::ALT | Qt::Key_L), "line"},
            {ToolCircle, tr("원"), QKeySequence(Qt::ALT | Qt::Key_B), "circle"},
            {ToolClock, tr("시계"), QKeySequence(Qt::Key_F12), "clock"},
            {ToolBmpText, tr("이미지텍스트"), QKeySequence(Qt::ALT | Qt::Key_G), "bmp_text"},
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
        a->setToolTip(tool.text + QStringLiteral(" (") + tool.key.toString(QKeySequence::NativeText)
                      + QLatin1Char(')'));
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

void CMainActions::createToolMenus()
{
    QMenuBar *bar = m_frame.menuBar();
    QAction *before = bar->actions().last(); // ahead of the window menu
    QMenu *tags = new QMenu(tr("태그(&T)"), &m_frame);
    tags->setObjectName(QStringLiteral("tagMenu"));
    for (int id : {ToolDigit, ToolMessage, ToolButton, ToolLamp, ToolBarGraph, ToolTrendGraph,
                   ToolPie, ToolMotor, ToolMobile, ToolClock})
        tags->addAction(m_frame.action(QStringLiteral("tool%1").arg(id)));
    QMenu *draw = new QMenu(tr("그리기(&D)"), &m_frame);
    draw->setObjectName(QStringLiteral("drawMenu"));
    for (int id : {ToolSelect, ToolText, ToolBmpText, ToolBitmap, ToolLine, ToolRect, ToolCircle})
        draw->addAction(m_frame.action(QStringLiteral("tool%1").arg(id)));
    bar->insertMenu(before, tags);
    bar->insertMenu(before, draw);
}

void CMainActions::createCommMenu()
{
    // The commands in the menu's order.
    CMainFrame *f = &m_frame;
    auto *menu = new QMenu(tr("통신(&C)"), &m_frame);
    menu->setObjectName(QStringLiteral("commMenu"));
    const auto item = [&](const char *name, const QString &text, const QKeySequence &key,
                          std::function<void()> run) {
        QAction *a = add(QString::fromLatin1(name), text, key);
        QObject::connect(a, &QAction::triggered, f, std::move(run));
        menu->addAction(a);
    };
    item("commDownload", tr("다운로드(&D)"), QKeySequence(Qt::CTRL | Qt::Key_D),
         [f] { f->download(); });
    item("commUpload", tr("업로드(&U)"), QKeySequence(Qt::CTRL | Qt::Key_U), [f] { f->upload(); });
    item("commFont", tr("폰트(&F)"), {}, [f] { f->downloadFont(); });
    item("commClock", tr("날짜/시간(&T)"), {}, [f] { f->showPanelClock(); });
    item("commPasswordSet", tr("암호설정(&P)"), {}, [f] { f->setPanelPassword(); });
    item("commPasswordRemove", tr("암호해제"), {}, [f] { f->removePanelPassword(); });
    item("commErase", tr("전체 메모리 포맷"), {}, [f] { f->eraseMemory(); });
    item("commOsDownload", tr("OS 다운로드"), {}, [f] { f->startOsDownloader(); });
    item("commAlarmRead", tr("경보이력읽기"), {}, [f] { f->showAlarmHistory(); });
    item("commAlarmDelete", tr("경보이력삭제"), {}, [f] { f->deleteAlarmHistory(); });
    item("commSysInfo", tr("시스템 정보 읽기"), {}, [f] { f->showSystemInfo(); });
    QMenuBar *bar = m_frame.menuBar();
    bar->insertMenu(bar->actions().last(), menu); // ahead of the window menu
}

void CMainActions::checkTool(int toolId)
{
    for (QAction *a : m_tools)
        if (a->data().toInt() == toolId)
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
