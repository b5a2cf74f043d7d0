#include "core/tags/tag_resources.h"

namespace core {

namespace {

TagResources &current()
{
    static TagResources resources;
    return resources;
}

} // namespace

const TagResources &tagResources()
{
    return current();
}

TagResources setTagResources(const TagResources &resources)
{
    const TagResources old = current();
    current() = resources;
    return old;
}

} // namespace core
