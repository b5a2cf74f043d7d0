#include "ui/dialogs/presenter_dialog.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

namespace ui {

CPresenterDialog::CPresenterDialog(QWidget *parent)
    : QDialog(parent)
    , m_prompt(this)
{
    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &CPresenterDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void CPresenterDialog::setContent(QLayout *content)
{
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(content);
    layout->addWidget(m_buttons);
}

void CPresenterDialog::refreshView()
{
    m_refreshing = true;
    refresh();
    m_refreshing = false;
}

void CPresenterDialog::placeOver(QWidget *widget)
{
    if (!widget)
        return;
    adjustSize();
    const QPoint centre = widget->mapToGlobal(widget->rect().center());
    QRect frame(QPoint(), frameGeometry().size());
    frame.moveCenter(centre);
    if (const QScreen *screen = widget->screen()) {
        const QRect area = screen->availableGeometry();
        frame.moveLeft(std::clamp(frame.left(), area.left(),
                                  std::max(area.left(), area.right() - frame.width())));
        frame.moveTop(std::clamp(frame.top(), area.top(),
                                 std::max(area.top(), area.bottom() - frame.height())));
    }
    // Moved by hand, the dialog is no longer centred over its parent when shown.
    move(frame.topLeft());
}

namespace {

// An entry the user types or chooses in: not a button, not a list or a picture.
bool isInput(const QWidget *w)
{
    return qobject_cast<const QLineEdit *>(w) || qobject_cast<const QAbstractSpinBox *>(w)
            || qobject_cast<const QComboBox *>(w);
}

// The first input of the tab order that can take the focus now.
QWidget *firstInput(QWidget *dialog)
{
    for (QWidget *w = dialog->nextInFocusChain(); w && w != dialog; w = w->nextInFocusChain()) {
        if (!isInput(w) || !w->isVisibleTo(dialog) || !w->isEnabled()
            || !(w->focusPolicy() & Qt::TabFocus))
            continue;
        // A spin box's or combo box's own line edit stands for its owner.
        if (isInput(w->parentWidget()))
            return w->parentWidget();
        return w;
    }
    return nullptr;
}

} // namespace

void CPresenterDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    // A button that took the focus (a "..." chooser) would otherwise become Enter's target.
    for (QPushButton *button : findChildren<QPushButton *>())
        button->setAutoDefault(false);
    QPushButton *ok = m_buttons->button(QDialogButtonBox::Ok);
    if (!ok)
        ok = m_buttons->button(QDialogButtonBox::Close);
    if (ok)
        ok->setDefault(true);
    // A dialog whose first field is no entry (a colour button) chose its focus itself.
    if (QWidget *chosen = focusWidget(); chosen && !m_buttons->isAncestorOf(chosen))
        return;
    if (QWidget *first = firstInput(this)) {
        first->setFocus(Qt::TabFocusReason);
        if (auto *edit = qobject_cast<QLineEdit *>(first))
            edit->selectAll();
        else if (auto *spin = qobject_cast<QAbstractSpinBox *>(first))
            spin->selectAll();
    }
}

void CPresenterDialog::accept()
{
    if (acceptChanges())
        QDialog::accept();
}

} // namespace ui
