#pragma once

// Download and upload of a project over the panel link: the steps after the transfer dialog's OK
// (questions, driver comparison, connection and password, the list of area transfers in its
// order), the transfer itself under the progress model, and, for an upload, the rebuild of the
// project from the areas that arrived. Questions and messages go through the panel UI.

#include "core/comm/comm_thread.h"
#include "core/comm/panel_ui.h"
#include "core/comm/progress_model.h"
#include "core/model/project_file.h"

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace core {

class CAppServices;
class CDorvaneDoc;

struct TransferGroups
{
    bool screens = true;
    bool parameters = true;
    bool menu = true; // download only
};

enum class TransferOutcome {
    Done, // the transfer ran to its end
    Stay, // the dialog stays open (nothing selected, a question answered No, a link error)
    Cancelled, // the command ends without a transfer
    Failed, // the transfer failed: the caller may start again from the dialog
    Nothing, // the command list was empty
};

class CProjectTransfer
{
public:
    CProjectTransfer(CAppServices &app, comm::CCommThread &link, comm::IPanelUi &ui);

    // Download of the groups from the open project.
    TransferOutcome Download(CDorvaneDoc &doc, TransferGroups groups);
    // Upload of the groups into `doc`; without a project, a new one named "<untitled><n>.kvr"
    // in the project folder is created. The project changes only once every area that arrived
    // has parsed.
    TransferOutcome Upload(std::unique_ptr<CDorvaneDoc> &doc, TransferGroups groups);
    // The same for a project owned elsewhere: `open` (may be null) is rebuilt in place; without
    // one the new project comes back in `created`.
    TransferOutcome Upload(CDorvaneDoc *open, TransferGroups groups,
                           std::unique_ptr<CDorvaneDoc> &created);
    // Called once the areas arrived and parsed, before the open project is rebuilt (its screen
    // windows close there). A refused upload never calls it.
    void SetBeforeRebuild(std::function<void()> hook) { m_beforeRebuild = std::move(hook); }

    // The driver files of the project's channels ("<Protocols>/<file>" or the no-driver file).
    std::string DriverFile(const CDorvaneDoc &doc, int channel) const;
    bool DriversDiffer() const { return m_sendDrivers; }
    const comm::CProgressModel &Progress() const { return m_progress; }

private:
    TransferOutcome connectAndVerify();
    TransferOutcome checkDrivers(const CDorvaneDoc &doc, TransferGroups &groups);
    bool buildCommands(CDorvaneDoc &doc, const TransferGroups &groups,
                       std::vector<comm::COMM_CMD> &commands);
    using ArrivedAreas = std::vector<std::pair<ProjectArea, util::Bytes>>;
    ArrivedAreas arrivedAreas();
    bool parsesAsProject(const ArrivedAreas &arrived);
    bool rebuildFromUpload(CDorvaneDoc &doc, const ArrivedAreas &arrived);
    void refuseUpload();
    TransferOutcome runProgress(std::vector<comm::COMM_CMD> commands, bool download);

    CAppServices &m_app;
    comm::CCommThread &m_link;
    comm::IPanelUi &m_ui;
    comm::CProgressModel m_progress;
    bool m_sendDrivers = false;
    std::function<void()> m_beforeRebuild;
};

} // namespace core
