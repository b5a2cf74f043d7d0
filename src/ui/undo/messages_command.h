#pragma once

// One undo step for the message manager: the project's whole message set before and after (the
// manager adds, changes and deletes on the store directly, so the dialog's session is swapped as
// one). Message tags pick up their shown texts after each swap.

#include <QUndoCommand>

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace core {
class CDorvaneDoc;
class CStrResMgr;
} // namespace core

namespace ui {

class CMessagesCommand : public QUndoCommand
{
public:
    // Identifier and text (panel code page), in the store's area order.
    using Messages = std::vector<std::pair<std::uint16_t, std::string>>;
    static Messages Capture(const core::CStrResMgr &strings);

    // The store may show `after` already; redo puts it there again. `changed` runs after each
    // swap, so the views repaint.
    CMessagesCommand(core::CDorvaneDoc &doc, Messages before, Messages after,
                     std::function<void()> changed = {});

    void undo() override { apply(m_before); }
    void redo() override { apply(m_after); }

private:
    void apply(const Messages &messages);

    core::CDorvaneDoc &m_doc;
    Messages m_before, m_after;
    std::function<void()> m_changed;
};

} // namespace ui
