#pragma once

// The screen property dialog ("화면 속성"), a view over the core's screen-property presenter. Each
// field acts on the screen when its edit loses the focus; anything but OK puts the screen back as
// it was. The dialog records nothing: after OK its caller makes `change()` one undo step.

#include "ui/dialogs/presenter_dialog.h"

#include "core/presenters/screen_prop_dlg.h"

#include <cstdint>
#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace ui {

// The screen's properties before the dialog and as it was confirmed.
struct ScreenPropsEdit
{
    core::ScreenProps before;
    core::ScreenProps after;
};

class CScreenPropDialog : public CPresenterDialog
{
    Q_OBJECT
public:
    // `panelLangId` is the code page of the project's texts.
    CScreenPropDialog(core::CDorvaneDoc &doc, std::uint16_t panelLangId, core::CScreenData &screen,
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

    // After OK: what changed (nothing when nothing did).
    std::optional<ScreenPropsEdit> change() const;

signals:
    // The screen's number or name changed (or was put back): the windows show it at once.
    void screenChanged();

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
    // Shows the presenter's state and, when the screen changed, says so.
    void changed(bool tellWindows);

    core::CDorvaneDoc &m_doc;
    std::uint16_t m_panelLangId;
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
