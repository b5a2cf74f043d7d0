#pragma once

// One image of the project: its identifier (the low 16 bits are the key) and its monochrome
// bitmap, with the bytes it takes in the panel's image area.

#include "util/mono_bitmap.h"

#include <cstdint>

namespace core {

// Bytes an image of w x h pixels takes in the image area: columns packed into whole bytes of 8
// rows, plus a 12-byte header.
inline std::uint32_t imageCost(int width, int height)
{
    if (width <= 0 || height <= 0)
        return 12;
    return std::uint32_t((height + 7) / 8) * std::uint32_t(width) + 12;
}

struct CIndexedImage
{
    std::uint32_t m_id = 0;
    util::CMonoBitmap m_bitmap;

    std::uint16_t Key() const { return std::uint16_t(m_id & 0xFFFF); }
    std::uint32_t Cost() const { return imageCost(m_bitmap.width(), m_bitmap.height()); }
};

} // namespace core
