#include "core/comm/panel_clock.h"

#include "core/comm/comm_thread.h"
#include "core/comm/panel_commands.h"
#include "core/comm/panel_ui.h"

namespace comm {

CPanelClock::CPanelClock(CCommThread &link)
    : m_link(link)
{ }

bool CPanelClock::open(ICommNotify *notify)
{
    m_notify = notify;
    m_previous = m_link.SetNotifyWnd(notify);
    return startReading();
}

bool CPanelClock::startReading()
{
    const COMM_CMD read{'r', 'T', m_record, 8, 0, 0};
    return m_link.Start(&read, 1, false, true);
}

std::optional<CommText> CPanelClock::onMessage(const CommMessage &message)
{
    if (message.message != WM_COMM_STATUS || message.status != StatusAllDone || !message.command
        || message.command->main != 'r' || message.command->sub != 'T')
        return std::nullopt;
    const auto time = decodeClock(m_record);
    if (!time)
        return std::nullopt;
    return clockText(*time);
}

bool CPanelClock::setTime(IPanelUi &ui, std::optional<ClockTime> time)
{
    m_link.Stop();
    bool ok = false;
    {
        CBusyScope busy(ui);
        std::uint8_t status = 0;
        if (!m_link.Connect(status)) {
            showLinkError(m_link, ui);
            startReading();
            return false;
        }
        if (VerifyPanelPassword(m_link, ui, status) != PasswordCheck::GoOn) {
            showLinkError(m_link, ui);
            startReading();
            return false;
        }
        ClockRecord record = encodeClock(time ? *time : localClockNow());
        COMM_CMD write{'w', 'T', record, 8, 0, 0};
        ok = m_link.Run(write);
    }
    showLinkError(m_link, ui);
    startReading();
    return ok;
}

void CPanelClock::close()
{
    m_link.Stop();
    m_link.Disconnect();
    m_link.SetNotifyWnd(m_previous);
}

} // namespace comm
