#pragma once

// One undo step for the project settings windows: the parameter block, the four common-function
// lists, every tag and every function key before and after. A channel setting reaches the
// stations of all addresses on that channel and a PLC type change rewrites addresses anywhere in
// the project, so the step keeps the whole editable state; tags are restored into the same
// objects, so other undo commands that name them stay valid. The driver slots are bound again
// after each swap (the channel records decide the PLC types).

#include "core/model/dorvane_doc.h"

#include "util/byte_order.h"

#include <QUndoCommand>

#include <functional>
#include <utility>
#include <vector>

namespace core {
class CTag;
}

namespace ui {

class CProjectStateCommand : public QUndoCommand
{
public:
    struct State
    {
        core::ParamBlock params{};
        std::vector<core::AlarmRecord> alarms;
        std::vector<core::CalcRecord> calculations;
        std::vector<core::TransferRecord> transfers;
        std::vector<core::ReservationRecord> reservations;
        std::vector<std::pair<core::CTag *, util::Bytes>> tags;
        std::vector<std::pair<std::uint16_t, std::vector<core::FunctionKeyRecord>>> keys;
        bool operator==(const State &) const = default;
    };
    static State Capture(const core::CDorvaneDoc &doc);

    // The change is made already; `before` was captured just before it. `changed` runs after
    // each swap.
    CProjectStateCommand(core::CDorvaneDoc &doc, State before, const QString &text,
                         std::function<void()> changed = {});

    bool isEmpty() const { return m_before == m_after; }

    void undo() override { apply(m_before); }
    void redo() override { apply(m_after); }

private:
    void apply(const State &state);

    core::CDorvaneDoc &m_doc;
    State m_before, m_after;
    std::function<void()> m_changed;
    bool m_first = true;
};

} // namespace ui
