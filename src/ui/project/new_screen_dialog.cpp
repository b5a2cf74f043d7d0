#include "ui/project/new_screen_dialog.h"

#include "ui/app/message_box.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QSpinBox>

namespace ui {

CNewScreenDialog::CNewScreenDialog(core::CDorvaneDoc &doc, std::uint16_t panelLangId,
                                   QWidget *parent)
    : QDialog(parent)
    , m_presenter(doc, panelLangId)
{
    setWindowTitle(tr("새 화면 추가"));
    m_name = new QLineEdit(QString::fromStdString(m_presenter.Name()), this);
    m_name->setObjectName(QStringLiteral("name"));
    m_name->setMaxLength(23);
    // The spin box allows one digit more than the range, so OK can refuse an out-of-range number.
    m_number = new QSpinBox(this);
    m_number->setObjectName(QStringLiteral("number"));
    m_number->setRange(0, 9999);
    m_number->setValue(m_presenter.Number());
    connect(m_number, &QSpinBox::valueChanged, this, [this](int n) {
        m_presenter.SpinTo(n);
        if (n <= core::kMaxScreenNumber)
            m_name->setText(QString::fromStdString(m_presenter.Name()));
    });
    auto *form = new QFormLayout;
    form->addRow(tr("화면 이름:"), m_name);
    form->addRow(tr("화면 번호:"), m_number);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CNewScreenDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CNewScreenDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

void CNewScreenDialog::accept()
{
    m_presenter.SetName(m_name->text().toStdString());
    m_presenter.SetNumber(m_number->value());
    const int message = m_presenter.Ok(&m_created);
    if (message != 0) {
        showMessage(this, message);
        if (message == core::CDlgNewScreen::kMsgNameLength
            || message == core::CDlgNewScreen::kMsgNumberRange)
            return;
        reject();
        return;
    }
    QDialog::accept();
}

} // namespace ui
