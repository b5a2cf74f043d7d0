#include "core/editor/screen_rules.h"
#include "core/model/dorvane_doc.h"

#include "ui/project/project_window.h"

#include "ui/common/message_box.h"

#include "util/message_ids.h"

#include "util/messages.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QTreeWidget>

namespace ui {

namespace {
constexpr int kNumberRole = Qt::UserRole + 1;
}

CProjectWindow::CProjectWindow(QWidget *parent)
    : QDockWidget(parent)
{
    setObjectName(QStringLiteral("ProjectWorkspaceWnd"));
    setWindowTitle(messageString(util::msg::kProjectWindowTitle));
    m_tree = new QTreeWidget(this);
    m_tree->setObjectName(QStringLiteral("screenTree"));
    m_tree->setHeaderHidden(true);
    m_tree->setRootIsDecorated(false);
    m_tree->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tree->setContextMenuPolicy(Qt::CustomContextMenu);
    m_tree->installEventFilter(this);
    setWidget(m_tree);

    connect(m_tree, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem *item) {
        emit openScreen(std::uint16_t(item->data(0, kNumberRole).toUInt()));
    });
    connect(m_tree, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem *item) {
        if (item)
            emit screenSelected(std::uint16_t(item->data(0, kNumberRole).toUInt()));
    });
    connect(m_tree, &QTreeWidget::customContextMenuRequested, this,
            &CProjectWindow::showContextMenu);
}

void CProjectWindow::rebuild(const core::CDorvaneDoc *doc, std::uint16_t panelLangId)
{
    const auto selected = selectedScreens();
    const QSignalBlocker block(m_tree);
    m_tree->clear();
    if (!doc)
        return;
    for (const auto &screen : doc->Screens()) {
        auto *item = new QTreeWidgetItem(m_tree);
        item->setText(0, QString::fromStdString(core::screenCaption(*screen, panelLangId)));
        item->setData(0, kNumberRole, screen->Number());
        if (std::find(selected.begin(), selected.end(), screen->Number()) != selected.end())
            item->setSelected(true);
    }
}

std::vector<std::uint16_t> CProjectWindow::selectedScreens() const
{
    std::vector<std::uint16_t> out;
    for (int i = 0; i < m_tree->topLevelItemCount(); ++i) {
        const auto *item = m_tree->topLevelItem(i);
        if (item->isSelected())
            out.push_back(std::uint16_t(item->data(0, kNumberRole).toUInt()));
    }
    return out;
}

void CProjectWindow::selectScreen(std::uint16_t number)
{
    const QSignalBlocker block(m_tree);
    for (int i = 0; i < m_tree->topLevelItemCount(); ++i) {
        auto *item = m_tree->topLevelItem(i);
        const bool hit = item->data(0, kNumberRole).toUInt() == number;
        item->setSelected(hit);
        if (hit)
            m_tree->setCurrentItem(item);
    }
}

bool CProjectWindow::treeHasFocus() const
{
    return m_tree->hasFocus();
}

bool CProjectWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_tree && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Delete) {
        emit deleteRequested();
        return true;
    }
    return QDockWidget::eventFilter(watched, event);
}

void CProjectWindow::showContextMenu(const QPoint &pos)
{
    const bool selected = !selectedScreens().empty();
    const QMimeData *mime = QApplication::clipboard()->mimeData();
    const bool pasteable = !m_screenFormat.isEmpty() && mime && mime->hasFormat(m_screenFormat);
    QMenu menu(this);
    menu.addAction(tr("새 화면(&N)"), this, &CProjectWindow::newScreenRequested);
    // The last screen stays: deleting needs another one.
    menu.addAction(tr("화면 삭제(&D)"), this, &CProjectWindow::deleteRequested)
            ->setEnabled(selected && m_tree->topLevelItemCount() > 1);
    menu.addSeparator();
    menu.addAction(tr("잘라내기(&T)"), this, &CProjectWindow::cutRequested)->setEnabled(selected);
    menu.addAction(tr("복사(&C)"), this, &CProjectWindow::copyRequested)->setEnabled(selected);
    menu.addAction(tr("붙여넣기(&P)"), this, &CProjectWindow::pasteRequested)
            ->setEnabled(pasteable);
    menu.exec(m_tree->viewport()->mapToGlobal(pos));
}

} // namespace ui
