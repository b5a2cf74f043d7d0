#include "flash_segment_table.h"

#include <algorithm>
#include <utility>

namespace quillet {

namespace {

using Range = std::pair<std::uint32_t, std::uint32_t>;

const std::vector<Range> kMapH8
        = {{0x0, 0x3FF},     {0x400, 0x7FF},   {0x800, 0xBFF},     {0xC00, 0xFFF},
           {0x1000, 0x7FFF}, {0x8000, 0xFFFF}, {0x10000, 0x17FFF}, {0x18000, 0x1FFFF}};

const std::vector<Range> kMapBr12
        = {{0x0, 0xFFF},     {0x1000, 0x1FFF},   {0x2000, 0x2FFF},   {0x3000, 0x3FFF},
           {0x4000, 0x4FFF}, {0x5000, 0x5FFF},   {0x6000, 0x6FFF},   {0x7000, 0x7FFF},
           {0x8000, 0xFFFF}, {0x10000, 0x1FFFF}, {0x20000, 0x2FFFF}, {0x30000, 0x3FFFF}};

} // namespace

CFlashSegmentTable CFlashSegmentTable::forDevice(int deviceIndex)
{
    CFlashSegmentTable table;
    const std::vector<Range> *map = nullptr;
    if (deviceIndex == 0 || deviceIndex == 3)
        map = &kMapH8;
    else if (deviceIndex == 2)
        map = &kMapBr12;
    if (map) {
        for (const auto &[start, end] : *map)
            table.m_blocks.push_back(Block{start, end, 0, {}, 0xFF});
    }
    return table;
}

int CFlashSegmentTable::blockOf(std::uint32_t address) const
{
    for (std::size_t i = 0; i < m_blocks.size(); ++i) {
        if (m_blocks[i].start <= address && address <= m_blocks[i].end)
            return static_cast<int>(i);
    }
    return -1;
}

bool CFlashSegmentTable::place(std::uint32_t address, std::span<const std::uint8_t> bytes)
{
    int index = blockOf(address);
    if (index < 0)
        return false;
    // Bytes go to their own address; the buffer starts erased, so a gap before a record reads
    // 0xFF, and a record below earlier data overwrites only its own bytes.
    while (!bytes.empty() && index >= 0) {
        Block &block = m_blocks[static_cast<std::size_t>(index)];
        if (block.data.empty())
            block.data.assign(block.end - block.start + 1, 0xFF);
        const std::uint32_t offset = address - block.start;
        const auto room = static_cast<std::size_t>(block.end - address) + 1;
        const std::size_t n = std::min(room, bytes.size());
        std::copy_n(bytes.begin(), n, block.data.begin() + offset);
        block.length = std::max(block.length, offset + static_cast<std::uint32_t>(n));
        bytes = bytes.subspan(n);
        address += static_cast<std::uint32_t>(n);
        index = bytes.empty() ? -1 : blockOf(address);
    }
    return true;
}

void CFlashSegmentTable::finish()
{
    for (auto &block : m_blocks) {
        if (block.length == 0) {
            block.checksum = 0xFF;
            continue;
        }
        const std::uint32_t size = block.end - block.start + 1;
        block.length = std::min(size, (block.length + kPiece - 1) / kPiece * kPiece);
        std::uint8_t sum = 0;
        for (std::uint32_t i = 0; i < block.length; ++i)
            sum = static_cast<std::uint8_t>(sum + block.data[i]);
        block.checksum = static_cast<std::uint8_t>(~sum);
    }
}

bool CFlashSegmentTable::load(const std::vector<SRecord> &records)
{
    for (const auto &record : records) {
        if (!place(record.address, record.data))
            break;
    }
    finish();
    return hasData();
}

bool CFlashSegmentTable::hasData() const
{
    return std::any_of(m_blocks.begin(), m_blocks.end(),
                       [](const Block &b) { return b.length > 0; });
}

std::uint32_t CFlashSegmentTable::verificationSum() const
{
    std::uint32_t sum = 0;
    for (const auto &block : m_blocks) {
        const std::uint32_t size = block.end - block.start + 1;
        for (std::uint32_t i = 0; i < size; ++i)
            sum += i < block.length ? block.data[i] : 0xFFu;
    }
    return sum;
}

std::uint32_t CFlashSegmentTable::totalLength() const
{
    std::uint32_t total = 0;
    for (const auto &block : m_blocks)
        total += block.length;
    return total;
}

} // namespace quillet
