#include "ui/app/memory_gauges.h"

#include "core/presenters/gauge_label.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>

namespace ui {

CMemoryGauges::CMemoryGauges(core::CMemoryMonitor *monitor, QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < 3; ++i) {
        m_labels[i] = new QLabel(this);
        m_labels[i]->setObjectName(QStringLiteral("gaugeLabel%1").arg(i));
        m_bars[i] = new QProgressBar(this);
        m_bars[i]->setObjectName(QStringLiteral("gauge%1").arg(i));
        m_bars[i]->setRange(0, 100);
        m_bars[i]->setTextVisible(false);
        m_bars[i]->setFixedWidth(80);
        m_bars[i]->setMaximumHeight(14);
        // Each label names the bar right of it; the pairs stand apart.
        m_labels[i]->setBuddy(m_bars[i]);
        m_bars[i]->setAccessibleName(QString::fromStdString(
                core::gaugeBaseLabel(core::MemoryGauge(i))
                        .substr(0, core::gaugeBaseLabel(core::MemoryGauge(i)).find(' '))));
        if (i > 0)
            layout->addSpacing(16);
        layout->addWidget(m_labels[i]);
        layout->addWidget(m_bars[i]);
    }
    setMonitor(monitor);
}

CMemoryGauges::~CMemoryGauges()
{
    unsubscribe();
}

void CMemoryGauges::unsubscribe()
{
    if (m_monitor && !m_monitorLifetime.expired())
        m_monitor->Unsubscribe(m_subscription);
    m_monitor = nullptr;
}

void CMemoryGauges::setMonitor(core::CMemoryMonitor *monitor)
{
    unsubscribe();
    m_monitor = monitor;
    for (int i = 0; i < 3; ++i) {
        const auto gauge = core::MemoryGauge(i);
        setTotal(gauge, monitor ? monitor->Total(gauge) : 0);
    }
    if (!monitor)
        return;
    m_monitorLifetime = monitor->Lifetime();
    QPointer<CMemoryGauges> self(this);
    m_subscription = monitor->Subscribe([self](core::MemoryGauge gauge, std::uint32_t bytes) {
        if (self)
            self->setTotal(gauge, bytes);
    });
}

int CMemoryGauges::percent(core::MemoryGauge gauge) const
{
    return m_bars[std::size_t(gauge)]->value();
}

QString CMemoryGauges::label(core::MemoryGauge gauge) const
{
    return m_labels[std::size_t(gauge)]->text();
}

void CMemoryGauges::setTotal(core::MemoryGauge gauge, std::uint32_t bytes)
{
    const int i = int(gauge);
    if (i < 0 || i > 2)
        return;
    const int p = core::CMemoryMonitor::Percent(gauge, bytes);
    m_bars[i]->setValue(p);
    m_labels[i]->setText(QString::fromStdString(core::gaugeLabel(gauge, p)));
}

} // namespace ui
