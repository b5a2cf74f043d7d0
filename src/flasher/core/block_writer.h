#pragma once

// The block-write protocol of the loaded boot program: each flash block is announced with its
// start and length, sent in 128-byte pieces and closed with its checksum; on the targets that
// support it a final "C" query returns the target's 32-bit sum over the whole flash map.

#include "flash_observer.h"
#include "flash_port.h"
#include "flash_segment_table.h"

namespace quillet {

class CBlockWriter
{
public:
    CBlockWriter(CFlashPort &port, IFlashObserver &observer);

    // Opens the port, writes every non-empty block and, with `verify`, runs the ACK greeting
    // and the final sum check. Reports its own failure or success message.
    bool run(const CFlashSegmentTable &table, bool verify);

private:
    bool writeBlock(const CFlashSegmentTable::Block &block, std::uint32_t total,
                    std::uint32_t &sent);
    bool exchange(std::span<const std::uint8_t> bytes, std::uint8_t expected);
    bool portFailure();

    CFlashPort &m_port;
    IFlashObserver &m_observer;
};

} // namespace quillet
