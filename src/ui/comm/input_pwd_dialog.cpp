#include "ui/comm/input_pwd_dialog.h"

#include "ui/comm/comm_text.h"
#include "ui/common/message_box.h"

#include "core/comm/panel_ui.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

namespace ui {

CInputPwdDialog::CInputPwdDialog(QWidget *parent)
    : CPresenterDialog(parent)
{
    setObjectName(QStringLiteral("CInputPwdDialog"));
    setWindowTitle(tr("암호 확인"));
    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QStringLiteral("password"));
    // No cut at ten characters: a longer entry (pasted) is refused with a word at OK.
    m_edit->setPlaceholderText(tr("A-Z, a-z, 0-9: 10자까지"));
    m_edit->setEchoMode(QLineEdit::Password);
    auto *label = new QLabel(tr("암호를 입력하시오:"), this);
    label->setBuddy(m_edit);
    auto *form = new QFormLayout;
    form->addRow(label, m_edit);
    setContent(form);
    m_edit->setFocus();
}

QString CInputPwdDialog::password() const
{
    return m_edit->text();
}

bool CInputPwdDialog::acceptChanges()
{
    if (const auto error = comm::passwordEntryError(password().toStdString())) {
        showMessage(this, 0, commText(*error));
        m_edit->setFocus();
        m_edit->selectAll();
        return false;
    }
    return true;
}

} // namespace ui
