#include "ui/tags/range_spin_box.h"

#include <QLineEdit>
#include <QTimer>

#include <algorithm>

namespace ui {

namespace {

// Wide enough for any wrong entry to reach the presenter and its message.
constexpr int kTypedMax = 99999;

} // namespace

CRangeSpinBox::CRangeSpinBox(core::EntryRange range, QWidget *parent)
    : QSpinBox(parent)
    , m_range(range)
{
    setRange(std::min(0, range.min), std::max(kTypedMax, range.max));
    setKeyboardTracking(false);
    connect(this, &QSpinBox::valueChanged, this, &CRangeSpinBox::take);
}

void CRangeSpinBox::take(int value)
{
    if (!m_take || m_take(value))
        return;
    // Enter also presses OK in the same event: the flag keeps the dialog open until the
    // refusal's message has been seen; then the entry takes the focus back.
    m_refused = true;
    QTimer::singleShot(0, this, [this] {
        m_refused = false;
        setFocus(Qt::OtherFocusReason);
        selectAll();
    });
}

bool CRangeSpinBox::commit()
{
    interpretText();
    return !m_refused;
}

void CRangeSpinBox::stepBy(int steps)
{
    const int stepped = std::clamp(value() + steps, m_range.min, m_range.max);
    if (stepped != value())
        setValue(stepped);
    selectAll();
}

QAbstractSpinBox::StepEnabled CRangeSpinBox::stepEnabled() const
{
    StepEnabled enabled = StepNone;
    if (value() > m_range.min)
        enabled |= StepDownEnabled;
    if (value() < m_range.max)
        enabled |= StepUpEnabled;
    return enabled;
}

bool commitEntries(std::initializer_list<CRangeSpinBox *> entries)
{
    bool taken = true;
    for (CRangeSpinBox *entry : entries) {
        if (entry && !entry->commit())
            taken = false;
    }
    return taken;
}

void dropPendingEdits(QWidget *dialog)
{
    for (CRangeSpinBox *entry : dialog->findChildren<CRangeSpinBox *>())
        entry->setTake({});
    for (QLineEdit *edit : dialog->findChildren<QLineEdit *>())
        edit->setModified(false);
}

} // namespace ui
