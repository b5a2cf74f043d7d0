#pragma once

// The image tag's property dialog ("이미지 속성") over core::CBitmapTagDlg.

#include "ui/tags/image_tag_dialog.h"

#include "core/presenters/bitmap_tag_dlg.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace ui {

class CBitmapTagDialog : public CImageTagDialog
{
    Q_OBJECT
public:
    CBitmapTagDialog(const TagDialogContext &context, core::CBitmapTag &tag,
                     QWidget *parent = nullptr);

    core::CBitmapTagDlg &presenter() override { return m_presenter; }

    QLineEdit *idEdit() const { return m_id; }
    QLineEdit *sizeEdit() const { return m_size; }
    QPushButton *changeButton() const { return m_change; }
    QCheckBox *enlargeBox() const { return m_enlarge; }
    QCheckBox *inverseBox() const { return m_inverse; }

protected:
    void refresh() override;

private:
    core::CBitmapTagDlg m_presenter;
    QLineEdit *m_id = nullptr;
    QLineEdit *m_size = nullptr;
    QPushButton *m_change = nullptr;
    QCheckBox *m_enlarge = nullptr;
    QCheckBox *m_inverse = nullptr;
};

} // namespace ui
