#pragma once

// The address group of the common-function editors: channel radios S, Ch1 and Ch2, the station
// combo ("0" to "31"), the address as shown and the button that opens the address entry dialog.
// A view over core::CAddrGroup; every user change goes to the group and is announced by
// `changed()`, so the dialog can refresh what depends on it. `refresh()` copies the group back.

#include "core/presenters/addr_group.h"

#include <QGroupBox>

class QButtonGroup;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace ui {

class CAddrGroupBox : public QGroupBox
{
    Q_OBJECT
public:
    // `mustWrite` when the panel writes to the address (the entry dialog then refuses read-only
    // system words); `withPanel` false leaves out the S radio (a PLC-only address).
    CAddrGroupBox(const QString &title, const core::CPlcSlots &plcSlots, core::CAddrGroup &group,
                  bool mustWrite, bool withPanel = true, QWidget *parent = nullptr);

    void refresh();

    QRadioButton *channelButton(int channel) const;
    QComboBox *stationBox() const { return m_station; }
    QLineEdit *addressEdit() const { return m_address; }
    QPushButton *addressButton() const { return m_browse; }
    // The first control of the group in tab order.
    QWidget *firstInput() const;

signals:
    void changed();

private:
    void browse();

    const core::CPlcSlots &m_slots;
    core::CAddrGroup &m_group;
    bool m_mustWrite;
    bool m_withPanel;
    QButtonGroup *m_channels = nullptr;
    QComboBox *m_station = nullptr;
    QLineEdit *m_address = nullptr;
    QPushButton *m_browse = nullptr;
    bool m_refreshing = false;
};

} // namespace ui
