#pragma once

// "Password setting": the panel's old password (asked only when the panel has one), the new one
// and its confirmation. OK checks the entries, changes the password on the panel and closes once
// the panel's check passed; every refusal keeps the window open.

#include "ui/dialogs/presenter_dialog.h"

class QFormLayout;
class QLineEdit;

namespace comm {
class CCommThread;
class IPanelUi;
} // namespace comm

namespace ui {

class CPwdDialog : public CPresenterDialog
{
    Q_OBJECT
public:
    CPwdDialog(comm::CCommThread &link, comm::IPanelUi &ui, QWidget *parent = nullptr);

    QLineEdit *oldEdit() const { return m_old; }
    QLineEdit *newEdit() const { return m_new; }
    QLineEdit *confirmEdit() const { return m_confirm; }

protected:
    void refresh() override { }
    bool acceptChanges() override;

private:
    QLineEdit *addField(QFormLayout *form, const QString &label);

    comm::CCommThread &m_link;
    comm::IPanelUi &m_ui;
    QLineEdit *m_old = nullptr;
    QLineEdit *m_new = nullptr;
    QLineEdit *m_confirm = nullptr;
};

} // namespace ui
