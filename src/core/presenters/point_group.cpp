#include "core/presenters/point_group.h"

#include "core/functions/device_addr.h"

#include "util/message_ids.h"
#include "util/messages.h"

namespace core {

CPointGroup::CPointGroup(const FunctionEnv &env, CPointInfo &point)
    : m_env(env)
    , m_point(point)
{
    if (m_point.m_station >= kStationCount)
        m_point.m_station = 0;
}

std::int32_t CPointGroup::AddressKind() const
{
    switch (m_point.m_dataSize) {
    case kSizeBit:
        return kAddrBit;
    case kSizeDWord:
        return kAddrDWord;
    default:
        return kAddrWord;
    }
}

bool CPointGroup::ChannelEnabled(std::uint16_t channel) const
{
    if (channel == 0)
        return true;
    if (channel > 2)
        return false;
    return m_env.plcSlots.slot(channel).DeviceKind() == kDevicePlc;
}

bool CPointGroup::ChooseChannel(std::uint16_t channel)
{
    if (!ChannelEnabled(channel))
        return false;
    if (channel == m_point.m_channel)
        return true;
    m_point.m_channel = channel;
    std::uint16_t station = 0;
    if (channel != 0) {
        station = m_env.plcSlots.slot(channel).Station();
        if (station >= kStationCount)
            station = 0;
    }
    m_point.m_station = station;
    DefaultAddress();
    return true;
}

bool CPointGroup::SetStation(std::uint16_t station)
{
    if (!StationEnabled() || station >= kStationCount)
        return false;
    m_point.m_station = station;
    return true;
}

std::string CPointGroup::AddressText() const
{
    return deviceAddressText(m_env.plcSlots, m_point.m_channel, AddressKind(), m_point.m_address,
                             m_point.m_second);
}

void CPointGroup::SetAddress(const std::string &area, const std::string &number)
{
    m_point.m_address = area;
    m_point.m_second = number;
}

void CPointGroup::DefaultAddress()
{
    if (m_point.m_channel == 0) {
        m_point.m_address.clear();
        // assign(), not "= \"0\"": GCC 12 warns falsely (-Wrestrict) on the literal form here.
        m_point.m_second.assign(1, '0');
        return;
    }
    std::string area;
    std::string number;
    m_env.plcSlots.slot(m_point.m_channel).GetDefaultAddr(AddressKind(), 0, area, number);
    SetAddress(area, number);
}

void CPointGroup::SetDataSize(std::uint16_t dataSize)
{
    if (dataSize == m_point.m_dataSize)
        return;
    m_point.m_dataSize = dataSize;
    m_point.SetDefaultRange();
    KeepAddressValid();
}

void CPointGroup::KeepAddressValid()
{
    std::string number = m_point.m_second;
    if (m_env.plcSlots.slot(m_point.m_channel).ValidCheck(AddressKind(), m_point.m_address, number)
        < 0)
        DefaultAddress();
}

void CPointGroup::SetSigned(bool isSigned)
{
    m_point.m_signed = isSigned ? 1 : 0;
    m_point.SetDefaultRange();
}

bool CPointGroup::ParseLimit(const std::string &text, std::uint32_t &value) const
{
    std::uint32_t min = 0;
    std::uint32_t max = 0;
    const bool isSigned = m_point.m_signed != 0;
    if (!pointRange(m_point.m_dataSize, isSigned, m_point.m_base, min, max)) {
        min = 0;
        max = 0xFFFFFFFF;
    }
    const auto wide = [isSigned](std::uint32_t v) {
        return isSigned ? std::int64_t(std::int32_t(v)) : std::int64_t(v);
    };
    if (parsePointValue(text, isSigned, m_point.m_base, value) && wide(value) >= wide(min)
        && wide(value) <= wide(max))
        return true;
    CPointInfo range = m_point;
    range.m_min = min;
    range.m_max = max;
    m_env.Show(util::msg::kIntegerRange, range.MinText().c_str(), range.MaxText().c_str());
    return false;
}

bool CPointGroup::SetMinText(const std::string &text)
{
    std::uint32_t value = 0;
    if (!ParseLimit(text, value))
        return false;
    m_point.m_min = value;
    return true;
}

bool CPointGroup::SetMaxText(const std::string &text)
{
    std::uint32_t value = 0;
    if (!ParseLimit(text, value))
        return false;
    m_point.m_max = value;
    return true;
}

bool CPointGroup::LimitsOrdered() const
{
    if (m_point.m_signed)
        return std::int32_t(m_point.m_min) <= std::int32_t(m_point.m_max);
    return m_point.m_min <= m_point.m_max;
}

bool CPointGroup::Ok() const
{
    std::string number = m_point.m_second;
    const CPlcDrv &slot = m_env.plcSlots.slot(m_point.m_channel);
    if (slot.ValidCheck(AddressKind(), m_point.m_address, number) < 0) {
        m_env.Show(util::msg::kBadAddress);
        return false;
    }
    if (!LimitsOrdered()) {
        m_env.Show(util::msg::kMinAboveMax);
        return false;
    }
    return true;
}

} // namespace core
