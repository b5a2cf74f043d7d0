#include "ui/dialogs/presenter_dialog.h"

#include <QDialogButtonBox>
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

void CPresenterDialog::accept()
{
    if (acceptChanges())
        QDialog::accept();
}

} // namespace ui
