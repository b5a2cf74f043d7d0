#include "core/comm/serial_port.h"

#include "util/ini_file.h"

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace comm {

namespace {

speed_t speedCode(std::uint32_t baud)
{
    switch (baud) {
    case 1200:
        return B1200;
    case 2400:
        return B2400;
    case 4800:
        return B4800;
    case 9600:
        return B9600;
    case 19200:
        return B19200;
    case 38400:
        return B38400;
    case 57600:
        return B57600;
    case 115200:
        return B115200;
    case 230400:
        return B230400;
    case 460800:
        return B460800;
    case 921600:
        return B921600;
    default:
        return B0;
    }
}

tcflag_t dataBitsFlag(std::uint8_t bits)
{
    switch (bits) {
    case 5:
        return CS5;
    case 6:
        return CS6;
    case 7:
        return CS7;
    default:
        return CS8;
    }
}

int msUntil(CSerialPort::Clock::time_point deadline)
{
    const auto left
            = std::chrono::ceil<std::chrono::milliseconds>(deadline - CSerialPort::Clock::now());
    return left.count() < 0 ? 0 : static_cast<int>(left.count());
}

void setError(int *error, int value)
{
    if (error)
        *error = value;
}

} // namespace

CSerialPort::~CSerialPort()
{
    close();
}

bool CSerialPort::open(const std::string &path, const PORT_SETTING &setting, int *error)
{
    close();
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        setError(error, errno);
        return false;
    }
    // flock holds against every other opener, root included (TIOCEXCL does not).
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        setError(error, errno);
        ::close(fd);
        return false;
    }
    m_fd = fd;
    m_path = path;
    if (!configure(setting)) {
        setError(error, errno);
        close();
        return false;
    }
    return true;
}

bool CSerialPort::configure(const PORT_SETTING &setting)
{
    const speed_t speed = speedCode(setting.baud);
    if (speed == B0) {
        errno = EINVAL;
        return false;
    }
    termios tio{};
    if (::tcgetattr(m_fd, &tio) != 0)
        return false;
    ::cfmakeraw(&tio);
    tio.c_cflag &= ~(CSIZE | PARENB | PARODD | CSTOPB | CRTSCTS | CMSPAR);
    tio.c_cflag |= CLOCAL | CREAD | dataBitsFlag(setting.dataBits);
    if (setting.stopBits != 0)
        tio.c_cflag |= CSTOPB;
    switch (setting.parity) {
    case 1:
        tio.c_cflag |= PARENB | PARODD;
        break;
    case 2:
        tio.c_cflag |= PARENB;
        break;
    case 3:
        tio.c_cflag |= PARENB | PARODD | CMSPAR;
        break;
    case 4:
        tio.c_cflag |= PARENB | CMSPAR;
        break;
    default:
        break;
    }
    tio.c_iflag &= ~(IXON | IXOFF | IXANY);
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    if (::cfsetispeed(&tio, speed) != 0 || ::cfsetospeed(&tio, speed) != 0)
        return false;
    if (::tcsetattr(m_fd, TCSANOW, &tio) != 0)
        return false;
    return purge();
}

void CSerialPort::close()
{
    if (m_fd < 0)
        return;
    ::tcflush(m_fd, TCIOFLUSH);
    ::flock(m_fd, LOCK_UN);
    ::close(m_fd);
    m_fd = -1;
    m_path.clear();
}

bool CSerialPort::purge()
{
    return m_fd >= 0 && ::tcflush(m_fd, TCIOFLUSH) == 0;
}

bool CSerialPort::write(util::ConstByteSpan data, Clock::time_point deadline, int *error)
{
    if (m_fd < 0) {
        setError(error, EBADF);
        return false;
    }
    std::size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(m_fd, data.data() + done, data.size() - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno != EAGAIN) {
            setError(error, errno);
            return false;
        }
        // Output queue full: wait for room, never spin.
        pollfd p{m_fd, POLLOUT, 0};
        const int timeout = msUntil(deadline);
        if (timeout == 0) {
            setError(error, ETIMEDOUT);
            return false;
        }
        const int r = ::poll(&p, 1, timeout);
        if (r < 0 && errno != EINTR) {
            setError(error, errno);
            return false;
        }
        if (r > 0 && (p.revents & (POLLERR | POLLHUP | POLLNVAL))) {
            setError(error, EIO);
            return false;
        }
    }
    return true;
}

int CSerialPort::available() const
{
    int count = 0;
    if (m_fd < 0 || ::ioctl(m_fd, FIONREAD, &count) != 0)
        return -1;
    return count;
}

long CSerialPort::readSome(util::ByteSpan out, int *error)
{
    if (m_fd < 0) {
        setError(error, EBADF);
        return -1;
    }
    for (;;) {
        const ssize_t n = ::read(m_fd, out.data(), out.size());
        if (n >= 0)
            return n == 0 && !out.empty() ? (setError(error, EIO), -1) : static_cast<long>(n);
        if (errno == EINTR)
            continue;
        if (errno == EAGAIN)
            return 0;
        setError(error, errno);
        return -1;
    }
}

bool CSerialPort::waitReadable(Clock::time_point deadline, bool &readable, int *error)
{
    readable = false;
    if (m_fd < 0) {
        setError(error, EBADF);
        return false;
    }
    pollfd p{m_fd, POLLIN, 0};
    const int r = ::poll(&p, 1, msUntil(deadline));
    if (r < 0)
        return errno == EINTR;
    if (r == 0)
        return true;
    if (p.revents & POLLIN) {
        readable = true;
        return true;
    }
    // Hang-up or error with nothing to read: the line is gone; waiting on would spin.
    setError(error, EIO);
    return false;
}

bool CSerialPort::setRts(bool on)
{
    if (m_fd < 0)
        return false;
    int bits = TIOCM_RTS;
    if (::ioctl(m_fd, on ? TIOCMBIS : TIOCMBIC, &bits) == 0)
        return true;
    return errno == ENOTTY || errno == EINVAL;
}

std::string CSerialPort::devicePath(std::uint32_t port, const util::CIniFile *appIni)
{
    const std::string key = "COM" + std::to_string(port);
    if (appIni) {
        const std::string configured = appIni->getString("comm_ports", key);
        if (!configured.empty())
            return util::nativePath(configured);
    }
    return "/dev/ttyUSB" + std::to_string(port == 0 ? 0 : port - 1);
}

} // namespace comm
