// dorvane-cli alarm-history: read the panel's alarm history into a project's database, search
// it and delete rows from it.

#include "cli/commands.h"

#include "core/comm/alarm_database.h"
#include "core/comm/alarm_grid.h"
#include "core/comm/alarm_history.h"
#include "core/comm/alarm_search.h"
#include "core/comm/comm_thread.h"
#include "core/comm/panel_commands.h"
#include "core/comm/panel_ui.h"
#include "core/presenters/alarm_hist_dlg.h"
#include "util/ini_file.h"

#include <ctime>
#include <iomanip>
#include <iostream>
#include <set>
#include <sstream>

namespace cli {

namespace {

struct AlarmOptions
{
    std::string db, port, from, to, message, password, project;
    int baud = 115200;
    bool upload = false, search = false, remove = false, yes = false;
};

class AlarmUi : public comm::IPanelUi
{
public:
    explicit AlarmUi(const AlarmOptions &o)
        : m_o(o)
    { }
    bool ask(const comm::CommText &q) override
    {
        std::cerr << shownText(q) << (m_o.yes ? " [yes]\n" : " [no: use --yes]\n");
        return m_o.yes;
    }
    void message(const comm::CommText &text, Icon icon, const comm::CommText &) override
    {
        // Link errors come without an icon; they fail the command as warnings do.
        const bool failure = icon == Icon::Warning || icon == Icon::None;
        (failure ? std::cerr : std::cout) << shownText(text) << "\n";
        m_failed = m_failed || failure;
    }
    std::optional<std::string> askPanelPassword() override
    {
        if (m_o.password.empty())
            return std::nullopt;
        return m_o.password;
    }
    bool failed() const { return m_failed; }

private:
    const AlarmOptions &m_o;
    bool m_failed = false;
};

comm::ClockTime parseTime(const std::string &text, const char *option)
{
    std::tm tm{};
    std::istringstream in(text);
    in >> std::get_time(&tm, "%Y-%m-%d %H:%M:%S");
    if (in.fail()) {
        in.clear();
        in.str(text);
        in >> std::get_time(&tm, "%Y-%m-%d");
        if (in.fail())
            throw CLI::ValidationError(option, "expected \"YYYY-MM-DD[ HH:MM:SS]\"");
    }
    return comm::clockFromTm(tm);
}

void printRows(const std::vector<comm::AlarmRow> &rows)
{
    for (const auto &r : rows)
        std::cout << r.alarmDate << "\t" << (r.clearDate.empty() ? "-" : r.clearDate) << "\t"
                  << r.message << "\n";
}

void run(CliContext &ctx, const AlarmOptions &o)
{
    ctx.loadConfig();
    AlarmUi ui(o);
    comm::CAlarmDatabase db(o.db, ctx.config().exeDir() + "/AlarmHist.MAC");
    comm::CAlarmGrid grid;
    if (o.upload) {
        if (o.port.empty())
            throw CLI::ValidationError("--port", "--upload reads the panel: give its port");
        const util::CIniFile appIni(ctx.config().appIni());
        comm::CCommThread link(&appIni);
        comm::PORT_SETTING setting;
        setting.baud = std::uint32_t(o.baud);
        if (const auto number = comPortNumber(o.port))
            setting.port = *number;
        else
            link.SetDevicePath(o.port);
        link.SetPortSetting(setting);
        // The texts are in the panel's code page, whatever this computer's locale: the project's
        // panel language when a project is named, else the language of the panel's menu.
        bool uploaded = false;
        if (!o.project.empty()) {
            auto doc = ctx.openProject(o.project);
            if (!doc)
                throw Exit{1};
            uploaded = comm::UploadAlarmHistory(link, ui, grid,
                                                core::panelTextConverter(doc->PanelLangId()));
        } else {
            uploaded = comm::UploadAlarmHistory(link, ui, grid,
                                                core::panelTextChooser(ctx.config()));
        }
        if (!uploaded || ui.failed())
            throw Exit{1};
        if (!comm::SaveAlarmGrid(db, ui, grid))
            throw Exit{1};
        printRows(grid.alarms());
    }
    if (o.search || o.remove) {
        comm::AlarmSearch search;
        search.useDate = !o.from.empty() || !o.to.empty();
        search.useMessage = !o.message.empty();
        search.start = o.from.empty() ? comm::ClockTime{1900, 1, 1} : parseTime(o.from, "--from");
        search.end = o.to.empty() ? comm::ClockTime{9999, 12, 31, 23, 59, 59}
                                  : parseTime(o.to, "--to");
        search.message = o.message;
        if (!search.useDate && !search.useMessage)
            search.useDate = true; // everything
        if (!comm::SearchAlarmsIntoGrid(db, ui, search, grid))
            throw Exit{1};
        if (o.remove) {
            std::set<std::size_t> all;
            for (std::size_t i = 0; i < grid.size(); ++i)
                all.insert(i);
            if (!all.empty() && !comm::DeleteAlarmRows(db, ui, grid, all))
                throw Exit{1};
            std::cout << all.size() << " rows deleted\n";
        } else {
            printRows(grid.alarms());
        }
    }
    if (ui.failed())
        throw Exit{1};
}

} // namespace

void addAlarmCommands(CLI::App &app, CliContext &ctx)
{
    auto o = std::make_shared<AlarmOptions>();
    auto *cmd = app.add_subcommand(
            "alarm-history", "Read the panel's alarm history into a database, search, delete");
    cmd->add_option("--db", o->db, "The project's alarm database file")->required();
    cmd->add_flag("--upload", o->upload, "Read the panel's history and save it into the database");
    cmd->add_option("--port", o->port, "Serial device path or COMn (with --upload)")
            ->check(portValidator());
    cmd->add_option("--baud", o->baud, "9600, 38400 or 115200")
            ->check(CLI::IsMember({9600, 38400, 115200}));
    cmd->add_option("--project", o->project,
                    "The panel's project (.kvr): its panel language decodes the alarm texts "
                    "(default: the language of the panel's menu)");
    cmd->add_option("--password", o->password, "The panel's password when it asks for one");
    cmd->add_flag("--search", o->search, "Print the stored rows that match, newest first");
    cmd->add_option("--from", o->from, "Start of the date range");
    cmd->add_option("--to", o->to, "End of the date range");
    cmd->add_option("--message", o->message, "Only rows with this message");
    cmd->add_flag("--delete", o->remove, "Delete the stored rows that match (asks; --yes)");
    cmd->add_flag("--yes", o->yes, "Answer the questions with yes");
    cmd->callback([&ctx, o] { run(ctx, *o); });
}

} // namespace cli
