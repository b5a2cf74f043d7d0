#pragma once

// One channel's PLC choice as the PLC type and new-project dialogs show it: the combo of
// "미사용" (unused) followed by the channel's catalogue names, the "통신설정" button that is live
// only for a PLC whose driver lets the user edit its serial settings, and the "결선도" wiring
// diagram. Holds a copy of the channel record; choosing a PLC with fixed settings copies them in.

#include "core/app/app_config.h"
#include "core/plc/channel_params.h"
#include "core/presenters/function_prompt.h"

#include "util/message_ids.h"

#include <memory>
#include <string>
#include <vector>

namespace core {

class CCommParaDlg;

class CChannelChoice
{
public:
    static constexpr int kMsgUnused = util::msg::kUnused;
    static constexpr int kMsgNoFileName = util::msg::kNoFileName;

    CChannelChoice(const CAppConfig &config, int channel, const CChannelParams &record);

    int Channel() const { return m_channel; }
    // "(RS-232C)" or "(RS-422/485)".
    const char *PortLabel() const;
    // "미사용", then the catalogue names.
    const std::vector<std::string> &Names() const { return m_names; }
    int Selection() const { return m_selection; }
    // Chooses combo entry `index`: the record takes that PLC's type (0 for "미사용").
    void Select(int index);
    // The catalogue entry selected, or null for "미사용".
    const CPlcInfo *Selected() const;

    bool SettingsEnabled() const { return m_settingsEnabled; }
    // The settings dialog for this channel (without configuration controls), or null when the
    // button is disabled. Its Result() goes back through AcceptSettings.
    std::unique_ptr<CCommParaDlg> OpenSettings(CFunctionPrompt &prompt) const;
    void AcceptSettings(const CChannelParams &record);

    // The wiring diagram picture of the selected PLC; with none selected, message 51810 and an
    // empty path.
    std::string WiringDiagram(CFunctionPrompt &prompt) const;

    const CChannelParams &Record() const { return m_record; }

private:
    void ApplyDriverSettings();

    const CAppConfig &m_config;
    int m_channel;
    CChannelParams m_record;
    std::vector<std::string> m_names;
    int m_selection = 0;
    bool m_settingsEnabled = false;
};

} // namespace core
