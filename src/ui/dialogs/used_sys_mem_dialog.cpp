#include "ui/dialogs/used_sys_mem_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace ui {

using Map = core::CUsedSysMemDlg;

CUsedSysMemDialog::CUsedSysMemDialog(const core::CUsedSysMemDlg &map, QWidget *parent)
    : CPresenterDialog(parent)
    , m_map(map)
{
    setWindowTitle(tr("사용된 시스템 메모리"));
    m_table = new QTableWidget(Map::kRows, Map::kColumns, this);
    m_table->setAccessibleName(windowTitle());
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int c = 0; c < Map::kColumns; ++c) {
        m_table->setHorizontalHeaderItem(
                c, new QTableWidgetItem(QString::fromStdString(Map::ColumnHeader(c))));
        m_table->setColumnWidth(c, 32);
    }
    for (int r = 0; r < Map::kRows; ++r) {
        m_table->setVerticalHeaderItem(
                r, new QTableWidgetItem(QString::fromStdString(Map::RowHeader(r))));
        m_table->setRowHeight(r, 20);
    }
    m_table->verticalHeader()->setFixedWidth(40);
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);

    auto *legend = new QHBoxLayout;
    legend->addWidget(new QLabel(QStringLiteral("R: Read"), this));
    legend->addWidget(new QLabel(QStringLiteral("W: Write"), this));
    legend->addStretch();
    auto *layout = new QVBoxLayout;
    layout->addWidget(m_table, 1);
    layout->addLayout(legend);
    setContent(layout);
    buttonBox()->setStandardButtons(QDialogButtonBox::Close);
    buttonBox()->button(QDialogButtonBox::Close)->setText(tr("닫기"));
    connect(buttonBox(), &QDialogButtonBox::rejected, this, &QDialog::reject);
    resize(40 + Map::kColumns * 32 + 40, 560);
    refreshView();
}

void CUsedSysMemDialog::refresh()
{
    for (int r = 0; r < Map::kRows; ++r)
        for (int c = 0; c < Map::kColumns; ++c) {
            auto *item = new QTableWidgetItem(QString::fromStdString(m_map.CellText(r, c)));
            item->setTextAlignment(Qt::AlignCenter);
            if (!item->text().isEmpty())
                item->setForeground(QColor(255, 0, 0));
            m_table->setItem(r, c, item);
        }
}

} // namespace ui
