#pragma once

// The panel commands' questions, messages, password prompt, wait cursor and progress dialog in
// the editor's windows. The core's texts are shown in the resource language.

#include "core/comm/panel_ui.h"

#include <functional>

class QWidget;

namespace ui {

class CQtPanelUi : public comm::IPanelUi
{
public:
    explicit CQtPanelUi(QWidget *parent)
        : m_parent(parent)
    { }
    ~CQtPanelUi() override;

    bool ask(const comm::CommText &question) override;
    void message(const comm::CommText &text, Icon icon,
                 const comm::CommText &caption = {}) override;
    std::optional<std::string> askPanelPassword() override;
    void setBusy(bool busy) override;
    // CProgressDialog over `parent`; `beforeProgress` runs first (the transfer dialog hides).
    comm::ProgressResult runProgress(comm::CCommThread &link, comm::CProgressModel &model) override;

    void setParent(QWidget *parent) { m_parent = parent; }
    void setBeforeProgress(std::function<void()> hook) { m_beforeProgress = std::move(hook); }

private:
    QWidget *m_parent;
    std::function<void()> m_beforeProgress;
    int m_busy = 0;
};

} // namespace ui
