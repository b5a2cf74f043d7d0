#pragma once

// A new tag of a kind with its class's defaults, for the editor's tools and the clipboard. It
// asks the model's factory first and knows the tag classes the factory does not register yet;
// null for a kind without a class.

#include "core/tags/tag.h"

#include <memory>

namespace core::editor {

std::unique_ptr<CTag> newTag(int kind);

} // namespace core::editor
