#include "util/mono_bitmap.h"

#include <algorithm>

namespace util {

CMonoBitmap::CMonoBitmap(int width, int height, bool white)
    : m_width(std::max(width, 0))
    , m_height(std::max(height, 0))
    , m_bits(std::size_t(stride()) * std::size_t(m_height), 0)
{
    fill(white);
}

bool CMonoBitmap::pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return false;
    return (m_bits[std::size_t(y) * std::size_t(stride()) + std::size_t(x / 8)] >> (7 - x % 8)) & 1;
}

void CMonoBitmap::setPixel(int x, int y, bool white)
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return;
    auto &byte = m_bits[std::size_t(y) * std::size_t(stride()) + std::size_t(x / 8)];
    const auto mask = std::uint8_t(0x80 >> (x % 8));
    byte = white ? std::uint8_t(byte | mask) : std::uint8_t(byte & ~mask);
}

void CMonoBitmap::setBits(std::vector<std::uint8_t> bits)
{
    if (bits.size() != m_bits.size())
        return;
    m_bits = std::move(bits);
    if (m_width % 8 == 0)
        return;
    const auto lastMask = std::uint8_t(0xFF << (8 - m_width % 8));
    for (int y = 0; y < m_height; ++y)
        m_bits[std::size_t(y + 1) * std::size_t(stride()) - 1] &= lastMask;
}

void CMonoBitmap::fill(bool white)
{
    std::fill(m_bits.begin(), m_bits.end(), std::uint8_t(white ? 0xFF : 0x00));
    if (!white || m_width % 8 == 0)
        return;
    // Keep the padding bits of each row clear so equal images compare equal.
    const auto lastMask = std::uint8_t(0xFF << (8 - m_width % 8));
    for (int y = 0; y < m_height; ++y)
        m_bits[std::size_t(y + 1) * std::size_t(stride()) - 1] &= lastMask;
}

} // namespace util
