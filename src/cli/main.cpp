// dorvane-cli: the headless twin of the editor, for scripts and CI.

#include "cli/commands.h"

#include <clocale>
#include <cstdio>
#include <exception>

int main(int argc, char **argv)
try {
    std::setlocale(LC_ALL, "");
    cli::CliContext ctx;
    CLI::App app{"Dorvane command-line tool: projects, panel images and panel commands"};
    app.require_subcommand(1);
    app.set_version_flag("--version", "dorvane-cli " DORVANE_VERSION);
    const auto addCommon = [&ctx](CLI::App &on) {
        on.add_option("--program-dir", ctx.programDir,
                      "Program folder with APP.INI, PLC.INI, GUI.INI (default: the executable's)");
        on.add_flag("--json", ctx.json, "Structured output as JSON");
    };
    addCommon(app);
    cli::addConfigCommand(app, ctx);
    cli::addAddressCommand(app, ctx);
    cli::addProjectCommands(app, ctx);
    cli::addPanelCommands(app, ctx);
    cli::addAlarmCommands(app, ctx);
    cli::addJsonCommands(app, ctx);
    cli::addXrefCommands(app, ctx);
    cli::addCsvCommands(app, ctx);
    cli::addWatchCommand(app, ctx);
    // The shared options are taken after the command name as well ("info --json FILE").
    for (CLI::App *command : app.get_subcommands({}))
        addCommon(*command);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError &e) {
        return app.exit(e);
    } catch (const cli::Exit &e) {
        return e.status;
    }
    return 0;
} catch (const std::exception &e) {
    // Nothing may end the program unexplained, not even running out of memory.
    std::fprintf(stderr, "dorvane-cli: %s\n", e.what());
    return 1;
} catch (...) {
    std::fprintf(stderr, "dorvane-cli: unexpected error\n");
    return 1;
}
