// The Help menu of the main window: the manual and the About box.

#include "ui/app/main_frame.h"

#include "ui/common/message_box.h"
#include "ui/help/about_dialog.h"
#include "ui/help/help_window.h"

#include "core/app/app_config.h"
#include "core/app/app_services.h"
#include "core/app/help_info.h"

#include <QDir>

namespace ui {

void CMainFrame::showManual()
{
    if (auto *open = findChild<CHelpWindow *>()) {
        open->show();
        open->raise();
        open->activateWindow();
        return;
    }
    const core::CAppConfig &config = services().Config();
    const QString file = QString::fromStdString(
            core::manualPath(config.resources(), config.resourceLang(), config.exeDir()));
    if (file.isEmpty()) {
        const QString wanted
                = QString::fromStdString(config.resources().helpOf(config.resourceLang()));
        showMessage(
                this, 0,
                tr("사용 설명서를 찾을 수 없습니다: %1")
                        .arg(QDir::toNativeSeparators(
                                QDir(QString::fromStdString(config.exeDir())).filePath(wanted))));
        return;
    }
    auto *window = new CHelpWindow(file, this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
}

void CMainFrame::showAbout()
{
    CAboutDialog(services().Config(), QStringLiteral(DORVANE_VERSION), this).exec();
}

} // namespace ui
