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

void printUsage(std::FILE *to)
{
    std::fprintf(to,
                 "usage: velmar-panel-sim [--state DIR] [--password PW] "
                 "[--os-version 0x0101] [--no-rtc] [--baud N] [--trace FILE] [--fault FAULT]...\n"
                 "  FAULT: drop:N | bcc:N | frame:N | nak:N:CODE | silent:N | cut:N\n"
                 "    at the N-th response (counted from 1): drop it, corrupt its BCC, break its\n"
                 "    trailer, answer NAK CODE instead, stay silent from then on, or cut the line\n"
                 "  --state DIR keeps the panel memory in DIR across restarts\n"
                 "  --baud N paces both directions at N bits per second (10 bits a byte)\n"
                 "  --trace FILE writes each request served as a line: main and sub letter,\n"
                 "    then the whole frame in hexadecimal\n"
                 "  --help, --version\n");
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
{
    sim::CPanelMemory::Options options;
    unsigned baud = 0;
    std::string tracePath;
    std::vector<sim::Fault> faults;
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
        } else {
            return usage();
        }
    }
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
    server.serve();
    return 0;
}
