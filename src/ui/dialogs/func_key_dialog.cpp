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
#include <QScreen>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

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

namespace {

// A row of radio buttons, one per (id, text), in a button group of the dialog.
QWidget *radioRow(QWidget *parent, QButtonGroup *group,
                  std::initializer_list<std::pair<int, QString>> choices)
{
    auto *row = new QWidget(parent);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    for (const auto &[id, text] : choices) {
        auto *radio = new QRadioButton(text, row);
        group->addButton(radio, id);
        layout->addWidget(radio);
    }
    layout->addStretch();
    return row;
}

// Puts `widget` after the row's radio buttons, ahead of the stretch that keeps them left.
void addToRow(QWidget *row, QWidget *widget)
{
    auto *layout = static_cast<QHBoxLayout *>(row->layout());
    layout->insertWidget(layout->count() - 1, widget);
}

} // namespace

void CFuncKeyDialog::build()
{
    auto *layout = new QVBoxLayout;
    m_settings = new QWidget(this);
    m_form = new QFormLayout(m_settings);
    m_form->setContentsMargins(0, 0, 0, 0);

    m_function = new QComboBox(m_settings);
    for (const auto &name : core::CDlgFuncKey::FunctionNames())
        m_function->addItem(QString::fromStdString(name));
    m_form->addRow(messageString(util::msg::kFunctionKeyCaption), m_function);

    m_bitAction = new QButtonGroup(this);
    m_bitRow = radioRow(m_settings, m_bitAction,
                        {{int(core::CFuncKeyRecord::kBitOff), messageString(util::msg::kOff)},
                         {int(core::CFuncKeyRecord::kBitOn), messageString(util::msg::kOn)},
                         {int(core::CFuncKeyRecord::kBitToggle), messageString(util::msg::kToggle)},
                         {int(core::CFuncKeyRecord::kBitMomentary),
                          messageString(util::msg::kOnWhilePressed)}});
    m_form->addRow(tr("비트 동작"), m_bitRow);

    m_valueLabel = new QLabel(m_settings);
    m_value = new QLineEdit(m_settings);
    m_valueLabel->setBuddy(m_value);
    m_form->addRow(m_valueLabel, m_value);

    m_dataKind = new QButtonGroup(this);
    m_dataKindRow = radioRow(
            m_settings, m_dataKind,
            {{core::kDataWord, QStringLiteral("Word")}, {core::kDataLong, QStringLiteral("Long")}});
    m_form->addRow(messageString(util::msg::kSizeCaption), m_dataKindRow);

    m_format = new QButtonGroup(this);
    m_formatRow = radioRow(
            m_settings, m_format,
            {{core::kFormatDec, QStringLiteral("DEC")}, {core::kFormatHex, QStringLiteral("HEX")}});
    m_signed = new QCheckBox(tr("부호 가능"), m_formatRow);
    addToRow(m_formatRow, m_signed);
    m_form->addRow(messageString(util::msg::kRadixCaption), m_formatRow);

    m_channel = new QButtonGroup(this);
    m_channelRow = radioRow(
            m_settings, m_channel,
            {{0, QStringLiteral("S")}, {1, QStringLiteral("Ch1")}, {2, QStringLiteral("Ch2")}});
    m_station = new QSpinBox(m_channelRow);
    m_station->setRange(0, core::CAddrGroup::kStationCount - 1);
    auto *stationLabel = new QLabel(messageString(util::msg::kStationCaption), m_channelRow);
    stationLabel->setBuddy(m_station);
    addToRow(m_channelRow, stationLabel);
    addToRow(m_channelRow, m_station);
    m_form->addRow(messageString(util::msg::kChannelCaption), m_channelRow);

    m_addressRow = new QWidget(m_settings);
    m_address = new QLineEdit(m_addressRow);
    m_address->setReadOnly(true);
    m_addressButton = new QPushButton(tr("주소(&D)..."), m_addressRow);
    auto *addressLayout = new QHBoxLayout(m_addressRow);
    addressLayout->setContentsMargins(0, 0, 0, 0);
    addressLayout->addWidget(m_address, 1);
    addressLayout->addWidget(m_addressButton);
    auto *addressLabel = new QLabel(messageString(util::msg::kAddressCaption), m_settings);
    addressLabel->setBuddy(m_address);
    m_form->addRow(addressLabel, m_addressRow);

    m_password = new QCheckBox(tr("암호 사용"), m_settings);
    m_form->addRow(QString(), m_password);
    layout->addWidget(m_settings);

    m_applyAll = new QCheckBox(tr("전체화면 적용"), this);
    layout->addWidget(m_applyAll);
    setContent(layout);
    connectControls();
}

