#include "ui/canvas/screen_canvas.h"

#include "ui/canvas/canvas_context_menu.h"
#include "ui/canvas/canvas_overlay.h"
#include "ui/canvas/canvas_picture_cache.h"
#include "ui/canvas/circle_tool.h"
#include "ui/canvas/line_tool.h"
#include "ui/canvas/point_tag_tool.h"
#include "ui/canvas/rect_input_tool.h"
#include "ui/canvas/select_tool.h"
#include "ui/canvas/tag_painter.h"
#include "ui/canvas/tool_ids.h"
#include "ui/common/message_box.h"
#include "ui/undo/add_remove_tags_command.h"
#include "ui/undo/change_tags_command.h"
#include "ui/undo/command_ids.h"
#include "ui/undo/undo_sink.h"

#include "core/app/app_config.h"
#include "core/editor/arrange_rules.h"
#include "core/editor/selection_rules.h"
#include "core/editor/z_order.h"
#include "core/model/dorvane_doc.h"
#include "core/model/img_res_mgr.h"
#include "core/model/screen_data.h"

#include "util/message_ids.h"
#include "util/mono_bitmap.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QUndoCommand>

#include <algorithm>

namespace ui {

CScreenCanvas::CScreenCanvas(core::CDorvaneDoc &doc, core::CScreenData &screen,
                             const core::CAppConfig &config, IUndoSink *undo, QWidget *parent)
    : QWidget(parent)
    , m_doc(doc)
    , m_screen(screen)
    , m_config(config)
    , m_undo(undo)
    , m_grid(std::make_unique<core::GridSettings>(config.grid()))
    , m_painter(std::make_unique<CTagPainter>(config))
    , m_picture(std::make_unique<CCanvasPictureCache>())
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    m_tools[ToolSelect] = std::make_unique<CSelectTool>(*this);
    for (int kind : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 14, 15})
        m_tools[kind] = std::make_unique<CPointTagTool>(*this, kind);
    m_tools[ToolRect] = std::make_unique<CRectInputTool>(*this);
    m_tools[ToolLine] = std::make_unique<CLineTool>(*this);
    m_tools[ToolCircle] = std::make_unique<CCircleTool>(*this);
    resize(sizeHint());
}

CScreenCanvas::~CScreenCanvas() = default;

QSize CScreenCanvas::sizeHint() const
{
    return QSize(m_mapping.deviceWidth(), m_mapping.deviceHeight());
}

void CScreenCanvas::setZoomFactor(double sx, double sy)
{
    m_mapping = core::editor::CCanvasMapping(sx, sy);
    resize(sizeHint());
    updateGeometry();
    update();
}

void CScreenCanvas::setTool(int toolId)
{
    if (!m_tools.count(toolId))
        toolId = ToolSelect;
    const bool finished = m_toolId != ToolSelect && toolId == ToolSelect;
    m_toolId = toolId;
    // Shown at once, not only once the mouse moves (the cursor and the keyboard's cross).
    if (toolId == ToolSelect)
        unsetCursor();
    else
        setCursor(toolCursor(toolId));
    update();
    if (finished)
        emit toolFinished();
}

void CScreenCanvas::refresh()
{
    pruneSelection();
    m_painter->clearImages();
    m_picture->clear();
    update();
}

void CScreenCanvas::configChanged()
{
    m_painter->clearCache();
    m_picture->clear();
    update();
}

void CScreenCanvas::setActive(bool active)
{
    m_active = active;
    update();
}

void CScreenCanvas::setGridSettings(const core::GridSettings &grid)
{
    *m_grid = grid;
    update();
}

const core::GridSettings &CScreenCanvas::gridSettings() const
{
    return *m_grid;
}

// --- selection -------------------------------------------------------------------------------

bool CScreenCanvas::isSelected(const core::CTag *tag) const
{
    return std::find(m_selection.begin(), m_selection.end(), tag) != m_selection.end();
}

void CScreenCanvas::select(core::CTag *tag, bool add)
{
    if (!add)
        clearSelection();
    if (!tag || isSelected(tag) || tag->IsLocked())
        return;
    m_selection.push_back(tag);
    invalidateTag(tag);
    emit selectionChanged();
}

void CScreenCanvas::deselect(core::CTag *tag)
{
    const auto it = std::find(m_selection.begin(), m_selection.end(), tag);
    if (it == m_selection.end())
        return;
    invalidateTag(tag);
    m_selection.erase(it);
    emit selectionChanged();
}

