#include "core/presenters/com_port_dlg.h"

#include "util/messages.h"

#include <algorithm>

namespace core {

CComPortDlg::CComPortDlg(const CommSetup &current)
    : m_current(current)
    // A port outside the list shows COM1, so that OK never gives port 0.
    , m_portIndex(current.port >= 1 && current.port <= kPortCount ? current.port - 1 : 0)
{
    const auto it = std::find(kSpeeds.begin(), kSpeeds.end(), current.baudRate);
    m_speedIndex = it != kSpeeds.end() ? int(it - kSpeeds.begin()) : -1;
}

std::string CComPortDlg::PortName(int index)
{
    return util::formatText("COM%d", index + 1);
}

void CComPortDlg::SelectPort(int index)
{
    if (index >= 0 && index < kPortCount)
        m_portIndex = index;
}

void CComPortDlg::SelectSpeed(int index)
{
    if (index >= -1 && index < int(kSpeeds.size()))
        m_speedIndex = index;
}

CommSetup CComPortDlg::Result() const
{
    CommSetup out = m_current;
    out.port = m_portIndex + 1;
    out.baudRate = m_speedIndex >= 0 ? kSpeeds[std::size_t(m_speedIndex)] : kDefaultSpeed;
    return out;
}

bool CComPortDlg::Ok(CAppConfig &config)
{
    return config.setCommSetup(Result());
}

std::string CComPortDlg::WiringDiagram(const CAppConfig &config, CFunctionPrompt &prompt)
{
    if (config.connectFile().empty()) {
        prompt.ShowMessage(kMsgNoFileName, util::formatMessage(kMsgNoFileName));
        return {};
    }
    return config.connectFile();
}

} // namespace core
