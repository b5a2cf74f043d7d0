#include "ui/tags/tag_prop_dialog.h"

#include "ui/tags/point_group_box.h"
#include "ui/tags/range_spin_box.h"

#include "core/tags/tag.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

namespace ui {

CTagPropDialog::CTagPropDialog(const TagDialogContext &context, QWidget *parent)
    : CPresenterDialog(parent)
    , m_context(context)
{ }

void CTagPropDialog::reject()
{
    // Text still being typed must not reach the tag once it has been put back (the edits hand
    // their text over when they lose the focus as the window closes).
    dropPendingEdits(this);
    presenter().Cancel();
    notifyTagChanged();
    CPresenterDialog::reject();
}

bool CTagPropDialog::acceptChanges()
{
    // A limit refused in the same keypress that pressed OK keeps the dialog open.
    for (const CPointGroupBox *box : findChildren<CPointGroupBox *>())
        if (box->refusedJustNow())
            return false;
    if (!presenter().Accept())
        return false;
    presenter().Accepted();
    return true;
}

void CTagPropDialog::addPositionRows(QFormLayout *form)
{
    m_x = new QSpinBox(this);
    m_x->setRange(0, core::kPanelWidth - 1);
    m_y = new QSpinBox(this);
    m_y->setRange(0, core::kPanelHeight - 1);
    form->addRow(tr("&X:"), m_x);
    form->addRow(tr("&Y:"), m_y);
    connect(m_x, &QSpinBox::valueChanged, this,
            [this](int v) { edit([&] { presenter().SetX(v); }); });
    connect(m_y, &QSpinBox::valueChanged, this,
            [this](int v) { edit([&] { presenter().SetY(v); }); });
}

void CTagPropDialog::setColumns(std::initializer_list<QWidget *> left, QWidget *right)
{
    auto *columns = new QHBoxLayout;
    auto *stack = new QVBoxLayout;
    for (QWidget *w : left)
        stack->addWidget(w);
    stack->addStretch();
    columns->addLayout(stack);
    columns->addWidget(right, 0, Qt::AlignTop);
    setContent(columns);
}

QGroupBox *CTagPropDialog::positionBox()
{
    auto *place = new QGroupBox(tr("위치"), this);
    addPositionRows(new QFormLayout(place));
    return place;
}

CPointGroupBox *CTagPropDialog::pointGroupBox(const QString &title, core::CPointGroup &group,
                                              int parts)
{
    auto *box = new CPointGroupBox(title, group, m_context, parts, this);
    connect(box, &CPointGroupBox::edited, this, [this] {
        refreshView();
        notifyTagChanged();
    });
    return box;
}

CRangeSpinBox *CTagPropDialog::rangeEntry(QFormLayout *form, const QString &label,
                                          core::EntryRange range,
                                          std::function<bool(std::int64_t)> set)
{
    auto *entry = new CRangeSpinBox(range, this);
    form->addRow(label, entry);
    entry->setTake([this, set = std::move(set)](int value) {
        bool taken = true;
        edit([&] { taken = set(value); });
        return taken;
    });
    return entry;
}

void CTagPropDialog::refreshPosition()
{
    if (m_x)
        m_x->setValue(presenter().X());
    if (m_y)
        m_y->setValue(presenter().Y());
}

void CTagPropDialog::notifyTagChanged()
{
    if (m_context.tagChanged)
        m_context.tagChanged();
}

std::optional<std::uint16_t> CTagPropDialog::chooseImage(std::uint16_t current)
{
    if (!m_context.chooseImage)
        return std::nullopt;
    return m_context.chooseImage(this, current);
}

} // namespace ui
