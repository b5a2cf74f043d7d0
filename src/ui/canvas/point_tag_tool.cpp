#include "ui/canvas/point_tag_tool.h"

#include "ui/canvas/screen_canvas.h"
#include "ui/common/message_box.h"
#include "ui/undo/add_remove_tags_command.h"

#include "core/editor/selection_rules.h"
#include "core/model/screen_data.h"
#include "core/tags/tag_factory.h"

#include <QMouseEvent>

namespace ui {

CPointTagTool::CPointTagTool(CScreenCanvas &canvas, int kind)
    : CSelectTool(canvas, kind)
{ }

void CPointTagTool::mousePressed(QMouseEvent *event)
{
    CAbstractTool::mousePressed(event);
    const core::CPoint p = m_canvas.toLogical(event->position().toPoint());
    m_created = nullptr;
    m_mode = Mode::None;
    m_handle = 0;
    m_downLogical = m_lastLogical = p;
    if (p.x < 0 || p.x >= core::kPanelWidth || p.y < 0 || p.y >= core::kPanelHeight)
        return;
    core::CScreenData &screen = m_canvas.screen();
    core::TagResult result = screen.CanAddKind(m_toolId);
    std::unique_ptr<core::CTag> tag;
    if (result == core::kTagOk) {
        tag = core::createTag(m_toolId, &screen.Resources());
        if (!tag)
            result = core::kTagLimit;
    }
    core::CTag *raw = tag.get();
    if (result == core::kTagOk)
        result = screen.AddTag(std::move(tag), false);
    if (result != core::kTagOk) {
        showMessage(&m_canvas, core::tagRefusalMessage(result));
        cancel();
        return;
    }
    raw->MoveTo(p.x, p.y);
    raw->UpdateRect();
    // A tag whose size reaches past an edge from where it was put down starts inside.
    const core::CPoint inside = core::editor::offsetOntoDisplay(raw->Rect());
    core::editor::moveTagBy(*raw, inside.x, inside.y);
    m_created = raw;
    m_canvas.select(raw, false);
    m_mode = Mode::Move;
    m_canvas.setBand(CScreenCanvas::Band::Outline, {}, {});
}

void CPointTagTool::mouseMoved(QMouseEvent *event)
{
    if (m_pressed && m_created)
        m_mode = Mode::Move;
    CSelectTool::mouseMoved(event);
}

void CPointTagTool::commitMove(core::CPoint offset)
{
    if (m_created) {
        // The fresh tag moves as part of its creation, not as a step of its own.
        const std::vector<core::CTag *> sel = m_canvas.selection();
        offset = core::editor::clampToDisplay(sel, offset.x, offset.y);
        if (core::editor::acceptsOffset(sel, offset.x, offset.y))
            for (core::CTag *tag : sel)
                core::editor::moveTagBy(*tag, offset.x, offset.y);
        pushCreated();
    }
}

void CPointTagTool::cancel()
{
    if (m_created)
        pushCreated();
    CSelectTool::cancel();
}

void CPointTagTool::pushCreated()
{
    m_canvas.pushCommand(new CAddRemoveTagsCommand(m_canvas.screen(),
                                                   CAddRemoveTagsCommand::Mode::Add, {m_created},
                                                   QObject::tr("태그 만들기")));
    m_created = nullptr;
    m_canvas.update();
}

} // namespace ui
