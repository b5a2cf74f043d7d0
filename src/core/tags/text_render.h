#pragma once

// Text in a Windows font description, measured and drawn with FreeType so that the editor and
// the compiled panel image agree. Faces are found with fontconfig; the Windows face names the
// projects use map to installed families (굴림/돋움 NanumGothic, 바탕 NanumMyeongjo, Arial
// Liberation Sans, Times New Roman Liberation Serif). Texts are bytes in the code page of
// `langId`. Rendering is monochrome (no anti-aliasing), as on the panel.

#include "core/tags/geometry.h"
#include "util/log_font.h"

#include "util/mono_bitmap.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace core {

struct TextExtent
{
    std::int32_t width = 0;
    std::int32_t height = 0;
};

// The installed family a face name stands for (the name itself when it is not a mapped one).
std::string fontFamilyFor(std::string_view faceUtf8);

// True when the font's face is installed.
bool canCreateFont(const util::CLogFont &font, std::uint16_t langId);

// Width of the text along its baseline and the font's cell height; nothing when the font's face
// is not installed. The escapement does not turn the extent.
std::optional<TextExtent> measureText(const util::CLogFont &font, std::string_view bytes,
                                      std::uint16_t langId);

// The installed family the font is drawn with (its face through the mapping above, in the panel's
// code page or else in CP949); empty when none is installed.
std::string renderedFamily(const util::CLogFont &font, std::uint16_t langId);

// The font's character height (em size) in pixels: the stored height itself when negative, the
// cell height scaled by the face's metrics when positive; 0 when the face is not installed.
std::int32_t characterHeight(const util::CLogFont &font, std::uint16_t langId);

// The font's average character width in pixels (0 when the face is not installed).
std::int32_t averageCharWidth(const util::CLogFont &font, std::uint16_t langId);

// Draws the text in black into `bitmap`, clipped to `clip`, from the corner the escapement
// selects: 0 top-left, 900 bottom-left, 1800 bottom-right, 2700 top-right; any other escapement
// draws nothing. False when the font's face is not installed.
bool drawText(util::CMonoBitmap &bitmap, const CRect &clip, const util::CLogFont &font,
              std::string_view bytes, std::uint16_t langId);

} // namespace core
