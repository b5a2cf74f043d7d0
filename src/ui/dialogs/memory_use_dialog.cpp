#include "ui/dialogs/memory_use_dialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace ui {

CMemoryUseDialog::CMemoryUseDialog(const core::CMemoryMonitor &monitor, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Velmar Panel 메모리 사용량"));
    m_table = new QTableWidget(3, 3, this);
    m_table->setAccessibleName(windowTitle());
    m_table->setHorizontalHeaderLabels({tr("용량"), tr("사용량"), tr("사용비율")});
    m_table->setVerticalHeaderLabels({tr("화면"), tr("메시지"), tr("이미지")});
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int row = 0; row < 3; ++row) {
        const auto gauge = core::MemoryGauge(row);
        const std::uint32_t total = monitor.Total(gauge);
        const QString cells[3]
                = {QStringLiteral("%1 kbyte").arg(core::CMemoryMonitor::Capacity(gauge) / 1024),
                   QStringLiteral("%1 byte").arg(total),
                   QStringLiteral("%1 %").arg(core::CMemoryMonitor::Percent(gauge, total))};
        for (int col = 0; col < 3; ++col) {
            auto *item = new QTableWidgetItem(cells[col]);
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_table->setItem(row, col, item);
        }
    }
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_table);
    layout->addWidget(buttons);
    resize(420, 200);
}

} // namespace ui
