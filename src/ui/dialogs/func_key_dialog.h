#pragma once

// The function-key dialog: shows the core presenter of one key and forwards every change to it.
// The target address is shown read-only and edited through the address entry dialog. OK runs
// the presenter's checks; the caller stores the record as one undo step.

#include "ui/dialogs/presenter_dialog.h"

#include "core/functions/func_key_record.h"
#include "core/presenters/dlg_func_key.h"
#include "core/presenters/function_env.h"

#include <memory>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace ui {

class CFuncKeyDialog : public CPresenterDialog
{
    Q_OBJECT
public:
    CFuncKeyDialog(const core::FunctionEnv &env, int key, const core::CFuncKeyRecord &record,
                   bool shared, QWidget *parent = nullptr);
    ~CFuncKeyDialog() override;

    core::CDlgFuncKey &presenter() { return *m_presenter; }
    QComboBox *functionBox() const { return m_function; }
    QLineEdit *valueEdit() const { return m_value; }
    QComboBox *dataKindBox() const { return m_dataKind; }
    QCheckBox *applyAllBox() const { return m_applyAll; }
    // Read-only: the address as shown (a panel system word by its name).
    QLineEdit *addressEdit() const { return m_address; }
    QPushButton *addressButton() const { return m_addressButton; }
    QAbstractButton *channelButton(int channel) const;

protected:
    void refresh() override;
    bool acceptChanges() override;

private:
    void build();
    void refocusValue();
    void editAddress();

    const core::CPlcSlots &m_slots;
    std::unique_ptr<core::CDlgFuncKey> m_presenter;
    QComboBox *m_function = nullptr;
    QComboBox *m_bitAction = nullptr;
    QLabel *m_valueLabel = nullptr;
    QLineEdit *m_value = nullptr;
    QComboBox *m_dataKind = nullptr;
    QComboBox *m_format = nullptr;
    QCheckBox *m_signed = nullptr;
    QButtonGroup *m_channel = nullptr;
    QSpinBox *m_station = nullptr;
    QLineEdit *m_address = nullptr;
    QPushButton *m_addressButton = nullptr;
    QCheckBox *m_password = nullptr;
    QCheckBox *m_applyAll = nullptr;
    QWidget *m_settings = nullptr;
};

} // namespace ui
