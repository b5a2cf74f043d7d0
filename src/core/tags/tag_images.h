#pragma once

// Image lookups shared by the image-showing tags: the size a tag takes for an image number and
// the loading of a kind's default images from the image library.

#include "core/tags/tag_resources.h"

#include <cstdint>
#include <initializer_list>

namespace core {

struct ImageSize
{
    std::int32_t width = 32;
    std::int32_t height = 32;
};

// The image's size in the project's images; 32 x 32 when there is no such image (or no manager).
ImageSize tagImageSize(const TagResources &resources, std::uint16_t imageId);
// Loads each number the image manager does not hold yet from the library folder.
void ensureDefaultImages(const TagResources &resources,
                         std::initializer_list<std::uint16_t> imageIds);

} // namespace core
