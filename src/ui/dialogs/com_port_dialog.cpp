#include "ui/dialogs/com_port_dialog.h"

#include "core/comm/serial_port.h"
#include "ui/dialogs/wiring_diagram.h"

#include "util/ini_file.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui {

CComPortDialog::CComPortDialog(const core::CAppConfig &config, QWidget *parent)
    : CPresenterDialog(parent)
    , m_config(config)
    , m_presenter(config.commSetup())
{
    setWindowTitle(tr("Velmar Panel 연결 포트 변경"));
    auto *form = new QFormLayout;
    m_port = new QComboBox(this);
    m_port->setObjectName(QStringLiteral("port"));
    const util::CIniFile appIni(config.appIni());
    for (int i = 0; i < core::CComPortDlg::kPortCount; ++i) {
        const std::string device = comm::CSerialPort::devicePath(std::uint32_t(i + 1), &appIni);
        m_port->addItem(QStringLiteral("%1  (%2)")
                                .arg(QString::fromStdString(core::CComPortDlg::PortName(i)),
                                     QString::fromStdString(device)));
    }
    form->addRow(tr("연결 포트(&P):"), m_port);
    m_speed = new QComboBox(this);
    m_speed->setObjectName(QStringLiteral("speed"));
    for (int s : core::CComPortDlg::kSpeeds)
        m_speed->addItem(QString::number(s));
    form->addRow(tr("통신 속도(&S):"), m_speed);
    m_wiring = new QPushButton(tr("결선도 보기..."), this);
    m_wiring->setObjectName(QStringLiteral("wiring"));
    auto *row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(m_wiring);
    auto *layout = new QVBoxLayout;
    layout->addLayout(form);
    layout->addLayout(row);
    setContent(layout);

    connect(m_port, &QComboBox::currentIndexChanged, this,
            [this](int i) { forward([&] { m_presenter.SelectPort(i); }); });
    connect(m_speed, &QComboBox::currentIndexChanged, this,
            [this](int i) { forward([&] { m_presenter.SelectSpeed(i); }); });
    connect(m_wiring, &QPushButton::clicked, this, [this] {
        showWiringDiagram(this, core::CComPortDlg::WiringDiagram(m_config, prompt()));
    });
    refreshView();
}

void CComPortDialog::refresh()
{
    m_port->setCurrentIndex(m_presenter.PortIndex());
    m_speed->setCurrentIndex(m_presenter.SpeedIndex());
}

} // namespace ui
