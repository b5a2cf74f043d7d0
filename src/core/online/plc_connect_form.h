#pragma once

// What the preview's "PLC 연결" window edits: which channel, a serial device with its baud rate
// and parity or a TCP host and port, the answer time-out and the order of a double word's
// registers. It starts from the channel's settings in the project and turns into the link's
// endpoint and options; the window only shows it.

#include "core/online/link_settings.h"

#include <cstdint>
#include <string>
#include <vector>

namespace core {
class CDorvaneDoc;
}

namespace core::online {

struct PlcConnectForm
{
    int channel = 1;
    bool tcp = false;
    std::string device; // serial device path
    std::uint32_t baud = 19200;
    char parity = 'E';
    int dataBits = 8; // the channel's, as set in the project
    int stopBits = 1;
    std::string host;
    std::uint16_t port = 502;
    int timeoutMs = 500;
    bool lowWordFirst = false;

    // The channels of the project that can go online (Modbus PLCs), in order.
    static std::vector<int> OnlineChannels(const CDorvaneDoc &doc);
    // The channels whose PLC is of another family: they keep the simulated memory.
    static std::vector<int> SimulatedChannels(const CDorvaneDoc &doc);
    // The form for `channel` with the project's serial settings and time-out.
    static PlcConnectForm ForChannel(const CDorvaneDoc &doc, int channel);
    // Switches to another channel: its serial settings and time-out, the rest as typed.
    void SelectChannel(const CDorvaneDoc &doc, int newChannel);

    // Complete: a device for a serial line, a host for TCP, a time-out of 1 to 65535 ms.
    bool Ok() const;
    LinkEndpoint Endpoint() const;
    LinkOptions Options() const;
};

// The baud rates a channel offers, slowest first.
const std::vector<std::uint32_t> &channelBauds();

} // namespace core::online
