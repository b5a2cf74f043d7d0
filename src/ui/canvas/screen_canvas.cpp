// The document header first: its member named "slots" must be read before Qt defines the
// keyword macro.
#include "core/model/dorvane_doc.h"

#include "ui/canvas/screen_canvas.h"

#include "ui/canvas/add_remove_tags_command.h"
#include "ui/canvas/change_tags_command.h"
#include "ui/canvas/circle_tool.h"
#include "ui/canvas/command_ids.h"
#include "ui/canvas/line_tool.h"
#include "ui/canvas/lock_tags_command.h"
#include "ui/canvas/point_tag_tool.h"
#include "ui/canvas/rect_input_tool.h"
#include "ui/canvas/select_tool.h"
#include "ui/canvas/tag_painter.h"
#include "ui/canvas/tool_ids.h"
#include "ui/canvas/z_order_command.h"

#include "core/app/app_config.h"
#include "core/editor/arrange_rules.h"
#include "core/editor/selection_rules.h"
#include "core/editor/tag_clipboard.h"
#include "core/editor/z_order.h"
#include "core/model/img_res_mgr.h"
#include "core/model/screen_data.h"
#include "core/tags/tag_resources.h"

#include "util/mono_bitmap.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
#include <QUndoStack>

#include <algorithm>

namespace ui {

namespace {

QString mimeType()
{
    return QStringLiteral("application/x-kohmi-tag");
}

} // namespace

CScreenCanvas::CScreenCanvas(core::CDorvaneDoc &doc, core::CScreenData &screen,
                             const core::CAppConfig &config, QUndoStack *undo, QWidget *parent)
    : QWidget(parent)
    , m_doc(doc)
    , m_screen(screen)
    , m_config(config)
    , m_undo(undo)
    , m_grid(std::make_unique<core::GridSettings>(config.grid()))
    , m_painter(std::make_unique<CTagPainter>(config))
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
    if (m_undo)
        connect(m_undo, &QUndoStack::indexChanged, this, &CScreenCanvas::refresh);
    resize(sizeHint());
}

CScreenCanvas::~CScreenCanvas() = default;

QSize CScreenCanvas::sizeHint() const
{
    return QSize(m_mapping.deviceWidth(), m_mapping.deviceHeight());
}

bool CScreenCanvas::canInvoke(const char *slot) const
{
    const QByteArray name(slot);
    const std::size_t selected = m_selection.size();
    static const char *const needOne[] = {"bringToFront",
                                          "sendToBack",
                                          "alignScreenLeft",
                                          "alignScreenRight",
                                          "alignScreenTop",
                                          "alignScreenBottom",
                                          "centreHorizontally",
                                          "centreVertically",
                                          "lockSelection",
                                          "cut",
                                          "copy",
                                          "deleteSelection"};
    static const char *const needTwo[] = {"alignLeft", "alignRight", "alignTop", "alignBottom"};
    static const char *const needThree[] = {"distributeHorizontally", "distributeVertically"};
    for (const char *n : needOne)
        if (name == n)
            return selected >= 1;
    for (const char *n : needTwo)
        if (name == n)
            return selected >= 2;
    for (const char *n : needThree)
        if (name == n)
            return selected >= 3;
    if (name == "selectAll" || name == "unlockAll")
        return m_screen.TagCount() > 0;
    if (name == "paste") {
        const QMimeData *mime = QApplication::clipboard()->mimeData();
        return mime && mime->hasFormat(mimeType());
    }
    return false;
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
    if (finished)
        emit toolFinished();
}

void CScreenCanvas::refresh()
{
    pruneSelection();
    m_painter->clearImages();
    update();
}

