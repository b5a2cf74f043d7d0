#include "core/app/app_services.h"

#include "core/tags/tag_resources.h"

#include "util/code_page.h"

#include <algorithm>

namespace core {

CAppServices::CAppServices() = default;

CAppServices::~CAppServices()
{
    if (tagResources().images == &m_images || tagResources().strings == &m_strings)
        setTagResources({});
}

void CAppServices::Load(const std::string &programDir, std::uint16_t systemLangId)
{
    m_config.load(programDir, systemLangId);
    m_images.SetImagesDir(m_config.imagesDir());
    TagResources resources;
    resources.images = &m_images;
    resources.strings = &m_strings;
    // Until a project binds them, the tags read texts in the language a new project gets.
    resources.panelLangId = PanelLangIdOf(DefaultPanelLanguage());
    resources.resourceLangId = m_config.resourceLang();
    setTagResources(resources);
}

std::uint16_t CAppServices::PanelLangId(const CDorvaneDoc &doc) const
{
    return PanelLangIdOf(doc.Param16(kParamLanguage));
}

std::uint16_t CAppServices::PanelLangIdOf(std::uint16_t language) const
{
    // The texts were written for the panel: the computer's locale says nothing about them.
    const auto *lang = m_config.languages().find(language);
    return lang && lang->langId ? std::uint16_t(lang->langId) : util::kLangKorean;
}

void CAppServices::BindProject(const CDorvaneDoc &doc)
{
    TagResources resources = tagResources();
    resources.images = &m_images;
    resources.strings = &m_strings;
    resources.panelLangId = PanelLangId(doc);
    resources.resourceLangId = m_config.resourceLang();
    setTagResources(resources);
}

DocServices CAppServices::DocumentServices()
{
    DocServices s{m_strings, m_images, m_slots, m_monitor};
    s.ch1Plcs = &m_config.plcList(1);
    s.ch2Plcs = &m_config.plcList(2);
    s.protocolsDir = m_config.protocolsDir();
    s.parametersLoaded = [this](const CDorvaneDoc &doc) { BindProject(doc); };
    return s;
}

std::unique_ptr<CDorvaneDoc> CAppServices::NewDocument()
{
    return std::make_unique<CDorvaneDoc>(DocumentServices(), DefaultPanelLanguage());
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
