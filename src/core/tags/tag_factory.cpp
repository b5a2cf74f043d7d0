#include "core/tags/tag_factory.h"

#include "core/tags/digit_tag.h"
#include "core/tags/tag_kinds.h"

namespace core {

std::unique_ptr<CTag> createTag(int kind)
{
    switch (kind) {
    case kTagDigit:
        return std::make_unique<CDigitTag>();
    // Further kinds: one line each, e.g. case kTagText: return std::make_unique<CTextTag>();
    default:
        return nullptr;
    }
}

} // namespace core
