#pragma once

// The address replace window ("주소 바꾸기"), a view over the core's replace presenter: channel,
// station, the address or range, its new start or an offset, the kinds of users, and a preview of
// every change (old address, new address, user) with the addresses the driver refuses marked.
// The frame applies the presenter's plan as one undo step.

#include "ui/dialogs/presenter_dialog.h"

#include "core/xref/address_replace_dlg.h"

#include <array>
#include <cstdint>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSpinBox;
class QTreeWidget;

namespace ui {

class CAddressReplaceDialog : public CPresenterDialog
{
    Q_OBJECT
public:
    explicit CAddressReplaceDialog(const core::CDorvaneDoc &doc, QWidget *parent = nullptr);

    const core::CAddressReplaceDlg &presenter() const { return m_presenter; }

    QComboBox *channelBox() const { return m_channel; }
    QComboBox *stationBox() const { return m_station; }
    QLineEdit *fromEdit() const { return m_from; }
    QRadioButton *startRadio() const { return m_byStart; }
    QLineEdit *toEdit() const { return m_to; }
    QRadioButton *offsetRadio() const { return m_byOffset; }
    QSpinBox *offsetBox() const { return m_offset; }
    QCheckBox *kindCheck(core::xref::UserKind kind) const { return m_kinds[std::size_t(kind)]; }
    QTreeWidget *preview() const { return m_preview; }
    QLabel *summary() const { return m_summary; }

protected:
    void refresh() override;
    bool acceptChanges() override;

private:
    QLayout *buildEntries();
    QLayout *buildKinds();
    void fillStations();
    void fillPreview();

    core::CAddressReplaceDlg m_presenter;
    const core::CDorvaneDoc &m_doc;
    QComboBox *m_channel = nullptr;
    QComboBox *m_station = nullptr;
    QLineEdit *m_from = nullptr;
    QRadioButton *m_byStart = nullptr;
    QLineEdit *m_to = nullptr;
    QRadioButton *m_byOffset = nullptr;
    QSpinBox *m_offset = nullptr;
    std::array<QCheckBox *, core::xref::kUserKindCount> m_kinds{};
    QTreeWidget *m_preview = nullptr;
    QLabel *m_summary = nullptr;
    std::vector<std::uint16_t> m_listedStations; // what the station box holds after "(전체)"
};

} // namespace ui
