#pragma once

// The dialogs the main window's commands open, built and configured in one place: the commands
// run them and the dialog gallery draws them, so that a gallery picture is the window the user
// gets. What only a running command can give (the project's folder, a repaint, the undo step of
// OK) stays with the command.

#include "ui/dialogs/record_list_dialog.h"

#include "core/presenters/function_env.h"

#include <QPointer>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

class QWidget;

namespace core {
class CAppConfig;
class CDorvaneDoc;
class CImgResMgr;
class CMemoryMonitor;
class CMessageTable;
class CScreenData;
class CStrResMgr;
} // namespace core

namespace ui {

class CCommBasicDialog;
class CCommParaDialog;
class CEditStrsDialog;
class CEnvConfigDialog;
class CFuncKeyDialog;
class CFuncKeyListDialog;
class CGridSnapDialog;
class CImgViewerDialog;
class CMemoryUseDialog;
class CMsgEditDialog;
class CNewScreenDialog;
class CPictureExportDialog;
class CPrjMgnDialog;
class CReportSetupDialog;
class CScreenPropDialog;
class CTagListDialog;
class CUsedSysMemDialog;

// --- screens -------------------------------------------------------------------------------------
// Key 0-7 of the screen, as the screen holds it.
std::unique_ptr<CFuncKeyDialog> makeFuncKeyDialog(const core::FunctionEnv &env,
                                                  const core::CDorvaneDoc &doc,
                                                  const core::CScreenData &screen, int key,
                                                  QWidget *parent = nullptr);
std::unique_ptr<CFuncKeyListDialog> makeFuncKeyListDialog(const core::FunctionEnv &env,
                                                          const core::CScreenData &screen,
                                                          QWidget *parent = nullptr);
std::unique_ptr<CScreenPropDialog> makeScreenPropDialog(core::CDorvaneDoc &doc,
                                                        std::uint16_t panelLangId,
                                                        core::CScreenData &screen,
                                                        QWidget *parent = nullptr);
std::unique_ptr<CNewScreenDialog>
makeNewScreenDialog(core::CDorvaneDoc &doc, std::uint16_t panelLangId, QWidget *parent = nullptr);
std::unique_ptr<CTagListDialog> makeTagListDialog(const core::CScreenData &screen,
                                                  std::uint16_t panelLangId,
                                                  QWidget *parent = nullptr);

// --- the editor and the project ------------------------------------------------------------------
std::unique_ptr<CGridSnapDialog> makeGridSnapDialog(const core::CAppConfig &config,
                                                    QWidget *parent = nullptr);
std::unique_ptr<CEnvConfigDialog> makeEnvConfigDialog(core::CAppConfig &config,
                                                      QWidget *parent = nullptr);
std::unique_ptr<CMemoryUseDialog> makeMemoryUseDialog(const core::CMemoryMonitor &monitor,
                                                      QWidget *parent = nullptr);
std::unique_ptr<CPrjMgnDialog> makeNewProjectDialog(core::CAppConfig &config,
                                                    std::uint16_t panelLanguage,
                                                    QWidget *parent = nullptr);
std::unique_ptr<CCommBasicDialog> makePanelSettingsDialog(const core::CAppConfig &config,
                                                          const core::CDorvaneDoc &doc,
                                                          QWidget *parent = nullptr);
// Channel 1 or 2, with the configuration controls and the station lists of the project folder.
std::unique_ptr<CCommParaDialog> makeChannelSettingsDialog(const core::CAppConfig &config,
                                                           const core::CDorvaneDoc &doc,
                                                           int channel, QWidget *parent = nullptr);

// --- common functions ----------------------------------------------------------------------------
std::unique_ptr<CEditStrsDialog> makeMessageManager(const core::FunctionEnv &env,
                                                    core::CStrResMgr &strings,
                                                    QWidget *parent = nullptr);
std::unique_ptr<CMsgEditDialog> makeMessageTableDialog(const core::FunctionEnv &env,
                                                       core::CStrResMgr &strings,
                                                       core::CMessageTable &table,
                                                       QWidget *parent = nullptr);
// The registered images with the screens using them; `removeUnused` runs the removal button.
std::unique_ptr<CImgViewerDialog> makeImageViewer(const core::FunctionEnv &env,
                                                  const core::CImgResMgr &images,
                                                  const core::CDorvaneDoc &doc,
                                                  std::function<void()> removeUnused = {},
                                                  QWidget *parent = nullptr);
std::unique_ptr<CUsedSysMemDialog> makeUsedSysMemDialog(const core::CDorvaneDoc &doc,
                                                        QWidget *parent = nullptr);

// One of the four common-function lists over the project's records: the list presenter, the
// window's source, and the record editor its buttons open over the list window. It outlives the
// dialog it makes.
template<typename List, typename EditorDialog>
class CFunctionListRun
{
public:
    template<typename Records>
    CFunctionListRun(const core::FunctionEnv &env, Records &records)
        : m_env(env)
        , m_list(env)
        , m_source(m_list, [this](auto &editor) {
            EditorDialog dialog(m_env, editor, m_owner.data());
            return dialog.exec() == QDialog::Accepted;
        })
    {
        m_list.Open(records);
    }
    CFunctionListRun(const CFunctionListRun &) = delete;
    CFunctionListRun &operator=(const CFunctionListRun &) = delete;

    List &list() { return m_list; }
    std::unique_ptr<CRecordListDialog> makeDialog(const QString &title, QWidget *parent = nullptr)
    {
        auto dialog = std::make_unique<CRecordListDialog>(title, m_source, parent);
        m_owner = dialog.get();
        return dialog;
    }

private:
    const core::FunctionEnv &m_env;
    List m_list;
    CRecordListSourceOf<List> m_source;
    QPointer<QWidget> m_owner;
};

// --- printing ------------------------------------------------------------------------------------
// Over the project's screens, `current` (a screen number, or -1) chosen first.
std::unique_ptr<CReportSetupDialog> makeReportSetupDialog(const core::CDorvaneDoc &doc, int current,
                                                          QWidget *parent = nullptr);
std::unique_ptr<CPictureExportDialog>
makePictureExportDialog(const core::CDorvaneDoc &doc, int current, QWidget *parent = nullptr);

} // namespace ui
