#pragma once

// The shape every dialog over a core presenter shares: the content above an OK/Cancel box,
// `refresh()` copying the presenter's state into the widgets with a guard so that the widgets'
// change signals do not echo back, `forward()` handing one user change to the presenter, and
// `acceptChanges()` asked before OK closes the dialog (a refusal keeps it open). Questions and
// messages of the presenter go through `prompt()`. The dialog never touches the document: its
// caller pushes the result as one undo step.

#include "ui/common/qt_prompt.h"

#include <QDialog>

class QDialogButtonBox;
class QLayout;

namespace ui {

class CPresenterDialog : public QDialog
{
    Q_OBJECT
public:
    explicit CPresenterDialog(QWidget *parent = nullptr);

    QDialogButtonBox *buttonBox() const { return m_buttons; }
    // Opens over `widget` (a screen's window, say) rather than over the middle of the main
    // window; kept on the widget's screen.
    void placeOver(QWidget *widget);

public slots:
    void accept() override;

protected:
    // Puts `content` above the button box; call once from the view's constructor.
    void setContent(QLayout *content);
    // Copies the presenter's state into the widgets, their signals muted by the guard.
    virtual void refresh() = 0;
    void refreshView();
    bool refreshing() const { return m_refreshing; }
    // Hands a user's change to the presenter (not while refreshing) and shows the outcome.
    template<typename Change>
    void forward(Change &&change)
    {
        if (m_refreshing)
            return;
        change();
        refreshView();
    }
    // OK's checks: true lets the dialog close.
    virtual bool acceptChanges() { return true; }
    // The first time the dialog shows: the focus on its first input (its text selected, so
    // typing replaces it) and OK the button Enter presses, whichever button had the focus last.
    void showEvent(QShowEvent *event) override;
    core::CFunctionPrompt &prompt() { return m_prompt; }

private:
    CQtPrompt m_prompt;
    QDialogButtonBox *m_buttons = nullptr;
    bool m_refreshing = false;
    bool m_shown = false;
};

} // namespace ui
