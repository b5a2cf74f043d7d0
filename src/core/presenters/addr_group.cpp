#include "core/presenters/addr_group.h"

#include "util/message_ids.h"
#include "util/messages.h"

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

bool CAddrGroup::BuildInto(CFunctionPrompt &prompt, util::ByteSpan record, std::size_t block,
                           std::int32_t kind) const
{
    // The drivers answer a refused address with a negative result.
    if (m_addr.BuildInto(m_slots, record, block, kind) >= 0 || !m_enabled)
        return true;
    prompt.ShowMessage(util::msg::kBadAddress,
                       std::string(util::messageText(util::msg::kBadAddress)));
    return false;
}

} // namespace core
