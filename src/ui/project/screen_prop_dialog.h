#pragma once

// The screen property dialog ("화면 속성"). Each field acts on the screen when its edit loses the
// focus; anything but OK puts the screen back as it was, OK makes the whole change one undo step.

#include "ui/undo/screen_props_command.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QSpinBox;
class QUndoStack;

namespace ui {

class CScreenHost;

class CScreenPropDlg : public QDialog
{
    Q_OBJECT
public:
    CScreenPropDlg(CScreenHost &host, core::CScreenData &screen, std::uint16_t panelLangId,
                   QWidget *parent = nullptr);

    QLineEdit *nameEdit() const { return m_name; }
    QSpinBox *numberEdit() const { return m_number; }
    QSpinBox *prevEdit() const { return m_prev; }
    QSpinBox *nextEdit() const { return m_next; }
    QCheckBox *backgroundCheck() const { return m_background; }
    QCheckBox *passwordCheck() const { return m_password; }

    // After OK: the change as one command (nothing when nothing changed).
    void commit(QUndoStack &stack);

public slots:
    void done(int result) override;
    void nameEdited();
    void numberEdited();
    void prevEdited();
    void nextEdited();

private:
    QSpinBox *numberSpin(int value);
    void changed();

    CScreenHost &m_host;
    core::CScreenData &m_screen;
    std::uint16_t m_langId;
    ScreenProps m_before;
    QLineEdit *m_name = nullptr;
    QSpinBox *m_number = nullptr;
    QSpinBox *m_prev = nullptr;
    QSpinBox *m_next = nullptr;
    QCheckBox *m_background = nullptr;
    QCheckBox *m_password = nullptr;
};

} // namespace ui
