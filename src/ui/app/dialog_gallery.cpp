#include "ui/app/dialog_gallery.h"
#include "ui/print/picture_export_dialog.h"
#include "ui/print/report_setup_dialog.h"

#include "core/report/screen_scope.h"

#include "ui/app/dialog_factory.h"
#include "ui/app/main_frame.h"
#include "ui/comm/alarm_hist_dialog.h"
#include "ui/comm/alarm_search_dialog.h"
#include "ui/comm/comm_text.h"
#include "ui/comm/date_time_dialog.h"
#include "ui/comm/down_dialog.h"
#include "ui/comm/input_pwd_dialog.h"
#include "ui/comm/progress_dialog.h"
#include "ui/comm/pwd_dialog.h"
#include "ui/comm/qt_panel_ui.h"
#include "ui/comm/sys_info_dialog.h"
#include "ui/common/qt_prompt.h"
#include "ui/dialogs/alarm_edit_dialog.h"
#include "ui/dialogs/calc_edit_dialog.h"
#include "ui/dialogs/com_port_dialog.h"
#include "ui/dialogs/comm_basic_dialog.h"
#include "ui/dialogs/comm_para_dialog.h"
#include "ui/dialogs/edit_strs_dialog.h"
#include "ui/dialogs/env_config_dialog.h"
#include "ui/dialogs/func_key_dialog.h"
#include "ui/dialogs/func_key_list_dialog.h"
#include "ui/dialogs/grid_snap_dialog.h"
#include "ui/dialogs/image_lib_add_dialog.h"
#include "ui/dialogs/image_lib_cell.h"
#include "ui/dialogs/image_lib_dialog.h"
#include "ui/dialogs/img_viewer_dialog.h"
#include "ui/dialogs/memory_use_dialog.h"
#include "ui/dialogs/msg_edit_dialog.h"
#include "ui/dialogs/plc_type_dialog.h"
#include "ui/dialogs/prj_mgn_dialog.h"
#include "ui/dialogs/record_list_dialog.h"
#include "ui/dialogs/reserve_edit_dialog.h"
#include "ui/dialogs/sys_addr_dialog.h"
#include "ui/dialogs/trans_edit_dialog.h"
#include "ui/dialogs/used_sys_mem_dialog.h"
#include "ui/preview/plc_connect_dialog.h"
#include "ui/project/address_replace_dialog.h"
#include "ui/project/new_screen_dialog.h"
#include "ui/project/screen_prop_dialog.h"
#include "ui/project/tag_list_dialog.h"
#include "ui/project/xref_dialog.h"
#include "ui/tags/tag_prop_dialogs.h"

#include "core/app/app_services.h"
#include "core/comm/comm_thread.h"
#include "core/comm/panel_ui.h"
#include "core/model/dorvane_doc.h"
#include "core/model/img_res_mgr.h"
#include "core/presenters/alarm_dlg.h"
#include "core/presenters/alarm_hist_dlg.h"
#include "core/presenters/calc_dlg.h"
#include "core/presenters/message_tag_table.h"
#include "core/presenters/reserve_dlg.h"
#include "core/presenters/trans_dlg.h"
#include "core/presenters/used_sys_mem_dlg.h"
#include "core/tags/message_tag.h"
#include "core/tags/tag_factory.h"
#include "core/tags/tag_kinds.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLineEdit>

#include <cstdio>

