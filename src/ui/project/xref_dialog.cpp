#include "ui/project/xref_dialog.h"

#include "core/xref/xref_text.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace ui {

namespace xref = core::xref;

namespace {

// What a user's line keeps for its double click; lines that are not users hold no kind.
constexpr int kKindRole = Qt::UserRole;
constexpr int kScreenRole = Qt::UserRole + 1;
constexpr int kIndexRole = Qt::UserRole + 2;

enum Column { kTextColumn, kSizeColumn, kNameColumn, kAccessColumn, kColumnCount };

QString text(std::string_view s)
{
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

QTreeWidgetItem *addUser(QTreeWidgetItem *parent, const xref::User &user)
{
    auto *item = new QTreeWidgetItem(parent);
    item->setText(kTextColumn, text(xref::userText(user)));
    item->setText(kAccessColumn, text(xref::accessText(user.access)));
    item->setData(kTextColumn, kKindRole, int(user.kind));
    item->setData(kTextColumn, kScreenRole, int(user.screen));
    item->setData(kTextColumn, kIndexRole, qulonglong(user.index));
    return item;
}

bool hasUserOfKind(const std::vector<xref::User> &users, const std::optional<xref::UserKind> &kind)
{
    return !kind || std::any_of(users.begin(), users.end(), [&](const xref::User &u) {
        return u.kind == *kind;
    });
}

} // namespace

QString CXrefDialog::userKindName(xref::UserKind kind)
{
    const QString names[xref::kUserKindCount]
            = {tr("태그"),     tr("기능 키"), tr("경보"),    tr("연산"),
               tr("블록통신"), tr("예약"),    tr("파라미터")};
    return names[std::size_t(kind)];
}

CXrefDialog::CXrefDialog(const core::CDorvaneDoc &doc, QWidget *parent)
    : QDialog(parent)
    , m_xref(xref::CCrossReference::Build(doc))
{
    setWindowTitle(tr("교차 참조"));
    buildControls();
    fill();
    m_filter->setFocus();
    resize(560, 480);
}

void CXrefDialog::buildControls()
{
    m_filter = new QLineEdit(this);
    m_filter->setClearButtonEnabled(true);
    m_channel = new QComboBox(this);
    m_channel->addItem(tr("전체"));
    // The panel's own memory is channel 0.
    for (int channel = 0; channel <= 2; ++channel)
        m_channel->addItem(channel == 0 ? QStringLiteral("S") : QStringLiteral("Ch%1").arg(channel),
                           channel);
    m_kind = new QComboBox(this);
    m_kind->addItem(tr("전체"));
    for (int kind = 0; kind < xref::kUserKindCount; ++kind)
        m_kind->addItem(userKindName(xref::UserKind(kind)), kind);
    m_tree = new QTreeWidget(this);
    m_tree->setColumnCount(kColumnCount);
    m_tree->setHeaderLabels({tr("위치 / 사용처"), tr("크기"), tr("시스템 이름"), tr("읽기/쓰기")});
    m_tree->header()->setSectionResizeMode(kTextColumn, QHeaderView::Stretch);
    m_tree->header()->setStretchLastSection(false);
    m_tree->setUniformRowHeights(true);

    const auto label = [this](const QString &caption, QWidget *buddy) {
        auto *l = new QLabel(caption, this);
        l->setBuddy(buddy);
        return l;
    };
    auto *filters = new QHBoxLayout;
    filters->addWidget(label(tr("찾기(&F):"), m_filter));
    filters->addWidget(m_filter, 1);
    filters->addWidget(label(tr("채널(&H):"), m_channel));
    filters->addWidget(m_channel);
    filters->addWidget(label(tr("사용처 종류(&K):"), m_kind));
    filters->addWidget(m_kind);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    // Enter in the filter must not close the window.
    buttons->button(QDialogButtonBox::Close)->setAutoDefault(false);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(filters);
    layout->addWidget(label(tr("참조(&R):"), m_tree));
    layout->addWidget(m_tree, 1);
    layout->addWidget(buttons);

    connect(m_filter, &QLineEdit::textChanged, this, &CXrefDialog::fill);
    connect(m_channel, &QComboBox::currentIndexChanged, this, &CXrefDialog::fill);
    connect(m_kind, &QComboBox::currentIndexChanged, this, &CXrefDialog::fill);
    connect(m_tree, &QTreeWidget::itemActivated, this,
            [this](const QTreeWidgetItem *item) { activate(item); });
}

xref::XrefFilter CXrefDialog::filter() const
{
    xref::XrefFilter f;
    f.text = m_filter->text().trimmed().toStdString();
    if (const QVariant channel = m_channel->currentData(); channel.isValid())
        f.channel = std::uint16_t(channel.toInt());
    if (const QVariant kind = m_kind->currentData(); kind.isValid())
        f.kind = xref::UserKind(kind.toInt());
    return f;
}

void CXrefDialog::fill()
{
    const xref::XrefFilter f = filter();
    m_tree->clear();
    for (std::size_t i : m_xref.Filtered(f))
        addPoint(m_xref.Points()[i]);
    // Messages and images have no channel or point text: a text or channel filter leaves them
    // out.
    if (f.text.empty() && !f.channel) {
        addResources(tr("메시지"), QStringLiteral("M"), m_xref.Messages(), f.kind);
        addResources(tr("이미지"), QStringLiteral("I"), m_xref.Images(), f.kind);
    }
    m_tree->resizeColumnToContents(kSizeColumn);
    m_tree->resizeColumnToContents(kNameColumn);
    m_tree->resizeColumnToContents(kAccessColumn);
}

void CXrefDialog::addPoint(const xref::PointEntry &point)
{
    auto *item = new QTreeWidgetItem(m_tree);
    item->setText(kTextColumn, text(point.text));
    item->setText(kSizeColumn, sizeText(point));
    item->setText(kNameColumn, text(point.systemName));
    item->setText(kAccessColumn, text(xref::accessText(point.access)));
    for (const xref::User &user : point.users)
        addUser(item, user);
    for (std::size_t other : point.overlaps)
        new QTreeWidgetItem(item, {tr("겹침 %1").arg(text(m_xref.Points()[other].text))});
}

// A word and a block transfer's words can start at one address: the size tells them apart.
QString CXrefDialog::sizeText(const xref::PointEntry &point)
{
    if (point.words > 1)
        return tr("%1 워드").arg(point.words);
    if (point.addrKind == core::kAddrBit)
        return tr("비트");
    return point.addrKind == core::kAddrDWord ? tr("더블 워드") : tr("워드");
}

void CXrefDialog::addResources(const QString &title, const QString &prefix,
                               const std::vector<xref::ResourceEntry> &list,
                               const std::optional<xref::UserKind> &kind)
{
    QTreeWidgetItem *section = nullptr;
    for (const xref::ResourceEntry &entry : list) {
        if (!hasUserOfKind(entry.users, kind))
            continue;
        if (!section)
            section = new QTreeWidgetItem(m_tree, {title});
        auto *item = new QTreeWidgetItem(section, {prefix + QString::number(entry.id)});
        for (const xref::User &user : entry.users)
            addUser(item, user);
    }
}

void CXrefDialog::activate(const QTreeWidgetItem *item)
{
    const QVariant kind = item ? item->data(kTextColumn, kKindRole) : QVariant();
    if (!kind.isValid())
        return;
    const auto screen = std::uint16_t(item->data(kTextColumn, kScreenRole).toInt());
    const auto index = std::size_t(item->data(kTextColumn, kIndexRole).toULongLong());
    switch (xref::UserKind(kind.toInt())) {
    case xref::UserKind::Tag:
        emit openTag(screen, index);
        break;
    case xref::UserKind::FunctionKey:
        emit openFunctionKey(screen, int(index));
        break;
    default:
        emit openRecord(xref::UserKind(kind.toInt()), index);
        break;
    }
}

} // namespace ui
