#pragma once

// The channels of a running panel that talk to real PLCs: each one an online PLC attached to the
// panel's device memory, polling what the panel needs while it shows its current screen. A channel
// whose PLC type is not Modbus stays on the simulated memory.

#include "core/online/link_settings.h"
#include "core/online/online_plc.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace core {
class CDeviceMemory;
class CDorvaneDoc;
} // namespace core

namespace core::online {

// Why `channel` of the project cannot run online (not 1 or 2, not a Modbus PLC); nothing when it
// can.
std::optional<std::string> channelRefusal(const CDorvaneDoc &doc, int channel);

// The options of a channel from the project: its time-out; the rest as the defaults.
LinkOptions channelOptions(const CDorvaneDoc &doc, int channel);

class COnlineChannels
{
public:
    // The memory and document must outlive this object; it detaches itself when it goes.
    COnlineChannels(CDeviceMemory &memory, const CDorvaneDoc &doc);
    ~COnlineChannels();
    COnlineChannels(const COnlineChannels &) = delete;
    COnlineChannels &operator=(const COnlineChannels &) = delete;

    // Starts polling `channel` (what Follow() or FollowAll() chose, once one was called); false
    // with `error` set when the channel cannot run online.
    bool Connect(int channel, const LinkEndpoint &endpoint, const LinkOptions &options,
                 std::string &error);
    void Disconnect(int channel);
    // Polls what the panel reads while it shows `screen` (from now on; again after a change of
    // the document when `force`).
    void Follow(std::uint16_t screen, bool force = false);
    // All points of the project instead of one screen's (the command line without --screen).
    void FollowAll();

    COnlinePlc *Plc(int channel) const;
    bool AnyOnline() const;

private:
    void setPoints(const std::vector<MemoryKey> &keys);

    CDeviceMemory &m_memory;
    const CDorvaneDoc &m_doc;
    std::array<std::shared_ptr<COnlinePlc>, 3> m_plc;
    std::optional<std::uint16_t> m_screen; // the screen followed
    bool m_all = false; // every point of the project followed
};

} // namespace core::online
