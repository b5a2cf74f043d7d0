#include "core/app/app_services.h"

#include "util/code_page.h"

#include <algorithm>

namespace core {

CAppServices::CAppServices() = default;

CAppServices::~CAppServices() = default;

void CAppServices::Load(const std::string &programDir, std::uint16_t systemLangId)
{
    m_config.load(programDir, systemLangId);
}

std::uint16_t CAppServices::PanelLangIdOf(std::uint16_t language) const
{
    // The texts were written for the panel: the computer's locale says nothing about them.
    const auto *lang = m_config.languages().find(language);
    return lang && lang->langId ? std::uint16_t(lang->langId) : util::kLangKorean;
}

DocConfig CAppServices::DocumentConfig() const
{
    DocConfig c;
    c.ch1Plcs = &m_config.plcList(1);
    c.ch2Plcs = &m_config.plcList(2);
    c.protocolsDir = m_config.protocolsDir();
    c.imagesDir = m_config.imagesDir();
    c.panelLangIdOf = [this](std::uint16_t language) { return PanelLangIdOf(language); };
    c.resourceLangId = m_config.resourceLang();
    return c;
}

std::unique_ptr<CDorvaneDoc> CAppServices::NewDocument() const
{
    return std::make_unique<CDorvaneDoc>(DocumentConfig(), DefaultPanelLanguage());
}

std::uint16_t CAppServices::DefaultPanelLanguage() const
{
    return std::uint16_t(m_config.languages().indexOfLangId(m_config.systemLangId()));
}

NewProjectSettings CAppServices::NewProjectDefaults(const std::string &path) const
{
    NewProjectSettings s;
    s.path = path;
    s.panelLanguage = DefaultPanelLanguage();
    const ParamBlock params = CDorvaneDoc::NewProjectParameters(s.panelLanguage);
    std::copy_n(params.begin() + kParamChannel1, kChannelParamSize, s.channel1.begin());
    std::copy_n(params.begin() + kParamChannel2, kChannelParamSize, s.channel2.begin());
    s.executableDir = m_config.userDir();
    return s;
}

} // namespace core
