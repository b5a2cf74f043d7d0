#include "ui/undo/messages_command.h"

#include "core/model/dorvane_doc.h"
#include "core/model/screen_data.h"
#include "core/model/str_res_mgr.h"

#include <QCoreApplication>

namespace ui {

CMessagesCommand::Messages CMessagesCommand::Capture(const core::CStrResMgr &strings)
{
    Messages messages;
    for (const auto &s : strings.Strings())
        messages.emplace_back(s->Key(), s->m_text);
    return messages;
}

CMessagesCommand::CMessagesCommand(core::CDorvaneDoc &doc, Messages before, Messages after,
                                   std::function<void()> changed)
    : QUndoCommand(QCoreApplication::translate("ui::CMainFrame", "메시지 관리"))
    , m_doc(doc)
    , m_before(std::move(before))
    , m_after(std::move(after))
    , m_changed(std::move(changed))
{ }

void CMessagesCommand::apply(const Messages &messages)
{
    core::CStrResMgr &strings = m_doc.Strings();
    strings.Clear();
    // Both sets fitted the string area once, so every message goes back in.
    for (const auto &[id, text] : messages)
        strings.Add(id, text);
    for (const auto &screen : m_doc.Screens())
        screen->RefreshMessageTags(strings);
    if (m_changed)
        m_changed();
}

} // namespace ui
