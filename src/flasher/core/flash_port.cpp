#include "flash_port.h"

#include "flash_texts.h"

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace quillet {

namespace {

constexpr std::uint8_t ACK = 0x06;
constexpr std::uint8_t NAK = 0x15;
constexpr std::uint8_t EOT = 0x04;
// Longest single wait, so a stop request is seen promptly.
constexpr int kPollSliceMs = 10;

bool speedCode(std::uint32_t speed, speed_t &code)
{
    switch (speed) {
    case 9600:
        code = B9600;
        return true;
    case 19200:
        code = B19200;
        return true;
    case 38400:
        code = B38400;
        return true;
    case 57600:
        code = B57600;
        return true;
    case 115200:
        code = B115200;
        return true;
    default:
        return false;
    }
}

using Clock = std::chrono::steady_clock;

int remainingMs(Clock::time_point deadline)
{
    const auto left
            = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    return left.count() <= 0 ? 0
                             : static_cast<int>(std::min<long long>(left.count(), kPollSliceMs));
}

} // namespace

CFlashPort::CFlashPort(std::string device, const std::atomic<bool> &stop)
    : m_device(std::move(device))
    , m_stop(stop)
{ }

CFlashPort::~CFlashPort()
{
    close();
}

bool CFlashPort::open()
{
    close();
    speed_t code;
    if (!speedCode(m_speed, code))
        return false;
    const int fd = ::open(m_device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    termios tio{};
    if (::ioctl(fd, TIOCEXCL) != 0 || ::tcgetattr(fd, &tio) != 0) {
        ::close(fd);
        return false;
    }
    ::cfmakeraw(&tio);
    tio.c_cflag &= ~static_cast<tcflag_t>(CSTOPB | PARENB | CSIZE | CRTSCTS);
    tio.c_cflag |= CS8 | CREAD | CLOCAL;
    tio.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    if (::cfsetispeed(&tio, code) != 0 || ::cfsetospeed(&tio, code) != 0
        || ::tcsetattr(fd, TCSANOW, &tio) != 0) {
        ::ioctl(fd, TIOCNXCL);
        ::close(fd);
        return false;
    }
    // Only the input is purged: output is always drained before a send returns, and on a
    // pseudo-terminal an output purge would throw away what the other side has not read yet.
    ::tcflush(fd, TCIFLUSH);
    m_fd = fd;
    m_lastError = PortError::None;
    return true;
}

void CFlashPort::close()
{
    if (m_fd < 0)
        return;
    ::tcflush(m_fd, TCIFLUSH);
    ::ioctl(m_fd, TIOCNXCL);
    ::close(m_fd);
    m_fd = -1;
}

bool CFlashPort::fail(PortError error)
{
    m_lastError = error;
    return false;
}

bool CFlashPort::send(std::span<const std::uint8_t> bytes)
{
    if (stopRequested())
        return fail(PortError::Stopped);
    if (m_fd < 0)
        return fail(PortError::Transmit);
    ::tcflush(m_fd, TCIFLUSH);
    const auto deadline = Clock::now() + std::chrono::milliseconds(m_timeoutMs);
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(m_fd, bytes.data() + done, bytes.size() - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR)
            return fail(PortError::Transmit);
        if (Clock::now() >= deadline)
            return fail(PortError::Transmit);
        pollfd pfd{m_fd, POLLOUT, 0};
        ::poll(&pfd, 1, kPollSliceMs);
    }
    if (::tcdrain(m_fd) != 0)
        return fail(PortError::Transmit);
    return true;
}

bool CFlashPort::receive(std::vector<std::uint8_t> &out, std::size_t expected)
{
    out.clear();
    if (m_fd < 0)
        return fail(PortError::Receive);
    const auto frameDone = [&out] {
        return !out.empty() && (out.front() == ACK || out.front() == NAK) && out.back() == EOT;
    };
    const auto deadline = Clock::now() + std::chrono::milliseconds(m_timeoutMs);
    std::uint8_t chunk[kReadChunk];
    for (;;) {
        if (stopRequested())
            return fail(PortError::Stopped);
        pollfd pfd{m_fd, POLLIN, 0};
        const int ready = ::poll(&pfd, 1, remainingMs(deadline));
        if (ready < 0 && errno != EINTR)
            return fail(PortError::Lock);
        if (ready > 0 && (pfd.revents & POLLIN)) {
            std::size_t want = kReadChunk;
            if (expected > 0)
                want = std::min(want, expected - out.size());
            const ssize_t n = ::read(m_fd, chunk, want);
            if (n < 0 && errno != EAGAIN && errno != EINTR)
                return fail(PortError::Receive);
            if (n > 0) {
                out.insert(out.end(), chunk, chunk + n);
                if (expected > 0 ? out.size() == expected : frameDone())
                    return true;
                if (out.size() > kMaxFrame)
                    return fail(PortError::Receive);
            }
        } else if (ready > 0) {
            // Hang-up or error without data: nothing more will come.
            return fail(PortError::Receive);
        }
        if (Clock::now() >= deadline)
            return fail(PortError::Receive);
    }
}

std::string_view CFlashPort::failureText() const
{
    switch (m_lastError) {
    case PortError::Stopped:
        return text::Stopped;
    case PortError::Transmit:
        return text::CannotTransmit;
    case PortError::Lock:
        return text::LockError;
    case PortError::Receive:
    case PortError::None:
        break;
    }
    return text::CannotReceive;
}

} // namespace quillet
