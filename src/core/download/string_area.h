#pragma once

// The string area (S): the project's messages in table order, an index of pointers and
// identifiers, then each text with its length.

#include "core/download/area_image.h"

namespace core {

class CStrResMgr;

AreaResult buildStringArea(const CStrResMgr &strings, util::ByteSpan buffer,
                           std::uint32_t &length);
// Refills `strings` from an image; on a damaged image `strings` is left as it was.
AreaResult parseStringArea(util::ConstByteSpan image, CStrResMgr &strings);

} // namespace core
