#pragma once

// A number entry of a tag property dialog whose values the presenter judges: any number up to
// five digits can be typed, and one outside the presenter's range is refused there with the
// range message, after which the entry shows the tag's value again, selected, to be mended. The
// arrows step only within the range. A value is handed over when the entry is finished (Enter,
// leaving it, an arrow step), not with each keystroke.

#include "core/presenters/entry_range.h"

#include <QSpinBox>

#include <functional>

namespace ui {

class CRangeSpinBox : public QSpinBox
{
    Q_OBJECT
public:
    // Takes an entered value; false when the presenter refused it.
    using Take = std::function<bool(int value)>;

    CRangeSpinBox(core::EntryRange range, QWidget *parent);

    void setTake(Take take) { m_take = std::move(take); }
    // Hands over typed text not yet handed over (OK pressed while the entry still has it);
    // false when that value, or one just before in the same event, was refused.
    bool commit();

protected:
    void stepBy(int steps) override;
    StepEnabled stepEnabled() const override;

private:
    void take(int value);

    core::EntryRange m_range;
    Take m_take;
    bool m_refused = false;
};

// Hands over every entry's pending text; false when one of them was refused.
bool commitEntries(std::initializer_list<CRangeSpinBox *> entries);
// Before Cancel restores the tag: text still typed in an entry or a line edit of `dialog` (the
// point's limits) is dropped, not handed over when it loses the focus as the window closes.
void dropPendingEdits(QWidget *dialog);

} // namespace ui
