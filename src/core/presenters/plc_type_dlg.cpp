#include "core/presenters/plc_type_dlg.h"

#include "core/functions/project_addresses.h"
#include "core/plc/plc_slots.h"
#include "core/tags/tag.h"

#include "util/archive.h"
#include "util/messages.h"

#include <vector>

namespace core {

namespace {

// Every tag and function key of the project in its stored form, to see which ones the screens'
// own revalidation rewrote.
std::vector<util::Bytes> screenState(const CDorvaneDoc &doc)
{
    std::vector<util::Bytes> out;
    for (const auto &screen : doc.Screens()) {
        for (const auto &tag : screen->Tags()) {
            util::CArchive ar;
            tag->Serialize(ar);
            out.push_back(ar.buffer());
        }
        for (std::size_t k = 0; k < kFunctionKeyCount; ++k) {
            const FunctionKeyRecord &key = screen->FunctionKey(k);
            out.emplace_back(key.begin(), key.end());
        }
    }
    return out;
}

std::size_t countChanged(const std::vector<util::Bytes> &before,
                         const std::vector<util::Bytes> &after)
{
    std::size_t changed = 0;
    for (std::size_t i = 0; i < before.size() && i < after.size(); ++i)
        changed += before[i] != after[i] ? 1 : 0;
    return changed;
}

} // namespace

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
    m_resetCount = 0;
    if (changed1 || changed2) {
        const std::vector<util::Bytes> before = screenState(doc);
        doc.PlcTypeChanged(changed1, changed2);
        m_resetCount = countChanged(before, screenState(doc)) + captured.Revalidate(doc);
    }

    // Channel 1 always talks to one station; channel 2 only in the single-slave configurations.
    CProjectAddresses::ApplyStation(doc, 1, m_ch1.Record().RemoteStation());
    if (CChannelParams::UsesRemoteStation(m_ch2.Record().Configuration()))
        CProjectAddresses::ApplyStation(doc, 2, m_ch2.Record().RemoteStation());
    doc.SetModified();
    return true;
}

} // namespace core
