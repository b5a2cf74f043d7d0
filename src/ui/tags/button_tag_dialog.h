#pragma once

// The button's property dialog ("버튼 속성") over core::CButtonTagDlg: the lamp's controls plus
// the action and the password box.

#include "ui/tags/two_image_tag_dialog.h"

#include "core/presenters/button_tag_dlg.h"

class QAbstractButton;
class QButtonGroup;
class QCheckBox;

namespace ui {

class CButtonTagDialog : public CTwoImageTagDialog
{
    Q_OBJECT
public:
    CButtonTagDialog(const TagDialogContext &context, core::CButtonTag &tag,
                     QWidget *parent = nullptr);

    core::CButtonTagDlg &presenter() override { return m_presenter; }

    QAbstractButton *actionButton(int action) const;
    QCheckBox *passwordBox() const { return m_password; }

protected:
    QLayout *buildExtra() override;
    void refresh() override;

private:
    core::CButtonTagDlg m_presenter;
    QButtonGroup *m_action = nullptr;
    QCheckBox *m_password = nullptr;
};

} // namespace ui
