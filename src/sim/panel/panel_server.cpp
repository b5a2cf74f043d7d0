#include "sim/panel/panel_server.h"

#include "core/comm/frame_codec.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace sim {

namespace {

constexpr int kStaleFrameMs = 500;

void sleepUntil(std::chrono::steady_clock::time_point when)
{
    if (when > std::chrono::steady_clock::now())
        std::this_thread::sleep_until(when);
}

bool isArea(std::uint8_t sub)
{
    switch (sub) {
    case 'G':
    case 'S':
    case 'C':
    case 'R':
    case 'P':
    case 'Z':
    case 'F':
    case 'A':
    case 'M':
    case 'W':
        return true;
    default:
        return false;
    }
}

} // namespace

bool parseFault(const std::string &text, Fault &out)
{
    const auto colon = text.find(':');
    if (colon == std::string::npos)
        return false;
    const std::string kind = text.substr(0, colon);
    char *end = nullptr;
    const unsigned long n = std::strtoul(text.c_str() + colon + 1, &end, 10);
    if (n == 0)
        return false;
    out.response = static_cast<unsigned>(n);
    if (kind == "drop")
        out.kind = Fault::Kind::Drop;
    else if (kind == "bcc")
        out.kind = Fault::Kind::Bcc;
    else if (kind == "silent")
        out.kind = Fault::Kind::Silent;
    else if (kind == "cut")
        out.kind = Fault::Kind::Cut;
    else if (kind == "frame")
        out.kind = Fault::Kind::Frame;
    else if (kind == "letters")
        out.kind = Fault::Kind::Letters;
    else if (kind == "nak" && end && *end == ':') {
        out.kind = Fault::Kind::Nak;
        out.code = static_cast<std::uint8_t>(std::strtoul(end + 1, nullptr, 0));
        return true;
    } else
        return false;
    return *end == '\0';
}

CPanelServer::CPanelServer(CPanelMemory &memory, unsigned baud, std::vector<Fault> faults)
    : m_memory(memory)
    , m_baud(baud)
    , m_faults(std::move(faults))
{ }

CPanelServer::~CPanelServer()
{
    if (m_trace)
        std::fclose(m_trace);
    if (m_slave >= 0)
        ::close(m_slave);
    if (m_master >= 0)
        ::close(m_master);
}

bool CPanelServer::setTrace(const std::string &path)
{
    if (m_trace)
        std::fclose(m_trace);
    m_trace = std::fopen(path.c_str(), "w");
    return m_trace != nullptr;
}

std::string CPanelServer::traceLine(util::ConstByteSpan request)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string line;
    line += request.size() > 1 ? static_cast<char>(request[1]) : '?';
    line += request.size() > 2 ? static_cast<char>(request[2]) : '?';
    line += ' ';
    for (const std::uint8_t b : request) {
        line += kHex[b >> 4];
        line += kHex[b & 0xF];
    }
    return line;
}

bool CPanelServer::open(std::string &slavePath)
{
    m_master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (m_master < 0 || ::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0)
        return false;
    char name[128] = {};
    if (::ptsname_r(m_master, name, sizeof name) != 0)
        return false;
    slavePath = name;
    m_slave = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (m_slave < 0)
        return false;
    termios tio{};
    if (::tcgetattr(m_slave, &tio) == 0) {
        ::cfmakeraw(&tio);
        ::tcsetattr(m_slave, TCSANOW, &tio);
    }
    return true;
}

