#pragma once

// Creates a tag of a kind with the class's defaults. The only place that names the concrete tag
// classes: a new kind's class is added to the switch in tag_factory.cpp and nowhere else (the
// screen, the document, the clipboard and the screen-record reader all create tags through here).

#include "core/tags/tag.h"

#include <cstdint>
#include <memory>

namespace core {

// Null for a kind outside 0 to 15 or a kind whose class is not there yet. With `resources` the
// tag belongs to that project from the start (its default images are added to the project).
std::unique_ptr<CTag> createTag(int kind, const TagResources *resources = nullptr);

} // namespace core
