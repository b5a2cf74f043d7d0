#include "ui/project/new_screen_dialog.h"

#include "ui/common/message_box.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

namespace ui {

void CStepSpinBox::stepBy(int steps)
{
    QSpinBox::stepBy(steps);
    emit stepped(value());
}

CNewScreenDialog::CNewScreenDialog(core::CDorvaneDoc &doc, std::uint16_t panelLangId,
                                   QWidget *parent)
    : CPresenterDialog(parent)
    , m_presenter(doc, panelLangId)
{
    setWindowTitle(tr("새 화면 추가"));
    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("name"));
    m_name->setMaxLength(23);
    // The spin box allows one digit more than the range, so OK can refuse an out-of-range number.
    m_number = new CStepSpinBox(this);
    m_number->setObjectName(QStringLiteral("number"));
    m_number->setRange(0, 9999);
    connect(m_name, &QLineEdit::textEdited, this,
            [this](const QString &text) { m_presenter.SetName(text.toStdString()); });
    connect(m_number, &QSpinBox::valueChanged, this, [this](int n) {
        if (!refreshing())
            m_presenter.SetNumber(n);
    });
    connect(m_number, &CStepSpinBox::stepped, this,
            [this](int n) { forward([&] { m_presenter.SpinTo(n); }); });
    auto *form = new QFormLayout;
    auto *nameLabel = new QLabel(tr("화면 이름:"), this);
    nameLabel->setBuddy(m_name);
    form->addRow(nameLabel, m_name);
    auto *numberLabel = new QLabel(tr("화면 번호:"), this);
    numberLabel->setBuddy(m_number);
    form->addRow(numberLabel, m_number);
    setContent(form);
    refreshView();
}

void CNewScreenDialog::refresh()
{
    const QString name = QString::fromStdString(m_presenter.Name());
    if (m_name->text() != name)
        m_name->setText(name);
    m_number->setValue(m_presenter.Number());
}

bool CNewScreenDialog::acceptChanges()
{
    m_presenter.SetName(m_name->text().toStdString());
    m_presenter.SetNumber(m_number->value());
    const int message = m_presenter.Ok(&m_created);
    if (message == 0)
        return true;
    showMessage(this, message);
    // Only a full screen area ends the dialog: every other entry can be mended.
    if (message == core::CDlgNewScreen::kMsgScreenFull)
        reject();
    else if (message == core::CDlgNewScreen::kMsgNameLength)
        m_name->setFocus();
    else
        m_number->setFocus();
    return false;
}

} // namespace ui
