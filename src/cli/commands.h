#pragma once

// Each command group registers its sub-commands on the application.

#include "cli/cli_context.h"

#include <CLI/CLI.hpp>

namespace cli {

void addConfigCommand(CLI::App &app, CliContext &ctx);
void addAddressCommand(CLI::App &app, CliContext &ctx);
// new, check, info, areas, sysmem
void addProjectCommands(CLI::App &app, CliContext &ctx);
// download, upload and the other commands that talk to a panel
void addPanelCommands(CLI::App &app, CliContext &ctx);
void addAlarmCommands(CLI::App &app, CliContext &ctx);
// export, import: the project as JSON
void addJsonCommands(CLI::App &app, CliContext &ctx);
// xref, replace-address: where addresses are used, and moving them
void addXrefCommands(CLI::App &app, CliContext &ctx);
// csv export, csv import: the tag list, alarms and messages as CSV
void addCsvCommands(CLI::App &app, CliContext &ctx);
// watch: the project's device points read from the PLC over Modbus
void addWatchCommand(CLI::App &app, CliContext &ctx);

} // namespace cli
