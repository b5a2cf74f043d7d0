#pragma once

// Typed access to one channel's 52-byte communication record of the parameter block: the PLC
// type, the serial settings, the station numbers and the multi-master station list. The record
// is kept as its bytes (little-endian in memory) so that fields no dialog shows pass through.

#include "core/model/dorvane_doc.h"

#include <cstdint>
#include <vector>

namespace core {

class CChannelParams
{
public:
    // Record offsets.
    static constexpr std::size_t kPlcType = 0;
    static constexpr std::size_t kOwnStation = 2;
    static constexpr std::size_t kDataBits = 4;
    static constexpr std::size_t kParity = 6;
    static constexpr std::size_t kStopBits = 8;
    static constexpr std::size_t kTimeout = 10;
    static constexpr std::size_t kBaud = 12;
    static constexpr std::size_t kConfig = 14;
    static constexpr std::size_t kMasterCount = 16;
    static constexpr std::size_t kMasters = 18;
    static constexpr std::size_t kRemoteStation = 50;

    static constexpr std::uint16_t kStationCount = 32; // station numbers 0 to 31
    static constexpr std::size_t kMaxMasters = 32;

    enum Config : std::uint16_t { k1To1 = 0, k1ToN = 1, kNTo1 = 2, kNToM = 3 };

    CChannelParams() = default;
    explicit CChannelParams(const ChannelParams &raw)
        : m_raw(raw)
    { }

    // The record of a new project: channel 1 talks to PLC type 1, channel 2 is unused; both at
    // 500 ms time-out and baud index 5.
    static CChannelParams NewProject(int channel);

    const ChannelParams &Bytes() const { return m_raw; }

    std::uint16_t PlcType() const { return word(kPlcType); }
    void SetPlcType(std::uint16_t v) { setWord(kPlcType, v); }
    // Bit 15 of the type marks PLCs whose link the panel runs on its own terms (no time-out,
    // no remote station, no configuration choice).
    bool FixedLink() const { return (PlcType() & 0x8000) != 0; }
    std::uint16_t OwnStation() const { return word(kOwnStation); }
    void SetOwnStation(std::uint16_t v) { setWord(kOwnStation, v); }
    std::uint16_t DataBits() const { return word(kDataBits); }
    void SetDataBits(std::uint16_t v) { setWord(kDataBits, v); }
    std::uint16_t Parity() const { return word(kParity); }
    void SetParity(std::uint16_t v) { setWord(kParity, v); }
    std::uint16_t StopBits() const { return word(kStopBits); }
    void SetStopBits(std::uint16_t v) { setWord(kStopBits, v); }
    std::uint16_t Timeout() const { return word(kTimeout); }
    void SetTimeout(std::uint16_t v) { setWord(kTimeout, v); }
    std::uint16_t Baud() const { return word(kBaud); }
    void SetBaud(std::uint16_t v) { setWord(kBaud, v); }
    std::uint16_t Configuration() const { return word(kConfig); }
    void SetConfiguration(std::uint16_t v) { setWord(kConfig, v); }
    std::uint16_t RemoteStation() const { return word(kRemoteStation); }
    void SetRemoteStation(std::uint16_t v) { setWord(kRemoteStation, v); }

    // The listed master stations: the first "count" bytes (count capped at 32).
    std::vector<std::uint8_t> Masters() const;
    // Stores the stations in the order given (callers pass them ascending) and their count;
    // the unused bytes become 0.
    void SetMasters(const std::vector<std::uint8_t> &stations);

    // Configurations in which the remote (slave) station number applies.
    static bool UsesRemoteStation(std::uint16_t config)
    {
        return config == k1To1 || config == kNTo1;
    }
    // Configurations with several masters, where the station list applies.
    static bool UsesMasterList(std::uint16_t config) { return config == kNTo1 || config == kNToM; }

    bool operator==(const CChannelParams &) const = default;

private:
    std::uint16_t word(std::size_t offset) const;
    void setWord(std::size_t offset, std::uint16_t value);

    ChannelParams m_raw{};
};

} // namespace core
