#include "plc_loader.h"

#include "flash_texts.h"
#include "plc_frame.h"

#include <algorithm>
#include <vector>

namespace quillet {

CPlcLoader::CPlcLoader(CFlashPort &port, IFlashObserver &observer)
    : m_port(port)
    , m_observer(observer)
{ }

bool CPlcLoader::openPort()
{
    if (m_port.open())
        return true;
    m_observer.message(text::OpenFailed);
    return false;
}

bool CPlcLoader::sendOnly(std::span<const std::uint8_t> frame)
{
    if (!openPort())
        return false;
    if (!m_port.send(frame)) {
        m_observer.message(m_port.failureText());
        return false;
    }
    return true;
}

bool CPlcLoader::request(std::span<const std::uint8_t> frame, std::uint8_t letter, bool ascii)
{
    std::vector<std::uint8_t> answer;
    if (!m_port.send(frame) || !m_port.receive(answer, 0)) {
        m_observer.message(m_port.failureText());
        return false;
    }
    if (const std::string problem = plc::checkAnswer(answer, letter, ascii); !problem.empty()) {
        m_observer.message(problem);
        return false;
    }
    return true;
}

bool CPlcLoader::writeImage(std::span<const std::uint8_t> image, std::uint32_t address, bool ascii)
{
    if (!openPort())
        return false;
    const std::size_t pieceSize = ascii ? plc::kAsciiPiece : plc::kBinaryPiece;
    const auto total = static_cast<std::uint32_t>(image.size());
    std::uint32_t sent = 0;
    while (sent < total) {
        const auto piece = image.subspan(sent, std::min<std::size_t>(pieceSize, total - sent));
        const plc::Frame frame = ascii ? plc::asciiWrite(address + sent, piece)
                                       : plc::binaryWrite(address + sent, piece);
        if (!request(frame, ascii ? 'W' : 'F', ascii))
            return false;
        sent += static_cast<std::uint32_t>(piece.size());
        m_observer.progress(total, sent);
    }
    return true;
}

bool CPlcLoader::enterLoader()
{
    return sendOnly(plc::loaderFrame());
}

bool CPlcLoader::writeAscii(std::span<const std::uint8_t> image, std::uint32_t address)
{
    return writeImage(image, address, true);
}

bool CPlcLoader::eraseAscii(std::uint32_t address)
{
    return sendOnly(plc::asciiErase(address));
}

bool CPlcLoader::binaryCommand()
{
    return openPort() && request(plc::binaryCommand(), 'C', false);
}

bool CPlcLoader::writeBinary(std::span<const std::uint8_t> image, std::uint32_t address)
{
    if (!writeImage(image, address, false))
        return false;
    m_observer.message(text::CompleteFrames);
    return true;
}

bool CPlcLoader::eraseBinary(std::uint32_t address)
{
    return sendOnly(plc::binaryErase(address));
}

} // namespace quillet
