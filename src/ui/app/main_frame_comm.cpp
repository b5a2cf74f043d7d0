// The communication menu: download, upload, font download, whole-memory erase, OS download and
// system information, each over the frame's one link and the editor's panel UI.

#include "ui/app/main_frame.h"

#include "ui/preview/panel_preview_window.h"

#include "ui/app/project_controller.h"
#include "ui/comm/down_dialog.h"
#include "ui/comm/panel_windows.h"
#include "ui/comm/qt_panel_ui.h"
#include "ui/comm/sys_info_dialog.h"
#include "ui/project/project_window.h"

#include "core/app/app_services.h"
#include "core/comm/comm_thread.h"
#include "core/comm/panel_commands.h"
#include "core/model/dorvane_doc.h"
#include "core/transfer/os_downloader.h"
#include "core/transfer/project_transfer.h"

#include "util/ini_file.h"

#include <QEventLoop>
#include <QFileDialog>
#include <QMdiArea>
#include <QTimer>

namespace ui {

namespace {

comm::PORT_SETTING storedSetting(const core::CommSetup &setup)
{
    comm::PORT_SETTING s;
    s.port = std::uint32_t(setup.port);
    s.baud = std::uint32_t(setup.baudRate);
    s.dataBits = std::uint8_t(setup.dataBit);
    s.stopBits = std::uint8_t(setup.stopBit);
    s.parity = std::uint8_t(setup.parity);
    return s;
}

} // namespace

void CMainFrame::initComm()
{
    const util::CIniFile appIni(m_services.Config().appIni());
    m_link = std::make_unique<comm::CCommThread>(&appIni);
    m_link->SetPortSetting(storedSetting(m_services.Config().commSetup()));
}

void CMainFrame::prepareLink()
{
    if (!m_link->IsIdle()) {
        // A stopped transfer's worker ends its block and the connection by itself.
        QEventLoop wait;
        QTimer poll;
        connect(&poll, &QTimer::timeout, &wait, [this, &wait] {
            if (m_link->IsIdle())
                wait.quit();
        });
        poll.start(10);
        wait.exec(QEventLoop::ExcludeUserInputEvents);
    }
    m_link->Stop(); // joins the finished worker
    m_link->SetDevicePath(m_services.Config().commPortDevice(int(m_link->GetPortSetting().port)));
}

void CMainFrame::download()
{
    core::CDorvaneDoc *doc = document();
    if (!doc)
        return;
    prepareLink();
    CQtPanelUi panel(this);
    core::CProjectTransfer transfer(m_services, *m_link, panel);
    const auto &config = m_services.Config();
    const QString language
            = QString::fromStdString(config.languages().nameOf(doc->Param16(core::kParamLanguage)));
    // A failed transfer brings the dialog back, so that the port can be changed or the
    // transfer tried again; its Cancel ends the loop.
    for (;;) {
        CDownDialog dialog(m_services.Config(), core::CDownDlg::Mode::Download, true, language,
                           this);
        panel.setParent(&dialog);
        panel.setBeforeProgress([this, &dialog, &panel] {
            dialog.hide();
            panel.setParent(this);
        });
        dialog.setTransfer([this, &transfer, doc](const core::CDownDlg &choice) {
            m_link->SetPortSetting(choice.PortSetting());
            prepareLink();
            return transfer.Download(*doc, choice.Groups());
        });
        const int result = dialog.exec();
        panel.setParent(this);
        if (result != QDialog::Accepted || dialog.outcome() != core::TransferOutcome::Failed)
            return;
    }
}

void CMainFrame::upload()
{
    prepareLink();
    CQtPanelUi panel(this);
    core::CProjectTransfer transfer(m_services, *m_link, panel);
    // The open project's windows go before its screens are rebuilt; a preview that was showing
    // comes back on the uploaded project, in the panel language it brings.
    bool previewShown = false;
    transfer.SetBeforeRebuild([this, &previewShown] {
        previewShown = m_preview && m_preview->isVisible();
        m_preview.reset();
        discardViews();
        m_project->rebuild(nullptr, panelLangId());
    });
    for (;;) {
        core::CDorvaneDoc *open = document();
        std::unique_ptr<core::CDorvaneDoc> created;
        CDownDialog dialog(m_services.Config(), core::CDownDlg::Mode::Upload, open != nullptr, {},
                           this);
        panel.setParent(&dialog);
        panel.setBeforeProgress([this, &dialog, &panel] {
            dialog.hide();
            panel.setParent(this);
        });
        dialog.setTransfer([&](const core::CDownDlg &choice) {
            m_link->SetPortSetting(choice.PortSetting());
            prepareLink();
            return transfer.Upload(open, choice.Groups(), created);
        });
        const int result = dialog.exec();
        panel.setParent(this);
        const core::TransferOutcome outcome = dialog.outcome();
        if (result == QDialog::Accepted && outcome == core::TransferOutcome::Done) {
            m_controller->adoptUploaded(std::move(created));
            if (previewShown)
                showPreview(false);
            return;
        }
        if (created)
            created->CloseDocument();
        if (open && document() == open && m_mdi->subWindowList().isEmpty())
            documentChanged(); // a rebuild that failed half way closed the project's windows
        if (result != QDialog::Accepted || outcome != core::TransferOutcome::Failed)
            return;
    }
}

void CMainFrame::downloadFont(const QString &path)
{
    QString file = path;
    if (file.isEmpty()) {
        file = QFileDialog::getOpenFileName(this, tr("폰트"),
                                            QString::fromStdString(m_services.Config().fontsDir()),
                                            tr("Font Files(*.BMA);;All Files (*.*)"));
        if (file.isEmpty())
            return;
    }
    prepareLink();
    CQtPanelUi panel(this);
    comm::DownloadFont(*m_link, panel, file.toStdString(),
                       m_services.Areas().Buffer(core::AreaId::Font));
}

void CMainFrame::eraseMemory()
{
    prepareLink();
    CQtPanelUi panel(this);
    comm::ErasePanelMemory(*m_link, panel);
}

void CMainFrame::showPanelClock()
{
    prepareLink();
    CQtPanelUi panel(this);
    ui::showPanelClock(this, *m_link, panel);
}

void CMainFrame::setPanelPassword()
{
    prepareLink();
    CQtPanelUi panel(this);
    ui::setPanelPassword(this, *m_link, panel);
}

void CMainFrame::removePanelPassword()
{
    prepareLink();
    CQtPanelUi panel(this);
    ui::removePanelPassword(*m_link, panel);
}

void CMainFrame::showAlarmHistory()
{
    prepareLink();
    CQtPanelUi panel(this);
    ui::showAlarmHistory(this, *m_link, panel, m_services, document());
}

void CMainFrame::deleteAlarmHistory()
{
    prepareLink();
    CQtPanelUi panel(this);
    ui::deleteAlarmHistory(*m_link, panel);
}

void CMainFrame::startOsDownloader()
{
    CQtPanelUi panel(this);
    core::StartOsDownloader(m_services.Config().exeDir(), panel);
}

void CMainFrame::showSystemInfo()
{
    prepareLink();
    CQtPanelUi panel(this);
    CSysInfoDialog dialog(*m_link, panel, this);
    panel.setParent(&dialog);
    dialog.setPrepare([this] { prepareLink(); });
    dialog.exec();
}

} // namespace ui