void CScreenCanvas::clearSelection()
{
    if (m_selection.empty())
        return;
    for (const core::CTag *tag : m_selection)
        invalidateTag(tag);
    m_selection.clear();
    emit selectionChanged();
}

void CScreenCanvas::setSelection(std::vector<core::CTag *> tags)
{
    m_selection.clear();
    for (core::CTag *tag : tags)
        if (!tag->IsLocked() && !isSelected(tag))
            m_selection.push_back(tag);
    update();
    emit selectionChanged();
}

void CScreenCanvas::selectInRect(const QRect &deviceRect, bool add)
{
    if (!add)
        clearSelection();
    const core::CPoint a = toLogical(deviceRect.topLeft());
    const core::CPoint b = deviceRect.width() <= 1 && deviceRect.height() <= 1
            ? a
            : toLogical(deviceRect.bottomRight() + QPoint(1, 1));
    const core::CRect band{a.x, a.y, b.x, b.y};
    for (const auto &tag : m_screen.Tags())
        if (core::editor::bandSelects(*tag, band))
            select(tag.get(), true);
}

core::CRect CScreenCanvas::selectionBounds() const
{
    std::vector<core::CRect> rects;
    for (const core::CTag *tag : m_selection)
        rects.push_back(tag->Rect());
    return core::editor::boundingRect(rects);
}

std::vector<core::CTag *> CScreenCanvas::drawingOrder() const
{
    std::vector<core::CTag *> order;
    for (const auto &tag : m_screen.Tags())
        order.push_back(tag.get());
    return core::editor::keptOrder(std::move(order));
}

core::CTag *CScreenCanvas::hitTest(core::CPoint logical) const
{
    const auto tags = drawingOrder();
    for (auto it = tags.rbegin(); it != tags.rend(); ++it)
        if ((*it)->HitTestHandle(logical, true) >= 0)
            return *it;
    return nullptr;
}

bool CScreenCanvas::moveSelection(std::int32_t dx, std::int32_t dy)
{
    // A drag past the display's edge lands at the edge.
    const core::CPoint kept = core::editor::clampToDisplay(m_selection, dx, dy);
    dx = kept.x;
    dy = kept.y;
    if (m_selection.empty() || (dx == 0 && dy == 0))
        return false;
    if (!core::editor::acceptsOffset(m_selection, dx, dy))
        return false;
    shiftSelection(dx, dy, -1);
    return true;
}

void CScreenCanvas::shiftSelection(std::int32_t dx, std::int32_t dy, int mergeId)
{
    auto before = CChangeTagsCommand::snapshot(m_selection);
    for (core::CTag *tag : m_selection) {
        invalidateTag(tag);
        core::editor::moveTagBy(*tag, dx, dy);
        invalidateTag(tag);
    }
    pushCommand(new CChangeTagsCommand(m_selection, std::move(before), tr("태그 이동"), mergeId));
}

bool CScreenCanvas::duplicateSelection()
{
    std::vector<core::CTag *> clones;
    core::TagResult failure = core::kTagOk;
    for (const core::CTag *tag : m_selection) {
        std::unique_ptr<core::CTag> copy = tag->Clone();
        if (!copy) {
            failure = core::kTagLimit;
            break;
        }
        core::CTag *raw = copy.get();
        failure = m_screen.AddTag(std::move(copy), false);
        if (failure != core::kTagOk)
            break;
        clones.push_back(raw);
    }
    if (failure != core::kTagOk) {
        for (const core::CTag *tag : clones)
            m_screen.TakeTag(tag);
        update();
        showMessage(this, core::tagRefusalMessage(failure));
        return false;
    }
    pushCommand(new CAddRemoveTagsCommand(m_screen, CAddRemoveTagsCommand::Mode::Add, clones,
                                          tr("태그 복사")));
    setSelection(clones);
    return true;
}

void CScreenCanvas::pruneSelection()
{
    const auto &tags = m_screen.Tags();
    const auto gone = [&](const core::CTag *t) {
        return std::none_of(tags.begin(), tags.end(), [t](const auto &p) { return p.get() == t; });
    };
    const std::size_t n = m_selection.size();
    m_selection.erase(std::remove_if(m_selection.begin(), m_selection.end(), gone),
                      m_selection.end());
    if (m_selection.size() != n)
        emit selectionChanged();
}

