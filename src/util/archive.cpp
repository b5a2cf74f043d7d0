#include "util/archive.h"

#include <algorithm>

namespace util {

CArchive::CArchive()
    : m_mode(Mode::Store)
{}

CArchive::CArchive(ConstByteSpan data)
    : m_mode(Mode::Load)
    , m_buffer(data.begin(), data.end())
{}

void CArchive::writeU8(std::uint8_t v)
{
    m_buffer.push_back(v);
}

void CArchive::writeU16(std::uint16_t v)
{
    ByteWriter(m_buffer, Endian::Little).u16(v);
}

void CArchive::writeU32(std::uint32_t v)
{
    ByteWriter(m_buffer, Endian::Little).u32(v);
}

void CArchive::writeBytes(ConstByteSpan bytes)
{
    m_buffer.insert(m_buffer.end(), bytes.begin(), bytes.end());
}

void CArchive::writeString(std::string_view text)
{
    const std::size_t n = text.size();
    if (n < 0xFF) {
        writeU8(std::uint8_t(n));
    } else if (n < 0xFFFF) {
        writeU8(0xFF);
        writeU16(std::uint16_t(n));
    } else {
        writeU8(0xFF);
        writeU16(0xFFFF);
        writeU32(std::uint32_t(n));
    }
    m_buffer.insert(m_buffer.end(), text.begin(), text.end());
}

bool CArchive::need(std::size_t count)
{
    if (!m_ok || m_pos > m_buffer.size() || count > m_buffer.size() - m_pos) {
        m_ok = false;
        return false;
    }
    return true;
}

std::uint8_t CArchive::readU8()
{
    if (!need(1))
        return 0;
    return m_buffer[m_pos++];
}

std::uint16_t CArchive::readU16()
{
    if (!need(2))
        return 0;
    const auto v = le16(m_buffer, m_pos);
    m_pos += 2;
    return v;
}

std::uint32_t CArchive::readU32()
{
    if (!need(4))
        return 0;
    const auto v = le32(m_buffer, m_pos);
    m_pos += 4;
    return v;
}

bool CArchive::readBytes(ByteSpan out)
{
    if (!need(out.size())) {
        std::fill(out.begin(), out.end(), std::uint8_t(0));
        return false;
    }
    std::copy_n(m_buffer.begin() + std::ptrdiff_t(m_pos), out.size(), out.begin());
    m_pos += out.size();
    return true;
}

std::string CArchive::readString()
{
    std::uint32_t n = readU8();
    if (n == 0xFF) {
        n = readU16();
        if (n == 0xFFFF)
            n = readU32();
    }
    if (!need(n))
        return {};
    std::string text(m_buffer.begin() + std::ptrdiff_t(m_pos),
                     m_buffer.begin() + std::ptrdiff_t(m_pos + n));
    m_pos += n;
    return text;
}

} // namespace util
