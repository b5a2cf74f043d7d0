#pragma once

// "Velmar Panel 정보": "읽어오기" reads the panel's system record, its menu area's start and both
// driver identities, and shows the OS, clock, scan-time, menu and driver texts.
// A plain QDialog, not a CPresenterDialog: it reads and shows, with nothing for OK/Cancel to
// accept.

#include "core/comm/system_info.h"

#include <QDialog>

#include <array>
#include <functional>

class QLineEdit;
class QPushButton;

namespace comm {
class CCommThread;
class IPanelUi;
} // namespace comm

namespace ui {

class CSysInfoDialog : public QDialog
{
    Q_OBJECT
public:
    enum Field {
        OsVersion,
        OsDate,
        ClockType,
        ClockTime,
        ScanMax,
        ScanCurrent,
        MenuLanguage,
        MenuVersion,
        Driver1Name,
        Driver1Version,
        Driver2Name,
        Driver2Version,
        FieldCount
    };

    // `prepare` runs before each read (the frame hands its settings to the link there).
    CSysInfoDialog(comm::CCommThread &link, comm::IPanelUi &ui, QWidget *parent = nullptr);

    void setPrepare(std::function<void()> prepare) { m_prepare = std::move(prepare); }
    QLineEdit *field(Field f) const { return m_fields[f]; }
    QPushButton *readButton() const { return m_read; }
    // "읽어오기".
    void read();
    void showTexts(const comm::SystemInfoTexts &texts);

private:
    comm::CCommThread &m_link;
    comm::IPanelUi &m_ui;
    std::function<void()> m_prepare;
    std::array<QLineEdit *, FieldCount> m_fields{};
    QPushButton *m_read = nullptr;
    QPushButton *m_close = nullptr;
};

} // namespace ui
