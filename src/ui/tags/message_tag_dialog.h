#pragma once

// The message tag's property dialog ("메시지 속성") over core::CMessageTagDlg: the text look of
// the fixed text, the device word and the button that opens the message-table editor.

#include "ui/tags/text_look_dialog.h"

#include "core/presenters/message_tag_dlg.h"

class QPushButton;

namespace ui {

class CPointGroupBox;

class CMessageTagDialog : public CTextLookDialog
{
    Q_OBJECT
public:
    CMessageTagDialog(const TagDialogContext &context, core::CMessageTag &tag,
                      QWidget *parent = nullptr);

    core::CMessageTagDlg &presenter() override { return m_presenter; }

    CPointGroupBox *pointBox() const { return m_point; }
    QPushButton *editMessagesButton() const { return m_editMessages; }

protected:
    void refresh() override;

private:
    void editMessages();

    core::CMessageTagDlg m_presenter;
    CPointGroupBox *m_point = nullptr;
    QPushButton *m_editMessages = nullptr;
};

} // namespace ui
