#pragma once

// What every dorvane-cli command shares: the program folder, the output form and the
// application services (configuration, managers, driver slots, area buffers).

#include "core/app/app_services.h"
#include "core/comm/comm_text.h"

#include <CLI/CLI.hpp>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace cli {

struct CliContext
{
    std::string programDir; // empty: the executable's folder
    bool json = false;
    core::CAppServices app;

    // Reads the configuration of the program folder.
    void loadConfig();
    const core::CAppConfig &config() const { return app.Config(); }
    // Opens a project file; on failure prints why to standard error and returns null.
    std::unique_ptr<core::CDorvaneDoc> openProject(const std::string &path);
};

// "COMn" (n from 1 to 256) names a port that APP.INI maps to its device; nothing for any other
// text, which is a device path.
std::optional<std::uint32_t> comPortNumber(const std::string &text);
// Refuses "COM" followed by digits that are no port number; device paths pass.
CLI::Validator portValidator();
// Refuses anything but one to four hexadecimal digits (a PLC type).
CLI::Validator hexWordValidator();
// One to four hexadecimal digits as a number; nothing for any other text.
std::optional<std::uint16_t> parseHexWord(const std::string &text);

// A panel link's or panel command's text in the language the configuration chose (the locale or
// APP.INI's resource; English for 1033, Korean otherwise).
std::string shownText(const comm::CommText &text);

// Thrown by a command callback to end the program with that status (after its message).
struct Exit
{
    int status;
};

} // namespace cli
