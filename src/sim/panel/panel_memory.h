#pragma once

// The simulated panel's memory: the project areas, the password block, the system record, the
// alarm history and the clock, optionally kept in a folder so they survive restarts. Safe to use
// from the serving thread and a display's thread at once.

#include "util/byte_order.h"

#include <cstdint>
#include <ctime>
#include <map>
#include <mutex>
#include <optional>
#include <string>

namespace sim {

class CPanelMemory
{
public:
    struct Options
    {
        std::string stateDir;
        std::optional<std::string> password;
        std::uint16_t osVersion = 0x0101;
        bool rtc = true;
    };

    explicit CPanelMemory(Options options);

    bool hasArea(std::uint8_t letter) const;
    // A NAK code on failure.
    std::optional<std::uint8_t> read(std::uint8_t letter, std::uint32_t address,
                                     std::uint32_t length, util::Bytes &out);
    std::optional<std::uint8_t> write(std::uint8_t letter, std::uint32_t address,
                                      util::ConstByteSpan data);
    // Every area reports 0xFFFFFFFF afterwards; the password and the history are gone too.
    void erase();

    bool hasPassword() const;
    bool checkPassword(util::ConstByteSpan tenBytes) const;

    // Counts the writes into the project areas G, S, R, C (and erases): a display notices a
    // download by its change.
    std::uint64_t projectGeneration() const;
    // Counts the link's writes into the alarm-history area W (a delete among them): a display
    // that keeps its own copy of the history takes it again on a change.
    std::uint64_t historyGeneration() const;
    // The display's history (the whole area W as it keeps it): the history part is stored, the
    // panel data before it is left alone, and the count above does not change.
    void storeHistory(util::ConstByteSpan areaW);
    // A copy of a whole area (empty for an unknown letter).
    util::Bytes areaBytes(std::uint8_t letter) const;
    // The panel clock as broken-down time.
    std::tm panelTime() const;

    bool hasRtc() const { return m_options.rtc; }
    // The clock record (8 packed-BCD bytes) and setting it; false for an invalid record.
    util::Bytes clockRecord() const;
    bool setClock(util::ConstByteSpan record);

private:
    struct Area
    {
        util::Bytes bytes;
    };
    void initArea(std::uint8_t letter, std::size_t capacity, std::uint8_t fill);
    void store(std::uint8_t letter, std::size_t offset, std::size_t length);
    void refreshSystemRecord();
    std::tm clockNow() const;

    Options m_options;
    mutable std::mutex m_mutex;
    std::map<std::uint8_t, Area> m_areas;
    std::uint64_t m_projectGeneration = 0;
    std::uint64_t m_historyGeneration = 0;
    long long m_clockOffset = 0; // seconds between the panel clock and local time
};

} // namespace sim
