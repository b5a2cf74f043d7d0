#include "core/download/bmp_text_images.h"

#include "core/tags/bmp_text_tag.h"
#include "core/tags/tag_kinds.h"

#include <utility>

namespace core {

std::optional<TextImage> renderBmpTextTag(const CTag &tag)
{
    if (tag.Kind() != kTagBmpText)
        return std::nullopt;
    const auto &textTag = static_cast<const CBmpTextTag &>(tag);
    if (textTag.ImageId() < 0)
        return std::nullopt;
    auto bitmap = textTag.RenderTextImage();
    if (!bitmap)
        return std::nullopt;
    TextImage image;
    image.id = std::uint16_t(textTag.ImageId());
    image.bitmap = std::move(*bitmap);
    image.text = textTag.Text();
    image.font = textTag.WindowsFont();
    return image;
}

bool applyTextBlock(CTag &tag, const TextBlock &block)
{
    if (tag.Kind() != kTagBmpText)
        return false;
    static_cast<CBmpTextTag &>(tag).ApplyText(block.text, block.font);
    return true;
}

} // namespace core
