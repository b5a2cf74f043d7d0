#include "core/tags/tag_resources.h"

namespace core {

const TagResources &noTagResources()
{
    static const TagResources none;
    return none;
}

} // namespace core
