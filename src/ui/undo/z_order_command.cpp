#include "ui/undo/z_order_command.h"

#include "core/model/screen_data.h"

namespace ui {

CZOrderCommand::CZOrderCommand(core::CScreenData &screen, std::vector<core::CTag *> before,
                               std::vector<core::CTag *> after, const QString &text,
                               QUndoCommand *parent)
    : QUndoCommand(text, parent)
    , m_screen(screen)
    , m_before(std::move(before))
    , m_after(std::move(after))
{ }

void CZOrderCommand::apply(const std::vector<core::CTag *> &order)
{
    for (std::size_t i = 0; i < order.size(); ++i)
        m_screen.MoveTagToIndex(order[i], i);
}

} // namespace ui
