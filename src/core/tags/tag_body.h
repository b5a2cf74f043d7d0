#pragma once

// A tag's body: its clipboard form, which the property dialogs compare and put back on Cancel and
// undo steps keep as the before and after of a change.

#include "util/byte_order.h"

namespace core {

class CTag;

util::Bytes tagBody(CTag &tag);
// Reads a body back into the tag. An image text's rendering counts in the image area and the
// body carries no charge of its own, so the project's total follows the difference its text,
// font and frame make.
void loadTagBody(CTag &tag, const util::Bytes &body);

} // namespace core
