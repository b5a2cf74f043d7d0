#include "core/comm/comm_thread.h"

#include "core/comm/panel_ui.h"
#include "util/ini_file.h"
#include "util/message_ids.h"
#include "util/messages.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>

namespace comm {

namespace {

using Clock = std::chrono::steady_clock;

void sleepMs(int ms)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

bool isAreaWithLength(std::uint8_t sub)
{
    return sub == 'S' || sub == 'C' || sub == 'G' || sub == 'R' || sub == 'F';
}

} // namespace

std::string portOpenReason(int error)
{
    switch (error) {
    case ENOENT:
    case ENODEV:
    case ENXIO:
        return std::string(util::messageText(util::msg::kPortNoDevice));
    case EACCES:
    case EPERM:
        return std::string(util::messageText(util::msg::kPortNoPermission));
    case EBUSY:
    case EWOULDBLOCK:
        return std::string(util::messageText(util::msg::kPortBusy));
    case ENOTTY:
        return std::string(util::messageText(util::msg::kPortNotSerial));
    case 0:
        return {};
    default:
        return util::formatMessage(util::msg::kPortSystemError, std::strerror(error));
    }
}

std::uint32_t areaLengthLimit(std::uint8_t sub)
{
    switch (sub) {
    case 'C':
    case 'R':
        return 0x10000;
    case 'F':
        return 0x40000;
    case 'G':
        return 0x4000;
    case 'S':
        return 0x8000;
    default:
        return 0;
    }
}

CCommThread::CCommThread(const util::CIniFile *appIni)
{
    m_log.setBasePath("C:/LOG");
    if (!appIni)
        return;
    m_appIni = std::make_unique<util::CIniFile>(*appIni);
    const std::string path = appIni->getString("LOG", "LOG_FILE", "C:\\LOG", 100);
    if (!path.empty())
        m_log.setBasePath(util::nativePath(path));
    m_log.setEnabled(appIni->getInt("LOG", "LOG_ENABLE", 0) != 0);
    m_timeoutMs = appIni->getInt("LOG", "TIMEOUT", 3000);
}

CCommThread::~CCommThread()
{
    Stop();
    ClosePort();
}

std::string CCommThread::DevicePath() const
{
    return m_devicePath.empty() ? CSerialPort::devicePath(m_setting.port, m_appIni.get())
                                : m_devicePath;
}

void CCommThread::SetDriverNames(std::string channel1, std::string channel2)
{
    m_driver1 = std::move(channel1);
    m_driver2 = std::move(channel2);
}

void CCommThread::setError(std::uint16_t errorClass, std::uint16_t detail)
{
    m_error = (std::uint32_t{errorClass} << 16) | detail;
}

bool CCommThread::OpenPort()
{
    if (m_port.isOpen()) {
        m_active = true;
        return true;
    }
    const std::string device = DevicePath();
    int reason = 0;
    if (!m_port.open(device, m_setting, &reason)) {
        m_log.write(true, "Port OpenError\n");
        {
            const std::lock_guard lock(m_openFailureMutex);
            m_openFailureDevice = device;
        }
        setError(ErrPortOpen, static_cast<std::uint16_t>(reason));
        return false;
    }
    m_active = true;
    return true;
}

void CCommThread::ClosePort()
{
    m_port.close();
    const std::lock_guard lock(m_postMutex);
    m_active = false;
}

bool CCommThread::MakeFrame(const COMM_CMD &c, util::Bytes &frame, std::size_t &expected)
{
    util::Bytes payload;
    expected = kFrameOverhead;
    const std::uint32_t remaining = c.start + c.size - c.current;
    if (c.main == 'r' && c.sub == 'T') {
        expected = 14;
    } else if (c.main == 'r') {
        const std::uint32_t length
                = c.size == 0 ? kMaxBlock : std::min<std::uint32_t>(remaining, kMaxBlock);
        payload.resize(5);
        setBe24(payload, 0, c.current);
        util::setBe16(payload, 3, static_cast<std::uint16_t>(length));
        expected = length + kFrameOverhead;
    } else if (c.main == 'w' && c.sub == 'T') {
        if (c.buffer.size() < 8)
            return false;
        payload.assign(c.buffer.begin(), c.buffer.begin() + 8);
    } else if (c.main == 'w') {
        const std::uint32_t n = std::min<std::uint32_t>(remaining, kMaxBlock);
        const std::size_t offset = c.current - c.start;
        if (offset + n > c.buffer.size())
            return false;
        payload.resize(5);
        setBe24(payload, 0, c.current);
        util::setBe16(payload, 3, static_cast<std::uint16_t>(n));
        payload.insert(payload.end(), c.buffer.begin() + static_cast<std::ptrdiff_t>(offset),
                       c.buffer.begin() + static_cast<std::ptrdiff_t>(offset + n));
    } else if (c.main == 'y' && c.sub == 'A') {
        if (c.buffer.size() < 10)
            return false;
        payload.assign(c.buffer.begin(), c.buffer.begin() + 10);
        expected = 7;
    } else if (c.main == 'y' && c.sub == 'C') {
        expected = 7;
    } else if (c.main == 'y' && c.sub == 'Z') {
        payload = {0xAA, 0x55};
    } else if (c.main != 'y') {
        return false;
    }
    frame = buildRequest(c.main, c.sub, payload);
    return true;
}

bool CCommThread::SendFrame(util::ConstByteSpan frame)
{
    m_error = 0;
    m_log.dump(true, frame);
    if (!m_port.purge()) {
        m_log.write(true, "## Send Error(PurgeComm)\n");
        setError(ErrPortWrite);
        return false;
    }
    int error = 0;
    if (!m_port.write(frame, Clock::now() + std::chrono::milliseconds(kWriteTimeoutMs), &error)) {
        m_log.writeF(true, "## Send Error(WriteFile) GetLastError[%d]\n", error);
        setError(ErrPortWrite);
        return false;
    }
    return true;
}

long CCommThread::ReceiveFrame(util::ByteSpan buffer, std::size_t expected, int timeoutMs)
{
    m_error = 0;
    expected = std::min(expected, buffer.size());
    std::fill_n(buffer.begin(), expected, std::uint8_t{0});
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    std::size_t received = 0;
    // A NAK frame is always 7 bytes, whatever the request expected.
    std::size_t target = expected;
    bool ok = false;
    for (;;) {
        const int waiting = m_port.available();
        if (waiting < 0) {
            setError(ErrTimeout);
            break;
        }
        if (waiting > 0) {
            std::size_t want = target - received;
            if (received == 0 && waiting == static_cast<int>(kNakFrameLength))
                want = std::max(want, kNakFrameLength);
            want = std::min({want, static_cast<std::size_t>(waiting), buffer.size() - received});
            const long n = m_port.readSome(buffer.subspan(received, want));
            if (n < 0) {
                setError(ErrTimeout);
                break;
            }
            received += static_cast<std::size_t>(n);
            if (received > 0 && buffer[0] == kNak)
                target = kNakFrameLength;
            if ((buffer[0] == kAck && received == expected)
                || (buffer[0] == kNak && received == kNakFrameLength)) {
                ok = true;
                break;
            }
            if (received >= target) {
                // Complete but neither an answer nor a NAK: let the frame check say why.
                ok = true;
                break;
            }
            continue;
        }
        if (Clock::now() > deadline) {
            setError(ErrTimeout);
            break;
        }
        bool readable = false;
        if (!m_port.waitReadable(deadline, readable)) {
            setError(ErrTimeout);
            break;
        }
    }
    m_log.writeF(true, "!! Receive [%04d]Bytes\n", static_cast<int>(received));
    m_log.dump(false, buffer.first(received));
    return ok ? static_cast<long>(received) : -1;
}

bool CCommThread::CheckFrame(util::ConstByteSpan frame, std::uint8_t main, std::uint8_t sub)
{
    m_error = 0;
    const FrameCheckResult check = checkResponse(frame, main, sub);
    switch (check.result) {
    case FrameCheck::Format:
        m_log.write(true, "## FRAME Format Error\n");
        setError(ErrFrame);
        return false;
    case FrameCheck::Letters:
        // Taking it would file another request's data (or status) under this one.
        m_log.writeF(true, "## FRAME Command Error This[%c%c], HMI[%c%c]\n", main, sub, frame[1],
                     frame[2]);
        setError(ErrFrame);
        return false;
    case FrameCheck::Bcc:
        m_log.writeF(true, "## BCC Error This[%04x], HMI[%04x]\n", check.computed, check.received);
        setError(ErrBcc);
        return false;
    case FrameCheck::Nak:
        m_log.writeF(true, "## NAK Receive [%04d]Bytes\n", static_cast<int>(frame.size()));
        setError(ErrNak, frame[3]);
        return false;
    case FrameCheck::Ok:
        break;
    }
    return true;
}

int CCommThread::ProcessResponse(COMM_CMD &c, util::ConstByteSpan frame)
{
    m_error = 0;
    if (frame.size() < kFrameOverhead) {
        setError(ErrFrame);
        return 5;
    }
    const util::ConstByteSpan data = frame.subspan(3, frame.size() - kFrameOverhead);
    if (c.main == 'r') {
        if (c.sub == 'T') {
            if (c.buffer.size() < 8 || data.size() < 8) {
                setError(ErrFrame);
                return 5;
            }
            std::copy_n(data.begin(), 8, c.buffer.begin());
            c.size = 8;
            c.current = c.start + 8;
            m_log.writeF(true, "!! Receive complete [%04d]Bytes\n", static_cast<int>(c.size));
            return 3;
        }
        int result = 1;
        if (c.current == 0 && isAreaWithLength(c.sub)) {
            const std::uint32_t length = util::be32(data, 0);
            if (length == 0xFFFFFFFFu) {
                setError(ErrErased);
                return 5;
            }
            // A length the host buffer cannot take is refused like one above the limit.
            if (length > areaLengthLimit(c.sub) || length > c.buffer.size()) {
                setError(ErrFrame);
                return 5;
            }
            c.size = length;
        }
        const std::uint32_t remaining = c.start + c.size - c.current;
        const std::size_t offset = c.current - c.start;
        const std::uint32_t n = std::min<std::uint32_t>(remaining, kMaxBlock);
        if (n > data.size() || offset + n > c.buffer.size()) {
            setError(ErrFrame);
            return 5;
        }
        std::copy_n(data.begin(), n, c.buffer.begin() + static_cast<std::ptrdiff_t>(offset));
        if (remaining > kMaxBlock) {
            c.current += kMaxBlock;
            return result;
        }
        c.current = c.start + c.size;
        m_log.writeF(true, "!! Receive complete [%04d]Bytes\n", static_cast<int>(c.size));
        result = 3;
        return result;
    }
    if (c.main == 'w') {
        if (c.start + c.size - c.current > kMaxBlock) {
            c.current += kMaxBlock;
            return 1;
        }
        c.current = c.start + c.size;
        m_log.writeF(true, "!! Send complete [%04d]Bytes\n", static_cast<int>(c.size));
        return 3;
    }
    if ((c.sub == 'A' || c.sub == 'C') && !c.buffer.empty() && !data.empty()) {
        c.buffer[0] = data[0];
        c.size = 1;
    }
    return 3;
}

CCommThread::Step CCommThread::exchange(COMM_CMD &c, int timeoutMs, int &result)
{
    util::Bytes frame;
    std::size_t expected = 0;
    if (!MakeFrame(c, frame, expected)) {
        setError(ErrFrame);
        return Step::Failed;
    }
    const bool sent = SendFrame(frame);
    m_log.writeF(true, sent ? "!! Send Success [%04d]Bytes\n" : "## Send Error [%04d]Bytes\n",
                 static_cast<int>(frame.size()));
    if (!sent)
        return Step::SendFailed;
    const long count = ReceiveFrame(m_rx, expected, timeoutMs);
    if (count < 0)
        return Step::Failed;
    m_lastReceived = static_cast<std::size_t>(count);
    const util::ConstByteSpan response(m_rx.data(), m_lastReceived);
    if (!CheckFrame(response, c.main, c.sub))
        return Step::Failed;
    result = ProcessResponse(c, response);
    return Step::Ok;
}

bool CCommThread::Connect(std::uint8_t &status)
{
    if (!OpenPort())
        return false;
    sleepMs(1);
    for (int i = 0; i < 10; ++i) {
        m_port.setRts(true);
        sleepMs(1);
        m_port.setRts(false);
        sleepMs(1);
    }
    sleepMs(100);
    std::uint8_t answer[1] = {0};
    COMM_CMD c{'y', 'C', answer};
    int result = 0;
    if (exchange(c, kConnectTimeoutMs, result) != Step::Ok || result != 3) {
        // The end request must not hide why the connection failed.
        const std::uint32_t error = m_error;
        Disconnect();
        m_error = error;
        return false;
    }
    m_log.writeF(true, "!! Check Receive Data Success [%04d]Bytes\n",
                 static_cast<int>(m_lastReceived));
    status = answer[0];
    return true;
}

bool CCommThread::Disconnect()
{
    if (!m_port.isOpen())
        return true;
    COMM_CMD c{'y', 'B', {}};
    int result = 0;
    const bool ok = exchange(c, m_timeoutMs, result) == Step::Ok;
    if (ok)
        m_log.writeF(true, "!! Check Receive Data Success [%04d]Bytes\n",
                     static_cast<int>(m_lastReceived));
    ClosePort();
    return ok;
}

bool CCommThread::Run(COMM_CMD &c)
{
    for (;;) {
        int result = 0;
        if (exchange(c, m_timeoutMs, result) != Step::Ok)
            return false;
        m_log.writeF(true, "!! Check Receive Data Success [%04d]Bytes\n",
                     static_cast<int>(m_lastReceived));
        if (result == 5)
            return false;
        if (result != 1)
            return true;
    }
}

bool CCommThread::Start(const COMM_CMD *commands, int count, bool synchronous, bool continuous)
{
    if (!commands || count <= 0)
        return false;
    if (!synchronous && !m_idle)
        return false;
    if (m_thread.joinable())
        m_thread.join();
    m_count = std::min(count, kMaxCommands);
    std::copy_n(commands, m_count, m_commands.begin());
    if (synchronous)
        return Run(m_commands[0]);
    m_continuous = continuous;
    m_idle = false;
    m_thread = std::thread(&CCommThread::workerProc, this);
    return true;
}

void CCommThread::RequestStop()
{
    {
        const std::lock_guard lock(m_postMutex);
        m_active = false;
    }
    m_continuous = false;
}

void CCommThread::Stop()
{
    RequestStop();
    if (m_thread.joinable() && m_thread.get_id() != std::this_thread::get_id())
        m_thread.join();
    while (!m_idle && !(m_thread.get_id() == std::this_thread::get_id()))
        sleepMs(10);
}

void CCommThread::post(std::uint32_t message, std::uint32_t status, const COMM_CMD *command)
{
    const std::lock_guard lock(m_postMutex);
    ICommNotify *target = m_notify;
    if (m_active && target)
        target->post(CommMessage{message, status, command, m_error, command ? command->size : 0,
                                 command ? command->current : 0, command ? command->start : 0});
}

bool CCommThread::pauseWhile(const std::atomic<bool> &flag, int ms)
{
    for (int waited = 0; waited < ms; waited += 10) {
        if (!flag)
            return false;
        sleepMs(std::min(10, ms - waited));
    }
    return flag;
}

bool CCommThread::connectUntilDone()
{
    std::uint8_t status = 0;
    while (m_continuous) {
        if (Connect(status))
            return m_continuous;
        // The port may be gone for good: retry at a calm pace, never spin.
        pauseWhile(m_continuous, 500);
    }
    return false;
}

bool CCommThread::runCommand(COMM_CMD &c)
{
    c.current = 0;
    c.start = 0;
    post(WM_COMM_STATUS, StatusCommandStart, &c);
    while (m_active) {
        m_log.writeF(false, "\n\n*********** Send/Receive Start Main=[%02x] Sub=[%02x]\n", c.main,
                     c.sub);
        int result = 0;
        const Step step = exchange(c, m_timeoutMs, result);
        if (step == Step::SendFailed) {
            post(WM_COMM_SENDFAIL, StatusFailed, &c);
            return false;
        }
        if (step == Step::Failed)
            result = StatusFailed;
        post(WM_COMM_STATUS, static_cast<std::uint32_t>(result), &c);
        if (result == StatusCommandDone) {
            m_log.writeF(true, "!![%c] Command Receive complete\n", c.main);
            pauseWhile(m_active, m_pauseMs);
            return true;
        }
        if (result != StatusBlockDone)
            return false;
    }
    return false; // stopped half-way
}

bool CCommThread::runList()
{
    int done = 0;
    while (done < m_count && m_active) {
        if (!runCommand(m_commands[static_cast<std::size_t>(done)]))
            return false;
        ++done;
    }
    if (done < m_count)
        return true; // stopped between commands: not a failure
    post(WM_COMM_STATUS, StatusAllDone, &m_commands[0]);
    m_log.write(true, "!! Total Receive complete\n");
    return true;
}

void CCommThread::workerProc()
{
    m_idle = false;
    bool failed = false;
    bool run = !m_continuous || connectUntilDone();
    while (run) {
        failed = !runList();
        if (!m_continuous || !pauseWhile(m_continuous, 500))
            break;
        run = connectUntilDone();
    }
    if (!(m_commands[0].main == 'r' && m_commands[0].sub == 'T')) {
        // The end request must not wipe out why the list failed.
        const std::uint32_t error = m_error;
        Disconnect();
        if (failed)
            m_error = error;
    }
    m_idle = true;
}

CommText CCommThread::ErrorText(std::uint32_t code)
{
    // The panel's NAK codes 0-7; 0 and 1 read as the link's own BCC and frame errors.
    static constexpr CommTextId kNakTexts[] = {
            CommTextId::ErrBcc,        CommTextId::ErrFrame,   CommTextId::NakCommand,
            CommTextId::NakSubCommand, CommTextId::NakAddress, CommTextId::NakRtcRead,
            CommTextId::NakRtcWrite,   CommTextId::NakNoClock,
    };
    const auto detail = static_cast<std::uint16_t>(code & 0xFFFF);
    switch (code >> 16) {
    case ErrPortOpen:
        return CommTextId::ErrPortOpen;
    case ErrTimeout:
        return CommTextId::ErrTimeout;
    case ErrNak:
        return {CommTextId::ErrNak,
                {detail < std::size(kNakTexts) ? CommText(kNakTexts[detail]) : CommText()}};
    case ErrFrame:
        return CommTextId::ErrFrame;
    case ErrBcc:
        return CommTextId::ErrBcc;
    case ErrPortWrite:
        return CommTextId::ErrPortWrite;
    case ErrErased:
        return CommTextId::ErrErased;
    default:
        return {};
    }
}

CommText CCommThread::GetErrorText() const
{
    return DescribeError(m_error);
}

CommText CCommThread::DescribeError(std::uint32_t code) const
{
    if (code >> 16 != ErrPortOpen)
        return ErrorText(code);
    std::string device;
    {
        const std::lock_guard lock(m_openFailureMutex);
        device = m_openFailureDevice;
    }
    // A numbered message: already in the user's language.
    return CommText::of(
            util::formatMessage(util::msg::kPortOpenFailed, device.c_str(),
                                portOpenReason(static_cast<int>(code & 0xFFFF)).c_str()));
}

void CCommThread::ShowError(IPanelUi &ui) const
{
    ui.message(GetErrorText(), IPanelUi::Icon::None);
}

CommText CCommThread::GetAreaName(std::uint8_t sub) const
{
    switch (sub) {
    case 'A':
        return CommTextId::AreaPassword;
    case 'C':
        return CommTextId::AreaScreen;
    case 'F':
        return CommTextId::AreaFont;
    case 'G':
        return CommTextId::AreaGlobal;
    case 'P':
        return CommTextId::AreaConstant;
    case 'R':
        return CommTextId::AreaImage;
    case 'S':
        return CommTextId::AreaString;
    case 'T':
        return CommTextId::AreaClock;
    case 'Z':
        // The panel's own names for an unused channel.
        return {CommTextId::AreaDrivers,
                {CommText::of(m_driver1.empty() ? "ch1_nouse.drv" : m_driver1),
                 CommText::of(m_driver2.empty() ? "ch2_nouse.drv" : m_driver2)}};
    default:
        return {};
    }
}

} // namespace comm
