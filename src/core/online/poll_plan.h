#pragma once

// Which requests read the points of one Modbus channel: per station and table, the points sorted
// by address and merged into as few reads as the protocol allows.
//
// Merging. A read at 19200 baud (8 data bits, parity, 1 stop bit: 11 bits, 0.57 ms a character)
// costs a request of 8 characters, an answer of 5 plus the data, and the 3.5-character silence
// before each frame: 20 characters (11.5 ms) besides the data and the slave's turnaround. Reading
// unused registers between two points costs 2 characters a register, and unused coils or inputs
// one character for eight, so a gap is read through while it costs less than a request: up to
// 9 registers or 152 bits. Over TCP a request costs a round trip and 20 bytes of headers, so the
// same rule holds. A read never passes 125 registers or 2000 bits.
//
// A slave that refuses a merged read with "illegal data address" (a hole in its memory map) gets
// one read per run of adjacent points from then on, so only the points really missing fail.

#include "core/online/modbus_point.h"
#include "core/runtime/memory_key.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace core::online {

inline constexpr std::uint16_t kMaxReadRegisters = 125;
inline constexpr std::uint16_t kMaxReadBits = 2000;
inline constexpr std::uint16_t kRegisterGap = 9;
inline constexpr std::uint16_t kBitGap = 152;

struct PollLimits
{
    std::uint16_t maxRegisters = kMaxReadRegisters;
    std::uint16_t maxBits = kMaxReadBits;
    std::uint16_t registerGap = kRegisterGap;
    std::uint16_t bitGap = kBitGap;
};

struct PlanPoint
{
    MemoryKey key;
    ModbusPoint at;
};

struct PollRequest
{
    std::uint16_t station = 0;
    ModbusTable table = ModbusTable::HoldingRegisters;
    std::uint16_t start = 0; // protocol address
    std::uint16_t count = 0; // registers or bits
    std::vector<std::size_t> points; // indexes into CPollPlan::Points()

    std::uint32_t end() const { return std::uint32_t(start) + count; }
};

class CPollPlan
{
public:
    CPollPlan() = default;
    // Points whose address is no Modbus address (another driver's field) are left out and listed
    // by Unaddressed().
    static CPollPlan Build(const std::vector<MemoryKey> &keys, const PollLimits &limits = {});

    const std::vector<PlanPoint> &Points() const { return m_points; }
    const std::vector<PollRequest> &Requests() const { return m_requests; }
    const std::vector<MemoryKey> &Unaddressed() const { return m_unaddressed; }
    // Requests of one station.
    std::size_t RequestCount(std::uint16_t station) const;

    // Replaces request `index` by one request per run of adjacent points; false when it covers
    // one run only (nothing to split).
    bool SplitAtGaps(std::size_t index);

private:
    std::vector<PlanPoint> m_points;
    std::vector<PollRequest> m_requests;
    std::vector<MemoryKey> m_unaddressed;
    PollLimits m_limits;
};

// Writes of consecutive holding registers share one FC16 request, up to 123 registers.
inline constexpr std::uint16_t kMaxWriteRegisters = 123;

struct WriteTarget
{
    std::uint16_t station = 0;
    ModbusPoint at;
};

// How many writes from the first on one request carries: a coil or a lone register alone; a run
// of holding registers of one station, each beginning where the one before ends, together.
std::size_t registerWriteRun(const std::vector<WriteTarget> &writes);

// The requests of `points` (indexes into `all`, one station and table), merged by the limits.
std::vector<PollRequest> mergeRequests(const std::vector<PlanPoint> &all,
                                       std::vector<std::size_t> points, const PollLimits &limits);

} // namespace core::online
