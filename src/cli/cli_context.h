#pragma once

// What every dorvane-cli command shares: the program folder, the output form and the
// application services (configuration, managers, driver slots, area buffers).

#include "core/app/app_services.h"

#include <memory>
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

// Thrown by a command callback to end the program with that status (after its message).
struct Exit
{
    int status;
};

} // namespace cli
