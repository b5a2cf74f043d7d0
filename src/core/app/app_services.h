#pragma once

// Everything the application object owns for its lifetime besides its windows: the
// configuration, the memory monitor, the message and image managers, the three driver slots and
// the area buffers. The editor and the command-line tool each own one and hand it to the project.

#include "core/app/app_config.h"
#include "core/download/download_images.h"
#include "core/model/dorvane_doc.h"
#include "core/model/img_res_mgr.h"
#include "core/model/memory_monitor.h"
#include "core/model/str_res_mgr.h"
#include "core/plc/plc_slots.h"

#include <memory>
#include <string>

namespace core {

class CAppServices
{
public:
    CAppServices();
    // The tags stop referring to this object's managers when it goes.
    ~CAppServices();

    // Reads the program folder's configuration and points the managers at its folders.
    void Load(const std::string &programDir, std::uint16_t systemLangId);

    CAppConfig &Config() { return m_config; }
    const CAppConfig &Config() const { return m_config; }
    CMemoryMonitor &Monitor() { return m_monitor; }
    CStrResMgr &Strings() { return m_strings; }
    CImgResMgr &Images() { return m_images; }
    CPlcSlots &Slots() { return m_slots; }
    CDownloadImages &Areas() { return m_areas; }

    // The services a project document borrows.
    DocServices DocumentServices();
    // A new, empty document bound to these services.
    std::unique_ptr<CDorvaneDoc> NewDocument();
    // The panel language index of a new project: the entry of the system LANGID, else 0.
    std::uint16_t DefaultPanelLanguage() const;
    // The LANGID of a project's panel language (its texts' code page), whatever the computer's
    // locale; Korean, the panel's own language, when the language list has no such entry.
    std::uint16_t PanelLangId(const CDorvaneDoc &doc) const;
    // The same for a panel language index.
    std::uint16_t PanelLangIdOf(std::uint16_t language) const;
    // Points the tags at these managers and at the project's languages; call after New, Open
    // and a change of the panel language.
    void BindProject(const CDorvaneDoc &doc);
    // Settings for a new project at `path` with the channel parameters of a new project.
    NewProjectSettings NewProjectDefaults(const std::string &path) const;

private:
    CAppConfig m_config;
    CMemoryMonitor m_monitor;
    CStrResMgr m_strings{&m_monitor};
    CImgResMgr m_images{&m_monitor};
    CPlcSlots m_slots;
    CDownloadImages m_areas;
};

} // namespace core
