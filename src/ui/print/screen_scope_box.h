#pragma once

// The screen choice of the report set-up and picture export windows: "현재 화면", "모든 화면" or
// a list of numbers, over a core::CScreenScope. The owning dialog refreshes it with its own state
// and hears of each change through `changed`.

#include "core/report/screen_scope.h"

#include <QWidget>

class QButtonGroup;
class QLineEdit;
class QRadioButton;

namespace ui {

class CScreenScopeBox : public QWidget
{
    Q_OBJECT
public:
    CScreenScopeBox(core::CScreenScope &scope, QWidget *parent = nullptr);

    QLineEdit *listEdit() const { return m_list; }
    // Copies the scope into the widgets (their signals muted).
    void refresh();
    // Takes the list as typed (OK may come straight from the edit).
    void commitList();

signals:
    void changed();

private:
    core::CScreenScope &m_scope;
    QRadioButton *m_current = nullptr;
    QRadioButton *m_all = nullptr;
    QRadioButton *m_chosen = nullptr;
    QButtonGroup *m_group = nullptr;
    QLineEdit *m_list = nullptr;
    bool m_refreshing = false;
};

} // namespace ui
