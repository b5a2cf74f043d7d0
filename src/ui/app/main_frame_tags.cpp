// The main frame's tag property dialogs: the context they work in and the undo step of OK.

#include "ui/app/main_frame.h"

#include "ui/app/dialog_factory.h"
#include "ui/app/project_controller.h"
#include "ui/canvas/screen_canvas.h"
#include "ui/common/qt_prompt.h"
#include "ui/dialogs/image_lib_dialog.h"
#include "ui/dialogs/msg_edit_dialog.h"
#include "ui/dialogs/sys_addr_dialog.h"
#include "ui/tags/tag_prop_dialogs.h"
#include "ui/undo/change_tags_command.h"
#include "ui/undo/messages_command.h"
#include "ui/view/dorvane_view.h"

#include "core/app/app_services.h"
#include "core/model/dorvane_doc.h"
#include "core/model/img_res_mgr.h"
#include "core/presenters/message_tag_table.h"

namespace ui {

TagDialogContext CMainFrame::tagDialogContext(std::uint16_t screenNumber)
{
    TagDialogContext context;
    context.plcSlots = &document()->Slots();
    context.panelLang = panelLangId();
    context.strings = &document()->Strings();
    context.images = &document()->Images();
    context.editAddress = [this](QWidget *parent, int device, std::int32_t kind, bool mustWrite,
                                 std::string &area, std::string &number) {
        return editDeviceAddress(parent, document()->Slots(), device, kind, mustWrite, area,
                                 number);
    };
    context.chooseImage = [this](QWidget *parent, std::uint16_t current) {
        CQtPrompt prompt(parent);
        const core::FunctionEnv env{document()->Slots(), prompt, panelLangId()};
        return chooseLibraryImage(parent, env, m_services.Config().imagesDir(), current);
    };
    context.editMessageTable = [this](QWidget *parent, core::CMessageTag &tag) {
        return editMessageTable(parent, tag);
    };
    context.tagChanged = [this, screenNumber] {
        if (CDorvaneView *view = findView(screenNumber))
            view->refresh();
    };
    return context;
}

bool CMainFrame::editMessageTable(QWidget *parent, core::CMessageTag &tag)
{
    CQtPrompt prompt(parent);
    const core::FunctionEnv env{document()->Slots(), prompt, panelLangId()};
    core::CMessageTagTable table(tag);
    const auto dialog = makeMessageTableDialog(env, document()->Strings(), table, parent);
    const bool accepted = dialog->exec() == QDialog::Accepted;
    // Messages changed in the message manager opened from the editor are their own undo step:
    // they stay even when the tag's dialog is cancelled.
    if (dialog->messagesChanged()) {
        m_controller->push(new CMessagesCommand(
                *document(), dialog->messagesBefore(),
                CMessagesCommand::Capture(document()->Strings()),
                [this] { forEachView([](CDorvaneView *v) { v->refresh(); }); }));
    }
    return accepted;
}

void CMainFrame::editTagProperties(std::uint16_t screenNumber, core::CTag *tag)
{
    if (!tag || !document() || !document()->FindScreen(screenNumber))
        return;
    const auto before = CChangeTagsCommand::snapshot({tag});
    auto dialog = makeTagPropDialog(tagDialogContext(screenNumber), *tag, this);
    if (!dialog)
        return;
    if (CDorvaneView *view = findView(screenNumber))
        dialog->placeOver(view->parentWidget());
    if (dialog->exec() != QDialog::Accepted)
        return;
    auto command = std::make_unique<CChangeTagsCommand>(std::vector<core::CTag *>{tag}, before,
                                                        dialog->windowTitle());
    if (!command->isEmpty())
        m_controller->push(command.release());
}

} // namespace ui
