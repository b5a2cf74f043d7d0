#include "ui/canvas/drag_shape_tool.h"

#include "ui/common/message_box.h"

#include "ui/undo/add_remove_tags_command.h"

#include "core/editor/selection_rules.h"
#include "core/model/screen_data.h"
#include "core/tags/tag_factory.h"

#include <QMouseEvent>

#include <algorithm>

namespace ui {

CDragShapeTool::CDragShapeTool(CScreenCanvas &canvas, int kind, CScreenCanvas::Band band)
    : CAbstractTool(canvas, kind)
    , m_band(band)
{ }

void CDragShapeTool::mousePressed(QMouseEvent *event)
{
    const core::CPoint p = m_canvas.toLogical(event->position().toPoint());
    if (p.x < 0 || p.x >= core::kPanelWidth || p.y < 0 || p.y >= core::kPanelHeight)
        return;
    CAbstractTool::mousePressed(event);
    m_downLogical = m_lastLogical = p;
    m_canvas.setBand(m_band, bandRect(m_downDevice));
}

QRect CDragShapeTool::bandRect(const QPoint &device) const
{
    return QRect(m_downDevice, device).normalized();
}

void CDragShapeTool::mouseMoved(QMouseEvent *event)
{
    if (m_pressed) {
        m_lastLogical = m_canvas.toLogical(event->position().toPoint());
        m_canvas.setBand(m_band, bandRect(event->position().toPoint()));
    }
    CAbstractTool::mouseMoved(event);
}

void CDragShapeTool::mouseReleased(QMouseEvent *event)
{
    if (!m_pressed)
        return;
    const QPoint up = event->position().toPoint();
    m_canvas.setBand(CScreenCanvas::Band::None);
    if (up != m_downDevice) {
        core::CScreenData &screen = m_canvas.screen();
        core::TagResult result = screen.CanAddKind(m_toolId);
        std::unique_ptr<core::CTag> tag;
        if (result == core::kTagOk) {
            tag = core::createTag(m_toolId, &screen.Resources());
            if (!tag)
                result = core::kTagLimit;
        }
        if (tag) {
            // The shape ends where the drag left the display, and starts inside it.
            const QRect display = m_canvas.toDevice({0, 0, core::kPanelWidth, core::kPanelHeight});
            shapeTag(*tag,
                     QPoint(std::clamp(up.x(), display.left(), display.right()),
                            std::clamp(up.y(), display.top(), display.bottom())));
            const core::CPoint inside = core::editor::offsetOntoDisplay(tag->Rect());
            core::editor::moveTagBy(*tag, inside.x, inside.y);
        }
        core::CTag *raw = tag.get();
        if (result == core::kTagOk)
            result = screen.AddTag(std::move(tag), false);
        if (result != core::kTagOk) {
            showMessage(&m_canvas, core::tagRefusalMessage(result));
        } else {
            m_canvas.select(raw, false);
            m_canvas.pushCommand(new CAddRemoveTagsCommand(screen, CAddRemoveTagsCommand::Mode::Add,
                                                           {raw}, QObject::tr("태그 만들기")));
        }
    }
    CAbstractTool::mouseReleased(event);
}

} // namespace ui
