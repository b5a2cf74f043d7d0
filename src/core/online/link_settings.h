#pragma once

// How the online link reaches a PLC and how it polls: a serial line (Modbus RTU) or a TCP
// host and port (Modbus TCP), the answer time-out, retries, the pause between requests and the
// order of the two registers of a double word.

#include "core/online/poll_plan.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace core {
class CDorvaneDoc;
}

namespace core::online {

struct LinkEndpoint
{
    enum class Kind { Serial, Tcp };
    Kind kind = Kind::Serial;
    std::string path; // serial device
    std::uint32_t baud = 19200;
    char parity = 'E'; // 'N', 'E' or 'O'
    int dataBits = 8;
    int stopBits = 1;
    std::string host; // TCP
    std::uint16_t port = 502;

    // "/dev/ttyUSB0 19200 8E1" or "tcp 127.0.0.1:502", for status lines.
    std::string Describe() const;
};

// Which register of a double word holds the high word. Register n holds the high word, as most
// Modbus devices keep 32-bit values; some PLCs keep the low word first.
enum class WordOrder { HighFirst, LowFirst };

struct LinkOptions
{
    std::chrono::milliseconds timeout{500}; // answer time-out
    int retries = 0; // further tries of a request that got no valid answer
    // Pause after each request; nothing: the 3.5-character silence of an RTU line at its baud
    // (1.75 ms above 19200), none over TCP.
    std::optional<std::chrono::microseconds> interRequestDelay;
    std::chrono::milliseconds cycle{100}; // shortest time from one scan's start to the next
    WordOrder wordOrder = WordOrder::HighFirst;
    PollLimits limits;

    std::chrono::microseconds DelayFor(const LinkEndpoint &endpoint) const;
};

// The channel's serial settings and time-out from the project's parameter block (channel 1 or
// 2): baud, parity, data bits, stop bits.
LinkEndpoint channelSerialSettings(const CDorvaneDoc &doc, int channel);
std::chrono::milliseconds channelTimeout(const CDorvaneDoc &doc, int channel);

// "SERIAL_PATH[:BAUD[:PARITY]]" (parity N, E or O; BAUD and PARITY default to `serial`'s) or
// "tcp:HOST:PORT". Nothing, with `error` set, for anything else.
std::optional<LinkEndpoint> parseEndpoint(std::string_view text, const LinkEndpoint &serial,
                                          std::string &error);

// "CH=SERIAL_PATH[:BAUD[:PARITY]]" or "CH=tcp:HOST:PORT", the form the programs' --plc option
// takes: channel 1 or 2, its serial settings defaulting to the project's for that channel.
struct PlcChoice
{
    int channel = 0;
    LinkEndpoint endpoint;
};
std::optional<PlcChoice> parsePlcChoice(std::string_view text, const CDorvaneDoc &doc,
                                        std::string &error);

} // namespace core::online
