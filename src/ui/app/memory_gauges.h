#pragma once

// The three memory gauges of the status bar (screen, message and image areas). They follow the
// open project's memory monitor: each published total moves its gauge and rewrites its label;
// without a project they stand at zero.

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
    explicit CMemoryGauges(core::CMemoryMonitor *monitor, QWidget *parent = nullptr);
    ~CMemoryGauges() override;

    // Follows another project's monitor (null: none).
    void setMonitor(core::CMemoryMonitor *monitor);

    int percent(core::MemoryGauge gauge) const;
    QString label(core::MemoryGauge gauge) const;
    // Shows a total (what the monitor's notice does).
    void setTotal(core::MemoryGauge gauge, std::uint32_t bytes);

private:
    void unsubscribe();

    core::CMemoryMonitor *m_monitor = nullptr;
    std::weak_ptr<const void> m_monitorLifetime;
    int m_subscription = 0;
    std::array<QProgressBar *, 3> m_bars{};
    std::array<QLabel *, 3> m_labels{};
};

} // namespace ui
