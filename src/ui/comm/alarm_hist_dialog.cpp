#include "ui/comm/alarm_hist_dialog.h"

#include "ui/comm/alarm_search_dialog.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace ui {

CAlarmHistDialog::CAlarmHistDialog(core::CAlarmHistDlg &presenter, comm::CCommThread &link,
                                   comm::IPanelUi &ui, QWidget *parent)
    : CPresenterDialog(parent)
    , m_presenter(presenter)
    , m_link(link)
    , m_ui(ui)
{
    setWindowTitle(tr("경보 이력"));
    build();
    refreshView();
}

void CAlarmHistDialog::build()
{
    auto *layout = new QVBoxLayout;
    auto *fileRow = new QHBoxLayout;
    m_path = new QLineEdit(this);
    m_path->setReadOnly(true);
    auto *pathLabel = new QLabel(tr("데이터베이스:"), this);
    pathLabel->setBuddy(m_path);
    m_file = new QPushButton(tr("파일 변경..."), this);
    fileRow->addWidget(pathLabel);
    fileRow->addWidget(m_path, 1);
    fileRow->addWidget(m_file);
    layout->addLayout(fileRow);

    m_grid = new QTableWidget(0, 4, this);
    m_grid->setHorizontalHeaderLabels(
            {QStringLiteral("No."), tr("발생시간"), tr("해제시간"), tr("경보메시지")});
    m_grid->setAccessibleName(tr("경보 이력"));
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setDefaultSectionSize(20);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // At least the widths of the original grid, wider where the font needs it.
    const QFontMetrics metrics = m_grid->fontMetrics();
    const int number = metrics.horizontalAdvance(QStringLiteral("00000")) + 12;
    const int time = metrics.horizontalAdvance(QStringLiteral("0000-00-00 00:00:00")) + 16;
    const int widths[] = {std::max(29, number), std::max(120, time), std::max(120, time), 245};
    for (int c = 0; c < 4; ++c)
        m_grid->setColumnWidth(c, widths[c]);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->setMinimumSize(widths[0] + widths[1] + widths[2] + widths[3] + 24, 300);
    layout->addWidget(m_grid, 1);
    setContent(layout);

    buttonBox()->clear();
    const auto add = [this](const QString &text) {
        QPushButton *b = buttonBox()->addButton(text, QDialogButtonBox::ActionRole);
        b->setAutoDefault(false);
        return b;
    };
    m_upload = add(tr("업로드(&U)"));
    m_save = add(tr("저장(&S)"));
    m_search = add(tr("검색(&F)"));
    m_delete = add(tr("삭제(&D)"));
    buttonBox()->addButton(tr("닫기"), QDialogButtonBox::RejectRole);

    connect(m_upload, &QPushButton::clicked, this, &CAlarmHistDialog::upload);
    connect(m_save, &QPushButton::clicked, this, [this] { m_presenter.Save(m_ui); });
    connect(m_search, &QPushButton::clicked, this, &CAlarmHistDialog::search);
    connect(m_delete, &QPushButton::clicked, this, &CAlarmHistDialog::removeSelected);
    connect(m_file, &QPushButton::clicked, this, &CAlarmHistDialog::chooseFile);
}

void CAlarmHistDialog::upload()
{
    m_presenter.Upload(m_link, m_ui);
    refreshView();
}

void CAlarmHistDialog::search()
{
    std::optional<core::CAlarmSearchDlg> range = m_presenter.PrepareSearch(m_ui);
    if (!range)
        return;
    CAlarmSearchDialog dialog(*range, m_ui, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_presenter.Search(m_ui, range->Search());
    refreshView();
}

void CAlarmHistDialog::removeSelected()
{
    m_presenter.Delete(m_ui, selectedRows());
    refreshView();
}

std::set<std::size_t> CAlarmHistDialog::selectedRows() const
{
    std::set<std::size_t> rows;
    for (const QModelIndex &index : m_grid->selectionModel()->selectedIndexes())
        rows.insert(std::size_t(index.row()));
    return rows;
}

void CAlarmHistDialog::chooseFile()
{
    const QString folder = QString::fromStdString(m_presenter.DatabaseFolder());
    const QString path
            = QFileDialog::getOpenFileName(this, tr("파일 변경"), folder + QStringLiteral("/*.mdb"),
                                           tr("Dorvane Alarm History (*.mdb);;All Files (*.*)"));
    if (!path.isEmpty())
        setDatabaseFile(path);
}

void CAlarmHistDialog::setDatabaseFile(const QString &path)
{
    m_presenter.SetDatabasePath(path.toStdString());
    refreshView();
    emit databaseFileChanged(path);
}

void CAlarmHistDialog::refresh()
{
    m_path->setText(QString::fromStdString(m_presenter.DatabasePath()));
    const auto &rows = m_presenter.Grid().rows();
    m_grid->clearContents();
    m_grid->setRowCount(int(rows.size()));
    for (int r = 0; r < int(rows.size()); ++r) {
        const auto &row = rows[std::size_t(r)];
        const QString cells[]
                = {QString::number(row.number), QString::fromStdString(row.alarm.alarmDate),
                   QString::fromStdString(row.alarm.clearDate),
                   QString::fromStdString(row.alarm.message)};
        for (int c = 0; c < 4; ++c)
            m_grid->setItem(r, c, new QTableWidgetItem(cells[c]));
    }
}

} // namespace ui
