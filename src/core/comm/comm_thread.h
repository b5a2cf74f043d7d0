#pragma once

// The one serial link between the editor and a panel: opens the port, starts and ends a
// connection, and moves requests in frames of at most 1024 data bytes, either synchronously in
// the caller's thread or on a worker thread that reports progress to a notify target. The worker
// and the owner share only atomic flags; the worker never touches UI objects.

#include "core/comm/comm_cmd.h"
#include "core/comm/comm_log.h"
#include "core/comm/comm_text.h"
#include "core/comm/frame_codec.h"
#include "core/comm/port_setting.h"
#include "core/comm/serial_port.h"
#include "util/byte_order.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

namespace util {
class CIniFile;
}

namespace comm {

class IPanelUi;

enum ErrorClass : std::uint16_t {
    ErrNone = 0,
    ErrPortOpen = 1,
    ErrTimeout = 2,
    ErrNak = 3,
    ErrFrame = 4,
    ErrBcc = 5,
    ErrPortWrite = 6,
    ErrErased = 7,
};

// Largest length an uploaded area may report, 0 for areas that report none.
std::uint32_t areaLengthLimit(std::uint8_t sub);
// Why a serial device could not be opened, from the system's error number, in words a user can
// act on.
std::string portOpenReason(int error);

class CCommThread
{
public:
    static constexpr int kMaxCommands = 10;
    static constexpr int kConnectTimeoutMs = 1000;
    static constexpr int kWriteTimeoutMs = 5000;

    // Reads [LOG] and keeps [comm_ports] of the program's APP.INI when given (copied).
    explicit CCommThread(const util::CIniFile *appIni = nullptr);
    ~CCommThread();
    CCommThread(const CCommThread &) = delete;
    CCommThread &operator=(const CCommThread &) = delete;

    void SetPortSetting(const PORT_SETTING &setting) { m_setting = setting; }
    const PORT_SETTING &GetPortSetting() const { return m_setting; }
    // A device path that overrides the port number (the command line names any path).
    void SetDevicePath(std::string path) { m_devicePath = std::move(path); }
    std::string DevicePath() const;
    ICommNotify *SetNotifyWnd(ICommNotify *target) { return m_notify.exchange(target); }
    // Driver file names shown in the "Z" area name; empty for a channel without a driver.
    void SetDriverNames(std::string channel1, std::string channel2);

    bool OpenPort();
    void ClosePort();
    bool IsPortOpen() const { return m_port.isOpen(); }
    bool Connect(std::uint8_t &status);
    bool Disconnect();

    // Copies the list (at most 10 records). Synchronous: runs the first record to its end here.
    // Otherwise starts the worker and tells whether it started.
    bool Start(const COMM_CMD *commands, int count, bool synchronous, bool continuous = false);
    // Synchronous run of one record of the caller's.
    bool Run(COMM_CMD &command);
    void Stop();
    // Stop without waiting: the worker leaves after the block in progress (and ends the
    // connection); IsIdle() tells when it has. Stop() then joins at once.
    void RequestStop();

    std::uint32_t GetLastError() const { return m_error; }
    void ClearError() { m_error = 0; }
    CommText GetErrorText() const;
    // The text of `code` as this link shows it: a port that could not be opened is named with
    // its device and the reason.
    CommText DescribeError(std::uint32_t code) const;
    // The area's name; the driver area's names the driver files.
    CommText GetAreaName(std::uint8_t sub) const;
    // The error text in a plain message box.
    void ShowError(IPanelUi &ui) const;
    static CommText ErrorText(std::uint32_t code);

    bool IsIdle() const { return m_idle; }
    // The copied list; notify messages point into it.
    const COMM_CMD *Commands() const { return m_commands.data(); }
    int CommandCount() const { return m_count; }

    void SetReceiveTimeout(int ms) { m_timeoutMs = ms; }
    int ReceiveTimeout() const { return m_timeoutMs; }
    // Pause after each command on the worker (500 ms; tests shorten it).
    void SetCommandPause(int ms) { m_pauseMs = ms; }
    CCommLog &Log() { return m_log; }

    // Frame steps, public for tests.
    // Builds the request for the record's next block and the length of the answer.
    static bool MakeFrame(const COMM_CMD &command, util::Bytes &frame, std::size_t &expected);
    bool SendFrame(util::ConstByteSpan frame);
    // Received count, or -1 on time-out or read error.
    long ReceiveFrame(util::ByteSpan buffer, std::size_t expected, int timeoutMs);
    // Checks the answer to the request `main` `sub`.
    bool CheckFrame(util::ConstByteSpan frame, std::uint8_t main, std::uint8_t sub);
    // 1 more blocks follow, 3 complete, 5 abort.
    int ProcessResponse(COMM_CMD &command, util::ConstByteSpan frame);

private:
    enum class Step { Ok, SendFailed, Failed };
    // One block: make, send, receive, check, apply.
    Step exchange(COMM_CMD &command, int timeoutMs, int &result);
    void setError(std::uint16_t errorClass, std::uint16_t detail = 0);
    void post(std::uint32_t message, std::uint32_t status, const COMM_CMD *command);
    void workerProc();
    // One pass over the list; false when a command failed.
    bool runList();
    // All blocks of one record; true when it completed.
    bool runCommand(COMM_CMD &command);
    bool connectUntilDone();
    // Waits up to `ms` in 10 ms steps while `flag` stays set; false when it was cleared.
    static bool pauseWhile(const std::atomic<bool> &flag, int ms);

    PORT_SETTING m_setting;
    std::string m_devicePath;
    std::unique_ptr<util::CIniFile> m_appIni;
    CSerialPort m_port;
    std::thread m_thread;
    std::atomic<bool> m_active{false};
    std::atomic<bool> m_idle{true};
    std::atomic<bool> m_continuous{false};
    std::atomic<ICommNotify *> m_notify{nullptr};
    std::mutex m_postMutex; // orders "active cleared" before any later post
    std::array<COMM_CMD, kMaxCommands> m_commands{};
    int m_count = 0;
    std::size_t m_lastReceived = 0; // length of the last response taken
    CCommLog m_log;
    std::atomic<int> m_timeoutMs{3000};
    std::atomic<int> m_pauseMs{500};
    std::atomic<std::uint32_t> m_error{0};
    mutable std::mutex m_openFailureMutex; // the worker may open the port too
    std::string m_openFailureDevice; // the device of the last failed open
    std::string m_driver1;
    std::string m_driver2;
    std::array<std::uint8_t, kFrameBufferSize> m_rx{};
};

} // namespace comm
