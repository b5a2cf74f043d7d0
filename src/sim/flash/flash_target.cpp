#include "flash_target.h"

#include "flash_bytes.h"
#include "plc_frame.h"

#include <algorithm>
#include <cstdio>
#include <fstream>

namespace flashsim {

namespace {

constexpr std::uint8_t ACK = 0x06;
constexpr std::uint8_t NAK = 0x15;
constexpr std::uint8_t DC1 = 0x11;
constexpr std::uint8_t kNakCode = 0x21; // what the simulated PLC reports on an injected NAK
constexpr std::uint32_t kPlcBootAddress = 0x1F0200;
constexpr std::uint32_t kPlcBootLength = 0x50C;
constexpr std::uint32_t kPlcOsAddress = 0x800;
constexpr std::uint32_t kPlcOsLength = 0x1F800;

std::string hex(std::uint32_t value, int digits)
{
    char text[16];
    std::snprintf(text, sizeof text, "%0*X", digits, value);
    return text;
}

int hexValue(std::uint8_t high, std::uint8_t low)
{
    const auto digit = [](std::uint8_t c) {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        return -1000;
    };
    const int v = digit(high) * 16 + digit(low);
    return v < 0 ? -1 : v;
}

// The ASCII address: three hex pairs, low byte first.
std::uint32_t asciiAddress(const std::vector<std::uint8_t> &frame, std::size_t at)
{
    std::uint32_t address = 0;
    for (int i = 2; i >= 0; --i)
        address = (address << 8)
                | static_cast<std::uint32_t>(hexValue(frame[at + 2 * i], frame[at + 2 * i + 1]));
    return address;
}

} // namespace

CFlashTarget::CFlashTarget(int deviceIndex, Fault fault, FaultPhase phase, std::string outDir)
    : m_device(deviceIndex)
    , m_fault(fault)
    , m_faultPhase(phase)
    , m_outDir(std::move(outDir))
    , m_state(deviceIndex == 1 ? State::PlcIdle : State::Sync)
{
    std::size_t flashSize = 0x20000;
    if (m_device == 2)
        flashSize = 0x40000;
    else if (m_device == 1)
        flashSize = kPlcOsLength;
    m_flash.assign(flashSize, 0xFF);
    if (m_device == 1)
        m_boot.assign(kPlcBootLength, 0xFF);
    if (!m_outDir.empty()) {
        m_flashFile = std::fopen((m_outDir + "/os.bin").c_str(), "w+b");
        saveFlash(0, m_flash.data(), m_flash.size());
        std::fclose(std::fopen((m_outDir + "/events.txt").c_str(), "wb"));
    }
}

CFlashTarget::~CFlashTarget()
{
    if (m_flashFile)
        std::fclose(m_flashFile);
}

void CFlashTarget::saveBoot()
{
    if (m_outDir.empty())
        return;
    std::ofstream out(m_outDir + "/boot.bin", std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char *>(m_boot.data()),
              static_cast<std::streamsize>(m_boot.size()));
}

void CFlashTarget::saveFlash(std::size_t offset, const std::uint8_t *bytes, std::size_t count)
{
    if (!m_flashFile)
        return;
    std::fseek(m_flashFile, static_cast<long>(offset), SEEK_SET);
    std::fwrite(bytes, 1, count, m_flashFile);
    std::fflush(m_flashFile);
}

void CFlashTarget::log(const std::string &line)
{
    if (m_outDir.empty())
        return;
    std::ofstream out(m_outDir + "/events.txt", std::ios::binary | std::ios::app);
    out << line << '\n';
}

bool CFlashTarget::silent(FaultPhase phase) const
{
    return m_fault == Fault::Silence && m_faultPhase == phase;
}

bool CFlashTarget::faultNow(Fault fault, FaultPhase phase)
{
    if (m_fault != fault || m_faultPhase != phase || m_faultUsed)
        return false;
    m_faultUsed = true;
    return true;
}

std::vector<std::uint8_t> CFlashTarget::feed(std::uint8_t byte)
{
    if (m_device == 1)
        return plc(byte);
    if (m_state <= State::SpeedMessage)
        return bootMode(byte);
    return blockWrite(byte);
}

std::vector<std::uint8_t> CFlashTarget::bootFinished()
{
    saveBoot();
    log("boot " + std::to_string(m_boot.size()));
    if (m_device == 2) {
        m_state = State::Command;
        if (faultNow(Fault::Nak, FaultPhase::Boot))
            return {NAK};
        return {0xAA};
    }
    m_state = State::SpeedMessage;
    m_message.clear();
    return {0xAA};
}

std::vector<std::uint8_t> CFlashTarget::bootMode(std::uint8_t byte)
{
    switch (m_state) {
    case State::Sync:
        // The target measures the bit rate over a burst of zeros and answers once.
        if (byte == 0x00 && ++m_zeros == 10 && !silent(FaultPhase::Boot)) {
            m_state = State::Wait55;
            return {0x00};
        }
        return {};
    case State::Wait55:
        if (byte != 0x55)
            return {};
        m_state = State::LengthHigh;
        return {0xAA};
    case State::LengthHigh:
        m_bootLength = static_cast<std::uint32_t>(byte) << 8;
        m_state = State::LengthLow;
        return {byte};
    case State::LengthLow:
        m_bootLength |= byte;
        m_boot.clear();
        log("boot-length " + hex(m_bootLength, 4));
        if (m_bootLength == 0) {
            auto answer = bootFinished();
            answer.insert(answer.begin(), byte);
            return answer;
        }
        m_state = State::BootData;
        return {byte};
    case State::BootData: {
        m_boot.push_back(byte);
        const std::uint8_t echo
                = faultNow(Fault::Echo, FaultPhase::Boot) ? static_cast<std::uint8_t>(~byte) : byte;
        if (m_boot.size() < m_bootLength)
            return {echo};
        auto answer = bootFinished();
        answer.insert(answer.begin(), echo);
        return answer;
    }
    case State::SpeedMessage:
        m_message.push_back(byte);
        if (m_message.size() < 12)
            return {};
        {
            const std::uint32_t speed = quillet::readBe32(m_message, 1);
            const std::uint32_t clock = quillet::readBe32(m_message, 5);
            log("speed " + std::to_string(speed) + " " + std::to_string(clock) + " "
                + hex(m_message[9], 2) + " " + hex(m_message[10], 2) + " " + hex(m_message[11], 2));
            m_state = State::Hello;
            const bool wellFormed = m_message[0] == 'S' && m_message[9] == 1 && m_message[10] == 0
                    && m_message[11] == 1;
            if (!wellFormed || faultNow(Fault::Nak, FaultPhase::Boot))
                return {NAK};
            return {ACK};
        }
    default:
        return {};
    }
}

std::vector<std::uint8_t> CFlashTarget::blockWrite(std::uint8_t byte)
{
    switch (m_state) {
    case State::Hello:
        if (byte != ACK || silent(FaultPhase::Os))
            return {};
        m_state = State::Command;
        return {ACK};
    case State::Command:
        if (byte == 'W') {
            m_state = State::WriteZero;
        } else if (byte == 'C') {
            std::uint32_t sum = 0;
            for (const auto b : m_flash)
                sum += b;
            if (faultNow(Fault::Checksum, FaultPhase::Os))
                ++sum;
            log("verify " + hex(sum, 8));
            std::vector<std::uint8_t> answer;
            quillet::appendBe32(answer, sum);
            return answer;
        }
        return {};
    case State::WriteZero:
        if (byte != 0x00) {
            m_state = State::Command;
            return {NAK};
        }
        if (silent(FaultPhase::Os))
            return {};
        m_state = State::Header;
        m_message.clear();
        if (faultNow(Fault::Nak, FaultPhase::Os))
            return {NAK};
        return {ACK};
    case State::Header:
        m_message.push_back(byte);
        if (m_message.size() < 8)
            return {};
        m_blockStart = quillet::readBe32(m_message, 0);
        m_blockLength = quillet::readBe32(m_message, 4);
        m_blockDone = 0;
        m_blockSum = 0;
        if (m_blockLength % 128 != 0 || m_blockStart + m_blockLength > m_flash.size()) {
            m_state = State::Command;
            return {NAK};
        }
        log("block " + hex(m_blockStart, 6) + " " + hex(m_blockLength, 6));
        m_state = m_blockLength ? State::PieceStart : State::CloseStart;
        return {DC1};
    case State::PieceStart:
        if (byte == DC1) {
            m_piece.clear();
            m_state = State::PieceData;
        }
        return {};
    case State::PieceData: {
        m_piece.push_back(byte);
        if (m_piece.size() < 128)
            return {};
        const std::uint32_t at = m_blockStart + m_blockDone;
        std::copy(m_piece.begin(), m_piece.end(), m_flash.begin() + at);
        saveFlash(at, m_piece.data(), m_piece.size());
        for (const auto b : m_piece)
            m_blockSum = static_cast<std::uint8_t>(m_blockSum + b);
        m_blockDone += 128;
        m_state = m_blockDone < m_blockLength ? State::PieceStart : State::CloseStart;
        if (faultNow(Fault::Echo, FaultPhase::Os))
            return {0x13};
        return {DC1};
    }
    case State::CloseStart:
        if (byte == DC1)
            m_state = State::CloseSum;
        return {};
    case State::CloseSum:
        m_state = State::Command;
        log("block-sum " + hex(byte, 2)
            + (byte == static_cast<std::uint8_t>(~m_blockSum) ? " ok" : " bad"));
        return {byte == static_cast<std::uint8_t>(~m_blockSum) ? ACK : NAK};
    default:
        return {};
    }
}

std::size_t CFlashTarget::plcFrameLength() const
{
    if (m_frame.front() == quillet::plc::STX)
        return 5;
    if (m_frame.size() < 2)
        return 0;
    switch (m_frame[1]) {
    case 'C':
        return 5;
    case 'E':
        return m_binaryMode ? 7 : 11;
    case 'W': {
        if (m_frame.size() < 10)
            return 0;
        const int count = hexValue(m_frame[8], m_frame[9]);
        return count < 0 ? 10 : static_cast<std::size_t>(2 * count + 13);
    }
    case 'F':
        return m_frame.size() < 6 ? 0 : m_frame[5] + 8u;
    default:
        return 2; // unknown letter: dropped
    }
}

std::vector<std::uint8_t> CFlashTarget::plc(std::uint8_t byte)
{
    if (m_frame.empty() && byte != quillet::plc::ENQ && byte != quillet::plc::STX)
        return {};
    m_frame.push_back(byte);
    const std::size_t length = plcFrameLength();
    if (length == 0 || m_frame.size() < length)
        return {};
    auto answer = plcFrame();
    m_frame.clear();
    return answer;
}

std::vector<std::uint8_t> CFlashTarget::plcAnswer(std::uint8_t letter, bool ascii, FaultPhase phase)
{
    if (silent(phase))
        return {};
    if (faultNow(Fault::Nak, phase))
        return {NAK, kNakCode, quillet::plc::EOT};
    auto answer = quillet::plc::answerFor(letter, ascii);
    if (faultNow(Fault::Bcc, phase))
        answer[2] = static_cast<std::uint8_t>(answer[2] + 1);
    if (faultNow(Fault::Echo, phase))
        answer[1] = 'X';
    return answer;
}

std::vector<std::uint8_t> CFlashTarget::plcFrame()
{
    using namespace quillet::plc;
    const auto &f = m_frame;
    if (f.front() == STX) {
        if (f[1] == 'b' && f[2] == '6' && f[3] == '2' && f[4] == ETX) {
            m_loaderEntered = true;
            log("loader");
        }
        return {};
    }
    // Without the enter-loader frame the PLC runs its program and ignores the loader's frames.
    if (!m_loaderEntered || f.back() != EOT)
        return {};
    const std::uint8_t letter = f[1];
    const std::size_t bccAt = f.size() - (m_binaryMode || letter == 'C' || letter == 'F' ? 2 : 3);
    const std::uint8_t sum = bcc(std::span(f).subspan(1, bccAt - 1));
    const bool ascii = bccAt == f.size() - 3;
    const bool bccOk = ascii ? hexValue(f[bccAt], f[bccAt + 1]) == sum : f[bccAt] == sum;
    if (!bccOk)
        return {NAK, 0x42, EOT};

    if (letter == 'W') {
        const std::uint32_t address = asciiAddress(f, 2);
        const auto count = static_cast<std::size_t>(hexValue(f[8], f[9]));
        for (std::size_t i = 0; i < count; ++i) {
            const std::uint32_t at = address + static_cast<std::uint32_t>(i) - kPlcBootAddress;
            if (at < m_boot.size())
                m_boot[at] = static_cast<std::uint8_t>(hexValue(f[10 + 2 * i], f[11 + 2 * i]));
        }
        saveBoot();
        return plcAnswer('W', true, FaultPhase::Boot);
    }
    if (letter == 'E' && !m_binaryMode) {
        log("erase-ascii " + hex(asciiAddress(f, 2), 6));
        return {};
    }
    if (letter == 'C') {
        if (f[2] != 0x55)
            return {NAK, 0x43, EOT};
        m_binaryMode = true;
        log("binary");
        return answerFor('C', false);
    }
    const std::uint32_t address = f[2] | (f[3] << 8) | (f[4] << 16);
    if (letter == 'F') {
        const std::size_t count = f[5];
        if (address >= kPlcOsAddress && address - kPlcOsAddress + count <= m_flash.size()) {
            const std::size_t at = address - kPlcOsAddress;
            std::copy_n(f.begin() + 6, count, m_flash.begin() + static_cast<std::ptrdiff_t>(at));
            saveFlash(at, f.data() + 6, count);
        }
        return plcAnswer('F', false, FaultPhase::Os);
    }
    if (letter == 'E') {
        log("erase-binary " + hex(address, 6));
        m_done = true;
    }
    return {};
}

} // namespace flashsim
