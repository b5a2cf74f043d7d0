#include "ui/canvas/canvas_context_menu.h"

#include "ui/canvas/screen_canvas.h"
#include "ui/canvas/tool_ids.h"

namespace ui {

std::unique_ptr<QMenu> buildCanvasContextMenu(CScreenCanvas &canvas)
{
    auto menu = std::make_unique<QMenu>(&canvas);
    const bool any = !canvas.selection().empty();
    CScreenCanvas *const c = &canvas;
    const auto add = [&](CanvasCommand command, bool enabled) {
        menu->addAction(CCanvasActions::menuText(command), c, [c, command] {
                c->actions().run(command);
            })->setEnabled(enabled);
    };
    menu->addAction(CScreenCanvas::tr("선택"), c, [c] { c->setTool(ToolSelect); });
    menu->addSeparator();
    add(CanvasCommand::Cut, any);
    add(CanvasCommand::Copy, any);
    add(CanvasCommand::Paste, canvas.actions().canRun(CanvasCommand::Paste));
    add(CanvasCommand::Delete, any);
    menu->addSeparator();
    add(CanvasCommand::BringToFront, any);
    add(CanvasCommand::SendToBack, any);
    menu->addSeparator();
    menu->addAction(CScreenCanvas::tr("눈금 및 맞추기(&G)..."), c,
                    &CScreenCanvas::gridDialogRequested);
    add(CanvasCommand::LockSelection, any);
    menu->addSeparator();
    menu->addAction(CScreenCanvas::tr("속성(&R)..."), c, [c] {
        if (c->selection().size() == 1)
            emit c->editTagProperties(c->selection().front());
        else
            emit c->editScreenProperties();
    });
    return menu;
}

} // namespace ui
