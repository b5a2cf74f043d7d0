#pragma once

// The image text's property dialog ("이미지 텍스트 속성") over core::CBmpTextTagDlg: the text
// look, "폰트 선택" (the standard font dialog, installed scalable fonts only), "표시방향" and a
// preview drawn by the renderer the compiler uses.

#include "ui/tags/text_look_dialog.h"

#include "core/presenters/bmp_text_tag_dlg.h"

#include <QFont>

#include <functional>
#include <optional>

class QLabel;
class QPushButton;

namespace ui {

class CBmpTextTagDialog : public CTextLookDialog
{
    Q_OBJECT
public:
    // Asks for a font starting from `initial`; nothing on Cancel.
    using FontChooser = std::function<std::optional<QFont>(QWidget *parent, const QFont &initial)>;

    CBmpTextTagDialog(const TagDialogContext &context, core::CBmpTextTag &tag,
                      QWidget *parent = nullptr);

    core::CBmpTextTagDlg &presenter() override { return m_presenter; }

    // Replaces the font dialog (tests answer it).
    void setFontChooser(FontChooser chooser) { m_chooseFont = std::move(chooser); }

    // The font as the font dialog shows it, and the dialog's answer in the tag's terms.
    static QFont toQFont(const core::FontChoice &choice);
    static core::FontChoice fromQFont(const QFont &font);

    QPushButton *chooseFontButton() const { return m_chooseFontButton; }
    QAbstractButton *directionButton(int escapement) const;
    QLabel *preview() const { return m_preview; }

protected:
    void refresh() override;

private:
    QGroupBox *buildDirectionGroup();
    void chooseFont();

    core::CBmpTextTagDlg m_presenter;
    FontChooser m_chooseFont;
    QPushButton *m_chooseFontButton = nullptr;
    QButtonGroup *m_direction = nullptr;
    QLabel *m_preview = nullptr;
};

} // namespace ui
