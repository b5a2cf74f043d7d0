#include "ui/dialogs/msg_edit_dialog.h"

#include "ui/common/message_box.h"
#include "ui/dialogs/edit_strs_dialog.h"

#include "core/model/str_res_mgr.h"

#include "util/message_ids.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace ui {

namespace {

enum Column { kColValue = 0, kColId = 1, kColMessage = 2 };

QTableWidget *grid(int rows, const QStringList &titles, QWidget *parent)
{
    auto *grid = new QTableWidget(rows, int(titles.size()), parent);
    grid->setHorizontalHeaderLabels(titles);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->horizontalHeader()->setStretchLastSection(true);
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 6);
    return grid;
}

} // namespace

CMsgEditDialog::CMsgEditDialog(const core::FunctionEnv &env, core::CStrResMgr &strings,
                               core::CMessageTable &table, QWidget *parent)
    : CPresenterDialog(parent)
    , m_env(env)
    , m_strings(strings)
    , m_table(table)
    , m_presenter(env, strings)
{
    setWindowTitle(tr("메시지 편집"));
    m_presenter.Load(table.Rows());
    build();
    fillRegistered();
    refreshView();
}

CMessagesCommand::Messages CMsgEditDialog::messagesBefore() const
{
    return m_before ? *m_before : CMessagesCommand::Capture(m_strings);
}

bool CMsgEditDialog::messagesChanged() const
{
    return m_before && *m_before != CMessagesCommand::Capture(m_strings);
}

void CMsgEditDialog::build()
{
    const QString message = messageString(util::msg::kMessageColumn);
    m_grid = grid(core::CMsgEdit::kRows,
                  {messageString(util::msg::kValueColumn), QStringLiteral("ID"), message}, this);
    m_grid->setAccessibleName(tr("메시지 정의"));
    m_grid->setColumnWidth(kColValue, 60);
    m_grid->setColumnWidth(kColId, 60);
    m_grid->setMinimumWidth(360);
    for (int row = 0; row < core::CMsgEdit::kRows; ++row) {
        for (int col = kColValue; col <= kColMessage; ++col)
            m_grid->setItem(row, col, new QTableWidgetItem);
        // The text belongs to the ID: shown, never typed.
        auto *shown = m_grid->item(row, kColMessage);
        shown->setFlags(shown->flags() & ~Qt::ItemIsEditable);
    }

    m_registered = grid(0, {QStringLiteral("ID"), message}, this);
    m_registered->setAccessibleName(tr("등록된 메시지"));
    m_registered->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_registered->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_registered->verticalHeader()->hide();
    m_registered->setColumnWidth(0, 50);
    m_registered->setMinimumWidth(260);

    m_copy = new QPushButton(tr("<-추가"), this);
    m_sort = new QPushButton(tr("정렬"), this);
    m_manage = new QPushButton(tr("메시지 관리"), this);
    for (QPushButton *button : {m_copy, m_sort, m_manage})
        button->setAutoDefault(false);

    // "정렬" orders the table on the left, "메시지 관리" edits the list on the right.
    auto *left = new QVBoxLayout;
    left->addWidget(m_grid);
    auto *leftButtons = new QHBoxLayout;
    leftButtons->addWidget(m_sort);
    leftButtons->addStretch();
    left->addLayout(leftButtons);
    auto *middle = new QVBoxLayout;
    middle->addStretch();
    middle->addWidget(m_copy);
    middle->addStretch();
    auto *right = new QVBoxLayout;
    right->addWidget(m_registered);
    auto *rightButtons = new QHBoxLayout;
    rightButtons->addStretch();
    rightButtons->addWidget(m_manage);
    right->addLayout(rightButtons);
    auto *layout = new QHBoxLayout;
    layout->addLayout(left, 3);
    layout->addLayout(middle);
    layout->addLayout(right, 2);
    setContent(layout);
    setTabOrder(m_grid, m_sort);
    setTabOrder(m_sort, m_copy);
    setTabOrder(m_copy, m_registered);
    setTabOrder(m_registered, m_manage);
    setTabOrder(m_manage, buttonBox()->button(QDialogButtonBox::Ok));
    setTabOrder(buttonBox()->button(QDialogButtonBox::Ok),
                buttonBox()->button(QDialogButtonBox::Cancel));
    resize(760, 480);

    connect(m_grid, &QTableWidget::itemChanged, this, &CMsgEditDialog::cellEdited);
    connect(m_copy, &QPushButton::clicked, this, &CMsgEditDialog::copySelected);
    connect(m_registered, &QTableWidget::cellDoubleClicked, this, &CMsgEditDialog::copySelected);
    connect(m_sort, &QPushButton::clicked, this,
            [this] { forward([this] { m_presenter.Sort(); }); });
    connect(m_manage, &QPushButton::clicked, this, &CMsgEditDialog::manageMessages);
}

