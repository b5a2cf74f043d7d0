#include "core/online/modbus_transport.h"

#include <modbus/modbus.h>

#include <cerrno>
#include <cstring>
#include <thread>

namespace core::online {

struct CModbusTransport::Context
{
    struct Free
    {
        void operator()(modbus_t *ctx) const { modbus_free(ctx); }
    };
    std::unique_ptr<modbus_t, Free> ctx;
};

namespace {

void setTimeout(modbus_t *ctx, std::chrono::milliseconds timeout)
{
    const auto us = std::chrono::duration_cast<std::chrono::microseconds>(timeout).count();
    modbus_set_response_timeout(ctx, std::uint32_t(us / 1'000'000), std::uint32_t(us % 1'000'000));
    // Between the characters of one answer the line may pause for at most the time-out too.
    modbus_set_byte_timeout(ctx, std::uint32_t(us / 1'000'000), std::uint32_t(us % 1'000'000));
}

} // namespace

std::string exceptionName(int code)
{
    switch (code) {
    case MODBUS_EXCEPTION_ILLEGAL_FUNCTION:
        return "illegal function";
    case MODBUS_EXCEPTION_ILLEGAL_DATA_ADDRESS:
        return "illegal data address";
    case MODBUS_EXCEPTION_ILLEGAL_DATA_VALUE:
        return "illegal data value";
    case MODBUS_EXCEPTION_SLAVE_OR_SERVER_FAILURE:
        return "slave device failure";
    case MODBUS_EXCEPTION_ACKNOWLEDGE:
        return "acknowledge (busy with a long command)";
    case MODBUS_EXCEPTION_SLAVE_OR_SERVER_BUSY:
        return "slave device busy";
    case MODBUS_EXCEPTION_MEMORY_PARITY:
        return "memory parity error";
    case MODBUS_EXCEPTION_GATEWAY_PATH:
        return "gateway path unavailable";
    case MODBUS_EXCEPTION_GATEWAY_TARGET:
        return "gateway target did not respond";
    default:
        return "exception " + std::to_string(code);
    }
}

CModbusTransport::CModbusTransport(LinkEndpoint endpoint, std::chrono::milliseconds timeout)
    : m_endpoint(std::move(endpoint))
    , m_timeout(timeout)
    , m_ctx(std::make_unique<Context>())
{ }

CModbusTransport::~CModbusTransport()
{
    Close();
}

LinkResult CModbusTransport::Open()
{
    Close();
    modbus_t *ctx = nullptr;
    if (m_endpoint.kind == LinkEndpoint::Kind::Tcp) {
        const std::string port = std::to_string(m_endpoint.port);
        ctx = modbus_new_tcp_pi(m_endpoint.host.c_str(), port.c_str());
    } else {
        ctx = modbus_new_rtu(m_endpoint.path.c_str(), int(m_endpoint.baud), m_endpoint.parity,
                             m_endpoint.dataBits, m_endpoint.stopBits);
    }
    if (!ctx)
        return {LinkFault::Connection, 0,
                "cannot use " + m_endpoint.Describe() + ": " + std::strerror(errno)};
    m_ctx->ctx.reset(ctx);
    // Errors are ours to handle: no sleeping or reconnecting inside the library.
    modbus_set_error_recovery(ctx, MODBUS_ERROR_RECOVERY_NONE);
    setTimeout(ctx, m_timeout);
    if (modbus_connect(ctx) != 0) {
        const int err = errno;
        m_ctx->ctx.reset();
        return {LinkFault::Connection, 0,
                "cannot open " + m_endpoint.Describe() + ": " + modbus_strerror(err)};
    }
    m_open = true;
    return {};
}

void CModbusTransport::Close()
{
    if (m_ctx->ctx && m_open)
        modbus_close(m_ctx->ctx.get());
    m_ctx->ctx.reset();
    m_open = false;
}

bool CModbusTransport::select(std::uint16_t station)
{
    return m_open && modbus_set_slave(m_ctx->ctx.get(), station) == 0;
}

LinkResult CModbusTransport::result(int rc)
{
    if (rc >= 0)
        return {};
    const int err = errno;
    if (err > MODBUS_ENOBASE && err <= EMBXGTAR) {
        const int code = err - MODBUS_ENOBASE;
        return {LinkFault::Exception, code, exceptionName(code)};
    }
    if (err == ETIMEDOUT) {
        // A late answer must not be taken for the next request's.
        modbus_flush(m_ctx->ctx.get());
        return {LinkFault::NoAnswer, 0, "no answer"};
    }
    if (err == EMBBADCRC || err == EMBBADDATA || err == EMBBADEXC || err == EMBUNKEXC
        || err == EMBMDATA || err == EMBBADSLAVE) {
        // The rest of a garbled answer may still be on its way.
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        modbus_flush(m_ctx->ctx.get());
        return {LinkFault::BadFrame, 0, err == EMBBADCRC ? "CRC error" : modbus_strerror(err)};
    }
    LinkResult broken{LinkFault::Connection, 0,
                      std::string("connection lost: ") + modbus_strerror(err)};
    Close();
    return broken;
}

LinkResult CModbusTransport::ReadBits(std::uint16_t station, ModbusTable table, std::uint16_t start,
                                      std::uint16_t count, std::vector<std::uint8_t> &out)
{
    if (!select(station))
        return {LinkFault::Connection, 0, "not connected"};
    out.assign(count, 0);
    const int rc = table == ModbusTable::Coils
            ? modbus_read_bits(m_ctx->ctx.get(), start, count, out.data())
            : modbus_read_input_bits(m_ctx->ctx.get(), start, count, out.data());
    return result(rc);
}

LinkResult CModbusTransport::ReadRegisters(std::uint16_t station, ModbusTable table,
                                           std::uint16_t start, std::uint16_t count,
                                           std::vector<std::uint16_t> &out)
{
    if (!select(station))
        return {LinkFault::Connection, 0, "not connected"};
    out.assign(count, 0);
    const int rc = table == ModbusTable::HoldingRegisters
            ? modbus_read_registers(m_ctx->ctx.get(), start, count, out.data())
            : modbus_read_input_registers(m_ctx->ctx.get(), start, count, out.data());
    return result(rc);
}

LinkResult CModbusTransport::WriteCoil(std::uint16_t station, std::uint16_t address, bool on)
{
    if (!select(station))
        return {LinkFault::Connection, 0, "not connected"};
    return result(modbus_write_bit(m_ctx->ctx.get(), address, on ? 1 : 0));
}

LinkResult CModbusTransport::WriteRegisters(std::uint16_t station, std::uint16_t address,
                                            std::span<const std::uint16_t> values)
{
    if (!select(station))
        return {LinkFault::Connection, 0, "not connected"};
    if (values.size() == 1)
        return result(modbus_write_register(m_ctx->ctx.get(), address, values[0]));
    return result(
            modbus_write_registers(m_ctx->ctx.get(), address, int(values.size()), values.data()));
}

} // namespace core::online
