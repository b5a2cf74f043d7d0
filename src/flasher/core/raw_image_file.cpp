#include "raw_image_file.h"

#include <filesystem>
#include <fstream>

namespace quillet {

std::optional<std::vector<std::uint8_t>> readRawImage(const std::string &path, std::size_t length)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::vector<std::uint8_t> image(kMaxRawImage);
    in.read(reinterpret_cast<char *>(image.data()), static_cast<std::streamsize>(image.size()));
    image.resize(static_cast<std::size_t>(in.gcount()));
    if (image.size() < length)
        image.resize(length, 0xFF);
    return image;
}

} // namespace quillet
