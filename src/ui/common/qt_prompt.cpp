#include "ui/common/qt_prompt.h"

#include "ui/common/message_box.h"

namespace ui {

void CQtPrompt::ShowMessage(int id, const std::string &text)
{
    showMessage(m_parent, id, QString::fromStdString(text));
}

bool CQtPrompt::AskYesNo(int id, const std::string &text)
{
    return askYesNo(m_parent, id, QString::fromStdString(text));
}

} // namespace ui
