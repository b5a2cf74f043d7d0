#pragma once

// "Alarm search range": a date range and/or an alarm message, one of the two always checked;
// a stored message chosen from the database's list is copied into the message field.

#include "ui/dialogs/presenter_dialog.h"

#include "core/presenters/alarm_hist_dlg.h"

class QCheckBox;
class QComboBox;
class QDateTimeEdit;
class QLineEdit;

namespace comm {
class IPanelUi;
}

namespace ui {

class CAlarmSearchDialog : public CPresenterDialog
{
    Q_OBJECT
public:
    CAlarmSearchDialog(core::CAlarmSearchDlg &presenter, comm::IPanelUi &ui,
                       QWidget *parent = nullptr);

    QCheckBox *dateBox() const { return m_useDate; }
    QCheckBox *messageBox() const { return m_useMessage; }
    QDateTimeEdit *startEdit() const { return m_start; }
    QDateTimeEdit *endEdit() const { return m_end; }
    QLineEdit *messageEdit() const { return m_message; }
    QComboBox *storedBox() const { return m_stored; }

protected:
    void refresh() override;
    bool acceptChanges() override;

private:
    void build();

    core::CAlarmSearchDlg &m_presenter;
    comm::IPanelUi &m_ui;
    QCheckBox *m_useDate = nullptr;
    QCheckBox *m_useMessage = nullptr;
    QDateTimeEdit *m_start = nullptr;
    QDateTimeEdit *m_end = nullptr;
    QLineEdit *m_message = nullptr;
    QComboBox *m_stored = nullptr;
};

} // namespace ui
