#include "core/presenters/channel_choice.h"

#include "core/plc/plc_drv.h"
#include "core/presenters/comm_para_dlg.h"

#include "util/messages.h"

namespace core {

CChannelChoice::CChannelChoice(const CAppConfig &config, int channel, const CChannelParams &record)
    : m_config(config)
    , m_channel(channel == 2 ? 2 : 1)
    , m_record(record)
{
    m_names.emplace_back(util::messageText(kMsgUnused));
    const PlcCatalogue &list = m_config.plcList(m_channel);
    for (const CPlcInfo &entry : list)
        m_names.push_back(entry.name);
    // The current type is selected; a type without an entry shows "미사용".
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i].type == m_record.PlcType()) {
            m_selection = int(i) + 1;
            break;
        }
    }
    ApplyDriverSettings();
}

const char *CChannelChoice::PortLabel() const
{
    return m_channel == 1 ? "(RS-232C)" : "(RS-422/485)";
}

const CPlcInfo *CChannelChoice::Selected() const
{
    const PlcCatalogue &list = m_config.plcList(m_channel);
    if (m_selection <= 0 || m_selection > int(list.size()))
        return nullptr;
    return &list[std::size_t(m_selection - 1)];
}

void CChannelChoice::Select(int index)
{
    if (index < 0 || index >= int(m_names.size()))
        return;
    m_selection = index;
    const CPlcInfo *entry = Selected();
    m_record.SetPlcType(entry ? entry->type : 0);
    ApplyDriverSettings();
}

void CChannelChoice::ApplyDriverSettings()
{
    const CPlcInfo *entry = Selected();
    if (!entry) {
        m_settingsEnabled = false;
        return;
    }
    const PlcCommSetting setting = GetCommSetting(m_config.protocolsDir(), entry->driverDll);
    m_settingsEnabled = setting.editable;
    if (!setting.editable) {
        // The PLC prescribes its link: its settings replace the channel's.
        m_record.SetBaud(std::uint16_t(setting.baudIndex));
        m_record.SetDataBits(setting.dataBits);
        m_record.SetStopBits(setting.stopBits);
        m_record.SetParity(setting.parity);
    }
}

std::unique_ptr<CCommParaDlg> CChannelChoice::OpenSettings(CFunctionPrompt &prompt) const
{
    if (!m_settingsEnabled)
        return nullptr;
    return std::make_unique<CCommParaDlg>(prompt, m_record, false);
}

void CChannelChoice::AcceptSettings(const CChannelParams &record)
{
    const std::uint16_t type = m_record.PlcType();
    m_record = record;
    m_record.SetPlcType(type);
}

std::string CChannelChoice::WiringDiagram(CFunctionPrompt &prompt) const
{
    const CPlcInfo *entry = Selected();
    if (!entry || entry->wiringDiagram.empty()) {
        prompt.ShowMessage(kMsgNoFileName, util::formatMessage(kMsgNoFileName));
        return {};
    }
    return m_config.exeDir() + m_config.connectDir() + "/" + entry->wiringDiagram;
}

} // namespace core
