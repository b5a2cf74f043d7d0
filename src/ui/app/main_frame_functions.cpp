// The main frame's common-function commands: the alarm, calculation, block-transfer and
// reservation lists with their editors, the message manager, the registered images, the
// function-key overview and the used system memory.

#include "ui/app/main_frame.h"

#include "ui/app/dialog_factory.h"
#include "ui/app/project_controller.h"
#include "ui/common/qt_prompt.h"
#include "ui/dialogs/alarm_edit_dialog.h"
#include "ui/dialogs/calc_edit_dialog.h"
#include "ui/dialogs/edit_strs_dialog.h"
#include "ui/dialogs/img_viewer_dialog.h"
#include "ui/dialogs/record_list_dialog.h"
#include "ui/dialogs/reserve_edit_dialog.h"
#include "ui/dialogs/trans_edit_dialog.h"
#include "ui/dialogs/used_sys_mem_dialog.h"
#include "ui/undo/function_list_command.h"
#include "ui/undo/images_command.h"
#include "ui/undo/messages_command.h"
#include "ui/view/dorvane_view.h"

#include "core/app/app_services.h"
#include "core/model/dorvane_doc.h"
#include "core/model/img_res_mgr.h"
#include "core/model/screen_data.h"
#include "core/presenters/alarm_dlg.h"
#include "core/presenters/calc_dlg.h"
#include "core/presenters/reserve_dlg.h"
#include "core/presenters/trans_dlg.h"

namespace ui {

namespace {

// Runs one list dialog over the document's list `records`; OK that changed the list pushes it as
// one undo step.
template<typename List, typename EditorDialog, typename Raw>
void runListDialog(CMainFrame &frame, const QString &title, std::vector<Raw> &records)
{
    CQtPrompt prompt(&frame);
    const core::FunctionEnv env{frame.document()->Slots(), prompt, frame.panelLangId()};
    CFunctionListRun<List, EditorDialog> run(env, records);
    const auto dialog = run.makeDialog(title, &frame);
    if (dialog->exec() != QDialog::Accepted) {
        run.list().Cancel();
        return;
    }
    std::vector<Raw> after;
    run.list().Ok(after);
    if (after == records)
        return;
    frame.controller().push(new CFunctionListCommand<Raw>(records, records, std::move(after),
                                                          dialog->windowTitle()));
}

} // namespace

void CMainFrame::editAlarms()
{
    if (document())
        runListDialog<core::CAlarmDlg, CAlarmEditDialog>(*this, tr("경보"), document()->Alarms());
}

void CMainFrame::editCalculations()
{
    if (document())
        runListDialog<core::CCalcDlg, CCalcEditDialog>(*this, tr("연산"),
                                                       document()->Calculations());
}

void CMainFrame::editTransfers()
{
    if (!document())
        return;
    CQtPrompt prompt(this);
    if (!core::CTransEditDlg::CanOpen({document()->Slots(), prompt, panelLangId()}))
        return;
    runListDialog<core::CTransDlg, CTransEditDialog>(*this, tr("블록통신"),
                                                     document()->Transfers());
}

void CMainFrame::editReservations()
{
    if (document())
        runListDialog<core::CReserveDlg, CReserveEditDialog>(*this, tr("예약"),
                                                             document()->Reservations());
}

void CMainFrame::editMessages()
{
    if (!document())
        return;
    CQtPrompt prompt(this);
    const core::FunctionEnv env{document()->Slots(), prompt, panelLangId()};
    const auto repaint = [this] { forEachView([](CDorvaneView *v) { v->refresh(); }); };
    const auto dialog = makeMessageManager(env, document()->Strings(), this);
    // Message tags show the new texts while the manager is still open.
    connect(dialog.get(), &CEditStrsDialog::messagesEdited, this, [this, repaint] {
        for (const auto &screen : document()->Screens())
            screen->RefreshMessageTags(document()->Strings());
        repaint();
    });
    dialog->exec();
    if (dialog->messagesChanged())
        m_controller->push(new CMessagesCommand(*document(), dialog->messagesBefore(),
                                                CMessagesCommand::Capture(document()->Strings()),
                                                repaint));
}

void CMainFrame::showRegisteredImages()
{
    if (!document())
        return;
    CQtPrompt prompt(this);
    const core::FunctionEnv env{document()->Slots(), prompt, panelLangId()};
    core::CImgResMgr &images = document()->Images();
    const auto removeUnused = [this, &images] {
        const auto before = CImagesCommand::Capture(images);
        document()->RemoveUnreferencedImages();
        auto after = CImagesCommand::Capture(images);
        if (after != before)
            m_controller->push(new CImagesCommand(images, before, std::move(after),
                                                  tr("사용하지 않는 이미지 삭제")));
    };
    makeImageViewer(env, images, *document(), removeUnused, this)->exec();
}

void CMainFrame::showFunctionKeys()
{
    if (!document() || document()->Screens().empty())
        return;
    const CDorvaneView *view = activeView();
    showFunctionKeyList(view ? view->screenNumber() : document()->Screens().front()->Number());
}

void CMainFrame::showUsedSystemMemory()
{
    if (!document())
        return;
    makeUsedSysMemDialog(*document(), this)->exec();
}

} // namespace ui
