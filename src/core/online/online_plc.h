#pragma once

// The devices of a real PLC on one channel, as the running panel reads and writes them: a poll
// thread reads the points of the plan over and over through Modbus RTU or TCP, and the panel reads
// the last values it got. A write (numeric entry, a button, a function key, a block transfer)
// shows at once and goes out before the next read. A request that fails (no answer, a garbled
// answer, a Modbus exception) marks exactly its points as failed; polling goes on and the points
// recover with the next good answer. Nothing here blocks its caller for longer than a lock.

#include "core/online/link_settings.h"
#include "core/online/poll_plan.h"
#include "core/runtime/plc_memory.h"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <map>
#include <mutex>
#include <optional>
#include <stop_token>
#include <string>
#include <thread>
#include <vector>

namespace core::online {

class CModbusTransport;
struct LinkResult;

enum class StationState {
    Waiting, // not read yet
    Ok, // every request answered in the last scan
    Partial, // some requests answered
    Failed, // none answered
};

struct StationStatus
{
    std::uint16_t station = 0;
    StationState state = StationState::Waiting;
    std::string lastError; // the newest error, kept after recovery; empty when none yet
    std::chrono::microseconds scanTime{0}; // time of its requests in the last scan
    std::size_t requests = 0; // reads per scan
};

struct LinkStatus
{
    bool connected = false;
    std::string error; // why the device or socket is not open
    std::uint64_t scans = 0; // completed scans
    std::chrono::microseconds scanTime{0}; // the last scan, writes included
    std::size_t writes = 0; // writes sent so far
    std::vector<StationStatus> stations; // by station number
};

const char *stationStateName(StationState state);

class COnlinePlc final : public IPlcMemory
{
public:
    // Polls the points of `channel` once SetPoints() named them; starts at once.
    COnlinePlc(std::uint16_t channel, LinkEndpoint endpoint, LinkOptions options = {});
    ~COnlinePlc() override;
    COnlinePlc(const COnlinePlc &) = delete;
    COnlinePlc &operator=(const COnlinePlc &) = delete;

    // The points to poll from the next scan on (points of other channels are left out). Points
    // not polled before count as failed until their first answer.
    void SetPoints(const std::vector<MemoryKey> &keys);

    // --- IPlcMemory ------------------------------------------------------------------------------
    std::uint32_t Read(const MemoryKey &key) const override;
    void Write(const MemoryKey &key, std::uint32_t value) override;
    bool Failed(const MemoryKey &key) const override;

    // Why the point failed; empty while it is good.
    std::string FailureOf(const MemoryKey &key) const;
    // Waits until a scan that started after this call has completed; false on time-out.
    bool WaitForScan(std::chrono::milliseconds timeout) const;
    // Waits until every write asked for so far has been sent (or has failed).
    bool WaitForWrites(std::chrono::milliseconds timeout) const;
    LinkStatus Status() const;
    const LinkEndpoint &Endpoint() const { return m_endpoint; }
    const LinkOptions &Options() const { return m_options; }
    std::uint16_t Channel() const { return m_channel; }
    // The requests of the plan the poll thread is using (for figures and tests).
    std::size_t RequestCount() const;

private:
    struct Cell
    {
        std::uint32_t value = 0;
        bool failed = true;
        std::string error = "not read yet";
        std::optional<std::uint32_t> written; // the last value written from here
        int pending = 0; // writes queued or on their way
    };
    struct PendingWrite
    {
        MemoryKey key;
        ModbusPoint at;
        std::uint32_t value = 0;
    };
    struct ScanTally;

    void run(std::stop_token stop);
    bool connect(CModbusTransport &link, const CPollPlan &plan);
    void sendWrites(CModbusTransport &link);
    void finishWrites(const std::vector<PendingWrite> &batch, const LinkResult &done);
    void poll(CModbusTransport &link, CPollPlan &plan, std::size_t index, ScanTally &tally);
    void store(const CPollPlan &plan, const PollRequest &r, const std::vector<std::uint16_t> &regs,
               const std::vector<std::uint8_t> &bits);
    void fail(const CPollPlan &plan, const PollRequest &r, const std::string &why);
    void failRest(const CPollPlan &plan, std::size_t from, ScanTally &tally);
    void finishScan(const CPollPlan &plan, const ScanTally &tally,
                    std::chrono::steady_clock::time_point started);

    const std::uint16_t m_channel;
    const LinkEndpoint m_endpoint;
    const LinkOptions m_options;

    mutable std::mutex m_mutex;
    mutable std::condition_variable_any m_changed; // writes queued, a scan done, stop
    std::map<MemoryKey, Cell> m_cells;
    std::deque<PendingWrite> m_writes;
    std::optional<CPollPlan> m_nextPlan;
    std::size_t m_requestCount = 0;
    std::uint64_t m_started = 0; // scans started
    std::uint64_t m_completed = 0; // scans completed
    std::uint64_t m_writesDone = 0;
    std::uint64_t m_writesAsked = 0;
    LinkStatus m_status;
    std::map<std::uint16_t, StationStatus> m_stations;

    std::jthread m_thread; // last: stops and joins before the members above go
};

} // namespace core::online
