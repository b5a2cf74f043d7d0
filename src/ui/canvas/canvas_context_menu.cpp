#include "ui/canvas/canvas_context_menu.h"

#include "ui/canvas/screen_canvas.h"
#include "ui/canvas/tool_ids.h"

namespace ui {

std::unique_ptr<QMenu> buildCanvasContextMenu(CScreenCanvas &canvas)
{
    auto menu = std::make_unique<QMenu>(&canvas);
    const bool any = !canvas.selection().empty();
    CScreenCanvas *const c = &canvas;
    const auto add = [&](const QString &text, CanvasCommand command, bool enabled) {
        menu->addAction(text, c, [c, command] { c->actions().run(command); })->setEnabled(enabled);
    };
    menu->addAction(CScreenCanvas::tr("선택"), c, [c] { c->setTool(ToolSelect); });
    menu->addSeparator();
    add(CScreenCanvas::tr("잘라내기(&T)"), CanvasCommand::Cut, any);
    add(CScreenCanvas::tr("복사(&C)"), CanvasCommand::Copy, any);
    add(CScreenCanvas::tr("붙여넣기(&P)"), CanvasCommand::Paste, true);
    add(CScreenCanvas::tr("삭제하기(&D)"), CanvasCommand::Delete, any);
    menu->addSeparator();
    add(CScreenCanvas::tr("맨 앞으로 가져오기(&F)"), CanvasCommand::BringToFront, any);
    add(CScreenCanvas::tr("맨 뒤로 보내기(&B)"), CanvasCommand::SendToBack, any);
    menu->addSeparator();
    menu->addAction(CScreenCanvas::tr("눈금 및 맞추기(&G)..."), c,
                    &CScreenCanvas::gridDialogRequested);
    add(CScreenCanvas::tr("선택된 태그 고정(&L)"), CanvasCommand::LockSelection, any);
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
