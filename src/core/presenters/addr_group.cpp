#include "core/presenters/addr_group.h"

namespace core {

CAddrGroup::CAddrGroup(const CPlcSlots &slots, std::int32_t kind)
    : m_slots(slots)
    , m_kind(kind)
{ }

void CAddrGroup::Load(const CDeviceAddr &addr)
{
    m_addr = addr;
    if (m_addr.station >= kStationCount)
        m_addr.station = 0;
}

bool CAddrGroup::ChannelEnabled(std::uint16_t channel) const
{
    if (!m_enabled || channel > 2)
        return false;
    if (channel == 0)
        return m_panelAllowed;
    return m_slots.slot(channel).DeviceKind() == kDevicePlc;
}

bool CAddrGroup::ChooseChannel(std::uint16_t channel)
{
    if (!ChannelEnabled(channel))
        return false;
    if (channel == m_addr.channel)
        return true;
    std::uint16_t station = 0;
    if (channel != 0) {
        station = m_slots.slot(channel).Station();
        if (station >= kStationCount)
            station = 0;
    }
    m_addr = CDeviceAddr::DefaultFor(m_slots, channel, station, m_kind);
    return true;
}

bool CAddrGroup::SetStation(std::uint16_t station)
{
    if (!StationEnabled() || station >= kStationCount)
        return false;
    m_addr.station = station;
    return true;
}

void CAddrGroup::SetAddress(const std::string &area, const std::string &number)
{
    m_addr.area = area;
    m_addr.number = number;
}

void CAddrGroup::ResetToDefault()
{
    m_addr = CDeviceAddr::DefaultFor(m_slots, m_addr.channel, m_addr.station, m_kind);
}

} // namespace core