void CFuncKeyDialog::connectControls()
{
    auto &p = *m_presenter;
    connect(m_function, &QComboBox::currentIndexChanged, this,
            [this, &p](int i) { forward([&] { p.SetFunction(std::uint16_t(i)); }); });
    connect(m_bitAction, &QButtonGroup::idClicked, this,
            [this, &p](int action) { forward([&] { p.SetBitAction(std::uint32_t(action)); }); });
    connect(m_value, &QLineEdit::editingFinished, this, [this, &p] {
        // A refused value keeps the focus, so it can be mended at once.
        if (!p.ValueFocusLost(m_value->text().toStdString()))
            refocusValue();
    });
    connect(m_dataKind, &QButtonGroup::idClicked, this,
            [this, &p](int kind) { forward([&] { p.SetDataKind(std::uint16_t(kind)); }); });
    connect(m_format, &QButtonGroup::idClicked, this,
            [this, &p](int format) { forward([&] { p.SetFormat(std::uint16_t(format)); }); });
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

void CFuncKeyDialog::placeBelow(QWidget *window)
{
    if (!window)
        return;
    adjustSize();
    // The key was clicked in that window: the dialog opens under it, leaving the panel picture
    // and its keys in sight.
    const QRect frame = window->isWindow()
            ? window->frameGeometry()
            : QRect(window->mapToGlobal(QPoint(0, 0)), window->size());
    QRect placed(QPoint(frame.left(), frame.bottom() + 1), frameGeometry().size());
    if (const QScreen *screen = window->screen()) {
        const QRect area = screen->availableGeometry();
        if (placed.right() > area.right())
            placed.moveRight(area.right());
        if (placed.bottom() > area.bottom())
            placed.moveBottom(area.bottom());
        placed.moveLeft(std::max(placed.left(), area.left()));
        placed.moveTop(std::max(placed.top(), area.top()));
    }
    move(placed.topLeft());
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

QAbstractButton *CFuncKeyDialog::bitActionButton(std::uint32_t action) const
{
    return m_bitAction->button(int(action));
}

QAbstractButton *CFuncKeyDialog::dataKindButton(std::uint16_t kind) const
{
    return m_dataKind->button(kind);
}

QAbstractButton *CFuncKeyDialog::formatButton(std::uint16_t format) const
{
    return m_format->button(format);
}

void CFuncKeyDialog::refresh()
{
    const auto &p = *m_presenter;
    const auto visible = p.Visible();
    m_function->setCurrentIndex(p.Function());
    // Controls the function does not use are hidden, not merely greyed out.
    m_form->setRowVisible(m_bitRow, visible.bitActions);
    m_form->setRowVisible(m_value, visible.value);
    m_form->setRowVisible(m_dataKindRow, visible.dataType);
    m_form->setRowVisible(m_formatRow, visible.format);
    m_form->setRowVisible(m_channelRow, visible.address);
    m_form->setRowVisible(m_addressRow, visible.address);
    m_form->setRowVisible(m_password, visible.password);
    m_signed->setVisible(visible.sign);

    m_bitAction->button(int(p.BitAction()))->setChecked(true);
    m_valueLabel->setText(QString::fromStdString(p.ValueLabel()));
    m_value->setText(QString::fromStdString(p.ValueText()));
    const int kind = p.Type().kind == core::kDataWord ? core::kDataWord : core::kDataLong;
    m_dataKind->button(kind)->setChecked(true);
    m_format->button(p.Type().format == core::kFormatHex ? core::kFormatHex : core::kFormatDec)
            ->setChecked(true);
    m_signed->setEnabled(p.SignedEnabled());
    m_signed->setChecked(p.Type().isSigned);
    auto &address = m_presenter->Address();
    for (int ch = 0; ch < 3; ++ch) {
        m_channel->button(ch)->setEnabled(address.ChannelEnabled(std::uint16_t(ch)));
        m_channel->button(ch)->setChecked(address.Addr().channel == ch);
    }
    m_station->setEnabled(address.StationEnabled());
    m_station->setValue(address.Addr().station);
    m_address->setText(QString::fromStdString(address.DisplayText()));
    m_password->setChecked(p.Password());
    m_applyAll->setChecked(p.ApplyAll());
    m_settings->setEnabled(p.SettingsEnabled());
    if (m_laidOutFunction != p.Function()) {
        // Rows came or went: the dialog takes the size of what it shows now.
        m_laidOutFunction = p.Function();
        m_form->activate(); // the outer layout learns the new size only from it
        layout()->invalidate();
        adjustSize();
    }
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
