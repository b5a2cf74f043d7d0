#include "ui/tags/point_group_box.h"

#include "ui/common/menu_text.h"

#include "core/presenters/point_group.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace ui {

CPointGroupBox::CPointGroupBox(const QString &title, core::CPointGroup &group,
                               const TagDialogContext &context, int parts, QWidget *parent)
    : QGroupBox(title, parent)
    , m_group(group)
    , m_context(context)
{
    auto *form = new QFormLayout(this);
    buildChannel(this, form);
    if (parts & Format)
        buildFormat(form);
    if (parts & Limits)
        buildLimits(form);
    refresh();
}

void CPointGroupBox::dropMnemonics()
{
    for (QLabel *label : findChildren<QLabel *>())
        label->setText(dropMnemonic(label->text()));
    for (QAbstractButton *button : findChildren<QAbstractButton *>())
        button->setText(dropMnemonic(button->text()));
}

void CPointGroupBox::buildChannel(QWidget *parent, QFormLayout *form)
{
    m_channel = new QButtonGroup(this);
    auto *row = new QHBoxLayout;
    const char *names[] = {"S", "Ch1", "Ch2"};
    for (int ch = 0; ch < 3; ++ch) {
        auto *radio = new QRadioButton(QString::fromLatin1(names[ch]), parent);
        radio->setAccessibleName(tr("디바이스 %1").arg(QString::fromLatin1(names[ch])));
        m_channel->addButton(radio, ch);
        row->addWidget(radio);
    }
    row->addStretch();
    m_station = new QComboBox(parent);
    for (int s = 0; s < core::CPointGroup::kStationCount; ++s)
        m_station->addItem(QString::number(s));
    auto *stationLabel = new QLabel(tr("국  번(&J):"), parent);
    stationLabel->setBuddy(m_station);
    row->addWidget(stationLabel);
    row->addWidget(m_station);
    form->addRow(tr("디바이스:"), row);

    m_address = new QLineEdit(parent);
    m_address->setReadOnly(true);
    m_addressButton = new QPushButton(tr("주소 입력(&A)..."), parent);
    m_addressButton->setEnabled(bool(m_context.editAddress));
    auto *addressRow = new QHBoxLayout;
    addressRow->addWidget(m_address, 1);
    addressRow->addWidget(m_addressButton);
    auto *addressLabel = new QLabel(tr("주소:"), parent);
    addressLabel->setBuddy(m_address);
    form->addRow(addressLabel, addressRow);

    connect(m_channel, &QButtonGroup::idClicked, this,
            [this](int ch) { change([&] { m_group.ChooseChannel(std::uint16_t(ch)); }); });
    connect(m_station, &QComboBox::currentIndexChanged, this,
            [this](int s) { change([&] { m_group.SetStation(std::uint16_t(s)); }); });
    connect(m_addressButton, &QPushButton::clicked, this, &CPointGroupBox::editAddress);
}

void CPointGroupBox::buildFormat(QFormLayout *form)
{
    m_size = new QButtonGroup(this);
    auto *row = new QHBoxLayout;
    auto *word = new QRadioButton(QStringLiteral("Word"), this);
    auto *dword = new QRadioButton(QStringLiteral("Long"), this);
    m_size->addButton(word, core::kSizeWord);
    m_size->addButton(dword, core::kSizeDWord);
    m_signed = new QCheckBox(tr("부호 가능(&G)"), this);
    row->addWidget(word);
    row->addWidget(dword);
    row->addWidget(m_signed);
    row->addStretch();
    form->addRow(tr("데이터:"), row);
    connect(m_size, &QButtonGroup::idClicked, this,
            [this](int size) { change([&] { m_group.SetDataSize(std::uint16_t(size)); }); });
    connect(m_signed, &QCheckBox::toggled, this,
            [this](bool on) { change([&] { m_group.SetSigned(on); }); });
}

void CPointGroupBox::buildLimits(QFormLayout *form)
{
    m_min = new QLineEdit(this);
    m_max = new QLineEdit(this);
    form->addRow(tr("최소값(&M):"), m_min);
    form->addRow(tr("최대값(&K):"), m_max);
    connect(m_min, &QLineEdit::editingFinished, this, [this] { takeLimit(m_min, true); });
    connect(m_max, &QLineEdit::editingFinished, this, [this] { takeLimit(m_max, false); });
}

void CPointGroupBox::takeLimit(QLineEdit *edit, bool minimum)
{
    if (m_refreshing || !edit->isModified())
        return;
    const std::string text = edit->text().trimmed().toStdString();
    const bool taken = minimum ? m_group.SetMinText(text) : m_group.SetMaxText(text);
    edit->setModified(false);
    if (taken) {
        emit edited();
        return;
    }
    // Refused: the stored value comes back and the edit gets the focus with it selected.
    m_refusedJustNow = true;
    QTimer::singleShot(0, this, [this] { m_refusedJustNow = false; });
    refresh();
    QTimer::singleShot(0, edit, [edit] {
        edit->setFocus();
        edit->selectAll();
    });
}

void CPointGroupBox::editAddress()
{
    if (!m_context.editAddress)
        return;
    std::string area = m_group.Area();
    std::string number = m_group.Number();
    if (!m_context.editAddress(this, m_group.Channel(), m_group.AddressKind(), m_group.MustWrite(),
                               area, number))
        return;
    change([&] { m_group.SetAddress(area, number); });
}

void CPointGroupBox::refresh()
{
    m_refreshing = true;
    for (int ch = 0; ch < 3; ++ch)
        m_channel->button(ch)->setEnabled(isEnabled() && m_group.ChannelEnabled(std::uint16_t(ch)));
    if (auto *b = m_channel->button(m_group.Channel()))
        b->setChecked(true);
    m_station->setCurrentIndex(m_group.Station());
    m_station->setEnabled(m_group.StationEnabled());
    m_address->setText(QString::fromStdString(m_group.AddressText()));
    if (m_size) {
        if (auto *b = m_size->button(m_group.Point().m_dataSize))
            b->setChecked(true);
        m_signed->setChecked(m_group.Point().m_signed != 0);
    }
    if (m_min) {
        m_min->setText(QString::fromStdString(m_group.MinText()));
        m_max->setText(QString::fromStdString(m_group.MaxText()));
        m_min->setEnabled(m_limitsEnabled);
        m_max->setEnabled(m_limitsEnabled);
    }
    m_refreshing = false;
}

void CPointGroupBox::setLimitsEnabled(bool enabled)
{
    m_limitsEnabled = enabled;
    if (m_min) {
        m_min->setEnabled(enabled);
        m_max->setEnabled(enabled);
    }
}

QAbstractButton *CPointGroupBox::channelButton(int channel) const
{
    return m_channel->button(channel);
}

QAbstractButton *CPointGroupBox::sizeButton(int dataSize) const
{
    return m_size ? m_size->button(dataSize) : nullptr;
}

} // namespace ui
