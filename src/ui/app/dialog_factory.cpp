#include "ui/app/dialog_factory.h"

#include "ui/dialogs/comm_basic_dialog.h"
#include "ui/dialogs/comm_para_dialog.h"
#include "ui/dialogs/edit_strs_dialog.h"
#include "ui/dialogs/env_config_dialog.h"
#include "ui/dialogs/func_key_dialog.h"
#include "ui/dialogs/func_key_list_dialog.h"
#include "ui/dialogs/grid_snap_dialog.h"
#include "ui/dialogs/img_viewer_dialog.h"
#include "ui/dialogs/memory_use_dialog.h"
#include "ui/dialogs/msg_edit_dialog.h"
#include "ui/dialogs/prj_mgn_dialog.h"
#include "ui/dialogs/used_sys_mem_dialog.h"
#include "ui/print/picture_export_dialog.h"
#include "ui/print/report_setup_dialog.h"
#include "ui/project/new_screen_dialog.h"
#include "ui/project/screen_prop_dialog.h"
#include "ui/project/tag_list_dialog.h"

#include "core/app/app_config.h"
#include "core/model/dorvane_doc.h"
#include "core/model/screen_data.h"
#include "core/presenters/used_sys_mem_dlg.h"
#include "core/report/screen_scope.h"

#include <QCoreApplication>

namespace ui {

std::unique_ptr<CFuncKeyDialog> makeFuncKeyDialog(const core::FunctionEnv &env,
                                                  const core::CDorvaneDoc &doc,
                                                  const core::CScreenData &screen, int key,
                                                  QWidget *parent)
{
    const auto index = std::size_t(key);
    return std::make_unique<CFuncKeyDialog>(env, key,
                                            core::CFuncKeyRecord(screen.FunctionKey(index)),
                                            doc.IsCommonKey(index), parent);
}

std::unique_ptr<CFuncKeyListDialog> makeFuncKeyListDialog(const core::FunctionEnv &env,
                                                          const core::CScreenData &screen,
                                                          QWidget *parent)
{
    return std::make_unique<CFuncKeyListDialog>(env, screen, env.panelLang, parent);
}

std::unique_ptr<CScreenPropDialog> makeScreenPropDialog(core::CDorvaneDoc &doc,
                                                        std::uint16_t panelLangId,
                                                        core::CScreenData &screen, QWidget *parent)
{
    return std::make_unique<CScreenPropDialog>(doc, panelLangId, screen, parent);
}

std::unique_ptr<CNewScreenDialog> makeNewScreenDialog(core::CDorvaneDoc &doc,
                                                      std::uint16_t panelLangId, QWidget *parent)
{
    return std::make_unique<CNewScreenDialog>(doc, panelLangId, parent);
}

std::unique_ptr<CTagListDialog> makeTagListDialog(const core::CScreenData &screen,
                                                  std::uint16_t panelLangId, QWidget *parent)
{
    return std::make_unique<CTagListDialog>(screen, panelLangId, parent);
}

std::unique_ptr<CGridSnapDialog> makeGridSnapDialog(const core::CAppConfig &config, QWidget *parent)
{
    return std::make_unique<CGridSnapDialog>(config.grid(), parent);
}

std::unique_ptr<CEnvConfigDialog> makeEnvConfigDialog(core::CAppConfig &config, QWidget *parent)
{
    return std::make_unique<CEnvConfigDialog>(config, parent);
}

std::unique_ptr<CMemoryUseDialog> makeMemoryUseDialog(const core::CMemoryMonitor &monitor,
                                                      QWidget *parent)
{
    return std::make_unique<CMemoryUseDialog>(monitor, parent);
}

std::unique_ptr<CPrjMgnDialog> makeNewProjectDialog(core::CAppConfig &config,
                                                    std::uint16_t panelLanguage, QWidget *parent)
{
    return std::make_unique<CPrjMgnDialog>(config, panelLanguage, parent);
}

std::unique_ptr<CCommBasicDialog> makePanelSettingsDialog(const core::CAppConfig &config,
                                                          const core::CDorvaneDoc &doc,
                                                          QWidget *parent)
{
    return std::make_unique<CCommBasicDialog>(doc.Slots(), config.languages(), doc.Parameters(),
                                              parent);
}

std::unique_ptr<CCommParaDialog> makeChannelSettingsDialog(const core::CAppConfig &config,
                                                           const core::CDorvaneDoc &doc,
                                                           int channel, QWidget *parent)
{
    auto dialog = std::make_unique<CCommParaDialog>(core::CChannelParams(doc.Channel(channel)),
                                                    true, parent);
    dialog->setStationFolder(QString::fromStdString(config.projectDir()));
    // The main window's text: the channel command names it.
    dialog->setWindowTitle(
            QCoreApplication::translate("ui::CMainFrame", "통신 설정 - 채널 %1").arg(channel));
    return dialog;
}

std::unique_ptr<CEditStrsDialog> makeMessageManager(const core::FunctionEnv &env,
                                                    core::CStrResMgr &strings, QWidget *parent)
{
    return std::make_unique<CEditStrsDialog>(env, strings, parent);
}

std::unique_ptr<CMsgEditDialog> makeMessageTableDialog(const core::FunctionEnv &env,
                                                       core::CStrResMgr &strings,
                                                       core::CMessageTable &table, QWidget *parent)
{
    return std::make_unique<CMsgEditDialog>(env, strings, table, parent);
}

std::unique_ptr<CImgViewerDialog>
makeImageViewer(const core::FunctionEnv &env, const core::CImgResMgr &images,
                const core::CDorvaneDoc &doc, std::function<void()> removeUnused, QWidget *parent)
{
    return std::make_unique<CImgViewerDialog>(env, images, doc.Screens(), std::move(removeUnused),
                                              parent);
}

std::unique_ptr<CUsedSysMemDialog> makeUsedSysMemDialog(const core::CDorvaneDoc &doc,
                                                        QWidget *parent)
{
    return std::make_unique<CUsedSysMemDialog>(core::CUsedSysMemDlg(doc), parent);
}

std::unique_ptr<CReportSetupDialog> makeReportSetupDialog(const core::CDorvaneDoc &doc, int current,
                                                          QWidget *parent)
{
    return std::make_unique<CReportSetupDialog>(doc.Slots(), core::screenNumbers(doc), current,
                                                parent);
}

std::unique_ptr<CPictureExportDialog> makePictureExportDialog(const core::CDorvaneDoc &doc,
                                                              int current, QWidget *parent)
{
    return std::make_unique<CPictureExportDialog>(doc.Slots(), core::screenNumbers(doc), current,
                                                  parent);
}

} // namespace ui
