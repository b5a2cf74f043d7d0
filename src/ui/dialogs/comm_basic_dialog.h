#pragma once

// The panel settings ("파라미터 설정"): a view over core::CCommBasicDlg with the start screen,
// screen saver, backlight, panel menu language, latch range and the two screen-number links
// with a PLC, whose addresses are edited through the address entry dialog. OK keeps the dialog
// open on a refused latch range; the caller stores presenter().Result() as one undo step.

#include "ui/dialogs/presenter_dialog.h"

#include "core/presenters/comm_basic_dlg.h"

#include <array>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace ui {

class CCommBasicDialog : public CPresenterDialog
{
    Q_OBJECT
public:
    CCommBasicDialog(const core::CPlcSlots &plcSlots, const core::CLangInfo &languages,
                     const core::ParamBlock &params, QWidget *parent = nullptr);

    core::CCommBasicDlg &presenter() { return m_presenter; }
    QSpinBox *initialScreenBox() const { return m_initial; }
    QCheckBox *saverBox() const { return m_saverOn; }
    QSpinBox *saverWaitBox() const { return m_saverWait; }
    QSpinBox *saverScreenBox() const { return m_saverScreen; }
    QCheckBox *backlightBox() const { return m_backlightOn; }
    QSpinBox *backlightWaitBox() const { return m_backlightWait; }
    QComboBox *languageBox() const { return m_language; }
    QCheckBox *latchBox() const { return m_latchOn; }
    QSpinBox *latchStartBox() const { return m_latchStart; }
    QSpinBox *latchEndBox() const { return m_latchEnd; }

    // The widgets of one screen-number link (core::CPanelParams::kScreenChange or
    // kScreenTransfer).
    struct LinkWidgets
    {
        QCheckBox *on = nullptr;
        QButtonGroup *device = nullptr;
        QComboBox *station = nullptr;
        QLineEdit *address = nullptr;
        QPushButton *browse = nullptr;
    };
    const LinkWidgets &link(int group) const { return m_links.at(std::size_t(group)); }

protected:
    void refresh() override;
    bool acceptChanges() override;

private:
    QLayout *buildPanel();
    QWidget *buildLink(int group, const QString &title);
    void editAddress(int group);

    const core::CPlcSlots &m_slots;
    core::CCommBasicDlg m_presenter;
    QSpinBox *m_initial = nullptr;
    QCheckBox *m_saverOn = nullptr;
    QSpinBox *m_saverWait = nullptr;
    QSpinBox *m_saverScreen = nullptr;
    QCheckBox *m_backlightOn = nullptr;
    QSpinBox *m_backlightWait = nullptr;
    QComboBox *m_language = nullptr;
    QCheckBox *m_latchOn = nullptr;
    QSpinBox *m_latchStart = nullptr;
    QSpinBox *m_latchEnd = nullptr;
    std::array<LinkWidgets, 2> m_links;
};

} // namespace ui
