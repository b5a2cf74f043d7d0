#pragma once

// "다운로드..." / "업로드...": the groups to move, the port slot and the speed. OK hands the
// choice to the caller's transfer, which either keeps the dialog open (nothing chosen, a
// question answered No, a link error) or ends it with its outcome.

#include "ui/dialogs/presenter_dialog.h"

#include "core/presenters/down_dlg.h"

#include <functional>

class QCheckBox;
class QComboBox;
class QPushButton;

namespace core {
class CAppConfig;
}

namespace ui {

class CPortSlotBox;

class CDownDialog : public CPresenterDialog
{
    Q_OBJECT
public:
    using Transfer = std::function<core::TransferOutcome(const core::CDownDlg &)>;

    CDownDialog(core::CAppConfig &config, core::CDownDlg::Mode mode, bool projectOpen,
                const QString &languageName, QWidget *parent = nullptr);
    ~CDownDialog() override;

    // Runs on OK; the port is stored once the transfer has opened it. Without a transfer OK
    // stores the port and closes.
    void setTransfer(Transfer transfer) { m_transfer = std::move(transfer); }
    core::TransferOutcome outcome() const { return m_outcome; }
    core::CDownDlg &presenter() { return m_presenter; }

    QCheckBox *groupBox(core::CDownDlg::Group group) const { return m_groups[group]; }
    QCheckBox *selectAllBox() const { return m_all; }
    CPortSlotBox *portBox() const { return m_port; }
    QComboBox *speedCombo() const { return m_speed; }
    QPushButton *wiringButton() const { return m_wiring; }

protected:
    void refresh() override;
    bool acceptChanges() override;

private:
    void showWiringDiagram();

    core::CAppConfig &m_config;
    core::CDownDlg m_presenter;
    Transfer m_transfer;
    core::TransferOutcome m_outcome = core::TransferOutcome::Cancelled;
    QCheckBox *m_groups[3] = {};
    QCheckBox *m_all = nullptr;
    CPortSlotBox *m_port = nullptr;
    QComboBox *m_speed = nullptr;
    QPushButton *m_wiring = nullptr;
};

} // namespace ui
