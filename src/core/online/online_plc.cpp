#include "core/online/online_plc.h"

#include "core/online/modbus_transport.h"

#include <algorithm>
#include <array>

namespace core::online {

using Clock = std::chrono::steady_clock;
using std::chrono::duration_cast;
using std::chrono::microseconds;

struct COnlinePlc::ScanTally
{
    struct Station
    {
        std::size_t answered = 0;
        std::size_t failed = 0;
        microseconds time{0};
        std::string error;
    };
    std::map<std::uint16_t, Station> stations;
};

namespace {

std::uint32_t joinWords(std::uint16_t first, std::uint16_t second, WordOrder order)
{
    return order == WordOrder::HighFirst ? (std::uint32_t(first) << 16) | second
                                         : (std::uint32_t(second) << 16) | first;
}

std::array<std::uint16_t, 2> splitWords(std::uint32_t value, WordOrder order)
{
    const auto high = std::uint16_t(value >> 16);
    const auto low = std::uint16_t(value);
    return order == WordOrder::HighFirst ? std::array{high, low} : std::array{low, high};
}

std::string requestText(const PollRequest &r)
{
    std::string text
            = "station " + std::to_string(r.station) + ", " + addressText(r.table, r.start);
    if (r.count > 1)
        text += '-' + addressText(r.table, r.end() - 1).substr(2);
    return text;
}

} // namespace

const char *stationStateName(StationState state)
{
    switch (state) {
    case StationState::Waiting:
        return "waiting";
    case StationState::Ok:
        return "ok";
    case StationState::Partial:
        return "partly failing";
    case StationState::Failed:
        break;
    }
    return "failing";
}

COnlinePlc::COnlinePlc(std::uint16_t channel, LinkEndpoint endpoint, LinkOptions options)
    : m_channel(channel)
    , m_endpoint(std::move(endpoint))
    , m_options(std::move(options))
    , m_thread([this](std::stop_token stop) { run(stop); })
{ }

COnlinePlc::~COnlinePlc()
{
    m_thread.request_stop();
    m_changed.notify_all();
}

void COnlinePlc::SetPoints(const std::vector<MemoryKey> &keys)
{
    std::vector<MemoryKey> mine;
    for (const MemoryKey &key : keys) {
        if (key.channel == m_channel)
            mine.push_back(key);
    }
    CPollPlan plan = CPollPlan::Build(mine, m_options.limits);
    std::lock_guard lock(m_mutex);
    for (const MemoryKey &key : mine)
        m_cells.try_emplace(key);
    for (const MemoryKey &key : plan.Unaddressed()) {
        Cell &cell = m_cells[key];
        cell.failed = true;
        cell.error = "not a Modbus address";
    }
    m_requestCount = plan.Requests().size();
    m_nextPlan = std::move(plan);
    m_changed.notify_all();
}

std::uint32_t COnlinePlc::Read(const MemoryKey &key) const
{
    std::lock_guard lock(m_mutex);
    const auto it = m_cells.find(key);
    return it == m_cells.end() ? 0 : it->second.value;
}

bool COnlinePlc::Failed(const MemoryKey &key) const
{
    std::lock_guard lock(m_mutex);
    const auto it = m_cells.find(key);
    return it != m_cells.end() && it->second.failed;
}

std::string COnlinePlc::FailureOf(const MemoryKey &key) const
{
    std::lock_guard lock(m_mutex);
    const auto it = m_cells.find(key);
    return it != m_cells.end() && it->second.failed ? it->second.error : std::string();
}

void COnlinePlc::Write(const MemoryKey &key, std::uint32_t value)
{
    const auto at = decodeModbusField(key.kind, key.field);
    std::lock_guard lock(m_mutex);
    const auto [it, added] = m_cells.try_emplace(key);
    Cell &cell = it->second;
    if (added) {
        // A point no scan reads (another screen's): it holds what was written to it.
        cell.failed = false;
        cell.error.clear();
    }
    if (!at || !isWritable(at->table)) {
        m_status.error = at ? addressText(at->table, at->address) + " cannot be written"
                            : "not a Modbus address";
        return;
    }
    // The panel repeats some writes on every scan (the current-screen word): what the PLC
    // already holds from our last write is not sent again.
    if (cell.written == value && cell.value == value && !cell.failed)
        return;
    cell.value = value;
    cell.written = value;
    ++cell.pending;
    m_writes.push_back({key, *at, value});
    ++m_writesAsked;
    m_changed.notify_all();
}

bool COnlinePlc::WaitForScan(std::chrono::milliseconds timeout) const
{
    std::unique_lock lock(m_mutex);
    const std::uint64_t target = m_started + 1;
    return m_changed.wait_for(lock, timeout, [&] { return m_completed >= target; });
}

bool COnlinePlc::WaitForWrites(std::chrono::milliseconds timeout) const
{
    std::unique_lock lock(m_mutex);
    const std::uint64_t target = m_writesAsked;
    return m_changed.wait_for(lock, timeout, [&] { return m_writesDone >= target; });
}

LinkStatus COnlinePlc::Status() const
{
    std::lock_guard lock(m_mutex);
    LinkStatus status = m_status;
    for (const auto &[station, s] : m_stations)
        status.stations.push_back(s);
    return status;
}

std::size_t COnlinePlc::RequestCount() const
{
    std::lock_guard lock(m_mutex);
    return m_requestCount;
}

// ------------------------------------------------------------------------------------------------
// The poll thread

void COnlinePlc::run(std::stop_token stop)
{
    CModbusTransport link(m_endpoint, m_options.timeout);
    CPollPlan plan;
    const microseconds delay = m_options.DelayFor(m_endpoint);
    while (!stop.stop_requested()) {
        const Clock::time_point started = Clock::now();
        {
            std::lock_guard lock(m_mutex);
            if (m_nextPlan) {
                plan = std::move(*m_nextPlan);
                m_nextPlan.reset();
            }
            ++m_started;
        }
        ScanTally tally;
        if (connect(link, plan)) {
            sendWrites(link);
            for (std::size_t i = 0; i < plan.Requests().size() && !stop.stop_requested(); ++i) {
                poll(link, plan, i, tally);
                if (!link.IsOpen()) {
                    failRest(plan, i + 1, tally);
                    break;
                }
                if (delay.count() > 0)
                    std::this_thread::sleep_for(delay);
                sendWrites(link);
            }
        }
        finishScan(plan, tally, started);
        // A device that cannot be opened is tried again after the time-out at the earliest.
        const auto pause
                = link.IsOpen() ? m_options.cycle : std::max(m_options.cycle, m_options.timeout);
        std::unique_lock lock(m_mutex);
        m_changed.wait_until(lock, stop, started + pause,
                             [&] { return !m_writes.empty() || m_nextPlan.has_value(); });
    }
}

bool COnlinePlc::connect(CModbusTransport &link, const CPollPlan &plan)
{
    if (link.IsOpen())
        return true;
    const LinkResult opened = link.Open();
    std::lock_guard lock(m_mutex);
    m_status.connected = opened.ok();
    m_status.error = opened.text;
    if (opened.ok())
        return true;
    for (const PollRequest &r : plan.Requests()) {
        for (const std::size_t i : r.points) {
            Cell &cell = m_cells[plan.Points()[i].key];
            cell.failed = true;
            cell.error = opened.text;
        }
        StationStatus &s = m_stations[r.station];
        s.station = r.station;
        s.state = StationState::Failed;
        s.lastError = opened.text;
    }
    // Writes cannot go out; they are dropped rather than sent late.
    for (const PendingWrite &w : m_writes) {
        Cell &cell = m_cells[w.key];
        --cell.pending;
        cell.failed = true;
        cell.error = "write not sent: " + opened.text;
        cell.written.reset();
        ++m_writesDone;
    }
    m_writes.clear();
    m_changed.notify_all();
    return false;
}

void COnlinePlc::sendWrites(CModbusTransport &link)
{
    for (;;) {
        std::vector<PendingWrite> batch;
        {
            std::lock_guard lock(m_mutex);
            if (m_writes.empty())
                return;
            std::vector<WriteTarget> targets;
            for (std::size_t i = 0; i < m_writes.size() && i < kMaxWriteRegisters; ++i)
                targets.push_back({m_writes[i].key.station, m_writes[i].at});
            const std::size_t n = std::max<std::size_t>(registerWriteRun(targets), 1);
            batch.assign(m_writes.begin(), m_writes.begin() + std::ptrdiff_t(n));
            m_writes.erase(m_writes.begin(), m_writes.begin() + std::ptrdiff_t(n));
        }
        const PendingWrite &first = batch.front();
        LinkResult done;
        if (first.at.table == ModbusTable::Coils) {
            done = link.WriteCoil(first.key.station, first.at.address, first.value != 0);
        } else {
            // One FC6 for a single word, else one FC16 for the whole run of registers.
            std::vector<std::uint16_t> words;
            for (const PendingWrite &w : batch) {
                if (w.at.count == 2) {
                    const auto pair = splitWords(w.value, m_options.wordOrder);
                    words.insert(words.end(), pair.begin(), pair.end());
                } else {
                    words.push_back(std::uint16_t(w.value));
                }
            }
            done = link.WriteRegisters(first.key.station, first.at.address, words);
        }
        finishWrites(batch, done);
    }
}

void COnlinePlc::finishWrites(const std::vector<PendingWrite> &batch, const LinkResult &done)
{
    std::lock_guard lock(m_mutex);
    ++m_status.writes;
    for (const PendingWrite &w : batch) {
        Cell &cell = m_cells[w.key];
        --cell.pending;
        ++m_writesDone;
        if (done.ok())
            continue;
        const std::string why = "write to station " + std::to_string(w.key.station) + ", "
                + addressText(w.at.table, w.at.address) + ": " + done.text;
        cell.failed = true;
        cell.error = why;
        cell.written.reset();
        StationStatus &s = m_stations[w.key.station];
        s.station = w.key.station;
        s.lastError = why;
    }
    m_changed.notify_all();
}

void COnlinePlc::poll(CModbusTransport &link, CPollPlan &plan, std::size_t index, ScanTally &tally)
{
    const Clock::time_point t0 = Clock::now();
    const PollRequest r = plan.Requests()[index];
    ScanTally::Station &station = tally.stations[r.station];
    if (m_endpoint.kind == LinkEndpoint::Kind::Serial && (r.station == 0 || r.station > 247)) {
        const std::string why = "station " + std::to_string(r.station)
                + " cannot be polled on a serial line (stations 1 to 247; 0 is the broadcast)";
        fail(plan, r, why);
        ++station.failed;
        station.error = why;
        return;
    }
    std::vector<std::uint16_t> regs;
    std::vector<std::uint8_t> bits;
    LinkResult got;
    for (int attempt = 0; attempt <= m_options.retries; ++attempt) {
        got = isBitTable(r.table) ? link.ReadBits(r.station, r.table, r.start, r.count, bits)
                                  : link.ReadRegisters(r.station, r.table, r.start, r.count, regs);
        if (got.ok() || got.fault == LinkFault::Exception || got.fault == LinkFault::Connection)
            break;
    }
    station.time += duration_cast<microseconds>(Clock::now() - t0);
    if (got.ok()) {
        store(plan, r, regs, bits);
        ++station.answered;
        return;
    }
    if (got.fault == LinkFault::Exception && got.exception == 2 && plan.SplitAtGaps(index)) {
        // A hole in the slave's map: read the runs one by one, now and from now on.
        {
            std::lock_guard lock(m_mutex);
            m_requestCount = plan.Requests().size();
        }
        return poll(link, plan, index, tally);
    }
    const std::string why = requestText(r) + ": " + got.text;
    fail(plan, r, why);
    ++station.failed;
    station.error = why;
}

void COnlinePlc::failRest(const CPollPlan &plan, std::size_t from, ScanTally &tally)
{
    // The connection broke: what is left of the scan cannot be read either.
    for (std::size_t j = from; j < plan.Requests().size(); ++j) {
        const PollRequest &r = plan.Requests()[j];
        const std::string why = requestText(r) + ": not read, the connection broke";
        fail(plan, r, why);
        ScanTally::Station &station = tally.stations[r.station];
        ++station.failed;
        station.error = why;
    }
}

void COnlinePlc::store(const CPollPlan &plan, const PollRequest &r,
                       const std::vector<std::uint16_t> &regs,
                       const std::vector<std::uint8_t> &bits)
{
    std::lock_guard lock(m_mutex);
    for (const std::size_t i : r.points) {
        const PlanPoint &p = plan.Points()[i];
        const std::size_t at = p.at.address - r.start;
        Cell &cell = m_cells[p.key];
        cell.failed = false;
        cell.error.clear();
        // A value written from here and not yet sent stays on show.
        if (cell.pending > 0)
            continue;
        if (isBitTable(r.table))
            cell.value = bits[at] ? 1 : 0;
        else if (p.at.count == 2)
            cell.value = joinWords(regs[at], regs[at + 1], m_options.wordOrder);
        else
            cell.value = regs[at];
    }
}

void COnlinePlc::fail(const CPollPlan &plan, const PollRequest &r, const std::string &why)
{
    std::lock_guard lock(m_mutex);
    for (const std::size_t i : r.points) {
        Cell &cell = m_cells[plan.Points()[i].key];
        cell.failed = true;
        cell.error = why;
    }
}

void COnlinePlc::finishScan(const CPollPlan &plan, const ScanTally &tally,
                            Clock::time_point started)
{
    std::lock_guard lock(m_mutex);
    for (const auto &[number, t] : tally.stations) {
        StationStatus &s = m_stations[number];
        s.station = number;
        s.requests = plan.RequestCount(number);
        s.scanTime = t.time;
        s.state = t.failed == 0   ? StationState::Ok
                : t.answered == 0 ? StationState::Failed
                                  : StationState::Partial;
        if (!t.error.empty())
            s.lastError = t.error;
    }
    m_status.scanTime = duration_cast<microseconds>(Clock::now() - started);
    ++m_status.scans;
    ++m_completed;
    m_changed.notify_all();
}

} // namespace core::online
