#include "core/tags/caption_font.h"

namespace core {

util::CLogFont defaultCaptionFont()
{
    util::CLogFont font;
    font.setHeight(-8);
    font.setWeight(700);
    font.setItalic(true);
    auto bytes = font.bytes();
    bytes[24] = 1; // output precision
    bytes[25] = 3; // clip precision
    bytes[26] = 2; // quality
    bytes[27] = 0x12;
    font = util::CLogFont::fromBytes(bytes);
    font.setFaceName("Times New Roman");
    return font;
}

} // namespace core