namespace ui {

namespace {

// What a gallery dialog keeps alive beside the window: a prompt for its presenter and the
// objects it was opened on.
struct Scratch
{
    explicit Scratch(CMainFrame &frame)
        : prompt(&frame)
        , env{frame.document()->Slots(), prompt, frame.panelLangId()}
    { }
    CQtPrompt prompt;
    core::FunctionEnv env;
    std::unique_ptr<core::CTag> tag;
    std::unique_ptr<core::CMessageTagTable> table;
    std::unique_ptr<QDialog> owner;
    std::shared_ptr<void> presenter; // a list or editor presenter the dialog works on
};

core::CScreenData &firstScreen(CMainFrame &frame)
{
    return *frame.document()->Screens().front();
}

// The printing windows start on the project's first screen (the command: the open one).
int firstScreenNumber(CMainFrame &frame)
{
    const std::vector<std::uint16_t> screens = core::screenNumbers(*frame.document());
    return screens.empty() ? -1 : int(screens[0]);
}

// The project's first tag of `kind` with its screen's number; a new tag of the kind (kept by
// `scratch`) when the project has none.
std::pair<core::CTag *, std::uint16_t> tagOfKind(CMainFrame &frame, int kind, Scratch &scratch)
{
    for (const auto &screen : frame.document()->Screens())
        for (const auto &tag : screen->Tags())
            if (tag->Kind() == kind)
                return {tag.get(), screen->Number()};
    scratch.tag = core::createTag(kind, &frame.document()->Resources());
    return {scratch.tag.get(), firstScreen(frame).Number()};
}

GalleryEntry tagEntry(const QString &name, int kind)
{
    return {name, QStringLiteral("tags"), [kind](CMainFrame &frame) {
                auto scratch = std::make_shared<Scratch>(frame);
                auto [tag, screen] = tagOfKind(frame, kind, *scratch);
                GalleryDialog out;
                out.dialog = makeTagPropDialog(frame.tagDialogContext(screen), *tag, nullptr);
                out.keep = scratch;
                return out;
            }};
}

template<typename Make>
GalleryEntry entry(const char *name, const char *family, Make make)
{
    return {QString::fromLatin1(name), QString::fromLatin1(family), [make](CMainFrame &frame) {
                auto scratch = std::make_shared<Scratch>(frame);
                GalleryDialog out;
                out.dialog = make(frame, *scratch);
                out.keep = scratch;
                return out;
            }};
}

// A common-function list over the document's records, as its command runs it.
template<typename List, typename EditorDialog, typename Raw>
GalleryEntry listEntry(const char *name, const char *title,
                       std::vector<Raw> &(core::CDorvaneDoc::*records)())
{
    // The title is translated when the window opens: the gallery outlives a language change.
    return entry(name, "functions", [title, records](CMainFrame &frame, Scratch &s) {
        auto run = std::make_shared<CFunctionListRun<List, EditorDialog>>(
                s.env, (frame.document()->*records)());
        auto dialog = run->makeDialog(QObject::tr(title));
        s.presenter = run;
        return dialog;
    });
}

// A record editor over a fresh presenter (its defaults).
template<typename Presenter, typename Dialog>
GalleryEntry editorEntry(const char *name)
{
    return entry(name, "functions", [](CMainFrame &, Scratch &s) {
        auto presenter = std::make_shared<Presenter>(s.env);
        auto dialog = std::make_unique<Dialog>(s.env, *presenter);
        s.presenter = presenter;
        return dialog;
    });
}

// The panel windows are drawn over a link that is never connected: nothing reaches a panel, and a
// question or message (there is none while drawing) is answered no and printed.
class GalleryPanelUi : public comm::IPanelUi
{
public:
    bool ask(const comm::CommText &) override { return false; }
    void message(const comm::CommText &text, Icon, const comm::CommText &) override
    {
        std::fprintf(stderr, "dorvane: %s\n", commText(text).toUtf8().constData());
    }
    std::optional<std::string> askPanelPassword() override { return std::nullopt; }
};

struct PanelScratch
{
    comm::CCommThread link;
    GalleryPanelUi ui;
    std::unique_ptr<core::CAlarmHistDlg> history;
    std::unique_ptr<core::CAlarmSearchDlg> search;
};

// A history the demo panel could have kept: its messages are the demo's own alarm messages.
const std::vector<comm::AlarmRow> kSampleAlarms = {
        {"2026-11-30 09:15:00", "2026-11-30 09:20:00", "모터 과부하"},
        {"2026-12-01 10:00:00", "", "탱크 수위 낮음"},
};

template<typename Make>
GalleryEntry panelEntry(const char *name, Make make)
{
    return {QString::fromLatin1(name), QStringLiteral("panel"), [make](CMainFrame &frame) {
                auto scratch = std::make_shared<PanelScratch>();
                GalleryDialog out;
                out.dialog = make(frame, *scratch);
                out.keep = scratch;
                return out;
            }};
}

void addPanelWindows(std::vector<GalleryEntry> &g)
{
    g.push_back(panelEntry("CDateTimeDialog", [](CMainFrame &, PanelScratch &s) {
        return std::make_unique<CDateTimeDialog>(s.link, s.ui);
    }));
    g.push_back(panelEntry("CPwdDialog", [](CMainFrame &, PanelScratch &s) {
        return std::make_unique<CPwdDialog>(s.link, s.ui);
    }));
    g.push_back(panelEntry("CAlarmHistDialog", [](CMainFrame &frame, PanelScratch &s) {
        const core::CAppConfig &config = frame.services().Config();
        s.history = std::make_unique<core::CAlarmHistDlg>(config.alarmDbPath(), config.exeDir(),
                                                          comm::TextConverter{});
        s.history->AddRows(kSampleAlarms);
        return std::make_unique<CAlarmHistDialog>(*s.history, s.link, s.ui);
    }));
    g.push_back(panelEntry("CAlarmSearchDialog", [](CMainFrame &, PanelScratch &s) {
        comm::AlarmSearch range;
        range.start = range.end = comm::localClockNow();
        std::vector<std::string> stored;
        for (const auto &row : kSampleAlarms)
            stored.push_back(row.message);
        s.search = std::make_unique<core::CAlarmSearchDlg>(range, stored);
        return std::make_unique<CAlarmSearchDialog>(*s.search, s.ui);
    }));
}

// The communication windows: they open over the frame's link and do not talk to the panel.
void appendCommEntries(std::vector<GalleryEntry> &g)
{
    const auto language = [](CMainFrame &frame) {
        const auto &config = frame.services().Config();
        return QString::fromStdString(
                config.languages().nameOf(frame.document()->Param16(core::kParamLanguage)));
    };
    g.push_back(entry("CDownDialog", "communication", [language](CMainFrame &frame, Scratch &) {
        return std::make_unique<CDownDialog>(frame.services().Config(),
                                             core::CDownDlg::Mode::Download, true, language(frame));
    }));
    g.push_back(entry("CDownDialog-upload", "communication", [](CMainFrame &frame, Scratch &) {
        return std::make_unique<CDownDialog>(frame.services().Config(),
                                             core::CDownDlg::Mode::Upload, true, QString());
    }));
    g.push_back(entry("CInputPwdDialog", "communication",
                      [](CMainFrame &, Scratch &) { return std::make_unique<CInputPwdDialog>(); }));
    struct Comm
    {
        explicit Comm(CMainFrame &frame)
            : ui(&frame)
        { }
        CQtPanelUi ui;
        comm::CProgressModel model;
        std::vector<std::uint8_t> buffer = std::vector<std::uint8_t>(16);
    };
    g.push_back({QStringLiteral("CProgressDialog"), QStringLiteral("communication"),
                 [](CMainFrame &frame) {
                     auto c = std::make_shared<Comm>(frame);
                     std::vector<comm::COMM_CMD> commands;
                     for (char sub : {'G', 'R', 'S', 'C'})
                         commands.push_back({'w', std::uint8_t(sub), c->buffer, 16, 0, 0});
                     c->model.setCommands(std::move(commands));
                     c->model.setDownload(true);
                     GalleryDialog out;
                     out.dialog = std::make_unique<CProgressDialog>(frame.link(), c->model, c->ui);
                     out.keep = c;
                     return out;
                 }});
    g.push_back({QStringLiteral("CSysInfoDialog"), QStringLiteral("communication"),
                 [](CMainFrame &frame) {
                     auto c = std::make_shared<Comm>(frame);
                     GalleryDialog out;
                     out.dialog = std::make_unique<CSysInfoDialog>(frame.link(), c->ui);
                     out.keep = c;
                     return out;
                 }});
}

std::vector<GalleryEntry> buildGallery()
{
    using namespace core;
    std::vector<GalleryEntry> g = {
            tagEntry(QStringLiteral("CDigitTagDialog"), kTagDigit),
            tagEntry(QStringLiteral("CMessageTagDialog"), kTagMessage),
            tagEntry(QStringLiteral("CTextTagDialog"), kTagText),
            tagEntry(QStringLiteral("CBmpTextTagDialog"), kTagBmpText),
            tagEntry(QStringLiteral("CLampTagDialog"), kTagLamp),
            tagEntry(QStringLiteral("CButtonTagDialog"), kTagButton),
            tagEntry(QStringLiteral("CBitmapTagDialog"), kTagBitmap),
            tagEntry(QStringLiteral("CMotorTagDialog"), kTagMotor),
            tagEntry(QStringLiteral("CMobileTagDialog"), kTagMobile),
            tagEntry(QStringLiteral("CGraphTagDialog"), kTagGraph1),
            tagEntry(QStringLiteral("CGraphTagDialog-trend"), kTagGraph2),
            tagEntry(QStringLiteral("CPieTagDialog"), kTagPie),
            tagEntry(QStringLiteral("CClockTagDialog"), kTagClock),
            tagEntry(QStringLiteral("CLineTagDialog"), kTagLine),
            tagEntry(QStringLiteral("CRectTagDialog"), kTagRect),
            tagEntry(QStringLiteral("CCircleTagDialog"), kTagCircle),
    };
    g.push_back(entry("CSysAddrDialog", "addresses", [](CMainFrame &frame, Scratch &) {
        const bool plc = frame.document()->Slots().slot(1).DeviceKind() == kDevicePlc;
        return std::make_unique<CSysAddrDialog>(frame.document()->Slots(), plc ? 1 : 0, kAddrWord,
                                                false, "", plc ? "1" : "900");
    }));
    g.push_back(entry("CSysAddrDialog-panel", "addresses", [](CMainFrame &frame, Scratch &) {
        return std::make_unique<CSysAddrDialog>(frame.document()->Slots(), 0, kAddrWord, false, "",
                                                "900");
    }));
    g.push_back(entry("CImageLibDialog", "images", [](CMainFrame &frame, Scratch &s) {
        return std::make_unique<CImageLibDialog>(s.env, frame.services().Config().imagesDir(),
                                                 1000);
    }));
    g.push_back(entry("CImageLibAddDialog", "images", [](CMainFrame &frame, Scratch &s) {
        auto library = std::make_unique<CImageLibDialog>(
                s.env, frame.services().Config().imagesDir(), 1000);
        auto add = std::make_unique<CImageLibAddDialog>(library->presenter());
        s.owner = std::move(library);
        return add;
    }));
    g.push_back(entry("CMsgEditDialog", "messages", [](CMainFrame &frame, Scratch &s) {
        auto [tag, screen] = tagOfKind(frame, kTagMessage, s);
        (void)screen;
        s.table = std::make_unique<CMessageTagTable>(static_cast<CMessageTag &>(*tag));
        return makeMessageTableDialog(s.env, frame.document()->Strings(), *s.table);
    }));
    g.push_back(entry("CEditStrsDialog", "messages", [](CMainFrame &frame, Scratch &s) {
        return makeMessageManager(s.env, frame.document()->Strings());
    }));
    g.push_back(entry("CFuncKeyDialog", "screens", [](CMainFrame &frame, Scratch &s) {
        return makeFuncKeyDialog(s.env, *frame.document(), firstScreen(frame), 0);
    }));
    g.push_back(entry("CFuncKeyListDialog", "screens", [](CMainFrame &frame, Scratch &s) {
        return makeFuncKeyListDialog(s.env, firstScreen(frame));
    }));
    g.push_back(entry("CScreenPropDialog", "screens", [](CMainFrame &frame, Scratch &) {
        return makeScreenPropDialog(*frame.document(), frame.panelLangId(), firstScreen(frame));
    }));
    g.push_back(entry("CNewScreenDialog", "screens", [](CMainFrame &frame, Scratch &) {
        return makeNewScreenDialog(*frame.document(), frame.panelLangId());
    }));
    g.push_back(entry("CTagListDialog", "screens", [](CMainFrame &frame, Scratch &) {
        return makeTagListDialog(firstScreen(frame), frame.panelLangId());
    }));
    g.push_back(entry("CGridSnapDialog", "editor", [](CMainFrame &frame, Scratch &) {
        return makeGridSnapDialog(frame.services().Config());
    }));
    g.push_back(entry("CEnvConfigDialog", "editor", [](CMainFrame &frame, Scratch &) {
        return makeEnvConfigDialog(frame.services().Config());
    }));
    g.push_back(entry("CMemoryUseDialog", "editor", [](CMainFrame &frame, Scratch &) {
        return makeMemoryUseDialog(frame.document()->Monitor());
    }));
    g.push_back(entry("CPrjMgnDialog", "project", [](CMainFrame &frame, Scratch &) {
        // A new project proposes the computer's panel language, as the command does.
        return makeNewProjectDialog(frame.services().Config(),
                                    frame.services().DefaultPanelLanguage());
    }));
    g.push_back(entry("CCommBasicDialog", "project", [](CMainFrame &frame, Scratch &) {
        return makePanelSettingsDialog(frame.services().Config(), *frame.document());
    }));
    g.push_back(entry("CCommParaDialog", "project", [](CMainFrame &frame, Scratch &) {
        return makeChannelSettingsDialog(frame.services().Config(), *frame.document(), 1);
    }));
    g.push_back(entry("CPlcTypeDialog", "project", [](CMainFrame &frame, Scratch &s) {
        return std::make_unique<CPlcTypeDialog>(frame.services().Config(), *frame.document(),
                                                s.prompt);
    }));
    g.push_back(entry("CComPortDialog", "project", [](CMainFrame &frame, Scratch &) {
        return std::make_unique<CComPortDialog>(frame.services().Config());
    }));
    g.push_back(listEntry<CAlarmDlg, CAlarmEditDialog>(
            "CRecordListDialog", QT_TRANSLATE_NOOP("QObject", "경보"), &CDorvaneDoc::Alarms));
    g.push_back(listEntry<CCalcDlg, CCalcEditDialog>("CRecordListDialog-calculations",
                                                     QT_TRANSLATE_NOOP("QObject", "연산"),
                                                     &CDorvaneDoc::Calculations));
    g.push_back(listEntry<CTransDlg, CTransEditDialog>("CRecordListDialog-transfers",
                                                       QT_TRANSLATE_NOOP("QObject", "블록통신"),
                                                       &CDorvaneDoc::Transfers));
    g.push_back(listEntry<CReserveDlg, CReserveEditDialog>("CRecordListDialog-reservations",
                                                           QT_TRANSLATE_NOOP("QObject", "예약"),
                                                           &CDorvaneDoc::Reservations));
    g.push_back(editorEntry<CAlarmEditDlg, CAlarmEditDialog>("CAlarmEditDialog"));
    g.push_back(editorEntry<CCalcEditDlg, CCalcEditDialog>("CCalcEditDialog"));
    g.push_back(editorEntry<CTransEditDlg, CTransEditDialog>("CTransEditDialog"));
    g.push_back(editorEntry<CReserveEditDlg, CReserveEditDialog>("CReserveEditDialog"));
    g.push_back(entry("CImgViewerDialog", "functions", [](CMainFrame &frame, Scratch &s) {
        auto dialog = makeImageViewer(s.env, frame.document()->Images(), *frame.document());
        // The first image is shown selected, with the screens that use it.
        emit dialog->cell(0)->clicked(0);
        return dialog;
    }));
    g.push_back(entry("CUsedSysMemDialog", "functions", [](CMainFrame &frame, Scratch &) {
        return makeUsedSysMemDialog(*frame.document());
    }));
    g.push_back(entry("CXrefDialog", "project", [](CMainFrame &frame, Scratch &) {
        return std::make_unique<CXrefDialog>(*frame.document());
    }));
    g.push_back(entry("CAddressReplaceDialog", "project", [](CMainFrame &frame, Scratch &) {
        auto dialog = std::make_unique<CAddressReplaceDialog>(*frame.document());
        // A move past the last register: the preview shows changes and refused addresses.
        dialog->fromEdit()->setText(QStringLiteral("4x1-4x10"));
        emit dialog->fromEdit()->textEdited(dialog->fromEdit()->text());
        dialog->toEdit()->setText(QStringLiteral("4x65530"));
        emit dialog->toEdit()->textEdited(dialog->toEdit()->text());
        return dialog;
    }));
    g.push_back(entry("CPlcConnectDialog", "online", [](CMainFrame &frame, Scratch &) {
        const core::CDorvaneDoc &doc = *frame.document();
        const auto channels = core::online::PlcConnectForm::OnlineChannels(doc);
        return std::make_unique<CPlcConnectDialog>(
                doc,
                core::online::PlcConnectForm::ForChannel(doc, channels.empty() ? 1 : channels[0]));
    }));
    g.push_back(entry("CPictureExportDialog", "printing", [](CMainFrame &frame, Scratch &) {
        return makePictureExportDialog(*frame.document(), firstScreenNumber(frame));
    }));
    g.push_back(entry("CReportSetupDialog", "printing", [](CMainFrame &frame, Scratch &) {
        return makeReportSetupDialog(*frame.document(), firstScreenNumber(frame));
    }));
    addPanelWindows(g);
    appendCommEntries(g);
    return g;
}

bool render(QDialog &dialog, const QString &out)
{
    dialog.show();
    QApplication::processEvents();
    QApplication::processEvents();
    const bool saved = dialog.grab().save(out, "PNG");
    // A tag dialog puts its tag back: the gallery changes nothing.
    dialog.reject();
    if (!saved)
        std::fprintf(stderr, "dorvane: %s cannot be written\n", out.toLocal8Bit().constData());
    return saved;
}

} // namespace

const std::vector<GalleryEntry> &dialogGallery()
{
    static const std::vector<GalleryEntry> gallery = buildGallery();
    return gallery;
}

QStringList dialogGalleryNames()
{
    QStringList names;
    for (const GalleryEntry &e : dialogGallery())
        names << e.name;
    return names;
}

bool grabDialog(CMainFrame &frame, const QString &name, const QString &out)
{
    for (const GalleryEntry &e : dialogGallery()) {
        if (e.name != name)
            continue;
        GalleryDialog opened = e.open(frame);
        return opened.dialog && render(*opened.dialog, out);
    }
    std::fprintf(stderr, "dorvane: no dialog %s; the gallery has: %s\n",
                 name.toLocal8Bit().constData(),
                 dialogGalleryNames().join(QStringLiteral(", ")).toLocal8Bit().constData());
    return false;
}

bool grabDialogs(CMainFrame &frame, const QString &dir)
{
    if (!QDir().mkpath(dir)) {
        std::fprintf(stderr, "dorvane: %s cannot be made\n", dir.toLocal8Bit().constData());
        return false;
    }
    bool ok = true;
    for (const GalleryEntry &e : dialogGallery()) {
        GalleryDialog opened = e.open(frame);
        ok = opened.dialog && render(*opened.dialog, QDir(dir).filePath(e.name + ".png")) && ok;
    }
    return ok;
}

} // namespace ui
