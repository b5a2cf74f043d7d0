#include "core/tags/panel_text.h"

#include "util/code_page.h"

namespace core {

std::int32_t panelCellWidth(std::uint16_t font, bool doubleByte)
{
    switch (font) {
    case kFontLarge:
        return doubleByte ? 32 : 16;
    case kFontSmall:
        return 6;
    default:
        return doubleByte ? 16 : 8;
    }
}

std::int32_t panelCellHeight(std::uint16_t font)
{
    switch (font) {
    case kFontLarge:
        return 32;
    case kFontSmall:
        return 8;
    default:
        return 16;
    }
}

PanelTextSize panelTextExtent(std::string_view bytes, std::uint16_t font)
{
    PanelTextSize size{0, panelCellHeight(font)};
    if (font == kFontSmall) {
        size.width = std::int32_t(bytes.size()) * panelCellWidth(font, false);
        return size;
    }
    for (std::size_t pos = 0; pos < bytes.size();) {
        const std::size_t len = util::charLengthAt(bytes, pos);
        size.width += panelCellWidth(font, len == 2);
        pos += len;
    }
    return size;
}

} // namespace core
