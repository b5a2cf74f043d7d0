#include "ui/comm/pwd_dialog.h"

#include "core/comm/panel_commands.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

namespace ui {

CPwdDialog::CPwdDialog(comm::CCommThread &link, comm::IPanelUi &ui, QWidget *parent)
    : CPresenterDialog(parent)
    , m_link(link)
    , m_ui(ui)
{
    setWindowTitle(tr("암호 설정"));
    auto *form = new QFormLayout;
    m_old = addField(form, tr("이전 암호(&O):"));
    m_new = addField(form, tr("새 암호(&N):"));
    m_confirm = addField(form, tr("새 암호 확인(&C):"));
    setContent(form);
}

QLineEdit *CPwdDialog::addField(QFormLayout *form, const QString &label)
{
    auto *edit = new QLineEdit(this);
    // No cut at ten characters: a longer entry (pasted) is refused with a word at OK.
    edit->setPlaceholderText(tr("A-Z, a-z, 0-9: 10자까지"));
    edit->setEchoMode(QLineEdit::Password);
    auto *caption = new QLabel(label, this);
    caption->setBuddy(edit);
    form->addRow(caption, edit);
    return edit;
}

bool CPwdDialog::acceptChanges()
{
    const comm::PasswordChange entries{m_old->text().toStdString(), m_new->text().toStdString(),
                                       m_confirm->text().toStdString()};
    return comm::SetPanelPassword(m_link, m_ui, entries);
}

} // namespace ui
