#pragma once

// The new-screen dialog ("새 화면 추가"): name and number with its spin control. OK adds the
// screen through the presenter; a refused entry keeps the dialog open with its message.

#include "core/model/dorvane_doc.h"
#include "core/presenters/dlg_new_screen.h"

#include <QDialog>

class QLineEdit;
class QSpinBox;

namespace ui {

class CNewScreenDialog : public QDialog
{
    Q_OBJECT
public:
    CNewScreenDialog(core::CDorvaneDoc &doc, std::uint16_t panelLangId, QWidget *parent = nullptr);

    QLineEdit *nameEdit() const { return m_name; }
    QSpinBox *numberSpin() const { return m_number; }
    // The screen OK created, or null.
    core::CScreenData *created() const { return m_created; }

public slots:
    void accept() override;

private:
    core::CDlgNewScreen m_presenter;
    QLineEdit *m_name = nullptr;
    QSpinBox *m_number = nullptr;
    core::CScreenData *m_created = nullptr;
};

} // namespace ui
