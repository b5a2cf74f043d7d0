#include "core/download/area_image.h"

#include "core/model/address_block.h"

#include <algorithm>
#include <numeric>

namespace core {

std::uint16_t areaChecksum(util::ConstByteSpan image)
{
    if (image.size() <= kAreaHeaderSize)
        return 0;
    const auto sum = std::accumulate(image.begin() + kAreaHeaderSize, image.end(), std::uint32_t(0));
    return std::uint16_t(sum & 0xFFFF);
}

void finishArea(util::ByteSpan buffer, std::uint32_t length)
{
    length = std::min<std::uint32_t>(length, std::uint32_t(buffer.size()));
    util::setBe32(buffer, 0, length);
    util::setBe16(buffer, 4, areaChecksum(buffer.first(length)));
}

void swap16(util::ByteSpan data, std::size_t offset)
{
    if (offset + 2 <= data.size())
        std::swap(data[offset], data[offset + 1]);
}

void swap32(util::ByteSpan data, std::size_t offset)
{
    if (offset + 4 <= data.size())
        std::reverse(data.begin() + std::ptrdiff_t(offset), data.begin() + std::ptrdiff_t(offset) + 4);
}

void convertRecord(util::ByteSpan record, std::initializer_list<std::size_t> blocks,
                   std::initializer_list<std::size_t> words,
                   std::initializer_list<std::size_t> dwords)
{
    for (const auto b : blocks)
        swapAddressBlock(record, b);
    for (const auto w : words)
        swap16(record, w);
    for (const auto d : dwords)
        swap32(record, d);
}

} // namespace core
