// dorvane-cli watch: the device points a project uses on a channel, read from the real PLC over
// Modbus RTU or Modbus TCP, printed as the tag list names them.

#include "cli/commands.h"

#include "core/model/dorvane_doc.h"
#include "core/online/online_channels.h"
#include "core/online/point_readings.h"
#include "core/runtime/device_memory.h"

#include <nlohmann/json.hpp>

#include <atomic>
#include <charconv>
#include <csignal>
#include <iostream>
#include <map>

namespace cli {

namespace {

using namespace core::online;

std::atomic<bool> g_interrupted{false};

extern "C" void onInterrupt(int)
{
    g_interrupted = true;
}

[[noreturn]] void fail(const std::string &message, int status = 2)
{
    std::cerr << message << "\n";
    throw Exit{status};
}

struct WatchOptions
{
    std::string file;
    std::vector<std::string> plc;
    std::optional<std::uint16_t> screen;
    bool once = false;
    int timeoutMs = 0; // 0: the channel's own
    int retries = 0;
    int cycleMs = 100;
    std::string wordOrder = "high";
};

// What one point shows in a scan: its value text, or why it failed.
struct Reading
{
    std::string text;
    bool failed = false;
    bool operator==(const Reading &) const = default;
};

class CWatch
{
public:
    CWatch(CliContext &ctx, const WatchOptions &o);
    int Run();

private:
    void connect(const std::string &choice);
    std::map<std::string, Reading> readAll() const;
    void print(const std::map<std::string, Reading> &readings, bool all) const;

