#pragma once

// What a panel command needs from whoever runs it: yes/no questions, messages, the password
// prompt, the wait cursor and the progress display. The editor, the command line and tests each
// implement it; questions and messages come as codes, and each shows them in its own language.

#include "core/comm/comm_text.h"
#include "core/comm/progress_model.h"

#include <optional>
#include <string>
#include <string_view>

namespace comm {

class CCommThread;

class IPanelUi
{
public:
    enum class Icon { None, Information, Warning, Question };

    virtual ~IPanelUi() = default;
    virtual bool ask(const CommText &question) = 0;
    virtual void message(const CommText &text, Icon icon, const CommText &caption = {}) = 0;
    // The password prompt: a checked entry (passwordEntryError() gives nothing for it), or
    // nothing when the user cancels.
    virtual std::optional<std::string> askPanelPassword() = 0;
    virtual void setBusy(bool /*busy*/) { }
    // Shows the progress of a transfer list until it ends. The default waits in this thread.
    virtual ProgressResult runProgress(CCommThread &link, CProgressModel &model);
};

// Runs the model's list on the link's worker, handling its messages in this thread and showing
// its texts through `ui`, until the list ends.
ProgressResult runProgressBlocking(CCommThread &link, CProgressModel &model, IPanelUi &ui);

// The panel's password holds at most this many characters.
inline constexpr std::size_t kPasswordMaxLength = 10;

// Why a password entry is refused (empty, longer than ten characters, or a character other than
// A-Z, a-z, 0-9), or nothing.
std::optional<CommTextId> passwordEntryError(std::string_view entry);

// The wait cursor for a scope.
class CBusyScope
{
public:
    explicit CBusyScope(IPanelUi &ui)
        : m_ui(ui)
    {
        m_ui.setBusy(true);
    }
    ~CBusyScope() { m_ui.setBusy(false); }
    CBusyScope(const CBusyScope &) = delete;
    CBusyScope &operator=(const CBusyScope &) = delete;

private:
    IPanelUi &m_ui;
};

} // namespace comm
