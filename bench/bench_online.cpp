// The online link's figures on the demo's busiest screen (the most PLC points), against the
// pymodbus slave of the tests on a pseudo-terminal that answers as late as a 19200-baud line
// would: a scan's time against the wire time of its requests, the requests against the fewest
// its address layout allows, and the CPU the poll thread takes while connected.

#define DORVANE_SYSTEM_PYTHON "/usr/bin/python3"
#define DORVANE_MODBUS_SLAVE DORVANE_SOURCE_DIR "/tests/online/modbus_slave.py"
#include "../tests/online/slave_process.h"

#include "core/app/app_services.h"
#include "core/model/dorvane_doc.h"
#include "core/model/screen_data.h"
#include "core/online/online_plc.h"
#include "core/project_json/project_json.h"
#include "core/runtime/panel_runtime.h"

#include "util/file_io.h"

#include <benchmark/benchmark.h>

#include <ctime>
#include <thread>

namespace {

using namespace core;
using namespace core::online;
using namespace std::chrono_literals;

constexpr double kCharMs = 11.0 * 1000.0 / 19200.0;

struct Demo
{
    CAppServices app;
    std::unique_ptr<CDorvaneDoc> doc;
    std::vector<MemoryKey> busiest; // channel 1 points of the busiest screen
    std::uint16_t screen = 0;
};

bool loadDemo(Demo &d, std::string &error)
{
    d.app.Load(DORVANE_RUNTIME_DIR, 0x412);
    d.doc = d.app.NewDocument();
    const auto json = util::readFile(std::string(DORVANE_SOURCE_DIR) + "/demo/demo_project.json");
    const ProjectJsonResult imported = json
            ? importProjectJson(std::string(json->begin(), json->end()), *d.doc)
            : ProjectJsonResult{false, {}, "demo/demo_project.json not read"};
    if (!imported.ok) {
        error = imported.error;
        return false;
    }
    CPanelRuntime run(*d.doc);
    for (const auto &s : d.doc->Screens()) {
        std::vector<MemoryKey> keys;
        for (const MemoryPoint &p : run.Memory().PointsWhileShowing(*d.doc, s->Number()))
            if (p.key.channel == 1)
                keys.push_back(p.key);
        if (keys.size() > d.busiest.size()) {
            d.busiest = keys;
            d.screen = s->Number();
        }
    }
    return true;
}

// The wire time of one scan at 19200 baud, 8E1: each read's request (8 characters) and answer
// (5 + data), and the 3.5-character silence before each frame.
double wireMs(const CPollPlan &plan)
{
    double chars = 0;
    for (const PollRequest &r : plan.Requests()) {
        const double data = isBitTable(r.table) ? (r.count + 7) / 8 : 2.0 * r.count;
        chars += 8 + 5 + data + 7;
    }
    return chars * kCharMs;
}

double cpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

void BM_OnlineScanRtu19200(benchmark::State &st)
{
    Demo demo;
    std::string error;
    if (!loadDemo(demo, error)) {
        st.SkipWithError(error.c_str());
        return;
    }
    onlinetest::SlaveProcess slave("rtu", {"--baud", "19200"});
    if (!slave.running()) {
        st.SkipWithError("the pymodbus slave did not start");
        return;
    }
    LinkEndpoint endpoint;
    endpoint.path = slave.where();
    LinkOptions options;
    options.cycle = 0ms; // back to back: a scan's own time
    COnlinePlc plc(1, endpoint, options);
    plc.SetPoints(demo.busiest);
    plc.WaitForScan(5s);
    double scanMs = 0;
    std::uint64_t scans = 0;
    for (auto _ : st) {
        plc.WaitForScan(5s);
        scanMs += double(plc.Status().scanTime.count()) / 1000.0;
        ++scans;
    }
    const CPollPlan plan = CPollPlan::Build(demo.busiest);
    PollLimits unlimited;
    unlimited.registerGap = 0xFFFF;
    unlimited.bitGap = 0xFFFF;
    const double wire = wireMs(plan);
    st.counters["screen"] = demo.screen;
    st.counters["points"] = double(demo.busiest.size());
    st.counters["requests"] = double(plan.Requests().size());
    st.counters["min_requests"]
            = double(CPollPlan::Build(demo.busiest, unlimited).Requests().size());
    st.counters["scan_ms"] = scanMs / double(scans);
    st.counters["wire_ms"] = wire;
    st.counters["wire_share_pct"] = 100.0 * wire / (scanMs / double(scans));
}
BENCHMARK(BM_OnlineScanRtu19200)->Unit(benchmark::kMillisecond)->Iterations(20);

// Connected at the preview's pace (a scan every 100 ms) for three seconds.
void BM_OnlinePollCpu(benchmark::State &st)
{
    Demo demo;
    std::string error;
    if (!loadDemo(demo, error)) {
        st.SkipWithError(error.c_str());
        return;
    }
    onlinetest::SlaveProcess slave(st.range(0) ? "tcp" : "rtu", {"--baud", "19200"});
    if (!slave.running()) {
        st.SkipWithError("the pymodbus slave did not start");
        return;
    }
    LinkEndpoint endpoint;
    if (st.range(0)) {
        endpoint.kind = LinkEndpoint::Kind::Tcp;
        endpoint.host = "127.0.0.1";
        endpoint.port = std::uint16_t(std::stoi(slave.where()));
    } else {
        endpoint.path = slave.where();
    }
    COnlinePlc plc(1, endpoint, LinkOptions{});
    plc.SetPoints(demo.busiest);
    plc.WaitForScan(5s);
    double cpu = 0;
    for (auto _ : st) {
        const double c0 = cpuSeconds();
        std::this_thread::sleep_for(3s);
        cpu += cpuSeconds() - c0;
    }
    st.counters["cpu_pct"] = 100.0 * cpu / (3.0 * double(st.iterations()));
    st.counters["scans"] = double(plc.Status().scans);
}
BENCHMARK(BM_OnlinePollCpu)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
