#include "core/presenters/down_dlg.h"

namespace core {

CDownDlg::CDownDlg(Mode mode, const CommSetup &setup, bool projectOpen, std::string languageName)
    : m_mode(mode)
    , m_setup(setup)
    , m_projectOpen(projectOpen)
    , m_language(std::move(languageName))
    , m_port(setup)
{
    if (m_port.SpeedIndex() < 0)
        m_port.SelectSpeed(int(CComPortDlg::kSpeeds.size()) - 1); // 115200
    m_groups.menu = MenuOffered();
}

std::string CDownDlg::Title() const
{
    return m_mode == Mode::Download ? "다운로드..." : "업로드...";
}

std::string CDownDlg::MenuText() const
{
    std::string text = "메뉴";
    if (MenuOffered())
        text += " ( " + m_language + " )";
    return text;
}

bool CDownDlg::Checked(Group group) const
{
    switch (group) {
    case Screens:
        return m_groups.screens;
    case Parameters:
        return m_groups.parameters;
    case Menu:
        return m_groups.menu;
    }
    return false;
}

void CDownDlg::SetChecked(Group group, bool on)
{
    switch (group) {
    case Screens:
        m_groups.screens = on;
        break;
    case Parameters:
        m_groups.parameters = on;
        break;
    case Menu:
        m_groups.menu = on && MenuOffered();
        break;
    }
}

bool CDownDlg::AllChecked() const
{
    return m_groups.screens && m_groups.parameters && (m_groups.menu || !MenuOffered());
}

void CDownDlg::SelectAll(bool on)
{
    SetChecked(Screens, on);
    SetChecked(Parameters, on);
    SetChecked(Menu, on);
}

TransferGroups CDownDlg::Groups() const
{
    return m_groups;
}

comm::PORT_SETTING CDownDlg::PortSetting() const
{
    const CommSetup chosen = m_port.Result();
    comm::PORT_SETTING s;
    s.port = std::uint32_t(chosen.port);
    s.baud = std::uint32_t(chosen.baudRate);
    s.dataBits = std::uint8_t(chosen.dataBit);
    s.stopBits = std::uint8_t(chosen.stopBit);
    s.parity = std::uint8_t(chosen.parity);
    return s;
}

bool CDownDlg::Ok(CAppConfig &config) const
{
    return config.setCommPort(m_port.Result().port);
}

void CDownDlg::OfferPort(CAppConfig &config) const
{
    config.setPendingCommPort(m_port.Result().port);
}

} // namespace core
