// Writes a sample panel-side driver image for the program folder. The panel downloads such an
// image into its driver area and compares bytes 6 to 29 (version and name) with the copy it
// holds. These samples carry no panel firmware: after the identity they hold only a text that
// says what they are.
//
//   make_drv_image <output file> <major.minor> <driver name> <size in bytes>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kNameOffset = 10;
constexpr std::size_t kNameSize = 20;
constexpr std::size_t kTextOffset = 32;
constexpr std::size_t kMaxSize = 0x3000; // fits the channel-1 driver slot, so either channel

int fail(const char *message)
{
    std::fprintf(stderr, "make_drv_image: %s\n", message);
    return 1;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 5)
        return fail("usage: make_drv_image <output> <major.minor> <name> <size>");
    unsigned major = 0;
    unsigned minor = 0;
    if (std::sscanf(argv[2], "%u.%u", &major, &minor) != 2 || major > 255 || minor > 255)
        return fail("version must be major.minor, each 0 to 255");
    const std::string name = argv[3];
    if (name.empty() || name.size() >= kNameSize)
        return fail("name must be 1 to 19 characters");
    const std::size_t size = std::strtoul(argv[4], nullptr, 10);
    if (size < 256 || size > kMaxSize)
        return fail("size must be 256 to 0x3000 bytes");

    std::vector<std::uint8_t> image(size, 0);
    std::memcpy(image.data(), "VDRV", 4);
    image[4] = std::uint8_t(size >> 8); // image length, big-endian like every panel number
    image[5] = std::uint8_t(size);
    image[8] = std::uint8_t(major);
    image[9] = std::uint8_t(minor);
    std::memcpy(image.data() + kNameOffset, name.data(), name.size());

    const std::string text = "SAMPLE PANEL DRIVER IMAGE \"" + name
            + "\" made by the Dorvane project for tests and offline use. It "
              "identifies the driver (version and name) and holds no panel "
              "firmware.\n";
    for (std::size_t at = kTextOffset; at < size; at += text.size())
        std::memcpy(image.data() + at, text.data(), std::min(text.size(), size - at));

    const std::filesystem::path out = argv[1];
    std::error_code ec;
    std::filesystem::create_directories(out.parent_path(), ec);
    std::ofstream file(out, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char *>(image.data()), std::streamsize(image.size()));
    return file.good() ? 0 : fail("cannot write the image");
}
