#pragma once

// One undo step for a common-function list (alarms, calculations, block transfers,
// reservations): the whole list before and after OK of its list dialog. The list is a member of
// the document, which outlives the undo stack's commands.

#include <QUndoCommand>

#include <functional>
#include <utility>
#include <vector>

namespace ui {

template<typename Raw>
class CFunctionListCommand : public QUndoCommand
{
public:
    // `list` may show `after` already; redo puts it there again. `changed` runs after each swap.
    CFunctionListCommand(std::vector<Raw> &list, std::vector<Raw> before, std::vector<Raw> after,
                         const QString &text, std::function<void()> changed = {})
        : QUndoCommand(text)
        , m_list(list)
        , m_before(std::move(before))
        , m_after(std::move(after))
        , m_changed(std::move(changed))
    { }

    void undo() override { apply(m_before); }
    void redo() override { apply(m_after); }

private:
    void apply(const std::vector<Raw> &records)
    {
        m_list = records;
        if (m_changed)
            m_changed();
    }

    std::vector<Raw> &m_list;
    std::vector<Raw> m_before, m_after;
    std::function<void()> m_changed;
};

} // namespace ui
