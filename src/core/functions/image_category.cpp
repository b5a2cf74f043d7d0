#include "core/functions/image_category.h"

#include "util/messages.h"

#include <array>

namespace core {

namespace {

constexpr std::array<ImageCategory, ImageCategory::kCount> kCategories{{
        {51800, 0, 1000},
        {51801, 1000, 2000},
        {51802, 3000, 1000},
        {51803, 4000, 1000},
}};

} // namespace

const ImageCategory &ImageCategory::At(int index)
{
    return kCategories.at(std::size_t(index < 0 || index >= kCount ? 0 : index));
}

int ImageCategory::IndexOf(std::uint32_t number)
{
    for (int i = 0; i < kCount; ++i)
        if (kCategories[std::size_t(i)].Contains(number))
            return i;
    return -1;
}

std::string ImageCategory::Name() const
{
    return std::string(util::messageText(nameId));
}

std::string libraryImagePath(const std::string &imagesDir, std::uint32_t number)
{
    return imagesDir + "/" + std::to_string(number) + ".bmp";
}

} // namespace core
