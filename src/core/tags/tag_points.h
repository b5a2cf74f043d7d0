#pragma once

// The device points a tag reads or writes, whatever its kind: the numeric, message, lamp,
// button, pie, graph and rotation tags have one, the moving tag two (x, then y), the others none.

#include "core/tags/point_info.h"

#include <vector>

namespace core {

class CTag;

std::vector<const CPointInfo *> devicePoints(const CTag &tag);

} // namespace core
