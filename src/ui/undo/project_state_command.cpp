#include "ui/undo/project_state_command.h"

#include "core/tags/tag.h"
#include "core/tags/tag_body.h"

#include "util/archive.h"

namespace ui {

CProjectStateCommand::State CProjectStateCommand::Capture(const core::CDorvaneDoc &doc)
{
    State s;
    s.params = doc.Parameters();
    s.alarms = doc.Alarms();
    s.calculations = doc.Calculations();
    s.transfers = doc.Transfers();
    s.reservations = doc.Reservations();
    for (const auto &screen : doc.Screens()) {
        for (const auto &tag : screen->Tags()) {
            util::CArchive ar;
            tag->Serialize(ar);
            s.tags.emplace_back(tag.get(), ar.buffer());
        }
        std::vector<core::FunctionKeyRecord> keys;
        for (std::size_t k = 0; k < core::kFunctionKeyCount; ++k)
            keys.push_back(screen->FunctionKey(k));
        s.keys.emplace_back(screen->Number(), std::move(keys));
    }
    return s;
}

CProjectStateCommand::CProjectStateCommand(core::CDorvaneDoc &doc, State before,
                                           const QString &text, std::function<void()> changed)
    : QUndoCommand(text)
    , m_doc(doc)
    , m_before(std::move(before))
    , m_after(Capture(doc))
    , m_changed(std::move(changed))
{ }

void CProjectStateCommand::apply(const State &state)
{
    // The first redo is the push: the document shows `after` already.
    if (m_first) {
        m_first = false;
        return;
    }
    m_doc.Parameters() = state.params;
    m_doc.Alarms() = state.alarms;
    m_doc.Calculations() = state.calculations;
    m_doc.Transfers() = state.transfers;
    m_doc.Reservations() = state.reservations;
    // Through the dialogs' loader, so that image texts keep the image area's total right.
    for (const auto &[tag, body] : state.tags)
        core::loadTagBody(*tag, body);
    for (const auto &[number, keys] : state.keys)
        if (core::CScreenData *screen = m_doc.FindScreen(number))
            for (std::size_t k = 0; k < keys.size() && k < core::kFunctionKeyCount; ++k)
                screen->FunctionKey(k) = keys[k];
    m_doc.RebindDrivers();
    if (m_changed)
        m_changed();
}

} // namespace ui
