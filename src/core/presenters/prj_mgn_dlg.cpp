#include "core/presenters/prj_mgn_dlg.h"

#include "util/messages.h"

namespace core {

namespace {

std::string trimmed(const std::string &text)
{
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

} // namespace

CPrjMgnDlg::CPrjMgnDlg(const CAppConfig &config, CFunctionPrompt &prompt,
                       std::uint16_t panelLanguage)
    : m_config(config)
    , m_prompt(prompt)
    , m_panelLanguage(panelLanguage)
    , m_ch1(config, 1, CChannelParams::NewProject(1))
    , m_ch2(config, 2, CChannelParams::NewProject(2))
    , m_port(config.commSetup())
    , m_fileName(CDorvaneDoc::ProposeNewProjectPath(config.projectDir()))
{ }

const std::string &CPrjMgnDlg::BrowseFolder() const
{
    return m_config.projectDir();
}

bool CPrjMgnDlg::Ok()
{
    if (trimmed(m_fileName).empty()) {
        m_prompt.ShowMessage(kMsgNoProjectName, util::formatMessage(kMsgNoProjectName));
        return false;
    }
    return true;
}

NewProjectSettings CPrjMgnDlg::Settings() const
{
    NewProjectSettings s;
    s.path = trimmed(m_fileName);
    s.channel1 = m_ch1.Record().Bytes();
    s.channel2 = m_ch2.Record().Bytes();
    s.panelLanguage = m_panelLanguage;
    s.executableDir = m_config.userDir();
    return s;
}

} // namespace core
