#pragma once

// The font of the "No\nBmp" placeholder that image-showing tags draw when their image is missing.

#include "util/log_font.h"

namespace core {

// Height -8, weight 700, italic, output precision 1, clip precision 3, quality 2,
// pitch-and-family 0x12, face "Times New Roman".
util::CLogFont defaultCaptionFont();

} // namespace core
