#pragma once

// The screen area (C): an index of the project's screens, then per screen a 696-byte header and
// its tag records grouped by kind.

#include "core/download/area_image.h"

#include "core/model/screen_data.h"

namespace core {

class CDorvaneDoc;
class CPlcSlots;

inline constexpr std::size_t kScreenHeaderSize = 696;

// Builds one screen's record (header and tag records) into `out`, which must hold its length.
AreaResult buildScreenRecord(const CScreenData &screen, const CPlcSlots &plcSlots,
                             std::uint32_t recordOffset, util::ByteSpan out);
// Bytes of a screen's record: the header plus every tag's record.
std::size_t screenRecordSize(const CScreenData &screen);

AreaResult buildScreenArea(const CDorvaneDoc &doc, util::ByteSpan buffer, std::uint32_t &length);
// Adds the screens of an image to `doc`, which should hold none.
AreaResult parseScreenArea(util::ConstByteSpan image, CDorvaneDoc &doc);

// A function-key record between its editor and its download form (its own inverse).
void convertFunctionKey(util::ByteSpan key);

} // namespace core
