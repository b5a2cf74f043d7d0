#pragma once

// The device points a tag reads or writes, whatever its kind: the numeric, message, lamp,
// button, pie, graph and rotation tags have one, the moving tag two (x, then y), the others none.

#include "core/tags/point_info.h"

#include <cstdint>
#include <vector>

namespace core {

class CPlcSlots;
class CTag;

std::vector<const CPointInfo *> devicePoints(const CTag &tag);

// The driver's address kind the tag's panel record builds `point` with.
std::int32_t devicePointKind(const CTag &tag, const CPointInfo &point);

// Builds the download address of each device point (in the order of devicePoints()) with the
// address kind and extra value the tag's panel record uses, and returns the drivers' results:
// a negative one means the channel's driver refuses that point's address.
std::vector<std::int32_t> buildDevicePoints(const CPlcSlots &slots, const CTag &tag);

} // namespace core
