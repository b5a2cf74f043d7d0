#include "ui/common/port_slot_box.h"

#include "core/app/app_config.h"
#include "core/presenters/com_port_dlg.h"

#include "port_chooser.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QPushButton>

namespace ui {

CPortSlotBox::CPortSlotBox(core::CAppConfig &config, int portIndex, QWidget *parent)
    : QWidget(parent)
    , m_config(config)
{
    m_combo = new QComboBox(this);
    m_combo->setObjectName(QStringLiteral("port"));
    m_choose = new QPushButton(tr("포트..."), this);
    m_choose->setObjectName(QStringLiteral("choosePort"));
    m_choose->setAccessibleName(tr("포트..."));
    fillSlots();
    m_combo->setCurrentIndex(portIndex);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(m_combo, 1);
    row->addWidget(m_choose);
    setFocusProxy(m_combo);
    connect(m_combo, &QComboBox::currentIndexChanged, this, &CPortSlotBox::portChanged);
    connect(m_choose, &QPushButton::clicked, this, &CPortSlotBox::choose);
}

int CPortSlotBox::portIndex() const
{
    return m_combo->currentIndex();
}

void CPortSlotBox::fillSlots()
{
    const QSignalBlocker block(m_combo);
    const int current = m_combo->currentIndex();
    m_combo->clear();
    for (int i = 0; i < core::CComPortDlg::kPortCount; ++i) {
        const QString name = QString::fromStdString(core::CComPortDlg::PortName(i));
        const QString device = QString::fromStdString(m_config.commPortDevice(i + 1));
        m_combo->addItem(QStringLiteral("%1  —  %2").arg(name, device));
    }
    if (current >= 0)
        m_combo->setCurrentIndex(current);
}

void CPortSlotBox::mapCurrentSlot(const QString &device)
{
    m_config.setCommPortDevice(portIndex() + 1, device.toStdString());
    fillSlots();
}

void CPortSlotBox::choose()
{
    const int port = portIndex() + 1;
    const QString name = QString::fromStdString(core::CComPortDlg::PortName(port - 1));
    ports::CPortChooser chooser(name, QString::fromStdString(m_config.commPortDevice(port)),
                                ports::CPortCatalogue(), this);
    if (chooser.exec() == QDialog::Accepted)
        mapCurrentSlot(chooser.chosenPath());
}

} // namespace ui
