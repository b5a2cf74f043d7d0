#pragma once

// The block-transfer editor ("블록통신 편집"): direction, size in words, the PLC's first word
// (Ch1 or Ch2), the panel's first word, the start bit and the communication condition. A view
// over core::CTransEditDlg, which the transfer list owns; the size is corrected when its edit
// loses the focus and after a new panel word.

#include "ui/dialogs/presenter_dialog.h"

#include "core/presenters/trans_edit_dlg.h"

class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ui {

class CAddrGroupBox;

class CTransEditDialog : public CPresenterDialog
{
    Q_OBJECT
public:
    CTransEditDialog(const core::FunctionEnv &env, core::CTransEditDlg &presenter,
                     QWidget *parent = nullptr);

    // Ids 0 "HMI<-PLC", 1 "HMI->PLC".
    QButtonGroup *directionGroup() const { return m_direction; }
    QLineEdit *sizeEdit() const { return m_size; }
    CAddrGroupBox *plcBox() const { return m_plc; }
    QLineEdit *panelEdit() const { return m_panel; }
    QPushButton *panelButton() const { return m_panelButton; }
    CAddrGroupBox *startBox() const { return m_start; }
    // Ids 0-5 as the record stores the condition.
    QButtonGroup *conditionGroup() const { return m_condition; }

protected:
    void refresh() override;
    bool acceptChanges() override;

private:
    void build();
    // False when the typed size had to be corrected (the message said the range).
    bool takeSize();
    void browsePanel();

    const core::CPlcSlots &m_slots;
    core::CTransEditDlg &m_presenter;
    QButtonGroup *m_direction = nullptr;
    QLineEdit *m_size = nullptr;
    QLabel *m_sizeRange = nullptr;
    CAddrGroupBox *m_plc = nullptr;
    QLineEdit *m_panel = nullptr;
    QPushButton *m_panelButton = nullptr;
    CAddrGroupBox *m_start = nullptr;
    QButtonGroup *m_condition = nullptr;
};

} // namespace ui
