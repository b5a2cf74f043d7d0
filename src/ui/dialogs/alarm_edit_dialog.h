#pragma once

// The alarm editor ("경보 편집"): the watched bit, the condition, the message, the buzzer with its
// seconds and whether the message stays after the alarm clears. A view over core::CAlarmEditDlg,
// which the alarm list owns; OK runs the presenter's checks (an empty message keeps it open).

#include "ui/dialogs/presenter_dialog.h"

#include "core/presenters/alarm_edit_dlg.h"

class QButtonGroup;
class QLabel;
class QLineEdit;

namespace ui {

class CAddrGroupBox;

class CAlarmEditDialog : public CPresenterDialog
{
    Q_OBJECT
public:
    CAlarmEditDialog(const core::FunctionEnv &env, core::CAlarmEditDlg &presenter,
                     QWidget *parent = nullptr);

    CAddrGroupBox *addressBox() const { return m_address; }
    QButtonGroup *conditionGroup() const { return m_condition; }
    QLineEdit *messageEdit() const { return m_message; }
    // Ids: the buzzer mode 0 (off), 1 (timed), 2 (continuous).
    QButtonGroup *buzzerGroup() const { return m_buzzer; }
    QLineEdit *secondsEdit() const { return m_seconds; }
    // Ids: 0 keep showing, 1 hide after the alarm clears.
    QButtonGroup *displayGroup() const { return m_display; }

protected:
    void refresh() override;
    bool acceptChanges() override;

private:
    void build(const core::FunctionEnv &env);
    void takeSeconds();

    core::CAlarmEditDlg &m_presenter;
    CAddrGroupBox *m_address = nullptr;
    QButtonGroup *m_condition = nullptr;
    QLineEdit *m_message = nullptr;
    QButtonGroup *m_buzzer = nullptr;
    QLineEdit *m_seconds = nullptr;
    QLabel *m_secondsLabel = nullptr;
    QButtonGroup *m_display = nullptr;
};

} // namespace ui
