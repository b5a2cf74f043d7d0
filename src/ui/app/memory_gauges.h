#pragma once

// The three memory gauges of the status bar (screen, message and image areas). They follow the
// memory monitor: each published total moves its gauge and rewrites its label.

#include "core/model/memory_monitor.h"

#include <QWidget>

#include <array>

class QLabel;
class QProgressBar;

namespace ui {

class CMemoryGauges : public QWidget
{
    Q_OBJECT
public:
    explicit CMemoryGauges(core::CMemoryMonitor &monitor, QWidget *parent = nullptr);
    ~CMemoryGauges() override;

    int percent(core::MemoryGauge gauge) const;
    QString label(core::MemoryGauge gauge) const;
    // Shows a total (what the monitor's notice does).
    void setTotal(core::MemoryGauge gauge, std::uint32_t bytes);

private:
    core::CMemoryMonitor &m_monitor;
    int m_subscription = 0;
    std::array<QProgressBar *, 3> m_bars{};
    std::array<QLabel *, 3> m_labels{};
};

} // namespace ui
