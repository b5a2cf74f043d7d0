#include "core/presenters/plc_type_dlg.h"

#include "core/functions/project_addresses.h"
#include "core/plc/plc_slots.h"

#include "util/messages.h"

namespace core {

CPlcTypeDlg::CPlcTypeDlg(const CAppConfig &config, CFunctionPrompt &prompt, const CDorvaneDoc &doc)
    : m_config(config)
    , m_prompt(prompt)
    , m_ch1(config, 1, CChannelParams(doc.Channel(1)))
    , m_ch2(config, 2, CChannelParams(doc.Channel(2)))
{ }

bool CPlcTypeDlg::Ok(CDorvaneDoc &doc)
{
    const bool changed1 = m_ch1.Record().PlcType() != CChannelParams(doc.Channel(1)).PlcType();
    const bool changed2 = m_ch2.Record().PlcType() != CChannelParams(doc.Channel(2)).PlcType();
    if ((changed1 || changed2)
        && !m_prompt.AskYesNo(kMsgConfirmChange, util::formatMessage(kMsgConfirmChange)))
        return false;

    // The old drivers still read the addresses they built.
    const CProjectAddresses captured = CProjectAddresses::Capture(doc, changed1, changed2);

    doc.SetChannel(1, m_ch1.Record().Bytes());
    doc.SetChannel(2, m_ch2.Record().Bytes());
    for (const CChannelChoice *choice : {&m_ch1, &m_ch2}) {
        const CChannelParams &record = choice->Record();
        doc.Slots().BindChannel(choice->Channel(), m_config.plcList(choice->Channel()),
                                record.PlcType(), record.RemoteStation(), m_config.protocolsDir());
    }
    if (changed1 || changed2) {
        doc.PlcTypeChanged(changed1, changed2);
        captured.Revalidate(doc);
    }

    // Channel 1 always talks to one station; channel 2 only in the single-slave configurations.
    CProjectAddresses::ApplyStation(doc, 1, m_ch1.Record().RemoteStation());
    if (CChannelParams::UsesRemoteStation(m_ch2.Record().Configuration()))
        CProjectAddresses::ApplyStation(doc, 2, m_ch2.Record().RemoteStation());
    doc.SetModified();
    return true;
}

} // namespace core
