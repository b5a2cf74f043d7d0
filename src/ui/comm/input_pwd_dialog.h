#pragma once

// "암호 확인": the panel's password, asked when the panel says it is protected. OK refuses an
// empty entry and characters other than A-Z, a-z, 0-9.

#include "ui/dialogs/presenter_dialog.h"

class QLineEdit;

namespace ui {

class CInputPwdDialog : public CPresenterDialog
{
    Q_OBJECT
public:
    explicit CInputPwdDialog(QWidget *parent = nullptr);

    QString password() const;
    QLineEdit *passwordEdit() const { return m_edit; }

protected:
    void refresh() override { }
    bool acceptChanges() override;

private:
    QLineEdit *m_edit = nullptr;
};

} // namespace ui
