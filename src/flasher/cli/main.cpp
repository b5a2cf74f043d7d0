// quillet-cli: the flash downloader without windows. Settings default from Quillet.ini beside
// the program, like the dialog program; the exit code tells whether the flow succeeded.

#include "flash_settings.h"
#include "flash_texts.h"
#include "flash_worker.h"

#include <CLI/CLI.hpp>

#include <csignal>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>

namespace {

class ConsoleObserver : public quillet::IFlashObserver
{
public:
    void phase(std::string_view text) override
    {
        m_lastPercent = -1; // each phase counts from 0 again
        std::cout << text << std::endl;
    }
    void speed(std::string_view text) override { std::cout << text << std::endl; }
    void progress(std::uint32_t total, std::uint32_t done) override
    {
        const auto percent = quillet::progressPercent(total, done);
        if (!percent || *percent == m_lastPercent)
            return;
        m_lastPercent = *percent;
        std::cout << *percent << "%" << std::endl;
    }
    void message(std::string_view text) override
    {
        m_lastPercent = -1;
        std::cout << text << std::endl;
    }

private:
    int m_lastPercent = -1;
};

std::string programFolder()
{
    std::error_code error;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string(".") : exe.parent_path().string();
}

quillet::CFlashWorker *g_worker = nullptr;

extern "C" void onSignal(int)
{
    // Only an atomic store: the flow sees it at its next send or receive.
    if (g_worker)
        g_worker->requestStop();
}

} // namespace

int main(int argc, char **argv)
try {
    CLI::App app{"Quillet: writes a boot program and an OS image into a target's flash memory"};
    app.set_version_flag("--version", "quillet-cli " DORVANE_VERSION);
    std::string folder = programFolder();
    std::optional<int> device;
    std::string port;
    std::string boot;
    std::string os;
    std::uint32_t timeout = 0;
    app.add_option("--folder", folder, "Program folder holding Quillet.ini");
    app.add_option("--device", device,
                   "Device index: 0 Velmar Panel, 1 BR10/BR20/OS6/OS7, "
                   "2 BR12/OS7U, 3 BR12(E)")
            ->check(CLI::Range(0, 3));
    app.add_option("--port", port, "COM1..COM8 or a device path");
    app.add_option("--boot", boot, "Boot image file");
    app.add_option("--os", os, "OS image file");
    app.add_option("--timeout", timeout,
                   "Receive time-out in milliseconds "
                   "(default 3000, 5000 for device 1)");
    CLI11_PARSE(app, argc, argv);

    quillet::CFlashSettings settings(folder);
    settings.load();
    if (device)
        settings.selectDevice(*device);
    quillet::FlashRequest request;
    request.deviceIndex = settings.deviceIndex();
    request.portDevice
            = port.empty() ? settings.portDevice(settings.portIndex()) : settings.resolvePort(port);
    request.bootPath = boot.empty() ? settings.bootPath() : boot;
    request.osPath = os.empty() ? settings.osPath() : os;
    request.timeoutMs = timeout;

    std::cout << quillet::kDeviceNames[static_cast<std::size_t>(request.deviceIndex)] << " on "
              << request.portDevice << std::endl;
    std::cout << quillet::text::PhaseStart << std::endl;
    ConsoleObserver observer;
    quillet::CFlashWorker worker(request, observer);
    g_worker = &worker;
    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
    const bool ok = worker.run();
    g_worker = nullptr;
    return ok ? 0 : 1;
} catch (const std::exception &e) {
    // Nothing may end the program unexplained, not even running out of memory.
    std::fprintf(stderr, "quillet-cli: %s\n", e.what());
    return 1;
} catch (...) {
    std::fprintf(stderr, "quillet-cli: unexpected error\n");
    return 1;
}
