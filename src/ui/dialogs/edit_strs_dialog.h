#pragma once

// The message manager: the project's messages in a sorted list, an ID and a text edit, and add,
// delete and change on the message store. The changes reach the store at once; the caller makes
// the session one undo step from messagesBefore() and the store's state after the dialog.

#include "ui/dialogs/presenter_dialog.h"
#include "ui/undo/messages_command.h"

#include "core/presenters/dlg_edit_strs.h"
#include "core/presenters/function_env.h"

class QLineEdit;
class QPushButton;
class QSpinBox;
class QTreeWidget;

namespace core {
class CStrResMgr;
}

namespace ui {

class CEditStrsDialog : public CPresenterDialog
{
    Q_OBJECT
public:
    CEditStrsDialog(const core::FunctionEnv &env, core::CStrResMgr &strings,
                    QWidget *parent = nullptr);

    core::CDlgEditStrs &presenter() { return m_presenter; }
    // The store as the dialog found it, and whether it differs now.
    const CMessagesCommand::Messages &messagesBefore() const { return m_before; }
    bool messagesChanged() const;

    QTreeWidget *list() const { return m_list; }
    QSpinBox *idSpin() const { return m_id; }
    QLineEdit *textEdit() const { return m_text; }
    QPushButton *addButton() const { return m_add; }
    QPushButton *deleteButton() const { return m_delete; }
    QPushButton *changeButton() const { return m_change; }

signals:
    // A message was added, changed or deleted: message tags may show another text.
    void messagesEdited();

protected:
    void refresh() override;

private:
    void build(std::uint16_t panelLang);
    void run(bool (core::CDlgEditStrs::*action)());

    core::CStrResMgr &m_strings;
    core::CDlgEditStrs m_presenter;
    CMessagesCommand::Messages m_before;
    QTreeWidget *m_list = nullptr;
    QSpinBox *m_id = nullptr;
    QLineEdit *m_text = nullptr;
    QPushButton *m_add = nullptr;
    QPushButton *m_delete = nullptr;
    QPushButton *m_change = nullptr;
};

} // namespace ui
