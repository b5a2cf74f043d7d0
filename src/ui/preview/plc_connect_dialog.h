#pragma once

// "PLC 연결": how the preview reaches the real PLC of a Modbus channel, over a serial line (with
// the port chooser of the transfer window) or over TCP. The form's rules are the core's; this
// window shows the form and hands it back on OK.

#include "ui/dialogs/presenter_dialog.h"

#include "core/online/plc_connect_form.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace core {
class CDorvaneDoc;
}

namespace ui {

class CPlcConnectDialog : public CPresenterDialog
{
    Q_OBJECT
public:
    CPlcConnectDialog(const core::CDorvaneDoc &doc, core::online::PlcConnectForm form,
                      QWidget *parent = nullptr);

    const core::online::PlcConnectForm &form() const { return m_form; }

    QComboBox *channelCombo() const { return m_channel; }
    QRadioButton *tcpRadio() const { return m_tcp; }
    QLineEdit *deviceEdit() const { return m_device; }
    QLineEdit *hostEdit() const { return m_host; }
    QSpinBox *portSpin() const { return m_port; }
    QSpinBox *timeoutSpin() const { return m_timeout; }
    QCheckBox *lowWordFirstCheck() const { return m_lowFirst; }
    QPushButton *okButton() const { return m_ok; }

protected:
    void refresh() override;

private:
    void build();
    void chooseDevice();

    const core::CDorvaneDoc &m_doc;
    core::online::PlcConnectForm m_form;
    QComboBox *m_channel = nullptr;
    QRadioButton *m_serial = nullptr;
    QRadioButton *m_tcp = nullptr;
    QLineEdit *m_device = nullptr;
    QPushButton *m_choose = nullptr;
    QComboBox *m_baud = nullptr;
    QComboBox *m_parity = nullptr;
    QLineEdit *m_host = nullptr;
    QSpinBox *m_port = nullptr;
    QSpinBox *m_timeout = nullptr;
    QCheckBox *m_lowFirst = nullptr;
    QPushButton *m_ok = nullptr;
};

} // namespace ui
