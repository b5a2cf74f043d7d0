#pragma once

// The image area (R): the project's images in table order, then the rendered image of every
// image-text tag (each followed by its text block), behind an index of pointers and identifiers.
// Image data is cut into bands of eight rows; each band is one byte per column, bit 0 the top
// row, a set bit white, rows below the image white.

#include "core/download/area_image.h"
#include "util/log_font.h"

#include "util/mono_bitmap.h"

#include <functional>
#include <map>
#include <optional>
#include <string>

namespace core {

class CDorvaneDoc;
class CImgResMgr;
class CTag;

// What an image-text tag contributes: its rendered image, its text and its font.
struct TextImage
{
    std::uint16_t id = 0; // the tag's bitmap-text identifier (5000, 5001, ...)
    util::CMonoBitmap bitmap;
    std::string text;
    util::CLogFont font;
};
// Renders an image-text tag for the panel; nothing when the tag's font cannot be made (the tag
// then contributes no record, but keeps its index entry).
using TextImageRenderer = std::function<std::optional<TextImage>(const CTag &)>;

// The text block read back for an image-text identifier.
struct TextBlock
{
    std::string text;
    util::CLogFont font;
    util::CMonoBitmap bitmap;
};

// Data bytes of a w x h image: whole bands of 8 rows, one byte per column.
inline std::uint32_t imageDataSize(int width, int height)
{
    return std::uint32_t((height + 7) / 8) * std::uint32_t(width);
}

// Appends one image record at `offset` and its index entry at `index` unless the room check
// fails (offset plus the larger of the padded 1-bit bitmap size and the data size must stay
// below 0xFFFA); then nothing is written. Returns whether it was written.
bool writeImageRecord(const util::CMonoBitmap &bitmap, std::uint16_t id, std::size_t index,
                      std::size_t &offset, util::ByteSpan buffer);
// The bitmap of a record's band data.
util::CMonoBitmap decodeImageData(util::ConstByteSpan data, int width, int height);

AreaResult buildImageArea(const CDorvaneDoc &doc, const TextImageRenderer &renderer,
                          util::ByteSpan buffer, std::uint32_t &length);
// Refills the image manager from an image; the text blocks of image-text records are returned
// in `texts` by identifier.
AreaResult parseImageArea(util::ConstByteSpan image, CImgResMgr &images,
                          std::map<std::uint16_t, TextBlock> &texts);

} // namespace core
