#include "ui/dialogs/record_list_dialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace ui {

CRecordListDialog::CRecordListDialog(const QString &title, CRecordListSource &source,
                                     QWidget *parent)
    : CPresenterDialog(parent)
    , m_source(source)
{
    setWindowTitle(title);
    const auto columns = m_source.Columns();
    m_table = new QTableWidget(0, int(columns.size()), this);
    m_table->setObjectName(QStringLiteral("records"));
    m_table->setAccessibleName(title);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    for (int c = 0; c < int(columns.size()); ++c) {
        m_table->setHorizontalHeaderItem(
                c, new QTableWidgetItem(QString::fromStdString(columns[std::size_t(c)].title)));
        // The list's own widths, widened where a caption (the English ones are longer) would
        // be cut off.
        m_table->setColumnWidth(c,
                                std::max(columns[std::size_t(c)].width,
                                         m_table->horizontalHeader()->sectionSizeHint(c)));
    }
    m_table->installEventFilter(this);
    m_table->viewport()->installEventFilter(this);
    connect(m_table, &QTableWidget::cellDoubleClicked, this, [this](int row, int) {
        if (m_source.DoubleClick(row))
            refreshView();
    });

    m_add = new QPushButton(tr("추가(&A)"), this);
    m_modify = new QPushButton(tr("수정(&U)"), this);
    m_delete = new QPushButton(tr("삭제(&D)"), this);
    connect(m_add, &QPushButton::clicked, this, &CRecordListDialog::addRecord);
    connect(m_modify, &QPushButton::clicked, this, &CRecordListDialog::modifyRecord);
    connect(m_delete, &QPushButton::clicked, this, &CRecordListDialog::deleteRecord);
    connect(m_table, &QTableWidget::itemSelectionChanged, this, [this] {
        m_modify->setEnabled(selectedRow() >= 0);
        m_delete->setEnabled(selectedRow() >= 0);
    });

    auto *buttons = new QVBoxLayout;
    for (QPushButton *b : {m_add, m_modify, m_delete})
        buttons->addWidget(b);
    buttons->addStretch();
    auto *content = new QHBoxLayout;
    content->addWidget(m_table, 1);
    content->addLayout(buttons);
    setContent(content);
    setTabOrder(m_table, m_add);
    setTabOrder(m_add, m_modify);
    setTabOrder(m_modify, m_delete);
    resize(640, 360);
    refreshView();
}

int CRecordListDialog::selectedRow() const
{
    const auto rows = m_table->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.front().row();
}

void CRecordListDialog::refresh()
{
    const int keep = selectedRow();
    const int columns = m_table->columnCount();
    m_table->setRowCount(int(m_source.Count()));
    for (int r = 0; r < m_table->rowCount(); ++r)
        for (int c = 0; c < columns; ++c)
            m_table->setItem(r, c,
                             new QTableWidgetItem(
                                     QString::fromStdString(m_source.CellText(std::size_t(r), c))));
    if (keep >= 0 && keep < m_table->rowCount())
        m_table->selectRow(keep);
    m_modify->setEnabled(selectedRow() >= 0);
    m_delete->setEnabled(selectedRow() >= 0);
}

void CRecordListDialog::addRecord()
{
    if (m_source.Add()) {
        refreshView();
        m_table->selectRow(m_table->rowCount() - 1);
    }
}

void CRecordListDialog::modifyRecord()
{
    const int row = selectedRow();
    if (row >= 0 && m_source.DoubleClick(row))
        refreshView();
}

void CRecordListDialog::deleteRecord()
{
    const int row = selectedRow();
    if (row >= 0 && m_source.Delete(row)) {
        refreshView();
        if (m_table->rowCount() > 0)
            m_table->selectRow(std::min(row, m_table->rowCount() - 1));
    }
}

bool CRecordListDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_table && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Delete) {
        deleteRecord();
        return true;
    }
    // A double click below the rows adds a record, as one on a row modifies it.
    if (watched == m_table->viewport() && event->type() == QEvent::MouseButtonDblClick
        && !m_table->indexAt(static_cast<QMouseEvent *>(event)->position().toPoint()).isValid()) {
        if (m_source.DoubleClick(-1))
            refreshView();
        return true;
    }
    return CPresenterDialog::eventFilter(watched, event);
}

} // namespace ui
