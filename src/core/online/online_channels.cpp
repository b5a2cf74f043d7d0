#include "core/online/online_channels.h"

#include "core/model/dorvane_doc.h"
#include "core/online/modbus_point.h"
#include "core/runtime/device_memory.h"

namespace core::online {

std::optional<std::string> channelRefusal(const CDorvaneDoc &doc, int channel)
{
    if (channel != 1 && channel != 2)
        return "channel " + std::to_string(channel) + " does not exist (1 or 2)";
    const std::uint16_t type = doc.Slots().slot(channel).Type();
    if (type == 0)
        return "channel " + std::to_string(channel) + " has no PLC";
    if (type != kModbusPlcType)
        return "channel " + std::to_string(channel)
                + " is not a Modbus PLC: it keeps the simulated memory";
    return std::nullopt;
}

LinkOptions channelOptions(const CDorvaneDoc &doc, int channel)
{
    LinkOptions options;
    options.timeout = channelTimeout(doc, channel);
    return options;
}

COnlineChannels::COnlineChannels(CDeviceMemory &memory, const CDorvaneDoc &doc)
    : m_memory(memory)
    , m_doc(doc)
{ }

COnlineChannels::~COnlineChannels()
{
    for (int channel = 1; channel <= 2; ++channel)
        Disconnect(channel);
}

bool COnlineChannels::Connect(int channel, const LinkEndpoint &endpoint, const LinkOptions &options,
                              std::string &error)
{
    if (const auto refusal = channelRefusal(m_doc, channel)) {
        error = *refusal;
        return false;
    }
    Disconnect(channel);
    auto plc = std::make_shared<COnlinePlc>(std::uint16_t(channel), endpoint, options);
    m_plc[std::size_t(channel)] = plc;
    m_memory.AttachPlc(std::uint16_t(channel), plc);
    // What to read is known once Follow() or FollowAll() said it.
    if (m_screen)
        Follow(*m_screen, true);
    else if (m_all)
        FollowAll();
    return true;
}

void COnlineChannels::Disconnect(int channel)
{
    if ((channel != 1 && channel != 2) || !m_plc[std::size_t(channel)])
        return;
    m_memory.AttachPlc(std::uint16_t(channel), nullptr);
    m_plc[std::size_t(channel)].reset();
}

void COnlineChannels::Follow(std::uint16_t screen, bool force)
{
    if (!force && m_screen == screen)
        return;
    m_screen = screen;
    m_all = false;
    std::vector<MemoryKey> keys;
    for (const MemoryPoint &p : m_memory.PointsWhileShowing(m_doc, screen))
        keys.push_back(p.key);
    setPoints(keys);
}

void COnlineChannels::FollowAll()
{
    m_screen.reset();
    m_all = true;
    std::vector<MemoryKey> keys;
    for (const MemoryPoint &p : m_memory.Points())
        keys.push_back(p.key);
    setPoints(keys);
}

void COnlineChannels::setPoints(const std::vector<MemoryKey> &keys)
{
    for (const auto &plc : m_plc) {
        if (plc)
            plc->SetPoints(keys);
    }
}

COnlinePlc *COnlineChannels::Plc(int channel) const
{
    return channel == 1 || channel == 2 ? m_plc[std::size_t(channel)].get() : nullptr;
}

bool COnlineChannels::AnyOnline() const
{
    return m_plc[1] || m_plc[2];
}

} // namespace core::online
