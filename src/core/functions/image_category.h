#pragma once

// The image library's fixed categories: user images 0-999, lamp/button 1000-2999, rotation
// 3000-3999, moving 4000-4999. Numbers from 5000 up belong to no category; 65535 is "no image".

#include <cstdint>
#include <string>

namespace core {

struct ImageCategory
{
    int nameId; // string-table entry of the combo text
    std::uint32_t base;
    std::uint32_t count;

    static constexpr int kCount = 4;
    static constexpr std::uint32_t kFirstUncategorised = 5000;
    static constexpr std::uint16_t kNoImage = 65535;

    static const ImageCategory &At(int index);
    // The category whose numbers contain `number`, or -1.
    static int IndexOf(std::uint32_t number);
    std::string Name() const;
    bool Contains(std::uint32_t number) const { return number >= base && number < base + count; }
};

// "<images dir>/<number>.bmp"
std::string libraryImagePath(const std::string &imagesDir, std::uint32_t number);

} // namespace core
