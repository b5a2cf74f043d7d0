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

void sleepMs(int ms)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
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
