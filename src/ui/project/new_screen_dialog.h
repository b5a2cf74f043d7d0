#pragma once

// The new-screen dialog ("새 화면 추가"), a view over the core's new-screen presenter: name and
// number with its spin control. Turning the spin control renames the screen after its number;
// typing a number keeps the name. OK adds the screen; a refused entry keeps the dialog open with
// its message and what was typed.

#include "ui/dialogs/presenter_dialog.h"

#include "core/model/dorvane_doc.h"
#include "core/presenters/dlg_new_screen.h"

#include <QSpinBox>

class QLineEdit;

namespace ui {

// A spin box that tells the arrows (and the Up/Down keys and the wheel) from typing.
class CStepSpinBox : public QSpinBox
{
    Q_OBJECT
public:
    using QSpinBox::QSpinBox;
    void stepBy(int steps) override;

signals:
    void stepped(int value);
};

class CNewScreenDialog : public CPresenterDialog
{
    Q_OBJECT
public:
    CNewScreenDialog(core::CDorvaneDoc &doc, std::uint16_t panelLangId, QWidget *parent = nullptr);

    QLineEdit *nameEdit() const { return m_name; }
    QSpinBox *numberSpin() const { return m_number; }
    // The screen OK created, or null.
    core::CScreenData *created() const { return m_created; }

protected:
    void refresh() override;
    bool acceptChanges() override;

private:
    core::CDlgNewScreen m_presenter;
    QLineEdit *m_name = nullptr;
    CStepSpinBox *m_number = nullptr;
    core::CScreenData *m_created = nullptr;
};

} // namespace ui