CPanelServer::Clock::duration CPanelServer::byteTime(std::size_t count) const
{
    if (m_baud == 0)
        return Clock::duration::zero();
    // Ten bits a byte: start, eight data bits, stop.
    return std::chrono::duration_cast<Clock::duration>(
            std::chrono::nanoseconds(static_cast<long long>(count) * 10'000'000'000LL / m_baud));
}

std::size_t CPanelServer::requestLength(util::ConstByteSpan d)
{
    if (d.size() < 3)
        return 0;
    const std::uint8_t main = d[1];
    const std::uint8_t sub = d[2];
    if (main == 'r')
        return sub == 'T' ? 6 : 11;
    if (main == 'w') {
        if (sub == 'T')
            return 14;
        if (d.size() < 8)
            return 0;
        return 11 + util::be16(d, 6);
    }
    if (main == 'y') {
        if (sub == 'A')
            return 16;
        if (sub == 'Z')
            return 8;
    }
    return 6;
}

util::Bytes CPanelServer::answer(util::ConstByteSpan request)
{
    const std::uint8_t main = request.size() > 1 ? request[1] : 0;
    const std::uint8_t sub = request.size() > 2 ? request[2] : 0;
    const comm::FrameCheckResult check = comm::checkRequest(request);
    if (check.result == comm::FrameCheck::Format)
        return comm::buildNak(main, sub, comm::NakFrame);
    if (check.result == comm::FrameCheck::Bcc)
        return comm::buildNak(main, sub, comm::NakBcc);
    return handle(main, sub, request.subspan(3, request.size() - comm::kFrameOverhead));
}

util::Bytes CPanelServer::handle(std::uint8_t main, std::uint8_t sub, util::ConstByteSpan payload)
{
    if (main == 'y')
        return handleControl(sub, payload);
    if (main != 'r' && main != 'w')
        return comm::buildNak(main, sub, comm::NakCommand);
    // Until the password is given only the connection requests are served.
    if (!m_authorized)
        return comm::buildNak(main, sub, comm::NakCommand);
    if (sub == 'T')
        return handleClock(main, payload);
    return handleArea(main, sub, payload);
}

util::Bytes CPanelServer::handleControl(std::uint8_t sub, util::ConstByteSpan payload)
{
    switch (sub) {
    case 'C': {
        m_authorized = !m_memory.hasPassword();
        const std::uint8_t status[1] = {static_cast<std::uint8_t>(m_authorized ? 0 : 1)};
        return comm::buildResponse('y', sub, status);
    }
    case 'A': {
        const bool ok = m_memory.checkPassword(payload);
        if (ok)
            m_authorized = true;
        const std::uint8_t status[1] = {static_cast<std::uint8_t>(ok ? 1 : 0)};
        return comm::buildResponse('y', sub, status);
    }
    case 'B':
        m_authorized = !m_memory.hasPassword();
        return comm::buildResponse('y', sub, {});
    case 'Z':
        if (!m_authorized)
            return comm::buildNak('y', sub, comm::NakCommand);
        if (payload.size() != 2 || payload[0] != 0xAA || payload[1] != 0x55)
            return comm::buildNak('y', sub, comm::NakFrame);
        m_memory.erase();
        return comm::buildResponse('y', sub, {});
    default:
        return comm::buildNak('y', sub, comm::NakSubCommand);
    }
}

util::Bytes CPanelServer::handleClock(std::uint8_t main, util::ConstByteSpan payload)
{
    if (main == 'r')
        return m_memory.hasRtc() ? comm::buildResponse(main, 'T', m_memory.clockRecord())
                                 : comm::buildNak(main, 'T', comm::NakRtcRead);
    if (!m_memory.hasRtc())
        return comm::buildNak(main, 'T', comm::NakNoRtc);
    return m_memory.setClock(payload) ? comm::buildResponse(main, 'T', {})
                                      : comm::buildNak(main, 'T', comm::NakRtcWrite);
}

util::Bytes CPanelServer::handleArea(std::uint8_t main, std::uint8_t sub,
                                     util::ConstByteSpan payload)
{
    const auto nak = [&](std::uint8_t code) { return comm::buildNak(main, sub, code); };
    if (!isArea(sub))
        return nak(comm::NakSubCommand);
    if (payload.size() < 5)
        return nak(comm::NakFrame);
    const std::uint32_t address = comm::be24(payload, 0);
    const std::uint16_t length = util::be16(payload, 3);
    if (main == 'r') {
        util::Bytes data;
        if (const auto error = m_memory.read(sub, address, length, data))
            return nak(*error);
        return comm::buildResponse(main, sub, data);
    }
    if (payload.size() != 5u + length)
        return nak(comm::NakFrame);
    if (const auto error = m_memory.write(sub, address, payload.subspan(5)))
        return nak(*error);
    return comm::buildResponse(main, sub, {});
}

void CPanelServer::sendPaced(util::ConstByteSpan bytes, Clock::time_point start)
{
    std::size_t sent = 0;
    // Bytes leave in small groups, each when its last byte would have crossed the line:
    // about 2 ms of wire time a group, so neither side wakes for every byte.
    const std::size_t group
            = m_baud == 0 ? bytes.size() : std::max<std::size_t>(1, m_baud / 10 / 500);
    while (sent < bytes.size()) {
        const std::size_t n = std::min(group, bytes.size() - sent);
        sleepUntil(start + byteTime(sent + n));
        std::size_t done = 0;
        while (done < n) {
            const ssize_t w = ::write(m_master, bytes.data() + sent + done, n - done);
            if (w > 0) {
                done += static_cast<std::size_t>(w);
            } else if (w < 0 && errno == EAGAIN) {
                pollfd p{m_master, POLLOUT, 0};
                ::poll(&p, 1, 100);
            } else if (w < 0 && errno != EINTR) {
                return;
            }
        }
        sent += n;
    }
}

void CPanelServer::respond(util::Bytes frame, Clock::time_point arrived)
{
    ++m_responses;
    for (const Fault &fault : m_faults) {
        if (fault.kind == Fault::Kind::Silent && m_responses >= fault.response)
            m_silent = true;
        if (fault.response != m_responses)
            continue;
        switch (fault.kind) {
        case Fault::Kind::Drop:
            return;
        case Fault::Kind::Silent:
            break;
        case Fault::Kind::Bcc:
            frame[frame.size() - 2] ^= 0x5A;
            break;
        case Fault::Kind::Frame:
            frame.back() = 0x00;
            break;
        case Fault::Kind::Letters:
            // A sound frame, but for another area: only its letters can give it away.
            frame[2] = frame[2] == 'C' ? 'G' : 'C';
            util::setBe16(frame, frame.size() - 3, comm::frameBcc(frame));
            break;
        case Fault::Kind::Nak:
            frame = comm::buildNak(frame.size() > 1 ? frame[1] : 0, frame.size() > 2 ? frame[2] : 0,
                                   fault.code);
            break;
        case Fault::Kind::Cut:
            ::close(m_master);
            m_master = -1;
            ::close(m_slave);
            m_slave = -1;
            return;
        }
    }
    if (m_silent)
        return;
    sendPaced(frame, std::max(arrived, Clock::now()));
}

void CPanelServer::serve()
{
    util::Bytes pending;
    Clock::time_point lineFree = Clock::now(); // when the last received byte has crossed
    Clock::time_point lastByte = Clock::now();
    std::uint8_t chunk[4096];
    while (!m_stop) {
        if (m_master < 0) {
            // The line is cut: wait to be killed or stopped.
            std::this_thread::sleep_for(std::chrono::milliseconds(kStopCheckMs));
            continue;
        }
        pollfd p{m_master, POLLIN, 0};
        const int r = ::poll(&p, 1, pending.empty() ? kStopCheckMs : kStaleFrameMs);
        if (r < 0 && errno == EINTR)
            continue;
        if (r == 0) {
            // A frame that stopped half-way is dropped, as the panel's own receiver does.
            if (Clock::now() - lastByte >= std::chrono::milliseconds(kStaleFrameMs))
                pending.clear();
            continue;
        }
        const ssize_t n = ::read(m_master, chunk, sizeof chunk);
        if (n <= 0) {
            if (n < 0 && (errno == EINTR || errno == EAGAIN))
                continue;
            // No slave side at all should not happen (we hold one); avoid spinning if it does.
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            continue;
        }
        const Clock::time_point now = Clock::now();
        lastByte = now;
        lineFree = std::max(lineFree, now) + byteTime(static_cast<std::size_t>(n));
        pending.insert(pending.end(), chunk, chunk + n);
        for (;;) {
            // Anything before a start byte is line noise.
            const auto stx = std::find(pending.begin(), pending.end(), comm::kStx);
            pending.erase(pending.begin(), stx);
            const std::size_t length = requestLength(pending);
            if (length == 0 || pending.size() < length)
                break;
            const util::Bytes request(pending.begin(),
                                      pending.begin() + static_cast<std::ptrdiff_t>(length));
            pending.erase(pending.begin(), pending.begin() + static_cast<std::ptrdiff_t>(length));
            if (m_trace) {
                // Flushed at once: a test reads the file while the simulator still runs.
                std::fprintf(m_trace, "%s\n", traceLine(request).c_str());
                std::fflush(m_trace);
            }
            // The request counts as arrived once its bytes would have crossed the line.
            sleepUntil(lineFree);
            respond(answer(request), lineFree);
            if (m_master < 0)
                break;
        }
    }
}

} // namespace sim
