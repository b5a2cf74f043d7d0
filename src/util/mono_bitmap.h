#pragma once

// A monochrome bitmap, one bit per pixel, rows top-down. A set bit is white (the panel's
// background), a clear bit black, as in a 1-bit device-independent bitmap with the standard
// black/white palette.

#include <cstdint>
#include <vector>

namespace util {

class CMonoBitmap
{
public:
    CMonoBitmap() = default;
    CMonoBitmap(int width, int height, bool white = true);

    int width() const { return m_width; }
    int height() const { return m_height; }
    bool isNull() const { return m_width <= 0 || m_height <= 0; }
    int stride() const { return (m_width + 7) / 8; }

    // Outside the bitmap: pixel() is false and setPixel() does nothing.
    bool pixel(int x, int y) const;
    void setPixel(int x, int y, bool white);
    void fill(bool white);

    // Packed rows, most significant bit leftmost; padding bits are always zero.
    const std::vector<std::uint8_t> &bits() const { return m_bits; }
    // Replaces the packed rows (stride() x height() bytes; anything else is ignored). Padding
    // bits are cleared.
    void setBits(std::vector<std::uint8_t> bits);

    bool operator==(const CMonoBitmap &other) const = default;

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<std::uint8_t> m_bits;
};

} // namespace util
