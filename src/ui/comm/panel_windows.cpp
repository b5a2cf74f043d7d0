#include "ui/comm/panel_windows.h"

#include "ui/comm/alarm_hist_dialog.h"
#include "ui/comm/date_time_dialog.h"
#include "ui/comm/pwd_dialog.h"

#include "core/app/app_services.h"
#include "core/comm/panel_commands.h"
#include "core/presenters/alarm_hist_dlg.h"

namespace ui {

void showPanelClock(QWidget *parent, comm::CCommThread &link, comm::IPanelUi &ui)
{
    CDateTimeDialog dialog(link, ui, parent);
    dialog.startReading();
    dialog.exec();
}

void setPanelPassword(QWidget *parent, comm::CCommThread &link, comm::IPanelUi &ui)
{
    CPwdDialog dialog(link, ui, parent);
    dialog.exec();
}

bool removePanelPassword(comm::CCommThread &link, comm::IPanelUi &ui)
{
    return comm::RemovePanelPassword(link, ui);
}

void showAlarmHistory(QWidget *parent, comm::CCommThread &link, comm::IPanelUi &ui,
                      core::CAppServices &services, const core::CDorvaneDoc *doc)
{
    core::CAppConfig &config = services.Config();
    core::CAlarmHistDlg presenter(config.alarmDbPath(), config.exeDir(),
                                  doc ? core::panelTextConverter(doc->PanelLangId())
                                      : comm::TextConverter{},
                                  core::panelTextChooser(config));
    CAlarmHistDialog dialog(presenter, link, ui, parent);
    QObject::connect(&dialog, &CAlarmHistDialog::databaseFileChanged, &dialog,
                     [&config](const QString &path) { config.setAlarmDbPath(path.toStdString()); });
    dialog.exec();
}

bool deleteAlarmHistory(comm::CCommThread &link, comm::IPanelUi &ui)
{
    return comm::DeletePanelAlarmHistory(link, ui);
}

} // namespace ui
