#include "core/functions/device_block.h"

#include <algorithm>
#include <utility>

namespace core::devblock {

DownAddr field(util::ConstByteSpan record, std::size_t block)
{
    DownAddr out{};
    if (block + out.size() <= record.size())
        std::copy_n(record.begin() + std::ptrdiff_t(block), out.size(), out.begin());
    return out;
}

void setField(util::ByteSpan record, std::size_t block, const DownAddr &value)
{
    if (block + value.size() <= record.size())
        std::copy(value.begin(), value.end(), record.begin() + std::ptrdiff_t(block));
}

std::string fieldText(util::ConstByteSpan record, std::size_t block)
{
    return util::fixedText(record, block + kField, PLC_DOWN_ADDR_SIZE);
}

void setFieldText(util::ByteSpan record, std::size_t block, const std::string &text)
{
    util::setFixedText(record, block + kField, PLC_DOWN_ADDR_SIZE, text);
}

void swap16(util::ByteSpan record, std::size_t offset)
{
    if (offset + 2 <= record.size())
        std::swap(record[offset], record[offset + 1]);
}

void swap(util::ByteSpan record, std::size_t block)
{
    if (block + kSize > record.size())
        return;
    for (std::size_t at : {40, 42, 44, 46, 48, 58, 60})
        swap16(record, block + at);
    for (std::size_t at : {kMin, kMax})
        std::reverse(record.begin() + std::ptrdiff_t(block + at),
                     record.begin() + std::ptrdiff_t(block + at + 4));
}

} // namespace core::devblock
