#pragma once

// The address entry dialog ("주소 입력"): every property dialog edits one device address through
// it. A view over core::CSysAddrDlg: the PLC's area combo, the panel's named system addresses
// ("특수 버퍼") and the number edit; for a PLC a line below echoes what the typed text stands for
// ("4x1 = 40001"). OK keeps the dialog open on an address the device refuses.

#include "ui/dialogs/presenter_dialog.h"

#include "core/plc/plc_slots.h"
#include "core/presenters/sys_addr_dlg.h"

#include <cstdint>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;

namespace ui {

class CSysAddrDialog : public CPresenterDialog
{
    Q_OBJECT
public:
    // `device` 0 panel, 1 or 2 a channel; `kind` 1 bit, 2 word, 4 double word; `mustWrite` when
    // the panel writes to the point.
    CSysAddrDialog(const core::CPlcSlots &plcSlots, int device, std::int32_t kind, bool mustWrite,
                   const std::string &area, const std::string &number, QWidget *parent = nullptr);

    core::CSysAddrDlg &presenter() { return m_presenter; }
    QComboBox *areaBox() const { return m_area; }
    // Entry 0 is "none", so that any number can be typed; entry i + 1 is system address i.
    QComboBox *systemBox() const { return m_system; }
    QLineEdit *numberEdit() const { return m_number; }
    // The echo of the typed PLC address; hidden for the panel's own memory.
    QLabel *readingLabel() const { return m_reading; }

    // The accepted address (after OK).
    const std::string &area() const { return m_presenter.Area(); }
    const std::string &number() const { return m_presenter.Number(); }

protected:
    void refresh() override;
    bool acceptChanges() override;

private:
    void build();
    QString readingText() const;

    core::CSysAddrDlg m_presenter;
    QComboBox *m_area = nullptr;
    QComboBox *m_system = nullptr;
    QLineEdit *m_number = nullptr;
    QLabel *m_readingCaption = nullptr;
    QLabel *m_reading = nullptr;
};

// Runs the address entry dialog for one device point; true on OK with `area` and `number` set
// to the accepted address, false (both untouched) on Cancel.
bool editDeviceAddress(QWidget *parent, const core::CPlcSlots &plcSlots, int device,
                       std::int32_t kind, bool mustWrite, std::string &area, std::string &number);

// The read-only text of an address beside its button: a panel number by its system-address name
// (for a bit address, `kind` 1, by its word part), otherwise area followed by number.
QString deviceAddressText(const core::CPlcSlots &plcSlots, int device, const std::string &area,
                          const std::string &number, std::int32_t kind = core::kAddrWord);

} // namespace ui
