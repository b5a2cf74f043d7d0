// The project settings windows of the main frame: panel parameters, the channels' communication
// settings, the PLC types and the PC's port to the panel. Each OK on the project is one undo
// step holding the project's whole editable state before and after.

#include "ui/app/main_frame.h"

#include "core/app/app_services.h"
#include "core/model/dorvane_doc.h"
#include "ui/app/dialog_factory.h"
#include "ui/app/project_controller.h"
#include "ui/common/message_box.h"
#include "ui/common/qt_prompt.h"
#include "ui/dialogs/com_port_dialog.h"
#include "ui/dialogs/comm_basic_dialog.h"
#include "ui/dialogs/comm_para_dialog.h"
#include "ui/dialogs/plc_type_dialog.h"
#include "ui/undo/project_state_command.h"

#include "util/message_ids.h"
#include "util/messages.h"

#include <memory>

namespace ui {

namespace {

// Pushes the change made since `before` as one step; nothing when it changed nothing.
void pushState(CProjectController &controller, core::CDorvaneDoc &doc,
               CProjectStateCommand::State before, const QString &text)
{
    auto command = std::make_unique<CProjectStateCommand>(doc, std::move(before), text);
    if (command->isEmpty())
        return;
    controller.push(command.release());
}

} // namespace

void CMainFrame::editPanelSettings()
{
    core::CDorvaneDoc *doc = document();
    if (!doc)
        return;
    const auto dialog = makePanelSettingsDialog(m_services.Config(), *doc, this);
    if (dialog->exec() != QDialog::Accepted)
        return;
    auto before = CProjectStateCommand::Capture(*doc);
    doc->Parameters() = dialog->presenter().Result();
    pushState(*m_controller, *doc, std::move(before), dialog->windowTitle());
}

void CMainFrame::editChannelSettings(int channel)
{
    core::CDorvaneDoc *doc = document();
    if (!doc)
        return;
    const auto dialog = makeChannelSettingsDialog(m_services.Config(), *doc, channel, this);
    if (dialog->exec() != QDialog::Accepted)
        return;
    auto before = CProjectStateCommand::Capture(*doc);
    dialog->presenter().ApplyTo(*doc, channel);
    pushState(*m_controller, *doc, std::move(before), dialog->windowTitle());
}

void CMainFrame::changePlcType()
{
    core::CDorvaneDoc *doc = document();
    if (!doc)
        return;
    CQtPrompt prompt(this);
    CPlcTypeDialog dialog(m_services.Config(), *doc, prompt, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    auto before = CProjectStateCommand::Capture(*doc);
    if (!dialog.presenter().Ok(*doc))
        return;
    pushState(*m_controller, *doc, std::move(before), dialog.windowTitle());
    if (const std::size_t reset = dialog.presenter().ResetCount(); reset > 0)
        showMessage(this, util::msg::kAddressesReset,
                    QString::fromStdString(
                            util::formatMessage(util::msg::kAddressesReset, int(reset))));
}

void CMainFrame::changeComPort()
{
    CComPortDialog dialog(m_services.Config(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!dialog.presenter().Ok(m_services.Config()))
        showMessage(this, util::msg::kCannotWriteFile,
                    QString::fromStdString(util::formatMessage(
                            util::msg::kCannotWriteFile, m_services.Config().appIni().c_str())));
}

} // namespace ui
