#pragma once

// A serial device opened through POSIX termios: exclusive, raw, non-blocking, with reads and
// writes that wait in poll() against a deadline so the processor idles while the line is quiet.
// Pseudo-terminals work as well as real ports (RTS requests they refuse are not errors).

#include "core/comm/port_setting.h"
#include "util/byte_order.h"

#include <chrono>
#include <cstddef>
#include <string>

namespace util {
class CIniFile;
}

namespace comm {

class CSerialPort
{
public:
    using Clock = std::chrono::steady_clock;

    CSerialPort() = default;
    ~CSerialPort();
    CSerialPort(const CSerialPort &) = delete;
    CSerialPort &operator=(const CSerialPort &) = delete;

    // Opens and configures the device; on failure errno-style `error` says why.
    bool open(const std::string &path, const PORT_SETTING &setting, int *error = nullptr);
    void close();
    bool isOpen() const { return m_fd >= 0; }
    const std::string &path() const { return m_path; }

    // Drops pending input and output.
    bool purge();
    // Writes everything before the deadline; false with `error` set otherwise.
    bool write(util::ConstByteSpan data, Clock::time_point deadline, int *error = nullptr);
    // Bytes waiting in the input queue, -1 on error.
    int available() const;
    // Reads what is there without waiting: bytes read, 0 for none, -1 on error.
    long readSome(util::ByteSpan out, int *error = nullptr);
    // Waits until input arrives or the deadline passes. False on a hang-up or error (the line
    // is gone), true otherwise; `readable` tells which.
    bool waitReadable(Clock::time_point deadline, bool &readable, int *error = nullptr);
    // Raises or drops RTS; a device without modem lines (pseudo-terminal) counts as success.
    bool setRts(bool on);

    // Device path of port n: APP.INI [comm_ports] COM<n> when set, else /dev/ttyUSB<n-1>.
    static std::string devicePath(std::uint32_t port, const util::CIniFile *appIni);

private:
    bool configure(const PORT_SETTING &setting);

    int m_fd = -1;
    std::string m_path;
};

} // namespace comm
