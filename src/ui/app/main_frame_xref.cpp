// The main frame's cross-reference window and the places its users lead to.

#include "ui/app/main_frame.h"

#include "ui/app/project_controller.h"
#include "ui/canvas/screen_canvas.h"
#include "ui/project/xref_dialog.h"
#include "ui/view/dorvane_view.h"

#include "core/model/dorvane_doc.h"
#include "core/model/screen_data.h"

namespace ui {

namespace {

// Shows the screen with the tag at `index` of its list selected. The project may have changed
// since the window was built: a tag that is gone leads nowhere.
void showTag(CMainFrame &frame, std::uint16_t screenNumber, std::size_t index)
{
    const core::CScreenData *screen = frame.document()->FindScreen(screenNumber);
    if (!screen || index >= screen->Tags().size())
        return;
    if (CDorvaneView *view = frame.showScreen(screenNumber))
        view->canvas()->setSelection({screen->Tags()[index].get()});
}

// The list or settings window a user other than a tag or key lives in.
void openRecord(CMainFrame &frame, core::xref::UserKind kind)
{
    using enum core::xref::UserKind;
    switch (kind) {
    case Alarm:
        frame.editAlarms();
        break;
    case Calculation:
        frame.editCalculations();
        break;
    case Transfer:
        frame.editTransfers();
        break;
    case Reservation:
        frame.editReservations();
        break;
    case Parameters:
        frame.editPanelSettings();
        break;
    case Tag:
    case FunctionKey:
        break;
    }
}

} // namespace

void CMainFrame::showCrossReference()
{
    if (!document())
        return;
    // Built from the document as it is now: an older window goes.
    delete findChild<CXrefDialog *>(QString(), Qt::FindDirectChildrenOnly);
    auto *dialog = new CXrefDialog(*document(), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // Its lines name places in the project it was built from.
    connect(m_controller, &CProjectController::documentChanged, dialog, &QWidget::close);
    connect(dialog, &CXrefDialog::openTag, this,
            [this](std::uint16_t screen, std::size_t index) { showTag(*this, screen, index); });
    connect(dialog, &CXrefDialog::openFunctionKey, this, [this](std::uint16_t screen, int key) {
        if (document()->FindScreen(screen))
            editFunctionKey(screen, key);
    });
    connect(dialog, &CXrefDialog::openRecord, this,
            [this](core::xref::UserKind kind, std::size_t) { openRecord(*this, kind); });
    dialog->show();
}

} // namespace ui