void CMsgEditDialog::cellEdited(QTableWidgetItem *item)
{
    if (refreshing() || item->column() == kColMessage)
        return;
    const int row = item->row();
    const int col = item->column();
    const std::string text = item->text().trimmed().toStdString();
    const bool ok
            = col == kColValue ? m_presenter.EditValue(row, text) : m_presenter.EditId(row, text);
    refreshView();
    if (ok)
        return;
    // Back to the refused cell once the message box has closed and the view has moved on.
    QTimer::singleShot(0, m_grid, [grid = m_grid, row, col] {
        const QWidget *focus = QApplication::focusWidget();
        if (focus && grid->viewport()->isAncestorOf(focus))
            return; // already typing into a cell again
        grid->setCurrentCell(row, col);
        grid->setFocus(Qt::OtherFocusReason);
    });
}

void CMsgEditDialog::copySelected()
{
    const int source = m_registered->currentRow();
    const auto registered = m_presenter.Registered();
    if (source < 0 || std::size_t(source) >= registered.size())
        return;
    const int row = std::max(m_grid->currentRow(), 0);
    forward([&] { m_presenter.CopyMessage(row, registered[std::size_t(source)].id); });
}

void CMsgEditDialog::manageMessages()
{
    if (!m_before)
        m_before = CMessagesCommand::Capture(m_strings);
    CEditStrsDialog manager(m_env, m_strings, this);
    connect(&manager, &CEditStrsDialog::messagesEdited, this, &CMsgEditDialog::messagesEdited);
    manager.exec();
    m_presenter.RefreshMessages();
    fillRegistered();
    refreshView();
}

void CMsgEditDialog::fillRegistered()
{
    const auto registered = m_presenter.Registered();
    const int current = m_registered->currentRow();
    m_registered->setRowCount(int(registered.size()));
    for (std::size_t i = 0; i < registered.size(); ++i) {
        const int row = int(i);
        m_registered->setItem(row, 0, new QTableWidgetItem(QString::number(registered[i].id)));
        m_registered->setItem(row, 1,
                              new QTableWidgetItem(QString::fromStdString(registered[i].text)));
    }
    if (current >= 0 && current < m_registered->rowCount())
        m_registered->setCurrentCell(current, 0);
}

void CMsgEditDialog::refresh()
{
    const auto &cells = m_presenter.Cells();
    for (int row = 0; row < core::CMsgEdit::kRows; ++row) {
        const auto &cell = cells[std::size_t(row)];
        const std::string *texts[] = {&cell.value, &cell.id, &cell.message};
        for (int col = kColValue; col <= kColMessage; ++col) {
            const QString text = QString::fromStdString(*texts[col]);
            if (m_grid->item(row, col)->text() != text)
                m_grid->item(row, col)->setText(text);
        }
    }
}

bool CMsgEditDialog::acceptChanges()
{
    return m_presenter.Ok(m_table);
}

} // namespace ui
