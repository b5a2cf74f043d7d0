// velmar-panel-sim: a panel on a pseudo-terminal. Prints "PORT <path>" and serves until killed,
// or, with --show, until its window is closed. --render draws one screen of a project's areas.

#include "sim/panel/panel_memory.h"
#include "sim/panel/panel_server.h"
#ifdef VELMAR_PANEL_VIEW
#include "sim/panel/panel_view.h"
#endif

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

void printUsage(std::FILE *to)
{
    std::fprintf(
            to,
            "usage: velmar-panel-sim [--state DIR] [--password PW] "
            "[--os-version 0x0101] [--no-rtc] [--baud N] [--trace FILE] [--fault FAULT]...\n"
            "  FAULT: drop:N | bcc:N | frame:N | letters:N | nak:N:CODE | silent:N | cut:N\n"
            "    at the N-th response (counted from 1): drop it, corrupt its BCC, break its\n"
            "    trailer, give it another area's letters, answer NAK CODE instead, stay\n"
            "    silent from then on, or cut the line\n"
            "  --state DIR keeps the panel memory in DIR across restarts\n"
            "  --baud N paces both directions at N bits per second (10 bits a byte)\n"
            "  --trace FILE writes each request served as a line: main and sub letter,\n"
            "    then the whole frame in hexadecimal\n"
            "  --show runs the panel in a window: its display, keys and device values\n"
            "    (--zoom N, 1 to 8, default 3)\n"
            "  --program DIR program folder (fonts, PLC types, drivers); default: the\n"
            "    program's own folder\n"
            "  --plc CH=SERIAL_PATH[:BAUD[:PARITY]] | CH=tcp:HOST:PORT (with --show or\n"
            "    --render): channel CH reads and writes a real Modbus PLC instead of the\n"
            "    simulated memory; baud and parity default to the channel's settings\n"
            "  --help, --version\n"
            "\n"
            "usage: velmar-panel-sim --render AREAS_DIR --screen N [--set POINT=VALUE]...\n"
            "                        [--plc CH=...]... -o OUT.png [--scale N] [--program DIR]\n"
            "  draws screen N of the areas G.bin, S.bin, R.bin, C.bin in AREAS_DIR (as\n"
            "  `dorvane-cli areas` writes them, or a --state folder) as the 192 x 64 display;\n"
            "  POINT as the tag list shows it: CH-STATION-ADDRESS, or the panel's own address\n");
}

int usage()
{
    printUsage(stderr);
    return 2;
}

// A whole number from 0 to `max` (decimal, or also 0x hexadecimal when `base` is 0), nothing else.
bool parseNumber(const char *text, int base, unsigned long max, unsigned long &out)
{
    if (!*text || *text == '-' || *text == '+')
        return false;
    char *end = nullptr;
    errno = 0;
    out = std::strtoul(text, &end, base);
    return errno == 0 && *end == '\0' && out <= max;
}

} // namespace

int main(int argc, char **argv)
try {
    sim::CPanelMemory::Options options;
    unsigned baud = 0;
    std::string tracePath;
    std::vector<sim::Fault> faults;
    bool show = false;
    unsigned long zoom = 3;
    std::string programDir;
    std::string renderDir;
    std::string renderOut;
    long screen = -1;
    unsigned long scale = 1;
    std::vector<std::string> sets;
    std::vector<std::string> plcs;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        unsigned long number = 0;
        if (arg == "--help" || arg == "-h") {
            printUsage(stdout);
            return 0;
        } else if (arg == "--version") {
            std::printf("velmar-panel-sim %s\n", DORVANE_VERSION);
            return 0;
        } else if (arg == "--trace" && hasValue) {
            tracePath = argv[++i];
        } else if (arg == "--state" && hasValue) {
            options.stateDir = argv[++i];
            ::mkdir(options.stateDir.c_str(), 0755);
        } else if (arg == "--password" && hasValue) {
            options.password = argv[++i];
            if (options.password->size() > 10)
                return usage();
        } else if (arg == "--os-version" && hasValue) {
            if (!parseNumber(argv[++i], 0, 0xFFFF, number))
                return usage();
            options.osVersion = static_cast<std::uint16_t>(number);
        } else if (arg == "--no-rtc") {
            options.rtc = false;
        } else if (arg == "--baud" && hasValue) {
            if (!parseNumber(argv[++i], 10, 4'000'000, number))
                return usage();
            baud = static_cast<unsigned>(number);
        } else if (arg == "--fault" && hasValue) {
            sim::Fault fault;
            if (!sim::parseFault(argv[++i], fault))
                return usage();
            faults.push_back(fault);
        } else if (arg == "--show") {
            show = true;
        } else if (arg == "--zoom" && hasValue) {
            if (!parseNumber(argv[++i], 10, 8, zoom) || zoom == 0)
                return usage();
        } else if (arg == "--program" && hasValue) {
            programDir = argv[++i];
        } else if (arg == "--render" && hasValue) {
            renderDir = argv[++i];
        } else if (arg == "--screen" && hasValue) {
            if (!parseNumber(argv[++i], 10, 999, number))
                return usage();
            screen = long(number);
        } else if (arg == "--set" && hasValue) {
            sets.emplace_back(argv[++i]);
        } else if (arg == "--plc" && hasValue) {
            plcs.emplace_back(argv[++i]);
        } else if ((arg == "-o" || arg == "--out") && hasValue) {
            renderOut = argv[++i];
        } else if (arg == "--scale" && hasValue) {
            if (!parseNumber(argv[++i], 10, 16, scale) || scale == 0)
                return usage();
        } else {
            return usage();
        }
    }
    if (!renderDir.empty()) {
        if (screen < 0 || renderOut.empty() || show)
            return usage();
#ifdef VELMAR_PANEL_VIEW
        return sim::renderScreen(
                {renderDir, int(screen), sets, renderOut, int(scale), programDir, plcs});
#else
        std::fprintf(stderr, "velmar-panel-sim: this build has no display (--render)\n");
        return 2;
#endif
    }
    if (!sets.empty() || screen >= 0 || !renderOut.empty() || (!plcs.empty() && !show))
        return usage();
    sim::CPanelMemory memory(options);
    sim::CPanelServer server(memory, baud, faults);
    if (!tracePath.empty() && !server.setTrace(tracePath)) {
        std::fprintf(stderr, "velmar-panel-sim: cannot write %s: %s\n", tracePath.c_str(),
                     std::strerror(errno));
        return 1;
    }
    std::string path;
    if (!server.open(path)) {
        std::fprintf(stderr, "velmar-panel-sim: cannot open a pseudo-terminal: %s\n",
                     std::strerror(errno));
        return 1;
    }
    std::printf("PORT %s\n", path.c_str());
    std::fflush(stdout);
    if (show) {
#ifdef VELMAR_PANEL_VIEW
        return sim::showPanel(argc, argv, memory, server,
                              {programDir, int(zoom), baud, path, plcs});
#else
        std::fprintf(stderr, "velmar-panel-sim: this build has no display (--show)\n");
        return 2;
#endif
    }
    server.serve();
    return 0;
} catch (const std::exception &e) {
    // Nothing may end the program unexplained, not even running out of memory.
    std::fprintf(stderr, "velmar-panel-sim: %s\n", e.what());
    return 1;
} catch (...) {
    std::fprintf(stderr, "velmar-panel-sim: unexpected error\n");
    return 1;
}
