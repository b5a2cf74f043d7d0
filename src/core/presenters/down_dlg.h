#pragma once

// The logic of the download/upload dialog: the three groups with "select all", the menu group's
// language name (download only), the port slot and speed. OK hands the settings to the link; the
// port is stored once the transfer has opened it (CProjectTransfer, which moves the areas).

#include "core/app/app_config.h"
#include "core/comm/port_setting.h"
#include "core/presenters/com_port_dlg.h"
#include "core/transfer/project_transfer.h"

#include <string>

namespace core {

class CDownDlg
{
public:
    enum class Mode { Download, Upload };
    enum Group { Screens, Parameters, Menu };

    // `languageName` is the project's panel language ("" without a project).
    CDownDlg(Mode mode, const CommSetup &setup, bool projectOpen, std::string languageName);

    Mode mode() const { return m_mode; }
    std::string Title() const;
    // "메뉴 ( <language> )" in download mode; the group is not offered for an upload.
    std::string MenuText() const;
    bool MenuOffered() const { return m_mode == Mode::Download; }
    bool ProjectOpen() const { return m_projectOpen; }

    bool Checked(Group group) const;
    void SetChecked(Group group, bool on);
    // Checked when every offered group is.
    bool AllChecked() const;
    void SelectAll(bool on);

    CComPortDlg &Port() { return m_port; }
    const CComPortDlg &Port() const { return m_port; }

    TransferGroups Groups() const;
    // The link's settings: the stored data format with the chosen port and speed.
    comm::PORT_SETTING PortSetting() const;
    // OK without a transfer: writes "Port" of [comm_setup].
    bool Ok(CAppConfig &config) const;
    // OK before a transfer: the port waits in `config` until the transfer has opened it.
    void OfferPort(CAppConfig &config) const;

private:
    Mode m_mode;
    CommSetup m_setup;
    bool m_projectOpen;
    std::string m_language;
    CComPortDlg m_port;
    TransferGroups m_groups;
};

} // namespace core
