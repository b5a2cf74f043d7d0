#pragma once

// The function-key dialog: shows the core presenter of one key and forwards every change to it.
// Only the controls the chosen function uses are shown. The target address is shown read-only
// and edited through the address entry dialog. OK runs the presenter's checks; the caller stores
// the record as one undo step.

#include "ui/dialogs/presenter_dialog.h"

#include "core/functions/func_key_record.h"
#include "core/presenters/dlg_func_key.h"
#include "core/presenters/function_env.h"

#include <memory>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFormLayout;
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
    // The radio buttons of a bit action (CFuncKeyRecord::BitAction), a data kind (kDataWord,
    // kDataLong) and an input format (kFormatDec, kFormatHex).
    QAbstractButton *bitActionButton(std::uint32_t action) const;
    QAbstractButton *dataKindButton(std::uint16_t kind) const;
    QAbstractButton *formatButton(std::uint16_t format) const;
    QCheckBox *signedBox() const { return m_signed; }
    QCheckBox *passwordBox() const { return m_password; }
    QCheckBox *applyAllBox() const { return m_applyAll; }
    // Read-only: the address as shown (a panel system word by its name).
    QLineEdit *addressEdit() const { return m_address; }
    QPushButton *addressButton() const { return m_addressButton; }
    QAbstractButton *channelButton(int channel) const;

    // Opens with its left edge at `window`'s left edge and its top at the window's bottom edge,
    // moved back onto the window's screen where it would stick out.
    void placeBelow(QWidget *window);

protected:
    void refresh() override;
    bool acceptChanges() override;

private:
    void build();
    void connectControls();
    void refocusValue();
    void editAddress();

    const core::CPlcSlots &m_slots;
    std::unique_ptr<core::CDlgFuncKey> m_presenter;
    QComboBox *m_function = nullptr;
    QFormLayout *m_form = nullptr;
    QButtonGroup *m_bitAction = nullptr;
    QWidget *m_bitRow = nullptr;
    QLabel *m_valueLabel = nullptr;
    QLineEdit *m_value = nullptr;
    QButtonGroup *m_dataKind = nullptr;
    QWidget *m_dataKindRow = nullptr;
    QButtonGroup *m_format = nullptr;
    QWidget *m_formatRow = nullptr;
    QCheckBox *m_signed = nullptr;
    QButtonGroup *m_channel = nullptr;
    QWidget *m_channelRow = nullptr;
    QWidget *m_addressRow = nullptr;
    QSpinBox *m_station = nullptr;
    QLineEdit *m_address = nullptr;
    QPushButton *m_addressButton = nullptr;
    QCheckBox *m_password = nullptr;
    QCheckBox *m_applyAll = nullptr;
    QWidget *m_settings = nullptr;
    int m_laidOutFunction = -1;
};

} // namespace ui
