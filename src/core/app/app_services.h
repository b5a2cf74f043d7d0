#pragma once

// What the application object holds for its lifetime besides its windows: the configuration
// (program folder, INI catalogues, fonts, the Protocols folder the drivers load from) and the area
// codec. It makes documents, and lends them configuration only: each project owns its messages,
// images, driver slots and panel language, so any number of them can be open side by side.

#include "core/app/app_config.h"
#include "core/download/download_images.h"
#include "core/model/dorvane_doc.h"

#include <memory>
#include <string>

namespace core {

class CAppServices
{
public:
    CAppServices();
    ~CAppServices();

    // Reads the program folder's configuration.
    void Load(const std::string &programDir, std::uint16_t systemLangId);

    CAppConfig &Config() { return m_config; }
    const CAppConfig &Config() const { return m_config; }
    CDownloadImages &Areas() { return m_areas; }

    // The configuration a project document takes.
    DocConfig DocumentConfig() const;
    // A new, empty document with this configuration.
    std::unique_ptr<CDorvaneDoc> NewDocument() const;
    // The panel language index of a new project: the entry of the system LANGID, else 0.
    std::uint16_t DefaultPanelLanguage() const;
    // The LANGID of a panel language index (its texts' code page), whatever the computer's
    // locale; Korean, the panel's own language, when the language list has no such entry.
    std::uint16_t PanelLangIdOf(std::uint16_t language) const;
    // Settings for a new project at `path` with the channel parameters of a new project.
    NewProjectSettings NewProjectDefaults(const std::string &path) const;

private:
    CAppConfig m_config;
    CDownloadImages m_areas;
};

} // namespace core
