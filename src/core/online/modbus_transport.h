#pragma once

// One Modbus master connection (RTU over a serial device, or TCP) through libmodbus: open,
// read a table, write coils and registers. Every call blocks for at most the answer time-out;
// the poll thread is its only user. The errors come back classified, so that the caller can tell
// a silent station from a refused address and a broken connection.

#include "core/online/link_settings.h"
#include "core/online/modbus_point.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace core::online {

enum class LinkFault {
    None,
    NoAnswer, // time-out
    BadFrame, // CRC error, a cut or foreign answer
    Exception, // the slave answered with a Modbus exception
    Connection, // the device or socket cannot be opened or broke
};

struct LinkResult
{
    LinkFault fault = LinkFault::None;
    int exception = 0; // the exception code for LinkFault::Exception
    std::string text; // English, for status lines and the command line

    bool ok() const { return fault == LinkFault::None; }
};

class CModbusTransport
{
public:
    CModbusTransport(LinkEndpoint endpoint, std::chrono::milliseconds timeout);
    ~CModbusTransport();
    CModbusTransport(const CModbusTransport &) = delete;
    CModbusTransport &operator=(const CModbusTransport &) = delete;

    LinkResult Open();
    bool IsOpen() const { return m_open; }
    void Close();
    const LinkEndpoint &Endpoint() const { return m_endpoint; }

    // Coils or discrete inputs: one byte 0/1 each.
    LinkResult ReadBits(std::uint16_t station, ModbusTable table, std::uint16_t start,
                        std::uint16_t count, std::vector<std::uint8_t> &out);
    // Input or holding registers.
    LinkResult ReadRegisters(std::uint16_t station, ModbusTable table, std::uint16_t start,
                             std::uint16_t count, std::vector<std::uint16_t> &out);
    // FC5.
    LinkResult WriteCoil(std::uint16_t station, std::uint16_t address, bool on);
    // FC6 for one register, FC16 for more.
    LinkResult WriteRegisters(std::uint16_t station, std::uint16_t address,
                              std::span<const std::uint16_t> values);

private:
    struct Context;
    LinkResult result(int rc);
    bool select(std::uint16_t station);

    LinkEndpoint m_endpoint;
    std::chrono::milliseconds m_timeout;
    std::unique_ptr<Context> m_ctx;
    bool m_open = false;
};

// The text of a Modbus exception code ("illegal data address").
std::string exceptionName(int code);

} // namespace core::online
