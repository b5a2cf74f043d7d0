#include "ui/dialogs/sys_addr_dialog.h"

#include "core/functions/device_addr.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

namespace ui {

CSysAddrDialog::CSysAddrDialog(const core::CPlcSlots &plcSlots, int device, std::int32_t kind,
                               bool mustWrite, const std::string &area, const std::string &number,
                               QWidget *parent)
    : CPresenterDialog(parent)
    , m_presenter(plcSlots, prompt(), device, kind, mustWrite, area, number)
{
    setWindowTitle(tr("주소 입력"));
    build();
    refreshView();
    // The number is what is changed most often; typing replaces it.
    m_number->setFocus();
    m_number->selectAll();
}

void CSysAddrDialog::build()
{
    auto *form = new QFormLayout;

    m_area = new QComboBox(this);
    for (const std::string &name : m_presenter.Areas())
        m_area->addItem(QString::fromStdString(name));
    auto *areaLabel = new QLabel(tr("영역(&A):"), this);
    areaLabel->setBuddy(m_area);
    form->addRow(areaLabel, m_area);

    m_system = new QComboBox(this);
    m_system->addItem(QString()); // none: the number is typed
    for (const std::string &name : m_presenter.SystemNames())
        m_system->addItem(QString::fromStdString(name));
    auto *systemLabel = new QLabel(tr("특수 버퍼(&S):"), this);
    systemLabel->setBuddy(m_system);
    form->addRow(systemLabel, m_system);

    m_number = new QLineEdit(this);
    auto *numberLabel = new QLabel(tr("주소(&N):"), this);
    numberLabel->setBuddy(m_number);
    form->addRow(numberLabel, m_number);

    // Read-only text: its caption names it, and screen readers hear it by the same name.
    m_readingCaption = new QLabel(tr("읽은 주소:"), this);
    m_reading = new QLabel(this);
    m_reading->setAccessibleName(tr("읽은 주소"));
    m_reading->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_readingCaption->setBuddy(m_reading);
    form->addRow(m_readingCaption, m_reading);
    setContent(form);

    auto &p = m_presenter;
    connect(m_area, &QComboBox::currentIndexChanged, this,
            [this, &p](int i) { forward([&] { p.SelectArea(i); }); });
    connect(m_system, &QComboBox::currentIndexChanged, this,
            [this, &p](int i) { forward([&] { p.SelectSystem(i - 1); }); });
    connect(m_number, &QLineEdit::textChanged, this, [this, &p](const QString &text) {
        forward([&] { p.SetNumberText(text.toStdString()); });
    });
}

void CSysAddrDialog::refresh()
{
    m_area->setEnabled(m_presenter.AreaEnabled());
    m_area->setCurrentIndex(m_presenter.AreaIndex());
    m_system->setEnabled(m_presenter.SystemEnabled());
    m_system->setCurrentIndex(m_presenter.SystemIndex() + 1);
    // Only a changed text is set, so typing keeps its cursor.
    const QString number = QString::fromStdString(m_presenter.NumberText());
    if (m_number->text() != number)
        m_number->setText(number);
    m_readingCaption->setVisible(m_presenter.AreaEnabled());
    m_reading->setVisible(m_presenter.AreaEnabled());
    m_reading->setText(readingText());
}

QString CSysAddrDialog::readingText() const
{
    const auto &texts = m_presenter.ReadingTexts();
    using Reading = core::CSysAddrDlg::Reading;
    switch (m_presenter.TypedReading()) {
    case Reading::Address:
        return QString::fromStdString(texts.front());
    case Reading::ReadOnly:
        return tr("%1 (읽기 전용 영역)").arg(QString::fromStdString(texts.front()));
    case Reading::Ambiguous:
        return tr("%1 또는 %2 (영역을 앞에 붙여 입력)")
                .arg(QString::fromStdString(texts[0]), QString::fromStdString(texts[1]));
    case Reading::None:
        break;
    }
    return {};
}

bool CSysAddrDialog::acceptChanges()
{
    if (m_presenter.Ok())
        return true;
    // Refused with its message: the number is ready to be typed again.
    m_number->setFocus(Qt::OtherFocusReason);
    m_number->selectAll();
    return false;
}

bool editDeviceAddress(QWidget *parent, const core::CPlcSlots &plcSlots, int device,
                       std::int32_t kind, bool mustWrite, std::string &area, std::string &number)
{
    CSysAddrDialog dialog(plcSlots, device, kind, mustWrite, area, number, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    area = dialog.area();
    number = dialog.number();
    return true;
}

QString deviceAddressText(const core::CPlcSlots &plcSlots, int device, const std::string &area,
                          const std::string &number, std::int32_t kind)
{
    return QString::fromStdString(core::deviceAddressText(plcSlots, device, kind, area, number));
}

} // namespace ui
