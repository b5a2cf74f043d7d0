#pragma once

// The message-table editor of a message tag: 50 rows of a device value and a message ID (with the
// message's text beside it) on the left, the registered messages on the right. Each cell edit is
// checked at once (a refused one reverts and keeps the focus); OK rebuilds the table the caller
// passed, and only then. The message manager opened from here changes the store directly: the
// caller makes that one undo step from messagesBefore() when messagesChanged().

#include "ui/dialogs/presenter_dialog.h"
#include "ui/undo/messages_command.h"

#include "core/presenters/function_env.h"
#include "core/presenters/msg_edit.h"

#include <optional>

class QPushButton;
class QTableWidget;
class QTableWidgetItem;

namespace core {
class CStrResMgr;
}

namespace ui {

class CMsgEditDialog : public CPresenterDialog
{
    Q_OBJECT
public:
    CMsgEditDialog(const core::FunctionEnv &env, core::CStrResMgr &strings,
                   core::CMessageTable &table, QWidget *parent = nullptr);

    core::CMsgEdit &presenter() { return m_presenter; }
    // The store before the first message manager opened from here, and whether it differs now.
    CMessagesCommand::Messages messagesBefore() const;
    bool messagesChanged() const;

    QTableWidget *tableGrid() const { return m_grid; }
    QTableWidget *registeredGrid() const { return m_registered; }
    QPushButton *copyButton() const { return m_copy; }
    QPushButton *sortButton() const { return m_sort; }
    QPushButton *manageButton() const { return m_manage; }

signals:
    // The message manager added, changed or deleted a message.
    void messagesEdited();

protected:
    void refresh() override;
    bool acceptChanges() override;

private:
    void build();
    void cellEdited(QTableWidgetItem *item);
    void copySelected();
    void manageMessages();
    void fillRegistered();

    core::FunctionEnv m_env;
    core::CStrResMgr &m_strings;
    core::CMessageTable &m_table;
    core::CMsgEdit m_presenter;
    std::optional<CMessagesCommand::Messages> m_before;
    QTableWidget *m_grid = nullptr;
    QTableWidget *m_registered = nullptr;
    QPushButton *m_copy = nullptr;
    QPushButton *m_sort = nullptr;
    QPushButton *m_manage = nullptr;
};

} // namespace ui
