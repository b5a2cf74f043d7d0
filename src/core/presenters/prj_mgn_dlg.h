#pragma once

// The logic of the new-project dialog ("프로젝트 관리"): the two channel PLC choices (as in the
// PLC type dialog), the panel connection port and speed, and the project file name, proposed as
// the first free "제목없음<n>.kvr" of the project folder. OK refuses an empty name (52000).

#include "core/app/app_config.h"
#include "core/model/dorvane_doc.h"
#include "core/presenters/channel_choice.h"
#include "core/presenters/com_port_dlg.h"
#include "core/presenters/function_prompt.h"

#include "util/message_ids.h"

#include <string>

namespace core {

class CPrjMgnDlg
{
public:
    static constexpr int kMsgNoProjectName = util::msg::kNoProjectName;

    // `panelLanguage` is the new project's menu language index.
    CPrjMgnDlg(const CAppConfig &config, CFunctionPrompt &prompt, std::uint16_t panelLanguage);

    CChannelChoice &Choice(int channel) { return channel == 2 ? m_ch2 : m_ch1; }
    CComPortDlg &Port() { return m_port; }

    const std::string &FileName() const { return m_fileName; }
    void SetFileName(const std::string &name) { m_fileName = name; }
    // The folder the "찾아보기..." dialog starts in.
    const std::string &BrowseFolder() const;

    bool Ok();
    // What the document's New takes (after Ok), and the port settings for the serial worker.
    NewProjectSettings Settings() const;
    CommSetup PortSetup() const { return m_port.Result(); }

private:
    const CAppConfig &m_config;
    CFunctionPrompt &m_prompt;
    std::uint16_t m_panelLanguage;
    CChannelChoice m_ch1;
    CChannelChoice m_ch2;
    CComPortDlg m_port;
    std::string m_fileName;
};

} // namespace core
