#pragma once

// The flash blocks of a target and the OS image data collected for each of them. Every block is
// written as a whole number of 128-byte pieces with a one's-complement 8-bit checksum, and the
// target confirms the download with a 32-bit sum over the whole map, erased bytes counting 0xFF.

#include "srecord_file.h"

#include <cstdint>
#include <span>
#include <vector>

namespace quillet {

class CFlashSegmentTable
{
public:
    static constexpr std::uint32_t kPiece = 128;

    struct Block
    {
        std::uint32_t start = 0;
        std::uint32_t end = 0; // inclusive
        std::uint32_t length = 0; // bytes collected from start
        std::vector<std::uint8_t> data; // end - start + 1 bytes once the first byte arrives
        std::uint8_t checksum = 0xFF;
    };

    // The map of device 0 and 3 (8 blocks) or of device 2 (12 blocks); empty for others.
    static CFlashSegmentTable forDevice(int deviceIndex);

    // Places the records in file order and finishes the table. Reading stops at the first
    // record outside the map. True when at least one block holds data.
    bool load(const std::vector<SRecord> &records);

    // Copies bytes at their address; false when the address lies in no block. Bytes running
    // past the last block are dropped.
    bool place(std::uint32_t address, std::span<const std::uint8_t> bytes);
    // Pads every non-empty block with 0xFF to whole pieces and computes the block checksums.
    void finish();

    bool hasData() const;
    // Sum of all bytes of every block's range, 0xFF for bytes without data.
    std::uint32_t verificationSum() const;
    // Sum of the block lengths: the progress total of a download.
    std::uint32_t totalLength() const;
    const std::vector<Block> &blocks() const { return m_blocks; }

private:
    int blockOf(std::uint32_t address) const;

    std::vector<Block> m_blocks;
};

} // namespace quillet