// --- tools support ---------------------------------------------------------------------------

core::CPoint CScreenCanvas::toLogical(const QPoint &device) const
{
    return m_mapping.toLogical({device.x(), device.y()});
}

QRect CScreenCanvas::toDevice(const core::CRect &logical) const
{
    const core::CRect d = m_mapping.toDevice(logical);
    return QRect(d.left, d.top, d.Width(), d.Height());
}

void CScreenCanvas::pushCommand(QUndoCommand *command)
{
    if (m_undo) {
        m_undo->push(command);
    } else {
        command->redo();
        delete command;
    }
}

CAbstractTool *CScreenCanvas::toolFor(int toolId) const
{
    const auto it = m_tools.find(toolId);
    return it == m_tools.end() ? m_tools.at(ToolSelect).get() : it->second.get();
}

// --- mouse and keys --------------------------------------------------------------------------

void CScreenCanvas::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    setFocus(Qt::MouseFocusReason);
    CAbstractTool *tool = toolFor(m_toolId);
    tool->setSnap(m_grid->snap);
    tool->mousePressed(event);
}

void CScreenCanvas::mouseMoveEvent(QMouseEvent *event)
{
    CAbstractTool *tool = toolFor(m_toolId);
    tool->mouseMoved(event);
    m_keyPlacement.follow(toLogical(event->position().toPoint()));
    if (!tool->isPressed() && m_toolId == ToolSelect) {
        updateCursor(toLogical(event->position().toPoint()));
    } else if (m_toolId != ToolSelect) {
        setCursor(toolCursor(m_toolId));
    }
}

void CScreenCanvas::updateCursor(core::CPoint p)
{
    Qt::CursorShape shape = Qt::ArrowCursor;
    const int handle = m_selection.size() == 1 ? m_selection.front()->HitTestHandle(p, true) : -1;
    if (handle >= 1)
        shape = cursorShape(m_selection.front()->GetHandleCursor(handle));
    else if (hitTest(p))
        shape = Qt::SizeAllCursor;
    setCursor(shape);
}

void CScreenCanvas::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mouseReleaseEvent(event);
    toolFor(m_toolId)->mouseReleased(event);
    setTool(ToolSelect);
    setFocus(Qt::MouseFocusReason);
}

void CScreenCanvas::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    setFocus(Qt::MouseFocusReason);
    CAbstractTool *tool = toolFor(m_toolId);
    tool->setSnap(m_grid->snap);
    tool->mouseDoubleClicked(event);
}

bool CScreenCanvas::arrowKey(int key)
{
    if (m_selection.empty())
        return false;
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down: {
        const int dx = key == Qt::Key_Left ? -1 : key == Qt::Key_Right ? 1 : 0;
        const int dy = key == Qt::Key_Up ? -1 : key == Qt::Key_Down ? 1 : 0;
        // Consecutive nudges merge into one step.
        if (core::editor::acceptsOffset(m_selection, dx, dy))
            shiftSelection(dx, dy, CmdArrowMove);
        return true;
    }
    default:
        return false;
    }
}

bool CScreenCanvas::event(QEvent *e)
{
    // Arrow keys move the selection before focus navigation can take them.
    if (e->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(e);
        if (m_keyPlacement.keyPressed(key->key(), key->modifiers() & Qt::ShiftModifier)
            || arrowKey(key->key())) {
            e->accept();
            return true;
        }
    }
    return QWidget::event(e);
}

void CScreenCanvas::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Escape: {
        CAbstractTool *tool = toolFor(m_toolId);
        if (tool->isPressed())
            tool->cancel();
        else
            clearSelection();
        setTool(ToolSelect);
        break;
    }
    case Qt::Key_Delete:
        m_actions.deleteSelection();
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Enter opens the properties of the one selected tag.
        if (m_selection.size() == 1)
            emit editTagProperties(m_selection.front());
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

std::unique_ptr<QMenu> CScreenCanvas::buildContextMenu()
{
    return buildCanvasContextMenu(*this);
}

void CScreenCanvas::contextMenuEvent(QContextMenuEvent *event)
{
    core::CTag *tag = hitTest(toLogical(event->pos()));
    if (tag && !isSelected(tag))
        select(tag, false);
    update();
    buildContextMenu()->exec(event->globalPos());
}

} // namespace ui
