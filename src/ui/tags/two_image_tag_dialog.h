#pragma once

// What the lamp's and the button's property dialogs share, over core::CTwoImageTagDlg: the
// device bit, the on value, the OFF and ON pictures, the enlarge box and the position.

#include "ui/tags/image_tag_dialog.h"

#include "core/presenters/two_image_tag_dlg.h"

class QAbstractButton;
class QButtonGroup;
class QCheckBox;

namespace ui {

class CPointGroupBox;
class CTagImageBox;

class CTwoImageTagDialog : public CImageTagDialog
{
    Q_OBJECT
public:
    core::CTwoImageTagDlg &presenter() override = 0;

    CPointGroupBox *pointBox() const { return m_point; }
    QAbstractButton *onValueButton(int value) const;
    QCheckBox *enlargeBox() const { return m_enlarge; }
    CTagImageBox *offImageBox() const { return m_offImage; }
    CTagImageBox *onImageBox() const { return m_onImage; }

protected:
    using CImageTagDialog::CImageTagDialog;

    // Builds the controls; called from the concrete dialog's constructor, once its presenter
    // exists.
    void build();
    // The kind's own controls below the on value (none for the lamp).
    virtual QLayout *buildExtra() { return nullptr; }
    void refresh() override;

private:
    QWidget *buildOnValue();
    QWidget *buildImages();

    CPointGroupBox *m_point = nullptr;
    QButtonGroup *m_onValue = nullptr;
    QCheckBox *m_enlarge = nullptr;
    CTagImageBox *m_offImage = nullptr;
    CTagImageBox *m_onImage = nullptr;
};

} // namespace ui
