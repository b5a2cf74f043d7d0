#pragma once

// The lamp's property dialog ("램프 속성") over core::CLampTagDlg.

#include "ui/tags/two_image_tag_dialog.h"

#include "core/presenters/lamp_tag_dlg.h"

namespace ui {

class CLampTagDialog : public CTwoImageTagDialog
{
    Q_OBJECT
public:
    CLampTagDialog(const TagDialogContext &context, core::CLampTag &tag, QWidget *parent = nullptr);

    core::CLampTagDlg &presenter() override { return m_presenter; }

private:
    core::CLampTagDlg m_presenter;
};

} // namespace ui
