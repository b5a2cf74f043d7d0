#include "core/presenters/env_config_dlg.h"

#include "util/messages.h"

#include <algorithm>

namespace core {

namespace {

// The colour of the dialog's `index`, or null outside the list; for const and non-const colours.
template<typename Colors>
auto *colorOf(Colors &c, int index)
{
    decltype(&c.back) all[CEnvConfigDlg::kColorCount]
            = {&c.back, &c.fill, &c.grid, &c.select, &c.outline, &c.focus};
    return index >= 0 && index < CEnvConfigDlg::kColorCount ? all[index] : nullptr;
}

} // namespace

CEnvConfigDlg::CEnvConfigDlg(const CAppConfig &config)
    : m_colors(config.colors())
    , m_autoSave(config.autoSaveInterval())
{
    for (const CIndexedRes &res : config.resources().entries()) {
        if (res.langId == config.resourceLang())
            m_language = int(m_languageIds.size());
        m_languageNames.push_back(res.name);
        m_languageIds.push_back(res.langId);
    }
    if (m_language < 0 && !m_languageIds.empty())
        m_language = 0;
}

std::uint32_t CEnvConfigDlg::ColorRef(int red, int green, int blue)
{
    const auto byte = [](int v) { return std::uint32_t(std::clamp(v, 0, 255)); };
    return byte(red) | byte(green) << 8 | byte(blue) << 16;
}

std::uint32_t CEnvConfigDlg::Color(int index) const
{
    const std::uint32_t *c = colorOf(m_colors, index);
    return c ? *c : 0;
}

void CEnvConfigDlg::SetColor(int index, std::uint32_t colorRef)
{
    if (std::uint32_t *c = colorOf(m_colors, index))
        *c = colorRef;
}

std::uint32_t CEnvConfigDlg::DefaultColor(int index)
{
    static const EditorColors defaults;
    const std::uint32_t *c = colorOf(defaults, index);
    return c ? *c : 0;
}

void CEnvConfigDlg::SetAutoSave(int minutes)
{
    m_autoSave = std::clamp(minutes, 0, kMaxAutoSaveMinutes);
}

void CEnvConfigDlg::SetLanguage(int index)
{
    if (index >= 0 && index < int(m_languageIds.size()))
        m_language = index;
}

bool CEnvConfigDlg::Apply(CAppConfig &config, CFunctionPrompt &prompt) const
{
    config.setColors(m_colors);
    const std::uint32_t lang = m_language >= 0 ? m_languageIds[std::size_t(m_language)] : 0;
    if (!config.chooseResourceLanguage(lang))
        return false;
    prompt.ShowMessage(kMsgRestart, std::string(util::messageText(kMsgRestart)));
    return true;
}

} // namespace core
