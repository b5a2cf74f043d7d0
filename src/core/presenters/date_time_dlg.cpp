#include "core/presenters/date_time_dlg.h"

#include "core/comm/comm_thread.h"

namespace core {

CDateTimeDlg::CDateTimeDlg(comm::CCommThread &link)
    : m_clock(link)
{ }

CDateTimeDlg::~CDateTimeDlg()
{
    Close();
}

bool CDateTimeDlg::Open(comm::ICommNotify *notify)
{
    if (m_open)
        return true;
    m_open = true;
    return m_clock.open(notify);
}

bool CDateTimeDlg::OnMessage(const comm::CommMessage &message)
{
    if (!m_open)
        return false; // a message queued before Close()
    const auto text = m_clock.onMessage(message);
    if (!text || *text == m_panelText)
        return false;
    m_panelText = *text;
    return true;
}

std::optional<comm::ClockTime> CDateTimeDlg::TimeToSend() const
{
    if (m_usePcClock)
        return std::nullopt;
    return m_fields;
}

bool CDateTimeDlg::SetTime(comm::IPanelUi &ui)
{
    // The clock restarts its reading afterwards, which only an open dialog stops again.
    if (!m_open)
        return false;
    return m_clock.setTime(ui, TimeToSend());
}

void CDateTimeDlg::Close()
{
    if (!m_open)
        return;
    m_open = false;
    m_clock.close();
}

} // namespace core
