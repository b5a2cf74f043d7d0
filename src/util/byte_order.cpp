#include "util/byte_order.h"

#include <algorithm>
#include <cassert>

namespace util {

namespace {

bool fits(std::size_t size, std::size_t offset, std::size_t width)
{
    return offset <= size && width <= size - offset;
}

} // namespace

std::optional<std::uint16_t> readU16(ConstByteSpan data, std::size_t offset, Endian endian)
{
    if (!fits(data.size(), offset, 2))
        return std::nullopt;
    const std::uint16_t a = data[offset], b = data[offset + 1];
    return endian == Endian::Little ? std::uint16_t(a | (b << 8)) : std::uint16_t((a << 8) | b);
}

std::optional<std::uint32_t> readU32(ConstByteSpan data, std::size_t offset, Endian endian)
{
    if (!fits(data.size(), offset, 4))
        return std::nullopt;
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i) {
        const std::uint32_t byte = data[offset + i];
        v |= endian == Endian::Little ? byte << (8 * i) : byte << (8 * (3 - i));
    }
    return v;
}

bool writeU16(ByteSpan data, std::size_t offset, std::uint16_t value, Endian endian)
{
    if (!fits(data.size(), offset, 2))
        return false;
    const auto lo = std::uint8_t(value & 0xFF), hi = std::uint8_t(value >> 8);
    data[offset] = endian == Endian::Little ? lo : hi;
    data[offset + 1] = endian == Endian::Little ? hi : lo;
    return true;
}

bool writeU32(ByteSpan data, std::size_t offset, std::uint32_t value, Endian endian)
{
    if (!fits(data.size(), offset, 4))
        return false;
    for (int i = 0; i < 4; ++i) {
        const int shift = endian == Endian::Little ? 8 * i : 8 * (3 - i);
        data[offset + i] = std::uint8_t((value >> shift) & 0xFF);
    }
    return true;
}

std::uint16_t le16(ConstByteSpan data, std::size_t offset)
{
    const auto v = readU16(data, offset, Endian::Little);
    assert(v);
    return v.value_or(0);
}

std::uint32_t le32(ConstByteSpan data, std::size_t offset)
{
    const auto v = readU32(data, offset, Endian::Little);
    assert(v);
    return v.value_or(0);
}

std::uint16_t be16(ConstByteSpan data, std::size_t offset)
{
    const auto v = readU16(data, offset, Endian::Big);
    assert(v);
    return v.value_or(0);
}

std::uint32_t be32(ConstByteSpan data, std::size_t offset)
{
    const auto v = readU32(data, offset, Endian::Big);
    assert(v);
    return v.value_or(0);
}

void setLe16(ByteSpan data, std::size_t offset, std::uint16_t value)
{
    [[maybe_unused]] const bool ok = writeU16(data, offset, value, Endian::Little);
    assert(ok);
}

void setLe32(ByteSpan data, std::size_t offset, std::uint32_t value)
{
    [[maybe_unused]] const bool ok = writeU32(data, offset, value, Endian::Little);
    assert(ok);
}

void setBe16(ByteSpan data, std::size_t offset, std::uint16_t value)
{
    [[maybe_unused]] const bool ok = writeU16(data, offset, value, Endian::Big);
    assert(ok);
}

void setBe32(ByteSpan data, std::size_t offset, std::uint32_t value)
{
    [[maybe_unused]] const bool ok = writeU32(data, offset, value, Endian::Big);
    assert(ok);
}

std::string fixedText(ConstByteSpan data, std::size_t offset, std::size_t size)
{
    if (offset >= data.size())
        return {};
    size = std::min(size, data.size() - offset);
    const auto first = data.begin() + std::ptrdiff_t(offset);
    const auto last = std::find(first, first + std::ptrdiff_t(size), std::uint8_t(0));
    return std::string(first, last);
}

void setFixedText(ByteSpan data, std::size_t offset, std::size_t size, std::string_view text)
{
    if (offset >= data.size() || size == 0)
        return;
    size = std::min(size, data.size() - offset);
    const std::size_t n = std::min(text.size(), size - 1);
    std::fill_n(data.begin() + std::ptrdiff_t(offset), size, std::uint8_t(0));
    std::copy_n(text.begin(), n, data.begin() + std::ptrdiff_t(offset));
}

ByteReader::ByteReader(ConstByteSpan data, Endian endian)
    : m_data(data)
    , m_endian(endian)
{}

bool ByteReader::take(std::size_t count)
{
    if (!m_ok || !fits(m_data.size(), m_pos, count)) {
        m_ok = false;
        return false;
    }
    return true;
}

bool ByteReader::u8(std::uint8_t &out)
{
    out = 0;
    if (!take(1))
        return false;
    out = m_data[m_pos++];
    return true;
}

bool ByteReader::u16(std::uint16_t &out)
{
    out = 0;
    if (!take(2))
        return false;
    out = *readU16(m_data, m_pos, m_endian);
    m_pos += 2;
    return true;
}

bool ByteReader::u32(std::uint32_t &out)
{
    out = 0;
    if (!take(4))
        return false;
    out = *readU32(m_data, m_pos, m_endian);
    m_pos += 4;
    return true;
}

bool ByteReader::i32(std::int32_t &out)
{
    std::uint32_t v = 0;
    const bool ok = u32(v);
    out = static_cast<std::int32_t>(v);
    return ok;
}

bool ByteReader::bytes(ByteSpan out)
{
    if (!take(out.size())) {
        std::fill(out.begin(), out.end(), std::uint8_t(0));
        return false;
    }
    std::copy_n(m_data.begin() + std::ptrdiff_t(m_pos), out.size(), out.begin());
    m_pos += out.size();
    return true;
}

bool ByteReader::skip(std::size_t count)
{
    if (!take(count))
        return false;
    m_pos += count;
    return true;
}

bool ByteReader::seek(std::size_t position)
{
    if (!m_ok || position > m_data.size()) {
        m_ok = false;
        return false;
    }
    m_pos = position;
    return true;
}

ByteWriter::ByteWriter(Bytes &out, Endian endian)
    : m_out(out)
    , m_endian(endian)
{}

void ByteWriter::u8(std::uint8_t value)
{
    m_out.push_back(value);
}

void ByteWriter::u16(std::uint16_t value)
{
    const std::size_t at = m_out.size();
    m_out.resize(at + 2);
    writeU16(m_out, at, value, m_endian);
}

void ByteWriter::u32(std::uint32_t value)
{
    const std::size_t at = m_out.size();
    m_out.resize(at + 4);
    writeU32(m_out, at, value, m_endian);
}

void ByteWriter::bytes(ConstByteSpan data)
{
    m_out.insert(m_out.end(), data.begin(), data.end());
}

void ByteWriter::zeros(std::size_t count)
{
    m_out.insert(m_out.end(), count, std::uint8_t(0));
}

} // namespace util
