#include "core/presenters/comm_basic_dlg.h"

#include "core/plc/system_address.h"

#include "util/byte_order.h"
#include "util/messages.h"

namespace core {

CCommBasicDlg::CCommBasicDlg(const CPlcSlots &slots, CFunctionPrompt &prompt,
                             const CLangInfo &languages, const ParamBlock &params)
    : m_slots(slots)
    , m_prompt(prompt)
    , m_params(params)
{
    initialScreen = m_params.InitialScreen();
    saverWait = m_params.SaverWait();
    saverOn = saverWait != 0;
    saverScreen = m_params.SaverScreen();
    backlightWait = m_params.BacklightWait();
    backlightOn = backlightWait != 0;
    latchOn = m_params.LatchOn();
    latchStart = m_params.LatchStart();
    latchEnd = m_params.LatchEnd();
    for (const CIndexedLang &lang : languages.entries())
        m_languages.push_back(lang.name);
    SelectLanguage(m_params.Language());
    LoadGroup(CPanelParams::kScreenChange);
    LoadGroup(CPanelParams::kScreenTransfer);
}

void CCommBasicDlg::SelectLanguage(int index)
{
    // An index beyond the list shows the first entry.
    m_language = index >= 0 && index < int(m_languages.size()) ? index : 0;
}

bool CCommBasicDlg::DeviceEnabled(int device) const
{
    if (device == 0)
        return true;
    return (device == 1 || device == 2) && m_slots.slot(device).DeviceKind() == kDevicePlc;
}

void CCommBasicDlg::LoadGroup(int group)
{
    const PanelAddrGroup stored = m_params.AddrGroup(group);
    Group &g = m_groups.at(std::size_t(group));
    g.on = stored.on;
    g.station = stored.station < kStationCount ? stored.station : 0;
    g.device = stored.device;
    g.area.clear();
    g.number.clear();
    if (!DeviceEnabled(g.device)) {
        // A channel that no longer holds a PLC: the group falls back to the panel, at its default
        // word (the field holds another driver's form).
        g.device = 0;
        g.number = "0";
        return;
    }
    if (g.device == 0) {
        g.number = util::fixedText(stored.field, 0, stored.field.size());
        return;
    }
    std::uint16_t bit = 0;
    m_slots.slot(g.device).BuildUpAddr(kAddrWord, stored.field, g.area, g.number, bit);
}

bool CCommBasicDlg::ChooseDevice(int group, std::uint16_t device)
{
    if (!DeviceEnabled(device))
        return false;
    Group &g = m_groups.at(std::size_t(group));
    if (g.device == device)
        return true;
    g.device = device;
    g.area.clear();
    g.number = "0";
    if (device != 0) {
        g.number.clear();
        m_slots.slot(device).GetDefaultAddr(kAddrWord, 0, g.area, g.number);
    }
    return true;
}

void CCommBasicDlg::SetStation(int group, std::uint16_t station)
{
    if (station < kStationCount)
        m_groups.at(std::size_t(group)).station = station;
}

std::string CCommBasicDlg::GroupText(int group) const
{
    const Group &g = m_groups.at(std::size_t(group));
    if (g.device == 0)
        return panelAddressText(g.number, false);
    return g.area + g.number;
}

std::unique_ptr<CSysAddrDlg> CCommBasicDlg::OpenAddressEntry(int group,
                                                             CFunctionPrompt &prompt) const
{
    const Group &g = m_groups.at(std::size_t(group));
    return std::make_unique<CSysAddrDlg>(m_slots, prompt, g.device, kAddrWord, GroupWrites(group),
                                         g.area, g.number);
}

void CCommBasicDlg::AcceptAddress(int group, const CSysAddrDlg &entry)
{
    Group &g = m_groups.at(std::size_t(group));
    g.area = entry.Area();
    g.number = entry.Number();
}

void CCommBasicDlg::SetGroupAddress(int group, const std::string &area, const std::string &number)
{
    Group &g = m_groups.at(std::size_t(group));
    g.area = area;
    g.number = number;
}

bool CCommBasicDlg::Refuse(int id, const std::string &text)
{
    m_prompt.ShowMessage(id, text);
    return false;
}

PanelAddrGroup CCommBasicDlg::BuildGroup(int group) const
{
    const Group &g = m_groups.at(std::size_t(group));
    PanelAddrGroup out;
    out.on = g.on;
    out.device = g.device;
    out.station = g.station;
    // The number text is kept while the link is off; a link that is on gets the driver's form.
    util::setFixedText(out.field, 0, out.field.size(), g.number);
    DownAddr built{};
    std::uint16_t bit = 0;
    const std::int32_t result
            = m_slots.slot(g.device).BuildDownAddr(kAddrWord, g.area, g.number, bit, built);
    // A PLC address also keeps the driver's form while off: the number text alone would lose
    // its area.
    if (g.on || (g.device != 0 && result >= 0))
        out.field = built;
    return out;
}

bool CCommBasicDlg::Ok()
{
    if (latchStart >= kLatchLimit || latchEnd >= kLatchLimit)
        return Refuse(kMsgLatchRange, util::formatMessage(kMsgLatchRange, 0, int(kLatchLimit - 1)));
    if (latchStart > latchEnd)
        return Refuse(kMsgLatchOrder, util::formatMessage(kMsgLatchOrder));

    m_params.SetWord(CPanelParams::kInitialScreen, initialScreen);
    m_params.SetWord(CPanelParams::kSaverWait, saverOn ? saverWait : 0);
    m_params.SetWord(CPanelParams::kSaverScreen, saverScreen);
    m_params.SetWord(CPanelParams::kBacklightWait, backlightOn ? backlightWait : 0);
    m_params.SetWord(CPanelParams::kLanguage, std::uint16_t(m_language));
    m_params.SetWord(CPanelParams::kLatchOn, latchOn ? 1 : 0);
    m_params.SetWord(CPanelParams::kLatchStart, std::uint16_t(latchStart));
    m_params.SetWord(CPanelParams::kLatchEnd, std::uint16_t(latchEnd));
    m_params.SetAddrGroup(CPanelParams::kScreenChange, BuildGroup(CPanelParams::kScreenChange));
    m_params.SetAddrGroup(CPanelParams::kScreenTransfer, BuildGroup(CPanelParams::kScreenTransfer));
    return true;
}

} // namespace core
