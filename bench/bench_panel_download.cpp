// Downloads a project that fills the panel's areas to velmar-panel-sim running at 115200 baud,
// and compares the time with the wire limit: every frame byte at 10 bits, plus the pauses the
// protocol mandates (100 ms after connecting, 500 ms after each command). Also reports the CPU
// time this process spent against the elapsed time.

#include "core/app/app_services.h"
#include "core/comm/comm_thread.h"
#include "core/comm/panel_ui.h"
#include "core/tags/tag_kinds.h"
#include "core/transfer/project_transfer.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

constexpr int kBaud = 115200;

class QuietUi : public comm::IPanelUi
{
public:
    bool ask(const comm::CommText &) override { return true; }
    void message(const comm::CommText &text, Icon icon, const comm::CommText &) override
    {
        if (icon == Icon::Warning)
            std::fprintf(stderr, "%s\n",
                         comm::commTextIn(text, comm::CommLanguage::English).c_str());
    }
    std::optional<std::string> askPanelPassword() override { return std::nullopt; }
};

struct Simulator
{
    pid_t pid = -1;
    std::string port;

    bool start()
    {
        int out[2];
        if (::pipe(out) != 0)
            return false;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], 1);
        const std::string path = std::string(DORVANE_RUNTIME_DIR) + "/velmar-panel-sim";
        const std::string baud = std::to_string(kBaud);
        char *argv[] = {const_cast<char *>(path.c_str()), const_cast<char *>("--baud"),
                        const_cast<char *>(baud.c_str()), nullptr};
        const int rc = posix_spawn(&pid, path.c_str(), &actions, nullptr, argv, environ);
        posix_spawn_file_actions_destroy(&actions);
        ::close(out[1]);
        if (rc != 0)
            return false;
        std::string line;
        char c = 0;
        while (::read(out[0], &c, 1) == 1 && c != '\n')
            line += c;
        ::close(out[0]);
        if (line.rfind("PORT ", 0) != 0)
            return false;
        port = line.substr(5);
        return true;
    }
    ~Simulator()
    {
        if (pid > 0) {
            ::kill(pid, SIGTERM);
            ::waitpid(pid, nullptr, 0);
        }
    }
};

// Screens of numeric tags, messages and images until each area is nearly full.
void fill(core::CDorvaneDoc &doc)
{
    for (std::uint16_t n = 1;; ++n) {
        core::CScreenData *s = nullptr;
        if (doc.AddScreen(n, &s) != core::kScreenOk)
            break;
        for (int i = 0; i < 50; ++i)
            if (s->CreateTag(core::kTagDigit, false) != core::kTagOk)
                break;
    }
    for (std::uint32_t id = 0; doc.Strings().Add(id, std::string(64, 'M')) == 0;)
        ++id;
    for (std::uint32_t id = 1000;; ++id) {
        auto img = std::make_unique<core::CIndexedImage>();
        img->m_id = id;
        img->m_bitmap = util::CMonoBitmap(192, 64, true);
        if (doc.Images().Add(std::move(img)) != 0)
            break;
    }
}

// Frame bytes of one command's blocks, request and answer.
std::size_t wireBytes(const comm::COMM_CMD &command)
{
    std::size_t total = 0;
    comm::COMM_CMD c = command;
    c.current = c.start;
    while (c.current < c.start + c.size) {
        util::Bytes frame;
        std::size_t expected = 0;
        comm::CCommThread::MakeFrame(c, frame, expected);
        total += frame.size() + expected;
        c.current += std::min<std::uint32_t>(1024, c.start + c.size - c.current);
    }
    return total;
}

double cpuSeconds()
{
    rusage u{};
    ::getrusage(RUSAGE_SELF, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec)
            + double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

void BM_DownloadMaximalProject(benchmark::State &state)
{
    core::CAppServices app;
    app.Load(DORVANE_RUNTIME_DIR, 0x412);
    auto doc = app.NewDocument();
    doc->NewProject(app.NewProjectDefaults("/tmp/dorvane-bench-download.kvr"));
    fill(*doc);
    for (auto _ : state) {
        Simulator sim;
        if (!sim.start()) {
            state.SkipWithError("cannot start velmar-panel-sim");
            return;
        }
        comm::CCommThread link;
        link.SetDevicePath(sim.port);
        comm::PORT_SETTING setting;
        setting.baud = kBaud;
        link.SetPortSetting(setting);
        QuietUi ui;
        core::CProjectTransfer transfer(app, link, ui);
        const double cpu0 = cpuSeconds();
        const auto t0 = std::chrono::steady_clock::now();
        const auto outcome = transfer.Download(*doc, {true, true, false});
        const double elapsed
                = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        const double cpu = cpuSeconds() - cpu0;
        if (outcome != core::TransferOutcome::Done) {
            state.SkipWithError("download failed");
            return;
        }
        // Connect ("y" "C"), the two driver reads, the area commands and "y" "B".
        std::size_t bytes = 2 * (5 + 7) + 2 * (7 + 30 + 7) + 2 * 6;
        std::size_t commands = 0;
        std::vector<core::AreaId> sent{core::AreaId::Global, core::AreaId::Image,
                                       core::AreaId::String, core::AreaId::Screen};
        if (transfer.DriversDiffer()) // a fresh panel holds no drivers: they go too
            sent.push_back(core::AreaId::Driver);
        for (const auto id : sent) {
            comm::COMM_CMD c;
            c.main = 'w';
            c.sub = std::uint8_t(core::areaLetter(id));
            c.buffer = app.Areas().Buffer(id);
            c.size = app.Areas().Length(id);
            bytes += wireBytes(c);
            ++commands;
        }
        const double limit = double(bytes) * 10.0 / kBaud + 0.1 + 0.5 * double(commands);
        state.SetIterationTime(elapsed);
        state.counters["wire_bytes"] = double(bytes);
        state.counters["limit_s"] = limit;
        state.counters["elapsed_s"] = elapsed;
        state.counters["efficiency_pct"] = 100.0 * limit / elapsed;
        state.counters["cpu_pct"] = 100.0 * cpu / elapsed;
    }
}
BENCHMARK(BM_DownloadMaximalProject)->UseManualTime()->Iterations(1)->Unit(benchmark::kSecond);

} // namespace

BENCHMARK_MAIN();