void CScreenCanvas::configChanged()
{
    m_painter->clearCache();
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

void CScreenCanvas::showMessage(int id)
{
    QString text;
    switch (id) {
    case 52301:
        text = tr("더 이상 태그를 추가할 수 없습니다. 최대 입력가능한 태그의 갯수를 초과했습니다.");
        break;
    case 52302:
        text = tr("메모리가 모두 찼습니다.  더이상 추가할 수 없습니다. ");
        break;
    case 52303:
        text = tr("선택된 태그들간의 공간이 없으므로 균등 분할 할 수 없습니다. 다시 선택하시기 "
                  "바랍니다.");
        break;
    case 52604:
        text = tr("현재 편집을 위한 스크린이 존재하지 않습니다");
        break;
    default:
        break;
    }
    if (m_messageHandler)
        m_messageHandler(id, text);
    else
        QMessageBox::warning(this, QApplication::applicationName(), text);
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
    return core::editor::boundingRect(selectedRects());
}

std::vector<core::CRect> CScreenCanvas::selectedRects() const
{
    std::vector<core::CRect> rects;
    for (const core::CTag *tag : m_selection)
        rects.push_back(tag->Rect());
    return rects;
}

core::CTag *CScreenCanvas::hitTest(core::CPoint logical) const
{
    const auto &tags = m_screen.Tags();
    for (auto it = tags.rbegin(); it != tags.rend(); ++it)
        if ((*it)->HitTestHandle(logical, true) >= 0)
            return it->get();
    return nullptr;
}

bool CScreenCanvas::moveSelection(std::int32_t dx, std::int32_t dy)
{
    if (m_selection.empty() || (dx == 0 && dy == 0))
        return false;
    if (!core::editor::acceptsOffset(m_selection, dx, dy))
        return false;
    auto before = CChangeTagsCommand::snapshot(m_selection);
    for (core::CTag *tag : m_selection) {
        invalidateTag(tag);
        core::editor::moveTagBy(*tag, dx, dy);
        invalidateTag(tag);
    }
    pushCommand(new CChangeTagsCommand(m_selection, std::move(before), tr("태그 이동")));
    return true;
}

bool CScreenCanvas::duplicateSelection()
{
    std::vector<core::CTag *> clones;
    int failure = core::kTagOk;
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
        showMessage(failure == core::kTagNoRoom ? 52302 : 52301);
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

void CScreenCanvas::setBand(Band band, const QRect &rect, QPoint offset, int handle)
{
    m_band = band;
    m_bandRect = rect;
    m_bandOffset = offset;
    m_bandHandle = handle;
    update();
}

void CScreenCanvas::pushCommand(QUndoCommand *command)
{
    m_doc.SetModified();
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

void CScreenCanvas::invalidateTag(const core::CTag *tag)
{
    QRect r = toDevice(tag->Rect());
    if (isSelected(tag))
        r.adjust(-6, -6, 7, 7);
    update(r.adjusted(-1, -1, 1, 1));
}

// --- painting --------------------------------------------------------------------------------

void CScreenCanvas::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    paintScreen(p, event->rect(), false);
    if (m_active)
        paintSelection(p);
    paintBand(p);
}

void CScreenCanvas::renderPanel(QPainter &p, bool printing) const
{
    paintScreen(p, QRect(0, 0, m_mapping.deviceWidth(), m_mapping.deviceHeight()), printing);
}

void CScreenCanvas::paintScreen(QPainter &p, const QRect &clip, bool printing) const
{
    p.fillRect(clip, m_painter->back());
    p.save();
    p.scale(m_mapping.sx(), m_mapping.sy());
    if (m_screen.IsBackgroundOn()) {
        const core::CImgResMgr *images = core::tagResources().images;
        if (const util::CMonoBitmap *bmp
            = images ? images->Bitmap(m_screen.BackgroundImage()) : nullptr) {
            const QImage img = m_painter->image(*bmp, false);
            p.drawImage(0, 0, img);
        }
    }
    p.restore();
    if (!printing)
        paintGrid(p);
    p.save();
    p.scale(m_mapping.sx(), m_mapping.sy());
    for (const auto &tag : m_screen.Tags())
        m_painter->draw(p, *tag, printing);
    p.restore();
}

void CScreenCanvas::paintGrid(QPainter &p) const
{
    const core::GridSettings &g = *m_grid;
    if (!g.showGrid || g.xDot < 1 || g.yDot < 1)
        return;
    const QColor colour = fromColorRef(m_config.colors().grid);
    if (g.style == 0) {
        for (int x = g.xDot; x < core::kPanelWidth; x += g.xDot)
            for (int y = g.yDot; y < core::kPanelHeight; y += g.yDot) {
                const core::CPoint d = m_mapping.toDevice(core::CPoint{x, y});
                p.fillRect(QRect(d.x, d.y, 1, 1), colour);
            }
        return;
    }
    if (g.style != 1 && g.style != 2)
        return;
    QPen pen(colour);
    pen.setWidth(0);
    pen.setStyle(g.style == 1 ? Qt::SolidLine : Qt::DotLine);
    p.setPen(pen);
    const int w = m_mapping.deviceWidth(), h = m_mapping.deviceHeight();
    for (int x = g.xDot; x < core::kPanelWidth; x += g.xDot) {
        const int dx = m_mapping.toDevice(core::CPoint{x, 0}).x;
        p.drawLine(dx, 0, dx, h);
    }
    for (int y = g.yDot; y < core::kPanelHeight; y += g.yDot) {
        const int dy = m_mapping.toDevice(core::CPoint{0, y}).y;
        p.drawLine(0, dy, w, dy);
    }
}

void CScreenCanvas::paintSelection(QPainter &p) const
{
    const QColor select = fromColorRef(m_config.colors().select);
    const QColor focus = fromColorRef(m_config.colors().focus);
    // One handle image, stamped at every handle point.
    const int d = 2 * core::kHandleDrawRadius + 1;
    QImage handle(d, d, QImage::Format_ARGB32_Premultiplied);
    handle.fill(Qt::transparent);
    {
        QPainter hp(&handle);
        hp.setPen(select);
        hp.setBrush(focus);
        hp.drawEllipse(QPoint(core::kHandleDrawRadius, core::kHandleDrawRadius),
                       core::kHandleDrawRadius - 1, core::kHandleDrawRadius - 1);
    }
    for (const core::CTag *tag : m_selection) {
        if (tag->GetHandleCount() > 0) {
            for (int h = 1; h <= tag->GetHandleCount() && h <= 8; ++h) {
                const core::CPoint c = m_mapping.toDevice(tag->GetHandlePoint(h));
                p.drawImage(c.x - core::kHandleDrawRadius, c.y - core::kHandleDrawRadius, handle);
            }
        } else {
            const core::CRect r = tag->Rect().Normalized();
            p.setPen(select);
            p.setBrush(Qt::NoBrush);
            p.drawRect(toDevice({r.left - 1, r.top - 1, r.right + 1, r.bottom + 1})
                               .adjusted(0, 0, -1, -1));
        }
    }
}

void CScreenCanvas::paintBand(QPainter &p) const
{
    if (m_band == Band::None)
        return;
    QPen pen(Qt::white);
    pen.setStyle(m_band == Band::Focus ? Qt::DotLine : Qt::SolidLine);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    switch (m_band) {
    case Band::Outline:
        for (const core::CTag *tag : m_selection)
            p.drawRect(toDevice(tag->Rect()).translated(m_bandOffset).adjusted(0, 0, -1, -1));
        break;
    case Band::Line:
        // The two corners as given are the ends (the rectangle is not normalised).
        p.drawLine(m_bandRect.topLeft(), m_bandRect.bottomRight());
        break;
    case Band::Ellipse:
        p.drawEllipse(m_bandRect);
        break;
    default:
        p.drawRect(m_bandRect.adjusted(0, 0, -1, -1));
        break;
    }
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
    if (!tool->isPressed() && m_toolId == ToolSelect) {
        const core::CPoint p = toLogical(event->position().toPoint());
        Qt::CursorShape shape = Qt::ArrowCursor;
        if (m_selection.size() == 1 && m_selection.front()->HitTestHandle(p, true) >= 1) {
            switch (m_selection.front()->GetHandleCursor(
                    m_selection.front()->HitTestHandle(p, true))) {
            case core::TagCursor::SizeNWSE:
                shape = Qt::SizeFDiagCursor;
                break;
            case core::TagCursor::SizeNESW:
                shape = Qt::SizeBDiagCursor;
                break;
            case core::TagCursor::SizeNS:
                shape = Qt::SizeVerCursor;
                break;
            case core::TagCursor::SizeWE:
                shape = Qt::SizeHorCursor;
                break;
            case core::TagCursor::SizeAll:
                shape = Qt::SizeAllCursor;
                break;
            }
        } else if (hitTest(p)) {
            shape = Qt::SizeAllCursor;
        }
        setCursor(shape);
    } else if (m_toolId != ToolSelect) {
        setCursor(Qt::CrossCursor);
    }
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
        if (core::editor::acceptsOffset(m_selection, dx, dy)) {
            auto before = CChangeTagsCommand::snapshot(m_selection);
            for (core::CTag *tag : m_selection) {
                invalidateTag(tag);
                core::editor::moveTagBy(*tag, dx, dy);
                invalidateTag(tag);
            }
            pushCommand(new CChangeTagsCommand(m_selection, std::move(before), tr("태그 이동"),
                                               CmdArrowMove));
        }
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
        if (arrowKey(key->key())) {
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
        deleteSelection();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

std::unique_ptr<QMenu> CScreenCanvas::buildContextMenu()
{
    auto menu = std::make_unique<QMenu>(this);
    const bool any = !m_selection.empty();
    menu->addAction(tr("선택"), this, [this] { setTool(ToolSelect); });
    menu->addSeparator();
    menu->addAction(tr("잘라내기(&T)"), this, &CScreenCanvas::cut)->setEnabled(any);
    menu->addAction(tr("복사(&C)"), this, &CScreenCanvas::copy)->setEnabled(any);
    menu->addAction(tr("붙여넣기(&P)"), this, &CScreenCanvas::paste);
    menu->addAction(tr("삭제하기(&D)"), this, &CScreenCanvas::deleteSelection)->setEnabled(any);
    menu->addSeparator();
    menu->addAction(tr("맨 앞으로 가져오기(&F)"), this, &CScreenCanvas::bringToFront)
            ->setEnabled(any);
    menu->addAction(tr("맨 뒤로 보내기(&B)"), this, &CScreenCanvas::sendToBack)->setEnabled(any);
    menu->addSeparator();
    menu->addAction(tr("눈금 및 맞추기(&G)..."), this, &CScreenCanvas::gridDialogRequested);
    menu->addAction(tr("선택된 태그 고정(&L)"), this, &CScreenCanvas::lockSelection)
            ->setEnabled(any);
    menu->addSeparator();
    menu->addAction(tr("속성"), this, [this] {
        if (m_selection.size() == 1)
            emit editTagProperties(m_selection.front());
        else
            emit editScreenProperties();
    });
    return menu;
}

void CScreenCanvas::contextMenuEvent(QContextMenuEvent *event)
{
    core::CTag *tag = hitTest(toLogical(event->pos()));
    if (tag && !isSelected(tag))
        select(tag, false);
    update();
    buildContextMenu()->exec(event->globalPos());
}

// --- arrange and edit commands ---------------------------------------------------------------

void CScreenCanvas::applyRects(const std::vector<core::CRect> &rects, const QString &text)
{
    const std::vector<core::CTag *> tags = m_selection;
    auto before = CChangeTagsCommand::snapshot(tags);
    for (std::size_t i = 0; i < tags.size() && i < rects.size(); ++i) {
        invalidateTag(tags[i]);
        core::editor::moveTagToRect(*tags[i], rects[i]);
        invalidateTag(tags[i]);
    }
    auto *cmd = new CChangeTagsCommand(tags, std::move(before), text);
    if (cmd->isEmpty())
        delete cmd;
    else
        pushCommand(cmd);
}

void CScreenCanvas::alignLeft()
{
    if (m_selection.size() >= 2)
        applyRects(core::editor::alignRects(selectedRects(), core::editor::Edge::Left),
                   tr("왼쪽 맞춤"));
}

void CScreenCanvas::alignRight()
{
    if (m_selection.size() >= 2)
        applyRects(core::editor::alignRects(selectedRects(), core::editor::Edge::Right),
                   tr("오른쪽 맞춤"));
}

void CScreenCanvas::alignTop()
{
    if (m_selection.size() >= 2)
        applyRects(core::editor::alignRects(selectedRects(), core::editor::Edge::Top),
                   tr("위쪽 맞춤"));
}

void CScreenCanvas::alignBottom()
{
    if (m_selection.size() >= 2)
        applyRects(core::editor::alignRects(selectedRects(), core::editor::Edge::Bottom),
                   tr("아래쪽 맞춤"));
}

void CScreenCanvas::alignScreenLeft()
{
    applyRects(core::editor::alignToScreen(selectedRects(), core::editor::Edge::Left),
               tr("화면 왼쪽 맞춤"));
}

void CScreenCanvas::alignScreenRight()
{
    applyRects(core::editor::alignToScreen(selectedRects(), core::editor::Edge::Right),
               tr("화면 오른쪽 맞춤"));
}

void CScreenCanvas::alignScreenTop()
{
    applyRects(core::editor::alignToScreen(selectedRects(), core::editor::Edge::Top),
               tr("화면 위쪽 맞춤"));
}

void CScreenCanvas::alignScreenBottom()
{
    applyRects(core::editor::alignToScreen(selectedRects(), core::editor::Edge::Bottom),
               tr("화면 아래쪽 맞춤"));
}

void CScreenCanvas::centreHorizontally()
{
    applyRects(core::editor::centreRects(selectedRects(), true), tr("화면 가로 가운데 맞춤"));
}

void CScreenCanvas::centreVertically()
{
    applyRects(core::editor::centreRects(selectedRects(), false), tr("화면 세로 가운데 맞춤"));
}

void CScreenCanvas::distributeHorizontally()
{
    if (m_selection.size() < 3)
        return;
    const auto rects = core::editor::distributeRects(selectedRects(), true);
    if (!rects)
        return showMessage(52303);
    applyRects(*rects, tr("가로 간격을 동일하게"));
}

void CScreenCanvas::distributeVertically()
{
    if (m_selection.size() < 3)
        return;
    const auto rects = core::editor::distributeRects(selectedRects(), false);
    if (!rects)
        return showMessage(52303);
    applyRects(*rects, tr("세로 간격을 동일하게"));
}

namespace {

std::vector<core::CTag *> drawingOrder(const core::CScreenData &screen)
{
    std::vector<core::CTag *> order;
    for (const auto &tag : screen.Tags())
        order.push_back(tag.get());
    return order;
}

} // namespace

void CScreenCanvas::bringToFront()
{
    const auto before = drawingOrder(m_screen);
    const auto after = core::editor::bringToFront(before, m_selection);
    if (after != before)
        pushCommand(new CZOrderCommand(m_screen, before, after, tr("맨 앞으로 가져오기")));
    update();
}

void CScreenCanvas::sendToBack()
{
    const auto before = drawingOrder(m_screen);
    const auto after = core::editor::sendToBack(before, m_selection);
    if (after != before)
        pushCommand(new CZOrderCommand(m_screen, before, after, tr("맨 뒤로 보내기")));
    update();
}

void CScreenCanvas::selectAll()
{
    for (const auto &tag : m_screen.Tags())
        select(tag.get(), true);
    setFocus();
}

void CScreenCanvas::lockSelection()
{
    if (m_selection.empty())
        return;
    pushCommand(new CLockTagsCommand(m_selection, true, tr("선택된 태그 고정")));
    clearSelection();
}

void CScreenCanvas::unlockAll()
{
    std::vector<core::CTag *> locked;
    for (const auto &tag : m_screen.Tags())
        if (tag->IsLocked())
            locked.push_back(tag.get());
    if (!locked.empty())
        pushCommand(new CLockTagsCommand(locked, false, tr("태그 고정 해제")));
}

void CScreenCanvas::deleteSelection()
{
    if (m_selection.empty())
        return;
    const std::vector<core::CTag *> tags = m_selection;
    m_selection.clear();
    pushCommand(new CAddRemoveTagsCommand(m_screen, CAddRemoveTagsCommand::Mode::Remove, tags,
                                          tr("삭제하기")));
    update();
    emit selectionChanged();
}

void CScreenCanvas::copy()
{
    if (m_selection.empty())
        return;
    const std::vector<const core::CTag *> tags(m_selection.begin(), m_selection.end());
    const util::Bytes bytes = core::editor::writeTagRecord(m_screen.Number(), tags);
    auto *mime = new QMimeData;
    mime->setData(
            mimeType(),
            QByteArray(reinterpret_cast<const char *>(bytes.data()), qsizetype(bytes.size())));
    QApplication::clipboard()->setMimeData(mime);
}

void CScreenCanvas::cut()
{
    copy();
    deleteSelection();
}

void CScreenCanvas::paste()
{
    const QMimeData *mime = QApplication::clipboard()->mimeData();
    if (!mime || !mime->hasFormat(mimeType()))
        return;
    const QByteArray data = mime->data(mimeType());
    auto record = core::editor::readTagRecord(util::ConstByteSpan(
            reinterpret_cast<const std::uint8_t *>(data.constData()), std::size_t(data.size())));
    if (!record)
        return;
    clearSelection();
    std::vector<core::CTag *> added;
    for (auto &tag : record->tags) {
        core::CTag *raw = tag.get();
        const int result = m_screen.AddTag(std::move(tag), false);
        if (result != core::kTagOk) {
            for (const core::CTag *t : added)
                m_screen.TakeTag(t);
            update();
            showMessage(result == core::kTagNoRoom ? 52302 : 52301);
            return;
        }
        if (record->sourceScreen == m_screen.Number())
            core::editor::applyPasteOffset(*raw);
        raw->UpdateRect();
        added.push_back(raw);
    }
    if (added.empty())
        return;
    pushCommand(new CAddRemoveTagsCommand(m_screen, CAddRemoveTagsCommand::Mode::Add, added,
                                          tr("붙여넣기")));
    setSelection(added);
}

} // namespace ui
