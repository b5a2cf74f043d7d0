#pragma once

// The panel connection port ("Velmar Panel 연결 포트 변경"): COM1 to COM8, each shown with the
// device file it stands for on this machine (APP.INI [comm_ports], else the USB serial default),
// and the speed, over core::CComPortDlg. Not part of the project: the caller stores the result
// in the configuration.

#include "ui/dialogs/presenter_dialog.h"

#include "core/presenters/com_port_dlg.h"

class QComboBox;
class QPushButton;

namespace ui {

class CPortSlotBox;

class CComPortDialog : public CPresenterDialog
{
    Q_OBJECT
public:
    CComPortDialog(core::CAppConfig &config, QWidget *parent = nullptr);

    core::CComPortDlg &presenter() { return m_presenter; }
    QComboBox *portBox() const;
    CPortSlotBox *portSlots() const { return m_port; }
    QComboBox *speedBox() const { return m_speed; }
    QPushButton *wiringButton() const { return m_wiring; }

protected:
    void refresh() override;

private:
    const core::CAppConfig &m_config;
    core::CComPortDlg m_presenter;
    CPortSlotBox *m_port = nullptr;
    QComboBox *m_speed = nullptr;
    QPushButton *m_wiring = nullptr;
};

} // namespace ui
