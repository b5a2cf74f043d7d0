#include "ui/preview/plc_connect_dialog.h"

#include "port_chooser.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>

namespace ui {

using core::online::PlcConnectForm;

namespace {

constexpr char kParities[] = {'N', 'E', 'O'};

} // namespace

CPlcConnectDialog::CPlcConnectDialog(const core::CDorvaneDoc &doc, PlcConnectForm form,
                                     QWidget *parent)
    : CPresenterDialog(parent)
    , m_doc(doc)
    , m_form(std::move(form))
{
    setWindowTitle(tr("PLC 연결"));
    setObjectName(QStringLiteral("plcConnectDialog"));
    build();
    refreshView();
}

void CPlcConnectDialog::build()
{
    m_channel = new QComboBox(this);
    for (const int channel : PlcConnectForm::OnlineChannels(m_doc))
        m_channel->addItem(tr("채널 %1").arg(channel), channel);
    m_serial = new QRadioButton(tr("시리얼 (Modbus RTU)(&S)"), this);
    m_tcp = new QRadioButton(tr("TCP (Modbus TCP)(&T)"), this);
    m_device = new QLineEdit(this);
    m_choose = new QPushButton(tr("포트(&P)..."), this);
    m_baud = new QComboBox(this);
    for (const std::uint32_t baud : core::online::channelBauds())
        m_baud->addItem(QString::number(baud), baud);
    m_parity = new QComboBox(this);
    m_parity->addItems({QStringLiteral("None"), QStringLiteral("Even"), QStringLiteral("Odd")});
    m_host = new QLineEdit(this);
    m_port = new QSpinBox(this);
    m_port->setRange(1, 65535);
    m_timeout = new QSpinBox(this);
    m_timeout->setRange(1, 65535);
    m_timeout->setSuffix(QStringLiteral(" ms"));
    m_lowFirst = new QCheckBox(tr("더블 워드의 하위 워드가 앞 레지스터(&L)"), this);

    auto *device = new QHBoxLayout;
    device->addWidget(m_device, 1);
    device->addWidget(m_choose);
    auto *grid = new QFormLayout;
    // Each label is its field's buddy: its mnemonic reaches the field, and it names the field.
    const auto row = [&](const QString &text, QWidget *buddy, QLayout *field = nullptr) {
        auto *label = new QLabel(text, this);
        label->setBuddy(buddy);
        if (field)
            grid->addRow(label, field);
        else
            grid->addRow(label, buddy);
    };
    row(tr("채널(&C):"), m_channel);
    grid->addRow(m_serial);
    row(tr("장치(&D):"), m_device, device);
    row(tr("속도(&B):"), m_baud);
    row(tr("패리티(&A):"), m_parity);
    grid->addRow(m_tcp);
    row(tr("호스트(&H):"), m_host);
    row(tr("포트 번호(&N):"), m_port);
    row(tr("타임아웃(&I):"), m_timeout);
    grid->addRow(m_lowFirst);
    m_ok = buttonBox()->button(QDialogButtonBox::Ok);
    m_ok->setText(tr("연결"));
    auto *column = new QVBoxLayout;
    column->addLayout(grid);
    // A channel of another PLC family runs on, against the simulated memory: say so.
    for (const int channel : PlcConnectForm::SimulatedChannels(m_doc)) {
        auto *note = new QLabel(
                tr("CH%1은(는) Modbus PLC가 아니므로 시뮬레이션 메모리로 실행됩니다.").arg(channel),
                this);
        note->setObjectName(QStringLiteral("simulatedNote%1").arg(channel));
        note->setWordWrap(true);
        column->addWidget(note);
    }
    setContent(column);

    connect(m_choose, &QPushButton::clicked, this, &CPlcConnectDialog::chooseDevice);
    connect(m_channel, &QComboBox::currentIndexChanged, this, [this] {
        forward([&] { m_form.SelectChannel(m_doc, m_channel->currentData().toInt()); });
    });
    connect(m_tcp, &QRadioButton::toggled, this,
            [this](bool on) { forward([&] { m_form.tcp = on; }); });
    connect(m_device, &QLineEdit::textEdited, this, [this](const QString &text) {
        forward([&] { m_form.device = text.trimmed().toStdString(); });
    });
    connect(m_host, &QLineEdit::textEdited, this, [this](const QString &text) {
        forward([&] { m_form.host = text.trimmed().toStdString(); });
    });
    connect(m_baud, &QComboBox::currentIndexChanged, this,
            [this] { forward([&] { m_form.baud = m_baud->currentData().toUInt(); }); });
    connect(m_parity, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0)
            forward([&] { m_form.parity = kParities[index]; });
    });
    connect(m_port, &QSpinBox::valueChanged, this,
            [this](int value) { forward([&] { m_form.port = std::uint16_t(value); }); });
    connect(m_timeout, &QSpinBox::valueChanged, this,
            [this](int value) { forward([&] { m_form.timeoutMs = value; }); });
    connect(m_lowFirst, &QCheckBox::toggled, this,
            [this](bool on) { forward([&] { m_form.lowWordFirst = on; }); });
}

void CPlcConnectDialog::refresh()
{
    m_channel->setCurrentIndex(m_channel->findData(m_form.channel));
    m_serial->setChecked(!m_form.tcp);
    m_tcp->setChecked(m_form.tcp);
    if (m_device->text().trimmed().toStdString() != m_form.device)
        m_device->setText(QString::fromStdString(m_form.device));
    if (m_host->text().trimmed().toStdString() != m_form.host)
        m_host->setText(QString::fromStdString(m_form.host));
    m_baud->setCurrentIndex(m_baud->findData(m_form.baud));
    const char *parity = std::find(std::begin(kParities), std::end(kParities), m_form.parity);
    m_parity->setCurrentIndex(int(parity - kParities) % 3);
    m_port->setValue(m_form.port);
    m_timeout->setValue(m_form.timeoutMs);
    m_lowFirst->setChecked(m_form.lowWordFirst);
    for (QWidget *w : {static_cast<QWidget *>(m_device), static_cast<QWidget *>(m_choose),
                       static_cast<QWidget *>(m_baud), static_cast<QWidget *>(m_parity)})
        w->setEnabled(!m_form.tcp);
    m_host->setEnabled(m_form.tcp);
    m_port->setEnabled(m_form.tcp);
    m_ok->setEnabled(m_form.Ok());
}

void CPlcConnectDialog::chooseDevice()
{
    ports::CPortChooser chooser(tr("채널 %1").arg(m_form.channel),
                                QString::fromStdString(m_form.device), ports::CPortCatalogue(),
                                this);
    if (chooser.exec() != QDialog::Accepted)
        return;
    forward([&] { m_form.device = chooser.chosenPath().trimmed().toStdString(); });
}

} // namespace ui
