#pragma once

// The image-text tags' part in the image area: the renderer the area builder calls for each
// image-text tag, and the step that gives a read-back text block to its tag.

#include "core/download/image_area.h"

#include <optional>

namespace core {

class CTag;

// The tag's panel image with its identifier, text and font; nothing for a tag of another kind,
// a tag without identifier, or a font that cannot be created.
std::optional<TextImage> renderBmpTextTag(const CTag &tag);

// Gives an image-text tag the text and font of the block read back under its identifier.
// False for a tag of another kind.
bool applyTextBlock(CTag &tag, const TextBlock &block);

} // namespace core
