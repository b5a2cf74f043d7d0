#pragma once

// A 24-bit picture drawn with filled rectangles and written as a Windows BMP file: the build-time
// drawings of the program folder (the panel picture, the wiring diagrams) share it.

#include "util/byte_order.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace tools {

struct Rgb
{
    std::uint8_t r, g, b;
};

class RgbPicture
{
public:
    RgbPicture(int w, int h, Rgb fill)
        : m_w(w)
        , m_h(h)
        , m_px(std::size_t(w) * std::size_t(h), fill)
    { }

    void rect(int x0, int y0, int x1, int y1, Rgb c)
    {
        for (int y = std::max(0, y0); y < std::min(m_h, y1); ++y)
            for (int x = std::max(0, x0); x < std::min(m_w, x1); ++x)
                m_px[std::size_t(y) * std::size_t(m_w) + std::size_t(x)] = c;
    }
    void frame(int x0, int y0, int x1, int y1, int t, Rgb c)
    {
        rect(x0, y0, x1, y0 + t, c);
        rect(x0, y1 - t, x1, y1, c);
        rect(x0, y0, x0 + t, y1, c);
        rect(x1 - t, y0, x1, y1, c);
    }

    // The whole file: header, info header, rows bottom-up padded to four bytes.
    util::Bytes bmp() const
    {
        const std::size_t row = (std::size_t(m_w) * 3 + 3) / 4 * 4;
        util::Bytes out;
        util::ByteWriter w(out, util::Endian::Little);
        w.u8('B');
        w.u8('M');
        w.u32(std::uint32_t(54 + row * std::size_t(m_h)));
        w.u32(0);
        w.u32(54);
        w.u32(40);
        w.i32(m_w);
        w.i32(m_h);
        w.u16(1);
        w.u16(24);
        w.u32(0);
        w.u32(std::uint32_t(row * std::size_t(m_h)));
        w.u32(2835);
        w.u32(2835);
        w.u32(0);
        w.u32(0);
        for (int y = m_h - 1; y >= 0; --y) {
            for (int x = 0; x < m_w; ++x) {
                const Rgb &c = m_px[std::size_t(y) * std::size_t(m_w) + std::size_t(x)];
                w.u8(c.b);
                w.u8(c.g);
                w.u8(c.r);
            }
            w.zeros(row - std::size_t(m_w) * 3);
        }
        return out;
    }

private:
    int m_w, m_h;
    std::vector<Rgb> m_px;
};

} // namespace tools
