#pragma once

// What the text, message and image-text dialogs share over core::CTextLookDlg: the text (typing
// beyond 24 bytes of the panel's code page, or a character it lacks, is impossible), X and Y,
// inverse and border, and the small / normal / large panel font with its note.

#include "ui/tags/tag_prop_dialog.h"

#include "core/presenters/text_look_dlg.h"

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace ui {

class CTextLookDialog : public CTagPropDialog
{
    Q_OBJECT
public:
    using CTagPropDialog::CTagPropDialog;

    core::CTextLookDlg &presenter() override = 0;

    QLineEdit *textEdit() const { return m_text; }
    QCheckBox *inverseBox() const { return m_inverse; }
    QCheckBox *borderBox() const { return m_border; }
    // Null for a kind without the panel font.
    QAbstractButton *fontButton(int font) const;

protected:
    // The text and the position.
    QGroupBox *buildTextGroup();
    // Inverse and border.
    QGroupBox *buildLookGroup();
    // The panel font radios and the note on Hangul.
    QGroupBox *buildFontGroup();
    void refreshTextLook();

private:
    QLineEdit *m_text = nullptr;
    QLabel *m_textBytes = nullptr; // bytes used of the 24 the panel keeps
    QCheckBox *m_inverse = nullptr;
    QCheckBox *m_border = nullptr;
    QButtonGroup *m_font = nullptr;
};

} // namespace ui
