#pragma once

// "HMI clock setting": the PC's clock and the panel's, read continuously while the window is
// open, and "set the time" from the PC's clock or from the date and time pickers.

#include "ui/dialogs/presenter_dialog.h"

#include "core/presenters/date_time_dlg.h"

class QDateEdit;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTimeEdit;
class QTimer;

namespace comm {
class CCommThread;
class IPanelUi;
} // namespace comm

namespace ui {

class CCommNotifyBridge;

class CDateTimeDialog : public CPresenterDialog
{
    Q_OBJECT
public:
    CDateTimeDialog(comm::CCommThread &link, comm::IPanelUi &ui, QWidget *parent = nullptr);

    // Starts reading the panel's clock (the window shows the PC's clock without it).
    void startReading();

    core::CDateTimeDlg &presenter() { return m_presenter; }
    QLineEdit *pcClock() const { return m_pcClock; }
    QLineEdit *panelClock() const { return m_panelClock; }
    QRadioButton *pcChoice() const { return m_usePc; }
    QRadioButton *fieldsChoice() const { return m_useFields; }
    QDateEdit *dateEdit() const { return m_date; }
    QTimeEdit *timeEdit() const { return m_time; }
    QPushButton *setTimeButton() const { return m_setTime; }

public slots:
    void done(int result) override;

protected:
    void refresh() override;

private:
    void build();
    void showPcTime();
    void fieldsChanged();
    void setTime();

    core::CDateTimeDlg m_presenter;
    comm::IPanelUi &m_ui;
    CCommNotifyBridge *m_bridge = nullptr;
    QTimer *m_pcTimer = nullptr;
    QLineEdit *m_pcClock = nullptr;
    QLineEdit *m_panelClock = nullptr;
    QRadioButton *m_usePc = nullptr;
    QRadioButton *m_useFields = nullptr;
    QDateEdit *m_date = nullptr;
    QTimeEdit *m_time = nullptr;
    QPushButton *m_setTime = nullptr;
};

} // namespace ui
