// dorvane-cli panel commands: download, upload, clock, password, erase, font, system
// information and the panel's alarm history, over a serial device.

#include "cli/commands.h"

#include "core/comm/clock_record.h"
#include "core/comm/comm_thread.h"
#include "core/comm/panel_clock.h"
#include "core/comm/panel_commands.h"
#include "core/comm/panel_ui.h"
#include "core/comm/system_info.h"
#include "core/transfer/os_downloader.h"
#include "core/transfer/project_transfer.h"
#include "util/file_io.h"
#include "util/ini_file.h"

#include <cstdio>
#include <ctime>
#include <iomanip>
#include <iostream>
#include <sstream>

namespace cli {

namespace {

struct PanelOptions
{
    std::string port;
    int baud = 115200;
    bool yes = false;
    bool force = false;
    std::string password;
    std::string file, out, groups, time, newPassword, oldPassword;
};

// The command line as the panel commands' user: questions are answered by --yes, the password
// prompt by --password, messages are printed in the interface language, its own notes too. A
// warning or a link error (shown without an icon) marks the command as failed and goes to standard
// error.
class CliPanelUi : public comm::IPanelUi
{
public:
    explicit CliPanelUi(const PanelOptions &o)
        : m_options(o)
    { }
    bool ask(const comm::CommText &question) override
    {
        std::cerr << shownText(question)
                  << shownText(m_options.yes ? comm::CommTextId::AnsweredYes
                                             : comm::CommTextId::AnsweredNo)
                  << "\n";
        return m_options.yes;
    }
    void message(const comm::CommText &text, Icon icon, const comm::CommText &) override
    {
        const bool failure = icon == Icon::Warning || icon == Icon::None;
        (failure ? std::cerr : std::cout) << shownText(text) << "\n";
        m_failed = m_failed || failure;
    }
    std::optional<std::string> askPanelPassword() override
    {
        if (m_options.password.empty()) {
            std::cerr << shownText(comm::CommTextId::PasswordOption) << "\n";
            return std::nullopt;
        }
        return m_options.password;
    }
    bool failed() const { return m_failed; }

private:
    const PanelOptions &m_options;
    bool m_failed = false;
};

// A link on the chosen device: "COMn" maps through APP.INI as in the editor, any other text is
// a device path.
std::unique_ptr<comm::CCommThread> openLink(CliContext &ctx, const PanelOptions &o)
{
    const util::CIniFile appIni(ctx.config().appIni());
    auto link = std::make_unique<comm::CCommThread>(&appIni);
    comm::PORT_SETTING setting;
    setting.baud = std::uint32_t(o.baud);
    if (const auto number = comPortNumber(o.port))
        setting.port = *number;
    else
        link->SetDevicePath(o.port);
    link->SetPortSetting(setting);
    return link;
}

core::TransferGroups parseGroups(const std::string &text, bool download)
{
    core::TransferGroups g{false, false, false};
    if (text.empty())
        return {true, true, download};
    std::stringstream ss(text);
    for (std::string item; std::getline(ss, item, ',');) {
        if (item == "screens")
            g.screens = true;
        else if (item == "params")
            g.parameters = true;
        else if (item == "menu" && download)
            g.menu = true;
        else
            throw CLI::ValidationError("--groups", "unknown group " + item);
    }
    return g;
}

void finish(bool ok)
{
    if (!ok)
        throw Exit{1};
}

void runDownload(CliContext &ctx, const PanelOptions &o)
{
    ctx.loadConfig();
    auto doc = ctx.openProject(o.file);
    if (!doc)
        throw Exit{1};
    auto link = openLink(ctx, o);
    CliPanelUi ui(o);
    core::CProjectTransfer transfer(ctx.app, *link, ui);
    const auto outcome = transfer.Download(*doc, parseGroups(o.groups, true));
    finish(outcome == core::TransferOutcome::Done && !ui.failed());
    std::cout << shownText(comm::CommTextId::TransferDone) << "\n";
}

void runUpload(CliContext &ctx, const PanelOptions &o)
{
    // Asked before the panel is, like every command that writes a project.
    if (util::fileExists(o.out) && !o.force) {
        std::cerr << o.out << " exists already (use --force to replace it).\n";
        throw Exit{1};
    }
    ctx.loadConfig();
    auto link = openLink(ctx, o);
    CliPanelUi ui(o);
    core::CProjectTransfer transfer(ctx.app, *link, ui);
    std::unique_ptr<core::CDorvaneDoc> doc;
    const auto outcome = transfer.Upload(doc, parseGroups(o.groups, false));
    if (outcome != core::TransferOutcome::Done || !doc || ui.failed())
        throw Exit{1};
    std::string error;
    if (!doc->SaveDocument(o.out, ctx.app.Areas(), &error)) {
        std::cerr << "Cannot save " << o.out << ": " << error << "\n";
        throw Exit{1};
    }
}

// Runs a command after Connect and the password check; the link is closed afterwards.
template<typename Fn>
void withConnection(CliContext &ctx, const PanelOptions &o, Fn fn)
{
    ctx.loadConfig();
    auto link = openLink(ctx, o);
    CliPanelUi ui(o);
    std::uint8_t status = 0;
    if (!link->Connect(status)) {
        comm::showLinkError(*link, ui);
        throw Exit{1};
    }
    if (comm::VerifyPanelPassword(*link, ui, status) != comm::PasswordCheck::GoOn) {
        link->Disconnect();
        comm::showLinkError(*link, ui);
        throw Exit{1};
    }
    const bool ok = fn(*link, ui);
    link->Disconnect();
    finish(ok && !ui.failed());
}

void runClock(CliContext &ctx, const PanelOptions &o)
{
    withConnection(ctx, o, [](comm::CCommThread &link, CliPanelUi &ui) {
        comm::ClockRecord record{};
        comm::COMM_CMD read;
        read.main = 'r';
        read.sub = 'T';
        read.buffer = record;
        read.size = std::uint32_t(record.size());
        if (!link.Run(read)) {
            comm::showLinkError(link, ui);
            return false;
        }
        const auto time = comm::decodeClock(record);
        if (!time) {
            std::cerr << shownText(comm::CommTextId::ClockInvalid) << "\n";
            return false;
        }
        std::cout << shownText(comm::clockText(*time)) << "\n";
        return true;
    });
}

std::optional<comm::ClockTime> parseTime(const std::string &text)
{
    if (text.empty())
        return std::nullopt;
    std::tm tm{};
    std::istringstream in(text);
    in >> std::get_time(&tm, "%Y-%m-%d %H:%M:%S");
    if (in.fail())
        throw CLI::ValidationError("--time", "expected \"YYYY-MM-DD HH:MM:SS\"");
    tm.tm_isdst = -1;
    std::mktime(&tm); // fills the weekday
    return comm::clockFromTm(tm);
}

void runSetClock(CliContext &ctx, const PanelOptions &o)
{
    const auto time = parseTime(o.time);
    withConnection(ctx, o, [&](comm::CCommThread &link, CliPanelUi &ui) {
        comm::CPanelClock clock(link);
        return clock.setTime(ui, time);
    });
}

void runSysinfo(CliContext &ctx, const PanelOptions &o)
{
    withConnection(ctx, o, [&](comm::CCommThread &link, CliPanelUi &ui) {
        const auto info = comm::ReadSystemInfo(link, ui);
        if (!info)
            return false;
        const std::pair<const char *, std::string> rows[]
                = {{"OS version", info->osVersion},
                   {"OS date", info->osDate},
                   {"clock", info->clockType},
                   {"panel time", shownText(info->clockTime)},
                   {"scan time (max)", info->scanMax},
                   {"scan time", info->scanCurrent},
                   {"menu language", shownText(info->menuLanguage)},
                   {"menu version", shownText(info->menuVersion)},
                   {"driver 1", shownText(info->driver1Name)},
                   {"driver 1 version", info->driver1Version},
                   {"driver 2", shownText(info->driver2Name)},
                   {"driver 2 version", info->driver2Version}};
        for (const auto &[name, value] : rows)
            std::cout << name << ": " << value << "\n";
        return true;
    });
}

void addPortOptions(CLI::App *cmd, PanelOptions &o)
{
    cmd->add_option("--port", o.port, "Serial device path or COMn")
            ->required()
            ->check(portValidator());
    cmd->add_option("--baud", o.baud, "9600, 38400 or 115200")
            ->check(CLI::IsMember({9600, 38400, 115200}));
    cmd->add_flag("--yes", o.yes, "Answer the questions with yes");
    cmd->add_option("--password", o.password, "The panel's password when it asks for one");
}

} // namespace

void addPanelCommands(CLI::App &app, CliContext &ctx)
{
    auto o = std::make_shared<PanelOptions>();
    const auto add = [&](const char *name, const char *help) {
        auto *cmd = app.add_subcommand(name, help);
        addPortOptions(cmd, *o);
        return cmd;
    };

    auto *download = add("download", "Download a project into the panel");
    download->add_option("file", o->file, "The .kvr project")->required();
    download->add_option("--groups", o->groups, "screens,params,menu (default: all)");
    download->callback([&ctx, o] { runDownload(ctx, *o); });

    auto *upload = add("upload", "Upload the panel's project into a new project file");
    upload->add_option("-o,--out", o->out, "The .kvr file to write")->required();
    upload->add_option("--groups", o->groups, "screens,params (default: both)");
    upload->add_flag("--force", o->force, "Replace an existing file");
    upload->callback([&ctx, o] { runUpload(ctx, *o); });

    add("clock", "Print the panel's date and time")->callback([&ctx, o] { runClock(ctx, *o); });
    auto *setClock = add("set-clock", "Set the panel's clock (default: this computer's time)");
    setClock->add_option("--time", o->time, "\"YYYY-MM-DD HH:MM:SS\"");
    setClock->callback([&ctx, o] { runSetClock(ctx, *o); });

    auto *setPassword = add("set-password", "Set or change the panel's password");
    setPassword->add_option("--new", o->newPassword, "New password (A-Z, a-z, 0-9)")->required();
    setPassword->add_option("--old", o->oldPassword, "The current password");
    setPassword->callback([&ctx, o] {
        withConnection(ctx, *o, [&](comm::CCommThread &link, CliPanelUi &ui) {
            return comm::SetPanelPassword(link, ui,
                                          {o->oldPassword, o->newPassword, o->newPassword});
        });
    });
    add("clear-password", "Remove the panel's password")->callback([&ctx, o] {
        withConnection(ctx, *o, [](comm::CCommThread &link, CliPanelUi &ui) {
            return comm::RemovePanelPassword(link, ui);
        });
    });
    add("erase", "Erase the panel's whole memory")->callback([&ctx, o] {
        withConnection(ctx, *o, [](comm::CCommThread &link, CliPanelUi &ui) {
            return comm::ErasePanelMemory(link, ui);
        });
    });
    add("clear-alarm-history", "Delete the panel's alarm history")->callback([&ctx, o] {
        withConnection(ctx, *o, [](comm::CCommThread &link, CliPanelUi &ui) {
            return comm::DeletePanelAlarmHistory(link, ui);
        });
    });
    auto *font = add("font", "Download a panel font file (.BMA)");
    font->add_option("file", o->file)->required()->check(CLI::ExistingFile);
    font->callback([&ctx, o] {
        // The font download checks the file before it reaches the panel, then connects itself.
        ctx.loadConfig();
        auto link = openLink(ctx, *o);
        CliPanelUi ui(*o);
        const bool sent = comm::DownloadFont(*link, ui, o->file,
                                             ctx.app.Areas().Buffer(core::AreaId::Font));
        finish(sent && !ui.failed());
    });
    add("sysinfo", "Print the panel's system information")->callback([&ctx, o] {
        runSysinfo(ctx, *o);
    });

    app.add_subcommand("os-download", "Start Quillet, the boot and OS flash downloader")
            ->callback([&ctx, o] {
                ctx.loadConfig();
                CliPanelUi ui(*o);
                finish(core::StartOsDownloader(ctx.config().exeDir(), ui));
            });
}

} // namespace cli
