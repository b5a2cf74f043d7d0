#include "block_writer.h"

#include "flash_bytes.h"
#include "flash_texts.h"

#include <algorithm>
#include <vector>

namespace quillet {

namespace {
constexpr std::uint8_t ACK = 0x06;
constexpr std::uint8_t DC1 = 0x11; // the boot program's "go on"
} // namespace

CBlockWriter::CBlockWriter(CFlashPort &port, IFlashObserver &observer)
    : m_port(port)
    , m_observer(observer)
{ }

bool CBlockWriter::portFailure()
{
    m_observer.message(m_port.failureText());
    return false;
}

bool CBlockWriter::exchange(std::span<const std::uint8_t> bytes, std::uint8_t expected)
{
    if (!m_port.send(bytes))
        return portFailure();
    std::vector<std::uint8_t> answer;
    if (!m_port.receive(answer, 1))
        return portFailure();
    if (answer[0] != expected) {
        m_observer.message(text::ReceiveDataError);
        return false;
    }
    return true;
}

bool CBlockWriter::writeBlock(const CFlashSegmentTable::Block &block, std::uint32_t total,
                              std::uint32_t &sent)
{
    const std::uint8_t command[] = {'W', 0x00};
    if (!exchange(command, ACK))
        return false;
    std::vector<std::uint8_t> header;
    appendBe32(header, block.start);
    appendBe32(header, block.length);
    if (!exchange(header, DC1))
        return false;
    constexpr auto piece = CFlashSegmentTable::kPiece;
    std::vector<std::uint8_t> frame(piece + 1);
    frame[0] = DC1;
    for (std::uint32_t offset = 0; offset < block.length; offset += piece) {
        std::copy_n(block.data.begin() + offset, piece, frame.begin() + 1);
        if (!exchange(frame, DC1))
            return false;
        sent += piece;
        m_observer.progress(total, sent);
    }
    const std::uint8_t closing[] = {DC1, block.checksum};
    return exchange(closing, ACK);
}

bool CBlockWriter::run(const CFlashSegmentTable &table, bool verify)
{
    const std::uint32_t expectedSum = table.verificationSum();
    const std::uint32_t total = table.totalLength();
    if (!m_port.open()) {
        m_observer.message(text::OpenFailed);
        return false;
    }
    if (verify) {
        const std::uint8_t hello[] = {ACK};
        if (!exchange(hello, ACK))
            return false;
    }
    std::uint32_t sent = 0;
    for (const auto &block : table.blocks()) {
        if (block.length > 0 && !writeBlock(block, total, sent))
            return false;
    }
    if (verify) {
        if (!m_port.send({'C'}))
            return portFailure();
        std::vector<std::uint8_t> answer;
        if (!m_port.receive(answer, 4))
            return portFailure();
        if (readBe32(answer, 0) != expectedSum) {
            m_observer.message(text::ChecksumError);
            return false;
        }
    }
    m_observer.message(text::CompleteBlocks);
    return true;
}

} // namespace quillet
