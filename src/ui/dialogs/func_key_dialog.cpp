#include "ui/dialogs/func_key_dialog.h"

#include "core/presenters/addr_group.h"
#include "ui/common/message_box.h"
#include "ui/dialogs/sys_addr_dialog.h"

#include "util/message_ids.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

namespace ui {

CFuncKeyDialog::CFuncKeyDialog(const core::FunctionEnv &env, int key,
                               const core::CFuncKeyRecord &record, bool shared, QWidget *parent)
    : CPresenterDialog(parent)
    , m_slots(env.plcSlots)
    , m_presenter(std::make_unique<core::CDlgFuncKey>(env))
{
    m_presenter->Load(key, record, shared);
    setWindowTitle(QString::fromStdString(m_presenter->Title()));
    build();
    refreshView();
}

CFuncKeyDialog::~CFuncKeyDialog() = default;

void CFuncKeyDialog::build()
{
    auto *layout = new QVBoxLayout;
    m_settings = new QWidget(this);
    auto *form = new QFormLayout(m_settings);
    form->setContentsMargins(0, 0, 0, 0);

    m_function = new QComboBox(m_settings);
    for (const auto &name : core::CDlgFuncKey::FunctionNames())
        m_function->addItem(QString::fromStdString(name));
    form->addRow(messageString(util::msg::kFunctionKeyCaption), m_function);

    m_bitAction = new QComboBox(m_settings);
    for (int id : {51210, 51211, 53048, 53049})
        m_bitAction->addItem(messageString(id));
    m_bitAction->setAccessibleName(tr("비트 동작"));
    form->addRow(QString(), m_bitAction);

    m_valueLabel = new QLabel(m_settings);
    m_value = new QLineEdit(m_settings);
    m_valueLabel->setBuddy(m_value);
    form->addRow(m_valueLabel, m_value);

    m_dataKind = new QComboBox(m_settings);
    m_dataKind->addItems({QStringLiteral("Word"), QStringLiteral("Double Word")});
    m_format = new QComboBox(m_settings);
    m_format->addItems({QStringLiteral("DEC"), QStringLiteral("HEX")});
    m_dataKind->setAccessibleName(tr("데이터 크기"));
    m_format->setAccessibleName(tr("진법"));
    m_signed = new QCheckBox(tr("부호"), m_settings);
    auto *typeRow = new QHBoxLayout;
    typeRow->addWidget(m_dataKind);
    typeRow->addWidget(m_format);
    typeRow->addWidget(m_signed);
    form->addRow(messageString(util::msg::kRadixCaption), typeRow);

    m_channel = new QButtonGroup(this);
    auto *channelRow = new QHBoxLayout;
    const char *names[] = {"S", "Ch1", "Ch2"};
    for (int ch = 0; ch < 3; ++ch) {
        auto *radio = new QRadioButton(QString::fromLatin1(names[ch]), m_settings);
        m_channel->addButton(radio, ch);
        channelRow->addWidget(radio);
    }
    m_station = new QSpinBox(m_settings);
    m_station->setRange(0, core::CAddrGroup::kStationCount - 1);
    auto *stationLabel = new QLabel(messageString(util::msg::kStationCaption), m_settings);
    stationLabel->setBuddy(m_station);
    channelRow->addWidget(stationLabel);
    channelRow->addWidget(m_station);
    form->addRow(messageString(util::msg::kChannelCaption), channelRow);
    m_address = new QLineEdit(m_settings);
    m_address->setReadOnly(true);
    m_addressButton = new QPushButton(tr("주소(&D)..."), m_settings);
    auto *addressRow = new QHBoxLayout;
    addressRow->addWidget(m_address, 1);
    addressRow->addWidget(m_addressButton);
    auto *addressLabel = new QLabel(messageString(util::msg::kAddressCaption), m_settings);
    addressLabel->setBuddy(m_address);
    form->addRow(addressLabel, addressRow);

    m_password = new QCheckBox(tr("암호 사용"), m_settings);
    form->addRow(QString(), m_password);
    layout->addWidget(m_settings);

    m_applyAll = new QCheckBox(tr("모든 화면에 적용"), this);
    layout->addWidget(m_applyAll);
    setContent(layout);

    auto &p = *m_presenter;
    connect(m_function, &QComboBox::currentIndexChanged, this,
            [this, &p](int i) { forward([&] { p.SetFunction(std::uint16_t(i)); }); });
    connect(m_bitAction, &QComboBox::currentIndexChanged, this, [this, &p](int i) {
        if (!refreshing())
            p.SetBitAction(std::uint32_t(i));
    });
    connect(m_value, &QLineEdit::editingFinished, this, [this, &p] {
        // A refused value keeps the focus, so it can be mended at once.
        if (!p.ValueFocusLost(m_value->text().toStdString()))
            refocusValue();
    });
    connect(m_dataKind, &QComboBox::currentIndexChanged, this, [this, &p](int i) {
        forward([&] { p.SetDataKind(i == 0 ? core::kDataWord : core::kDataLong); });
    });
    connect(m_format, &QComboBox::currentIndexChanged, this, [this, &p](int i) {
        forward([&] { p.SetFormat(i == 0 ? core::kFormatDec : core::kFormatHex); });
    });
    connect(m_signed, &QCheckBox::toggled, this, [this, &p](bool on) {
        if (!refreshing())
            p.SetSigned(on);
    });
    connect(m_channel, &QButtonGroup::idClicked, this,
            [this, &p](int ch) { forward([&] { p.Address().ChooseChannel(std::uint16_t(ch)); }); });
    connect(m_station, &QSpinBox::valueChanged, this, [this, &p](int s) {
        if (!refreshing())
            p.Address().SetStation(std::uint16_t(s));
    });
    connect(m_addressButton, &QPushButton::clicked, this, &CFuncKeyDialog::editAddress);
    connect(m_password, &QCheckBox::toggled, this, [this, &p](bool on) {
        if (!refreshing())
            p.SetPassword(on);
    });
    connect(m_applyAll, &QCheckBox::toggled, this,
            [this, &p](bool on) { forward([&] { p.SetApplyAll(on); }); });
}

void CFuncKeyDialog::refocusValue()
{
    // After the message box has closed and the focus has moved on.
    QTimer::singleShot(0, m_value, [edit = m_value] {
        edit->setFocus(Qt::OtherFocusReason);
        edit->selectAll();
    });
}

void CFuncKeyDialog::editAddress()
{
    // The panel writes the target of every key function, so the point must be writable.
    core::CAddrGroup &group = m_presenter->Address();
    std::string area = group.Addr().area;
    std::string number = group.Addr().number;
    if (editDeviceAddress(this, m_slots, group.Addr().channel, group.Kind(), true, area, number))
        forward([&] { group.SetAddress(area, number); });
}

QAbstractButton *CFuncKeyDialog::channelButton(int channel) const
{
    return m_channel->button(channel);
}

void CFuncKeyDialog::refresh()
{
    const auto &p = *m_presenter;
    const auto visible = p.Visible();
    m_function->setCurrentIndex(p.Function());
    m_bitAction->setVisible(visible.bitActions);
    m_bitAction->setCurrentIndex(int(p.BitAction()));
    m_valueLabel->setText(QString::fromStdString(p.ValueLabel()));
    m_valueLabel->setVisible(visible.value);
    m_value->setVisible(visible.value);
    m_value->setText(QString::fromStdString(p.ValueText()));
    m_dataKind->setEnabled(visible.dataType);
    m_dataKind->setCurrentIndex(p.Type().kind == core::kDataLong ? 1 : 0);
    m_format->setEnabled(visible.format);
    m_format->setCurrentIndex(p.Type().format == core::kFormatHex ? 1 : 0);
    m_signed->setEnabled(visible.sign && p.SignedEnabled());
    m_signed->setChecked(p.Type().isSigned);
    auto &address = m_presenter->Address();
    for (int ch = 0; ch < 3; ++ch) {
        m_channel->button(ch)->setEnabled(visible.address
                                          && address.ChannelEnabled(std::uint16_t(ch)));
        m_channel->button(ch)->setChecked(address.Addr().channel == ch);
    }
    m_station->setEnabled(visible.address && address.StationEnabled());
    m_station->setValue(address.Addr().station);
    m_address->setEnabled(visible.address);
    m_address->setText(QString::fromStdString(address.DisplayText()));
    m_addressButton->setEnabled(visible.address);
    m_password->setEnabled(visible.password);
    m_password->setChecked(p.Password());
    m_applyAll->setChecked(p.ApplyAll());
    m_settings->setEnabled(p.SettingsEnabled());
}

bool CFuncKeyDialog::acceptChanges()
{
    // The value edit may still hold an unconfirmed entry.
    if (m_value->isVisibleTo(this) && !m_presenter->ValueFocusLost(m_value->text().toStdString())) {
        refocusValue();
        return false;
    }
    return m_presenter->Ok();
}

} // namespace ui
