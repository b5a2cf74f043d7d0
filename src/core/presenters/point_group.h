#pragma once

// The device-point controls of a tag property dialog: the S / Ch1 / Ch2 radios (a channel can be
// chosen only while its driver slot holds a PLC), the station list, the address with its entry
// dialog, Word / Long, the signed box and the two limits. It works on the tag's own point.

#include "core/plc/plc_slots.h"
#include "core/presenters/function_env.h"
#include "core/tags/point_info.h"

#include <cstdint>
#include <string>

namespace core {

class CPointGroup
{
public:
    static constexpr std::uint16_t kStationCount = 32;

    CPointGroup(const FunctionEnv &env, CPointInfo &point);

    const CPointInfo &Point() const { return m_point; }

    // Address kind of the point for the drivers: 1 bit, 2 word, 4 double word.
    std::int32_t AddressKind() const;
    // Whether the panel writes to the point (writable numeric tags, buttons): the address entry
    // then leaves out read-only areas and system words.
    bool MustWrite() const { return m_mustWrite; }
    void SetMustWrite(bool on) { m_mustWrite = on; }

    std::uint16_t Channel() const { return m_point.m_channel; }
    bool ChannelEnabled(std::uint16_t channel) const;
    // S sets station 0; Ch1 / Ch2 take the channel's own station number. A change of channel
    // puts the channel's default address in place (the old text means nothing to another
    // device). False when the radio is disabled.
    bool ChooseChannel(std::uint16_t channel);
    bool StationEnabled() const { return m_point.m_channel != 0; }
    std::uint16_t Station() const { return m_point.m_station; }
    bool SetStation(std::uint16_t station);

    // The address as the dialog shows it: a panel word by its system-address name, a PLC
    // address as area and number.
    std::string AddressText() const;
    const std::string &Area() const { return m_point.m_address; }
    const std::string &Number() const { return m_point.m_second; }
    // The accepted result of the address entry dialog.
    void SetAddress(const std::string &area, const std::string &number);

    // Word (2) / Long (3): the limits take the default range; an address the driver refuses
    // at the new width takes the driver's default.
    void SetDataSize(std::uint16_t dataSize);
    // The limits take the default range.
    void SetSigned(bool isSigned);
    // After the width changed elsewhere: an address the channel's driver refuses at the point's
    // width takes the driver's default.
    void KeepAddressValid();

    std::string MinText() const { return m_point.MinText(); }
    std::string MaxText() const { return m_point.MaxText(); }
    // A limit typed for the point's sign and base, within its full range; otherwise the range
    // message and no change.
    bool SetMinText(const std::string &text);
    bool SetMaxText(const std::string &text);

    // OK's check: the channel's driver accepts the address (else 52350), and the lower limit
    // does not lie above the upper one.
    bool Ok() const;

private:
    bool ParseLimit(const std::string &text, std::uint32_t &value) const;
    bool LimitsOrdered() const;
    void DefaultAddress();

    FunctionEnv m_env;
    CPointInfo &m_point;
    bool m_mustWrite = false;
};

} // namespace core
