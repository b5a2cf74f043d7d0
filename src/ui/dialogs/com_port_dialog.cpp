#include "ui/dialogs/com_port_dialog.h"

#include "ui/common/port_slot_box.h"
#include "ui/dialogs/wiring_diagram.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui {

CComPortDialog::CComPortDialog(core::CAppConfig &config, QWidget *parent)
    : CPresenterDialog(parent)
    , m_config(config)
    , m_presenter(config.commSetup())
{
    setWindowTitle(tr("Velmar Panel 연결 포트 변경"));
    auto *form = new QFormLayout;
    // Each slot with the device it opens on this machine, and the chooser that maps one.
    m_port = new CPortSlotBox(config, m_presenter.PortIndex(), this);
    m_port->combo()->setObjectName(QStringLiteral("port"));
    auto *portLabel = new QLabel(tr("연결 포트(&P):"), this);
    portLabel->setBuddy(m_port->combo());
    form->addRow(portLabel, m_port);
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

    connect(m_port, &CPortSlotBox::portChanged, this,
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
    m_port->combo()->setCurrentIndex(m_presenter.PortIndex());
    m_speed->setCurrentIndex(m_presenter.SpeedIndex());
}

QComboBox *CComPortDialog::portBox() const
{
    return m_port->combo();
}

} // namespace ui
