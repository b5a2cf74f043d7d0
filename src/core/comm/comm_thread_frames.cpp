// The frame steps of the link: building a block's request, sending it, taking its answer and
// applying the answer to the record. Kept apart from the port, connection and worker logic.

#include "core/comm/comm_thread.h"

#include <algorithm>
#include <chrono>

namespace comm {

namespace {

using Clock = std::chrono::steady_clock;

bool isAreaWithLength(std::uint8_t sub)
{
    return sub == 'S' || sub == 'C' || sub == 'G' || sub == 'R' || sub == 'F';
}

} // namespace

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

} // namespace comm
