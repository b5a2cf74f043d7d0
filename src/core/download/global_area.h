#pragma once

// The global area (G): the project's parameter block, then the alarm, calculation,
// block-transfer and reservation records in their download form.

#include "core/download/area_image.h"

namespace core {

class CDorvaneDoc;

inline constexpr std::size_t kGlobalRecordsStart = 352;

// Builds into `buffer` (zeroed first, at least 16384 bytes) and returns the image length in
// `length`. A project whose records would not fit is refused.
AreaResult buildGlobalArea(const CDorvaneDoc &doc, util::ByteSpan buffer, std::uint32_t &length);
// Restores the parameter block and the four lists from an image. Nothing in `doc` changes
// unless the whole image is valid.
AreaResult parseGlobalArea(util::ConstByteSpan image, CDorvaneDoc &doc);

} // namespace core