    const WatchOptions &m_o;
    std::unique_ptr<core::CDorvaneDoc> m_doc;
    std::unique_ptr<core::CDeviceMemory> m_memory;
    std::unique_ptr<COnlineChannels> m_online;
    std::unique_ptr<CPointReadings> m_readings;
    std::vector<core::MemoryPoint> m_points; // of the online channels, in the project's order
    bool m_json;
    std::map<std::string, Reading> m_last;
};

CWatch::CWatch(CliContext &ctx, const WatchOptions &o)
    : m_o(o)
    , m_json(ctx.json)
{
    ctx.loadConfig();
    m_doc = ctx.openProject(o.file);
    if (!m_doc)
        throw Exit{2};
    m_memory = std::make_unique<core::CDeviceMemory>(m_doc->Slots());
    m_memory->CollectPoints(*m_doc);
    m_online = std::make_unique<COnlineChannels>(*m_memory, *m_doc);
    m_readings = std::make_unique<CPointReadings>(*m_doc, *m_memory);
    for (const std::string &choice : o.plc)
        connect(choice);
    if (o.screen) {
        if (!m_doc->FindScreen(*o.screen))
            fail("The project has no screen " + std::to_string(*o.screen) + ".");
        m_online->Follow(*o.screen);
    } else {
        m_online->FollowAll();
    }
    const auto points
            = o.screen ? m_memory->PointsWhileShowing(*m_doc, *o.screen) : m_memory->Points();
    for (const core::MemoryPoint &p : points) {
        if (m_online->Plc(p.key.channel))
            m_points.push_back(p);
    }
}

void CWatch::connect(const std::string &text)
{
    std::string error;
    const auto choice = parsePlcChoice(text, *m_doc, error);
    if (!choice)
        fail("--plc " + text + ": " + error + ".");
    const int channel = choice->channel;
    if (const auto refusal = channelRefusal(*m_doc, channel))
        fail(*refusal + ".");
    LinkOptions options = channelOptions(*m_doc, channel);
    if (m_o.timeoutMs > 0)
        options.timeout = std::chrono::milliseconds(m_o.timeoutMs);
    options.retries = m_o.retries;
    options.cycle = std::chrono::milliseconds(m_o.cycleMs);
    options.wordOrder = m_o.wordOrder == "low" ? WordOrder::LowFirst : WordOrder::HighFirst;
    if (!m_online->Connect(channel, choice->endpoint, options, error))
        fail(error + ".");
}

std::map<std::string, Reading> CWatch::readAll() const
{
    std::map<std::string, Reading> out;
    for (const core::MemoryPoint &p : m_points) {
        const COnlinePlc *plc = m_online->Plc(p.key.channel);
        if (plc->Failed(p.key))
            out[p.text] = {plc->FailureOf(p.key), true};
        else
            out[p.text] = {m_readings->Text(p.key, plc->Read(p.key)), false};
    }
    return out;
}

void CWatch::print(const std::map<std::string, Reading> &readings, bool all) const
{
    nlohmann::ordered_json json = nlohmann::ordered_json::object();
    for (const core::MemoryPoint &p : m_points) {
        const Reading &r = readings.at(p.text);
        const auto last = m_last.find(p.text);
        if (!all && last != m_last.end() && last->second == r)
            continue;
        if (m_json) {
            long long number = 0;
            const auto [end, ec]
                    = std::from_chars(r.text.data(), r.text.data() + r.text.size(), number);
            if (r.failed)
                json[p.text] = nullptr;
            else if (ec == std::errc() && end == r.text.data() + r.text.size())
                json[p.text] = number;
            else
                json[p.text] = r.text;
        } else if (r.failed) {
            std::cout << p.text << "  failed: " << r.text << "\n";
        } else {
            std::cout << p.text << "  " << r.text << "\n";
        }
        if (r.failed && m_json)
            std::cerr << p.text << " failed: " << r.text << "\n";
    }
    if (m_json && (all || !json.empty()))
        std::cout << json.dump() << "\n";
    std::cout.flush();
}

int CWatch::Run()
{
    if (m_points.empty())
        fail("The project uses no device points on the chosen channels.", 1);
    // Long enough for every read to time out with its retries, and the connection attempt.
    const auto wait = std::chrono::milliseconds(10'000);
    const auto scanned = [&] {
        for (int channel = 1; channel <= 2; ++channel) {
            if (COnlinePlc *plc = m_online->Plc(channel); plc && !plc->WaitForScan(wait))
                return false;
        }
        return true;
    };
    if (!scanned())
        fail("No scan completed within " + std::to_string(wait.count() / 1000) + " seconds.", 1);
    auto readings = readAll();
    print(readings, true);
    m_last = readings;
    const auto anyFailed = [](const std::map<std::string, Reading> &r) {
        for (const auto &[text, reading] : r) {
            if (reading.failed)
                return true;
        }
        return false;
    };
    if (m_o.once)
        return anyFailed(readings) ? 1 : 0;
    std::signal(SIGINT, onInterrupt);
    std::signal(SIGTERM, onInterrupt);
    while (!g_interrupted) {
        if (!scanned())
            continue;
        readings = readAll();
        print(readings, false);
        m_last = readings;
    }
    return anyFailed(m_last) ? 1 : 0;
}

} // namespace

void addWatchCommand(CLI::App &app, CliContext &ctx)
{
    auto o = std::make_shared<WatchOptions>();
    auto *watch = app.add_subcommand(
            "watch", "Read the project's device points from the PLC over Modbus RTU or TCP");
    watch->add_option("file", o->file, "The .kvr file")->required();
    watch->add_option("--plc", o->plc,
                      "CH=SERIAL_PATH[:BAUD[:PARITY]] or CH=tcp:HOST:PORT: the PLC of channel CH "
                      "(baud and parity default to the channel's settings)")
            ->required();
    watch->add_option("--screen", o->screen,
                      "Only what the panel reads while it shows screen N (its tags and keys, and "
                      "the alarms, calculations, transfers and reservations)");
    watch->add_flag("--once", o->once, "Read every point once and end (status 1 when one failed)");
    watch->add_option("--timeout", o->timeoutMs,
                      "Answer time-out in ms (default: the channel's time-out)")
            ->check(CLI::Range(1, 65535));
    watch->add_option("--retries", o->retries, "Further tries of a read that got no answer")
            ->check(CLI::Range(0, 10));
    watch->add_option("--cycle", o->cycleMs, "Shortest time between the starts of two scans, ms")
            ->check(CLI::Range(0, 60000));
    watch->add_option("--word-order", o->wordOrder,
                      "Which register of a double word holds the high word: high (register n, "
                      "the default) or low")
            ->check(CLI::IsMember({"high", "low"}));
    watch->callback([&ctx, o] {
        CWatch w(ctx, *o);
        throw Exit{w.Run()};
    });
}

} // namespace cli
