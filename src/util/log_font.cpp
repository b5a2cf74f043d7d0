#include "util/log_font.h"

#include <algorithm>

namespace util {

CLogFont CLogFont::make(std::int32_t height, std::int32_t width, std::uint8_t charSet,
                        std::string_view face)
{
    CLogFont f;
    f.setHeight(height);
    f.setWidth(width);
    f.setCharSet(charSet);
    f.setPitchAndFamily(17);
    f.setFaceName(face);
    return f;
}

CLogFont CLogFont::fromBytes(util::ConstByteSpan bytes)
{
    CLogFont f;
    std::copy_n(bytes.begin(), std::min(bytes.size(), kSize), f.m_bytes.begin());
    return f;
}

} // namespace util
