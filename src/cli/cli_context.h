#pragma once

// What every dorvane-cli command shares: the program folder, the output form and the
// configuration read from that folder.

#include "core/app/app_config.h"

#include <string>

namespace cli {

struct CliContext
{
    std::string programDir; // empty: the executable's folder
    bool json = false;
    core::CAppConfig config;

    // Reads the configuration of the program folder.
    void loadConfig();
};

} // namespace cli
