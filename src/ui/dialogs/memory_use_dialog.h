#pragma once

// "Velmar Panel 메모리 사용량": capacity, use and ratio of the screen, message and image areas.
// A plain QDialog, not a CPresenterDialog: a read-only report with only OK has nothing to
// forward and no choice to check.

#include "core/model/memory_monitor.h"

#include <QDialog>

class QTableWidget;

namespace ui {

class CMemoryUseDialog : public QDialog
{
    Q_OBJECT
public:
    explicit CMemoryUseDialog(const core::CMemoryMonitor &monitor, QWidget *parent = nullptr);
    QTableWidget *table() const { return m_table; }

private:
    QTableWidget *m_table = nullptr;
};

} // namespace ui
