// The main frame's screen windows: one editor view per open screen in the MDI area, their
// arrangement and zoom, and the drawing tool they share.

#include "ui/app/main_actions.h"
#include "ui/app/main_frame.h"
#include "ui/app/project_controller.h"
#include "ui/canvas/screen_canvas.h"
#include "ui/canvas/tool_ids.h"
#include "ui/common/message_box.h"
#include "ui/view/dorvane_view.h"
#include "ui/view/panel_picture.h"

#include "core/app/app_services.h"
#include "core/editor/screen_rules.h"
#include "core/model/dorvane_doc.h"

#include "util/message_ids.h"

#include <QComboBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QStatusBar>

namespace ui {

void CMainFrame::forEachView(const std::function<void(CDorvaneView *)> &fn) const
{
    // A window the user closed waits for its deferred deletion: it may outlive its screen, so it
    // is no longer one of the views.
    for (QMdiSubWindow *sub : m_mdi->subWindowList())
        if (auto *view = qobject_cast<CDorvaneView *>(sub->widget()); view && !sub->isHidden())
            fn(view);
}

void CMainFrame::discardViews()
{
    // Deleted now, not on close: a closed window's deferred deletion would leave its canvas
    // reachable after the document it refers to has gone.
    const QList<QMdiSubWindow *> subs = m_mdi->subWindowList();
    for (QMdiSubWindow *sub : subs) {
        sub->close();
        delete sub;
    }
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
    core::CScreenData *screen = document() ? document()->FindScreen(number) : nullptr;
    if (!screen)
        return nullptr;
    auto *view
            = new CDorvaneView(*document(), *screen, m_services.Config(), m_picture, m_controller);
    QMdiSubWindow *sub = m_mdi->addSubWindow(view);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowTitle(QString::fromStdString(core::screenCaption(*screen, panelLangId())));
    // Ctrl+W opens the alarms: the screen window closes with Ctrl+F4 alone.
    if (QMenu *menu = sub->systemMenu())
        for (QAction *a : menu->actions())
            if (a->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_W)))
                a->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F4));
    connectView(view);
    // The tool kind is program-wide: a new view starts with the current one.
    view->canvas()->setTool(m_actions->currentTool());
    sub->show();
    view->setZoom(zoomBox()->currentIndex());
    m_mdi->setActiveSubWindow(sub);
    updateActions();
    return view;
}

void CMainFrame::connectView(CDorvaneView *view)
{
    connect(view, &CDorvaneView::editScreenProperties, this,
            [this, view] { editScreenProperties(view->screenNumber()); });
    connect(view, &CDorvaneView::editTagProperties, this,
            [this, view](core::CTag *tag) { editTagProperties(view->screenNumber(), tag); });
    connect(view, &CDorvaneView::zoomStepped, this, [this](int index) {
        const QSignalBlocker block(zoomBox());
        zoomBox()->setCurrentIndex(index);
    });
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
    CScreenCanvas *canvas = view->canvas();
    connect(canvas, &CScreenCanvas::gridDialogRequested, this, &CMainFrame::onGridSnap);
    connect(canvas, &CScreenCanvas::selectionChanged, this, &CMainFrame::updateActions);
    connect(canvas, &CScreenCanvas::statusMessage, this,
            [this](const QString &text) { statusBar()->showMessage(text, 5000); });
    connect(canvas, &CScreenCanvas::toolFinished, this,
            [this] { m_actions->checkTool(ToolSelect); });
}

void CMainFrame::chooseTool(int toolId)
{
    if (!activeView() && toolId != ToolSelect) {
        showMessage(this, util::msg::kNoScreenToEdit);
        // The refused tool does not stay chosen.
        m_actions->checkTool(ToolSelect);
        return;
    }
    forEachView([toolId](CDorvaneView *v) { v->canvas()->setTool(toolId); });
}

void CMainFrame::setZoom(int index)
{
    if (auto *view = activeView())
        view->setZoom(index);
}

void CMainFrame::arrangeWindows(bool tile)
{
    const int zoom = tile ? CDorvaneView::ZoomFit : CDorvaneView::Zoom100;
    if (tile) {
        forEachView([zoom](CDorvaneView *v) { v->setZoom(zoom); });
        m_mdi->tileSubWindows();
    } else {
        // Cascading shrinks the frames; 100 % then gives each the whole picture again, keeping
        // the cascaded corner.
        m_mdi->cascadeSubWindows();
        forEachView([zoom](CDorvaneView *v) { v->setZoom(zoom); });
    }
    const QSignalBlocker block(zoomBox());
    zoomBox()->setCurrentIndex(zoom);
}

void CMainFrame::closeView(std::uint16_t number)
{
    if (auto *view = findView(number)) {
        QWidget *sub = view->parentWidget();
        sub->close();
        delete sub;
    }
}

} // namespace ui
