#include "core/tags/panel_text.h"

#include "util/code_page.h"

#include <algorithm>
#include <limits>

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
    // Pasted texts have any length: the width is summed in 64 bits and held at the int32 limit.
    std::int64_t width = 0;
    if (font == kFontSmall) {
        width = std::int64_t(bytes.size()) * panelCellWidth(font, false);
    } else {
        for (std::size_t pos = 0; pos < bytes.size();) {
            const std::size_t len = util::charLengthAt(bytes, pos);
            width += panelCellWidth(font, len == 2);
            pos += len;
        }
    }
    constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
    return {std::int32_t(std::min(width, kMax)), panelCellHeight(font)};
}

} // namespace core
