#include "ui/dialogs/presenter_dialog.h"

#include <QDialogButtonBox>
#include <QVBoxLayout>

namespace ui {

CPresenterDialog::CPresenterDialog(QWidget *parent)
    : QDialog(parent)
    , m_prompt(this)
{
    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &CPresenterDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void CPresenterDialog::setContent(QLayout *content)
{
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(content);
    layout->addWidget(m_buttons);
}

void CPresenterDialog::refreshView()
{
    m_refreshing = true;
    refresh();
    m_refreshing = false;
}

void CPresenterDialog::accept()
{
    if (acceptChanges())
        QDialog::accept();
}

} // namespace ui
