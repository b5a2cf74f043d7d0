// velmar-flash-sim: a flash target on a pseudo-terminal. Prints "PORT <path>" first, then answers
// whatever Quillet sends until the flow is over or it is told to stop (SIGTERM, SIGINT).

#include "flash_target.h"

#include <CLI/CLI.hpp>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <fcntl.h>
#include <filesystem>
#include <map>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace {

volatile std::sig_atomic_t g_quit = 0;

extern "C" void onSignal(int)
{
    g_quit = 1;
}

bool writeAll(int fd, const std::vector<std::uint8_t> &bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno != EINTR && errno != EAGAIN)
            return false;
        if (n > 0)
            done += static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
try {
    CLI::App app{"Flash target simulator on a pseudo-terminal"};
    app.set_version_flag("--version", "velmar-flash-sim " DORVANE_VERSION);
    int device = 0;
    std::string outDir;
    std::string faultName = "none";
    std::string phaseName;
    app.add_option("--device", device, "Device index 0..3")->required()->check(CLI::Range(0, 3));
    app.add_option("--out", outDir, "Folder that receives boot.bin, os.bin and events.txt");
    app.add_option("--fault", faultName, "none, echo, nak, bcc, checksum or silence")
            ->check(CLI::IsMember({"none", "echo", "nak", "bcc", "checksum", "silence"}));
    app.add_option("--fault-phase", phaseName, "boot or os (checksum: os)")
            ->check(CLI::IsMember({"boot", "os"}));
    CLI11_PARSE(app, argc, argv);

    const std::map<std::string, flashsim::Fault> faults
            = {{"none", flashsim::Fault::None},         {"echo", flashsim::Fault::Echo},
               {"nak", flashsim::Fault::Nak},           {"bcc", flashsim::Fault::Bcc},
               {"checksum", flashsim::Fault::Checksum}, {"silence", flashsim::Fault::Silence}};
    const flashsim::Fault fault = faults.at(faultName);
    flashsim::FaultPhase phase = flashsim::FaultPhase::Boot;
    if (phaseName == "os" || (phaseName.empty() && fault == flashsim::Fault::Checksum))
        phase = flashsim::FaultPhase::Os;

    std::error_code error;
    if (!outDir.empty() && !std::filesystem::is_directory(outDir, error)) {
        std::fprintf(stderr, "velmar-flash-sim: no folder %s\n", outDir.c_str());
        return 1;
    }

    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0) {
        std::perror("posix_openpt");
        return 1;
    }
    const char *name = ::ptsname(master);
    if (!name) {
        std::perror("ptsname");
        return 1;
    }
    const std::string slavePath = name;
    // Held open for the whole run, so the client may close and reopen the port between phases
    // without the pair hanging up and without losing what it sent just before closing.
    const int slave = ::open(slavePath.c_str(), O_RDWR | O_NOCTTY);
    termios tio{};
    if (slave < 0 || ::tcgetattr(slave, &tio) != 0) {
        std::perror("open slave");
        return 1;
    }
    ::cfmakeraw(&tio);
    ::tcsetattr(slave, TCSANOW, &tio);

    struct sigaction action
    { };
    action.sa_handler = onSignal;
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGINT, &action, nullptr);

    flashsim::CFlashTarget target(device, fault, phase, outDir);
    std::printf("PORT %s\n", slavePath.c_str());
    std::fflush(stdout);

    std::uint8_t buffer[4096];
    while (!g_quit && !target.done()) {
        pollfd pfd{master, POLLIN, 0};
        const int ready = ::poll(&pfd, 1, 100);
        if (ready <= 0 || !(pfd.revents & POLLIN))
            continue;
        const ssize_t n = ::read(master, buffer, sizeof buffer);
        if (n <= 0)
            continue;
        std::vector<std::uint8_t> answer;
        for (ssize_t i = 0; i < n; ++i) {
            const auto out = target.feed(buffer[i]);
            answer.insert(answer.end(), out.begin(), out.end());
        }
        if (!answer.empty() && !writeAll(master, answer))
            break;
    }
    ::close(slave);
    ::close(master);
    return 0;
} catch (const std::exception &e) {
    // Nothing may end the program unexplained, not even running out of memory.
    std::fprintf(stderr, "velmar-flash-sim: %s\n", e.what());
    return 1;
} catch (...) {
    std::fprintf(stderr, "velmar-flash-sim: unexpected error\n");
    return 1;
}
