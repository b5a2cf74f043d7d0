#pragma once

// What the simulator shows of the project a download sent: a picture of one screen for scripts
// (--render), and the running panel in a window while the link is served (--show). Both need the
// program folder (fonts, PLC types, drivers), by default the folder of the program itself.

#include "sim/panel/panel_memory.h"
#include "sim/panel/panel_server.h"

#include <string>
#include <vector>

namespace sim {

struct RenderRequest
{
    std::string areasDir; // G.bin, S.bin, R.bin, C.bin
    int screen = -1;
    std::vector<std::string> sets; // "POINT=VALUE"
    std::string out; // PNG file
    int scale = 1;
    std::string programDir;
};

// 0 written, 1 a project, point or output failure (said on standard error).
int renderScreen(const RenderRequest &request);

struct ShowOptions
{
    std::string programDir;
    int zoom = 3;
    std::string password; // the panel's password, as --password gives it
};

// Serves the link on its own thread and runs the window until it is closed.
int showPanel(int argc, char **argv, CPanelMemory &memory, CPanelServer &server,
              const ShowOptions &options);

} // namespace sim
