#include "core/model/address_block.h"

#include <algorithm>
#include <utility>

namespace core {

namespace {

constexpr std::size_t kWordOffsets[] = {40, 42, 44, 46, 48, 58, 60};
constexpr std::size_t kDWordOffsets[] = {50, 54};

} // namespace

void CAddressBlock::Write(util::ByteSpan record, std::size_t offset, util::Endian endian) const
{
    if (offset > record.size() || record.size() - offset < kAddressBlockSize)
        return;
    std::copy(field.begin(), field.end(), record.begin() + std::ptrdiff_t(offset));
    util::writeU16(record, offset + 40, word40, endian);
    util::writeU16(record, offset + 42, word42, endian);
    util::writeU16(record, offset + 44, word44, endian);
    util::writeU16(record, offset + 46, word46, endian);
    util::writeU16(record, offset + 48, word48, endian);
    util::writeU32(record, offset + 50, min, endian);
    util::writeU32(record, offset + 54, max, endian);
    util::writeU16(record, offset + 58, channel, endian);
    util::writeU16(record, offset + 60, station, endian);
}

CAddressBlock CAddressBlock::Read(util::ConstByteSpan record, std::size_t offset,
                                  util::Endian endian)
{
    CAddressBlock b;
    if (offset > record.size() || record.size() - offset < kAddressBlockSize)
        return b;
    std::copy_n(record.begin() + std::ptrdiff_t(offset), b.field.size(), b.field.begin());
    b.word40 = util::readU16(record, offset + 40, endian).value_or(0);
    b.word42 = util::readU16(record, offset + 42, endian).value_or(0);
    b.word44 = util::readU16(record, offset + 44, endian).value_or(0);
    b.word46 = util::readU16(record, offset + 46, endian).value_or(0);
    b.word48 = util::readU16(record, offset + 48, endian).value_or(0);
    b.min = util::readU32(record, offset + 50, endian).value_or(0);
    b.max = util::readU32(record, offset + 54, endian).value_or(0);
    b.channel = util::readU16(record, offset + 58, endian).value_or(0);
    b.station = util::readU16(record, offset + 60, endian).value_or(0);
    return b;
}

void swapAddressBlock(util::ByteSpan record, std::size_t offset)
{
    if (offset > record.size() || record.size() - offset < kAddressBlockSize)
        return;
    auto *p = record.data() + offset;
    for (std::size_t at : kWordOffsets)
        std::swap(p[at], p[at + 1]);
    for (std::size_t at : kDWordOffsets) {
        std::swap(p[at], p[at + 3]);
        std::swap(p[at + 1], p[at + 2]);
    }
}

} // namespace core
