#include "core/comm/panel_ui.h"

#include "core/comm/comm_message_queue.h"
#include "core/comm/comm_thread.h"

namespace comm {

ProgressResult IPanelUi::runProgress(CCommThread &link, CProgressModel &model)
{
    return runProgressBlocking(link, model, *this);
}

ProgressResult runProgressBlocking(CCommThread &link, CProgressModel &model, IPanelUi &ui)
{
    CCommMessageQueue queue;
    ICommNotify *const previous = link.SetNotifyWnd(&queue);
    if (const auto text = model.start(link, &queue))
        ui.message(*text, IPanelUi::Icon::Warning);
    while (!model.done()) {
        const auto message = queue.wait(std::chrono::milliseconds(500));
        if (!message) {
            // A worker that left without a final status (its list never ran) ends the wait.
            if (link.IsIdle() && queue.pending() == 0) {
                const CommMessage failed{WM_COMM_STATUS, StatusFailed, link.Commands(),
                                         link.GetLastError()};
                if (const auto text = model.onMessage(link, failed))
                    ui.message(*text, IPanelUi::Icon::Warning);
            }
            continue;
        }
        if (const auto text = model.onMessage(link, *message))
            ui.message(*text, IPanelUi::Icon::Warning);
    }
    link.Stop();
    link.SetNotifyWnd(previous);
    return model.result();
}

std::optional<CommTextId> passwordEntryError(std::string_view entry)
{
    if (entry.empty())
        return CommTextId::PwdEmpty;
    // The panel keeps ten characters: a longer entry is refused, never cut.
    if (entry.size() > kPasswordMaxLength)
        return CommTextId::PwdTooLong;
    for (const char c : entry) {
        const bool ok = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
        if (!ok)
            return CommTextId::PwdChars;
    }
    return std::nullopt;
}

} // namespace comm
