#pragma once

// The screen property dialog ("화면 속성"), a view over the core's screen-property presenter. Each
// field acts on the screen when its edit loses the focus; anything but OK puts the screen back as
// it was, and OK's change becomes one undo step through `commit()`.

#include "ui/dialogs/presenter_dialog.h"

#include "core/presenters/screen_prop_dlg.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace ui {

class CProjectController;

class CScreenPropDialog : public CPresenterDialog
{
    Q_OBJECT
public:
    CScreenPropDialog(CProjectController &project, core::CScreenData &screen,
                      QWidget *parent = nullptr);

    core::CScreenPropDlg &presenter() { return m_presenter; }
    QLineEdit *nameEdit() const { return m_name; }
    QSpinBox *numberEdit() const { return m_number; }
    QSpinBox *prevEdit() const { return m_prev; }
    QSpinBox *nextEdit() const { return m_next; }
    QCheckBox *backgroundCheck() const { return m_background; }
    QCheckBox *passwordCheck() const { return m_password; }
    QPushButton *backgroundButton() const { return m_chooseBackground; }
    QLabel *backgroundSize() const { return m_backgroundSize; }

    // After OK: the change as one undo step (nothing when nothing changed).
    void commit();

public slots:
    void done(int result) override;
    void nameEdited();
    void numberEdited();
    void prevEdited();
    void nextEdited();
    // Picks the background image in the image library.
    void chooseBackground();

protected:
    void refresh() override;

private:
    QSpinBox *numberSpin();
    // Shows the presenter's state and, when the screen changed, tells the project.
    void changed(bool screenChanged);

    CProjectController &m_project;
    core::CScreenPropDlg m_presenter;
    QLineEdit *m_name = nullptr;
    QSpinBox *m_number = nullptr;
    QSpinBox *m_prev = nullptr;
    QSpinBox *m_next = nullptr;
    QCheckBox *m_background = nullptr;
    QPushButton *m_chooseBackground = nullptr;
    QLabel *m_backgroundSize = nullptr;
    QCheckBox *m_password = nullptr;
};

} // namespace ui
