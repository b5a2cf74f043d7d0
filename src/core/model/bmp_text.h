#pragma once

// The rendered image of an image-text tag, kept by the image manager under the tag's bitmap-text
// identifier. The tag kind renders it; the manager only owns and finds it.

#include "util/mono_bitmap.h"

#include <cstdint>

namespace core {

struct CBmpText
{
    std::uint16_t m_id = 0;
    util::CMonoBitmap m_bitmap;
};

} // namespace core
