#include "ui/comm/qt_panel_ui.h"

#include "ui/comm/comm_text.h"
#include "ui/comm/input_pwd_dialog.h"
#include "ui/comm/progress_dialog.h"
#include "ui/common/message_box.h"

#include <QApplication>
#include <QCursor>

namespace ui {

CQtPanelUi::~CQtPanelUi()
{
    while (m_busy > 0)
        setBusy(false);
}

bool CQtPanelUi::ask(const comm::CommText &question)
{
    return askYesNo(m_parent, 0, commText(question));
}

void CQtPanelUi::message(const comm::CommText &text, Icon icon, const comm::CommText &caption)
{
    // A message box over a wait cursor would show the cursor: it goes for the box.
    const int busy = m_busy;
    for (int i = 0; i < busy; ++i)
        QApplication::restoreOverrideCursor();
    const bool titled = caption.id != comm::CommTextId::Plain || !caption.plain.empty();
    const QString title = titled ? commText(caption) : QString();
    if (icon == Icon::Information)
        showDone(m_parent, commText(text), title);
    else
        showMessage(m_parent, 0, commText(text), title);
    for (int i = 0; i < busy; ++i)
        QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

std::optional<std::string> CQtPanelUi::askPanelPassword()
{
    CInputPwdDialog dialog(m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.password().toStdString();
}

void CQtPanelUi::setBusy(bool busy)
{
    if (busy) {
        QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        ++m_busy;
    } else if (m_busy > 0) {
        QApplication::restoreOverrideCursor();
        --m_busy;
    }
}

comm::ProgressResult CQtPanelUi::runProgress(comm::CCommThread &link, comm::CProgressModel &model)
{
    if (m_beforeProgress)
        m_beforeProgress();
    CProgressDialog dialog(link, model, *this, m_parent);
    return dialog.run();
}

} // namespace ui
