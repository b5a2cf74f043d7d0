#include "ui/canvas/select_tool.h"

#include "core/editor/selection_rules.h"

#include "ui/canvas/screen_canvas.h"
#include "ui/undo/change_tags_command.h"
#include "ui/undo/undo_sink.h"

#include "core/app/app_config.h"
#include "core/editor/snap_rule.h"
#include "core/model/screen_data.h"
#include "core/tags/line_tag.h"

#include <QMouseEvent>

namespace ui {

CSelectTool::CSelectTool(CScreenCanvas &canvas, int toolId)
    : CAbstractTool(canvas, toolId)
{ }

void CSelectTool::mousePressed(QMouseEvent *event)
{
    const QPoint device = event->position().toPoint();
    const core::CPoint p = m_canvas.toLogical(device);
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    m_mode = Mode::None;
    m_handle = 0;

    const auto &sel = m_canvas.selection();
    if (sel.size() == 1) {
        const int handle = sel.front()->HitTestHandle(p, true);
        if (handle >= 1) {
            m_mode = Mode::Resize;
            m_handle = handle;
            showTracker(*sel.front(), p);
        }
    }
    if (m_mode == Mode::None) {
        if (core::CTag *tag = m_canvas.hitTest(p)) {
            m_mode = Mode::Move;
            if (!m_canvas.isSelected(tag))
                m_canvas.select(tag, shift);
            else if (shift)
                m_canvas.deselect(tag);
            if (event->modifiers() & Qt::ControlModifier) {
                if (IUndoSink *sink = m_canvas.undoSink()) {
                    sink->beginMacro(QObject::tr("태그 복사 이동"));
                    m_macroOpen = true;
                }
                if (!m_canvas.duplicateSelection()) {
                    endMacroIfOpen();
                    cancel();
                    return;
                }
            }
            m_canvas.setBand(CScreenCanvas::Band::Outline, {}, {});
        }
    }
    if (m_mode == Mode::None) {
        if (!shift)
            m_canvas.clearSelection();
        m_mode = Mode::Net;
        m_canvas.setBand(CScreenCanvas::Band::Focus, QRect(device, device));
    }
    m_downLogical = m_lastLogical = p;
    CAbstractTool::mousePressed(event);
}

void CSelectTool::showTracker(const core::CTag &tag, core::CPoint p)
{
    if (const auto *line = dynamic_cast<const core::CLineTag *>(&tag)) {
        // A line's handle drags one end; the band is the line from the other end.
        const core::CPoint other = m_handle == 2 ? line->Start() : line->End();
        const QRect a = m_canvas.toDevice(core::CRect{other.x, other.y, other.x, other.y});
        const QRect b = m_canvas.toDevice(core::CRect{p.x, p.y, p.x, p.y});
        m_canvas.setBand(CScreenCanvas::Band::Line, QRect(a.topLeft(), b.topLeft()));
        return;
    }
    const core::CRect r = tag.TrackerRect(m_handle, p.x, p.y);
    m_canvas.setBand(CScreenCanvas::Band::Tracker, m_canvas.toDevice(r.Normalized()));
}

core::CPoint CSelectTool::moveOffset() const
{
    if (m_snap) {
        const auto &g = m_canvas.gridSettings();
        return core::editor::snappedOffset(m_lastLogical, m_downLogical, m_canvas.selectionBounds(),
                                           g.xDot, g.yDot);
    }
    return core::editor::rawOffset(m_lastLogical, m_downLogical);
}

void CSelectTool::mouseMoved(QMouseEvent *event)
{
    const QPoint device = event->position().toPoint();
    const core::CPoint p = m_canvas.toLogical(device);
    if (m_pressed) {
        m_lastLogical = p;
        switch (m_mode) {
        case Mode::Net:
            m_canvas.setBand(CScreenCanvas::Band::Focus, QRect(m_downDevice, device).normalized());
            break;
        case Mode::Move: {
            const core::CPoint off = moveOffset();
            const QPoint d = m_canvas.toDevice(core::CRect{off.x, off.y, off.x, off.y}).topLeft();
            m_canvas.setBand(CScreenCanvas::Band::Outline, {}, d);
            break;
        }
        case Mode::Resize:
            if (m_handle >= 1 && m_canvas.selection().size() == 1)
                showTracker(*m_canvas.selection().front(), p);
            break;
        case Mode::None:
            break;
        }
    }
    CAbstractTool::mouseMoved(event);
}

void CSelectTool::mouseReleased(QMouseEvent *event)
{
    if (m_pressed) {
        m_lastLogical = m_canvas.toLogical(event->position().toPoint());
        switch (m_mode) {
        case Mode::Net:
            m_canvas.setBand(CScreenCanvas::Band::None);
            m_canvas.selectInRect(QRect(m_downDevice, event->position().toPoint()).normalized(),
                                  true);
            break;
        case Mode::Move:
            m_canvas.setBand(CScreenCanvas::Band::None);
            commitMove(moveOffset());
            break;
        case Mode::Resize:
            m_canvas.setBand(CScreenCanvas::Band::None);
            if (m_handle >= 1 && m_canvas.selection().size() == 1) {
                core::CTag *tag = m_canvas.selection().front();
                std::vector<core::CTag *> tags{tag};
                auto before = CChangeTagsCommand::snapshot(tags);
                const core::CRect old = tag->Rect();
                tag->MoveHandleTo(m_handle, m_lastLogical.x, m_lastLogical.y);
                auto *cmd
                        = new CChangeTagsCommand(tags, std::move(before), QObject::tr("크기 변경"));
                // A handle dragged off the display does not take the tag with it.
                const bool offDisplay = !core::editor::keepsOnDisplay(old, tag->Rect());
                if (offDisplay)
                    cmd->undo();
                if (offDisplay || cmd->isEmpty())
                    delete cmd;
                else
                    m_canvas.pushCommand(cmd);
                m_canvas.update();
            }
            break;
        case Mode::None:
            break;
        }
        endMacroIfOpen();
    }
    m_mode = Mode::None;
    CAbstractTool::mouseReleased(event);
}

void CSelectTool::commitMove(core::CPoint offset)
{
    m_canvas.moveSelection(offset.x, offset.y);
}

void CSelectTool::endMacroIfOpen()
{
    if (m_macroOpen) {
        m_canvas.undoSink()->endMacro();
        m_macroOpen = false;
    }
}

void CSelectTool::mouseDoubleClicked(QMouseEvent *event)
{
    const core::CPoint p = m_canvas.toLogical(event->position().toPoint());
    core::CTag *tag = m_canvas.hitTest(p);
    if (event->modifiers() & Qt::ShiftModifier) {
        if (tag)
            m_canvas.deselect(tag);
        return;
    }
    if (tag && m_canvas.isSelected(tag))
        emit m_canvas.editTagProperties(tag);
    else
        emit m_canvas.editScreenProperties();
}

void CSelectTool::cancel()
{
    endMacroIfOpen();
    m_mode = Mode::None;
    CAbstractTool::cancel();
}

} // namespace ui
