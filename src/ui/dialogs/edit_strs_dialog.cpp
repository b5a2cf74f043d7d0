#include "ui/dialogs/edit_strs_dialog.h"

#include "ui/common/message_box.h"
#include "ui/dialogs/byte_limit_validator.h"

#include "core/model/str_res_mgr.h"

#include "util/message_ids.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace ui {

CEditStrsDialog::CEditStrsDialog(const core::FunctionEnv &env, core::CStrResMgr &strings,
                                 QWidget *parent)
    : CPresenterDialog(parent)
    , m_strings(strings)
    , m_presenter(env, strings)
    , m_before(CMessagesCommand::Capture(strings))
{
    setWindowTitle(tr("메시지 관리"));
    build(env.panelLang);
    refreshView();
}

bool CEditStrsDialog::messagesChanged() const
{
    return CMessagesCommand::Capture(m_strings) != m_before;
}

void CEditStrsDialog::build(std::uint16_t panelLang)
{
    m_list = new QTreeWidget(this);
    m_list->setAccessibleName(tr("등록된 메시지"));
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setAllColumnsShowFocus(true);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setHeaderLabels({QStringLiteral("ID"), messageString(util::msg::kMessageColumn)});
    m_list->header()->setSectionsClickable(true);
    m_list->header()->setSortIndicatorShown(true);
    m_list->header()->setStretchLastSection(false);
    m_list->setColumnWidth(core::CDlgEditStrs::kColId, 50);
    m_list->setColumnWidth(core::CDlgEditStrs::kColText, 373);
    m_list->setMinimumWidth(50 + 373 + 24);

    m_id = new QSpinBox(this);
    m_id->setRange(0, 65535);
    m_text = new QLineEdit(this);
    m_text->setValidator(new CByteLimitValidator(panelLang, core::CDlgEditStrs::kMaxText, m_text));
    auto *idLabel = new QLabel(QStringLiteral("ID"), this);
    idLabel->setBuddy(m_id);
    auto *textLabel = new QLabel(messageString(util::msg::kMessageColumn), this);
    textLabel->setBuddy(m_text);

    m_add = new QPushButton(tr("추가(&A)"), this);
    m_delete = new QPushButton(tr("삭제(&D)"), this);
    m_change = new QPushButton(tr("변경(&U)"), this);
    for (QPushButton *button : {m_add, m_delete, m_change})
        button->setAutoDefault(false);

    auto *edits = new QGridLayout;
    edits->addWidget(idLabel, 0, 0);
    edits->addWidget(m_id, 0, 1);
    edits->addWidget(textLabel, 1, 0);
    edits->addWidget(m_text, 1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_add);
    buttons->addWidget(m_delete);
    buttons->addWidget(m_change);
    auto *layout = new QVBoxLayout;
    layout->addWidget(m_list);
    layout->addLayout(edits);
    layout->addLayout(buttons);
    setContent(layout);

    // Changes are made at once: the one way out is closing, and Enter in the text edit must
    // not close the dialog.
    buttonBox()->clear();
    buttonBox()->addButton(tr("닫기(&X)"), QDialogButtonBox::RejectRole)->setAutoDefault(false);

    auto &p = m_presenter;
    connect(m_list->header(), &QHeaderView::sectionClicked, this,
            [this, &p](int column) { forward([&] { p.SortBy(column); }); });
    connect(m_list, &QTreeWidget::itemSelectionChanged, this, [this, &p] {
        const auto selected = m_list->selectedItems();
        const int row = selected.isEmpty() ? -1 : m_list->indexOfTopLevelItem(selected.front());
        forward([&] { p.Select(row); });
    });
    connect(m_id, &QSpinBox::valueChanged, this, [this, &p](int id) {
        if (!refreshing())
            p.SetIdText(std::to_string(id));
    });
    connect(m_text, &QLineEdit::textEdited, this,
            [&p](const QString &text) { p.SetText(text.toStdString()); });
    connect(m_add, &QPushButton::clicked, this, [this] { run(&core::CDlgEditStrs::Add); });
    connect(m_delete, &QPushButton::clicked, this, [this] { run(&core::CDlgEditStrs::Delete); });
    connect(m_change, &QPushButton::clicked, this, [this] { run(&core::CDlgEditStrs::Change); });
}

void CEditStrsDialog::run(bool (core::CDlgEditStrs::*action)())
{
    // A spin box holding typed but unconfirmed digits hands them over first.
    m_id->interpretText();
    bool done = false;
    forward([&] { done = (m_presenter.*action)(); });
    if (done)
        emit messagesEdited();
}

void CEditStrsDialog::refresh()
{
    const auto &p = m_presenter;
    const auto &rows = p.Rows();
    const auto same = [&](std::size_t i) {
        const QTreeWidgetItem *item = m_list->topLevelItem(int(i));
        return item->text(0) == QString::number(rows[i].id)
                && item->text(1) == QString::fromStdString(rows[i].text);
    };
    bool unchanged = std::size_t(m_list->topLevelItemCount()) == rows.size();
    for (std::size_t i = 0; unchanged && i < rows.size(); ++i)
        unchanged = same(i);
    // A click on a row leaves the list as it is (and where it was scrolled to).
    if (!unchanged) {
        m_list->clear();
        QList<QTreeWidgetItem *> items;
        for (const auto &row : rows)
            items.append(new QTreeWidgetItem(
                    {QString::number(row.id), QString::fromStdString(row.text)}));
        m_list->addTopLevelItems(items);
    }
    m_list->header()->setSortIndicator(p.SortColumn(), Qt::AscendingOrder);
    if (p.Selected() >= 0)
        m_list->setCurrentItem(m_list->topLevelItem(p.Selected()));
    else
        m_list->clearSelection();
    m_id->setValue(QString::fromStdString(p.IdText()).toInt());
    const QString text = QString::fromStdString(p.Text());
    if (m_text->text() != text)
        m_text->setText(text);
}

} // namespace ui
