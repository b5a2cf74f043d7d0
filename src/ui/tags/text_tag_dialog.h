#pragma once

// The fixed text's property dialog ("텍스트 속성") over core::CTextTagDlg.

#include "ui/tags/text_look_dialog.h"

#include "core/presenters/text_tag_dlg.h"

namespace ui {

class CTextTagDialog : public CTextLookDialog
{
    Q_OBJECT
public:
    CTextTagDialog(const TagDialogContext &context, core::CTextTag &tag, QWidget *parent = nullptr);

    core::CTextTagDlg &presenter() override { return m_presenter; }

protected:
    void refresh() override { refreshTextLook(); }

private:
    core::CTextTagDlg m_presenter;
};

} // namespace ui
