#pragma once

// The serial port of a flash download: a termios device in raw mode, 8 data bits, no parity,
// one stop bit. Every send first checks the stop flag and discards unread input, and returns only
// when its bytes have left the port, so a frame that gets no answer survives the close or
// reopen that follows. A receive waits with poll() up to the time-out counted from its start and
// watches the stop flag while it waits.

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quillet {

enum class PortError {
    None = 0,
    Receive = 1, // time-out or failed read
    Stopped = 2,
    Transmit = 3,
    Lock = 4, // waiting on the port failed in an unexpected way
};

class CFlashPort
{
public:
    static constexpr std::size_t kReadChunk = 512;
    static constexpr std::size_t kMaxFrame = 4096; // a frame answer never comes near this

    CFlashPort(std::string device, const std::atomic<bool> &stop);
    ~CFlashPort();
    CFlashPort(const CFlashPort &) = delete;
    CFlashPort &operator=(const CFlashPort &) = delete;

    void setDevice(std::string device) { m_device = std::move(device); }
    const std::string &device() const { return m_device; }
    void setSpeed(std::uint32_t speed) { m_speed = speed; }
    std::uint32_t speed() const { return m_speed; }
    void setTimeout(std::uint32_t milliseconds) { m_timeoutMs = milliseconds; }
    std::uint32_t timeout() const { return m_timeoutMs; }

    // Closes the port if open, then opens it at the current speed.
    bool open();
    void close();
    bool isOpen() const { return m_fd >= 0; }

    bool send(std::span<const std::uint8_t> bytes);
    bool send(std::initializer_list<std::uint8_t> bytes)
    {
        return send(std::span<const std::uint8_t>(bytes.begin(), bytes.size()));
    }
    // Exactly `expected` bytes, or with 0 a frame: first byte ACK or NAK, last byte EOT.
    bool receive(std::vector<std::uint8_t> &out, std::size_t expected);

    PortError lastError() const { return m_lastError; }
    // The message for the last failed send or receive.
    std::string_view failureText() const;

private:
    bool stopRequested() const { return m_stop.load(std::memory_order_relaxed); }
    bool fail(PortError error);

    std::string m_device;
    const std::atomic<bool> &m_stop;
    std::uint32_t m_speed = 19200;
    std::uint32_t m_timeoutMs = 3000;
    int m_fd = -1;
    PortError m_lastError = PortError::None;
};

} // namespace quillet
