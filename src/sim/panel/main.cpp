// velmar-panel-sim: a panel on a pseudo-terminal. Prints "PORT <path>" and serves until killed.

#include "sim/panel/panel_memory.h"
#include "sim/panel/panel_server.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

int usage()
{
    std::fprintf(stderr,
                 "usage: velmar-panel-sim [--state DIR] [--password PW] "
                 "[--os-version 0x0101] [--no-rtc] [--baud N] [--fault FAULT]...\n"
                 "  FAULT: drop:N | bcc:N | frame:N | nak:N:CODE | silent:N | cut:N\n"
                 "    at the N-th response (counted from 1): drop it, corrupt its BCC, break its\n"
                 "    trailer, answer NAK CODE instead, stay silent from then on, or cut the line\n"
                 "  --state DIR keeps the panel memory in DIR across restarts\n"
                 "  --baud N paces both directions at N bits per second (10 bits a byte)\n");
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    sim::CPanelMemory::Options options;
    unsigned baud = 0;
    std::vector<sim::Fault> faults;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--state" && hasValue) {
            options.stateDir = argv[++i];
            ::mkdir(options.stateDir.c_str(), 0755);
        } else if (arg == "--password" && hasValue) {
            options.password = argv[++i];
            if (options.password->size() > 10)
                return usage();
        } else if (arg == "--os-version" && hasValue) {
            options.osVersion = static_cast<std::uint16_t>(std::strtoul(argv[++i], nullptr, 0));
        } else if (arg == "--no-rtc") {
            options.rtc = false;
        } else if (arg == "--baud" && hasValue) {
            baud = static_cast<unsigned>(std::strtoul(argv[++i], nullptr, 10));
        } else if (arg == "--fault" && hasValue) {
            sim::Fault fault;
            if (!sim::parseFault(argv[++i], fault))
                return usage();
            faults.push_back(fault);
        } else {
            return usage();
        }
    }
    sim::CPanelMemory memory(options);
    sim::CPanelServer server(memory, baud, faults);
    std::string path;
    if (!server.open(path)) {
        std::fprintf(stderr, "velmar-panel-sim: cannot open a pseudo-terminal: %s\n",
                     std::strerror(errno));
        return 1;
    }
    std::printf("PORT %s\n", path.c_str());
    std::fflush(stdout);
    server.serve();
    return 0;
}
