#include "util/bmp_file.h"

#include "util/file_io.h"

#include <array>

namespace util {

namespace {

constexpr std::size_t kFileHeader = 14;
// Refuse images that could not be a panel picture or library image by a wide margin, before
// allocating anything for them.
constexpr std::int64_t kMaxPixels = 16 * 1024 * 1024;
// The largest file such an image can need: 32 bits a pixel, with room for any header, palette
// and gap before the pixels. Anything larger is refused before it is read.
constexpr std::uint64_t kMaxBmpFile = std::uint64_t(kMaxPixels) * 4 + 1024 * 1024;

BmpReadResult fail(std::string why)
{
    BmpReadResult r;
    r.error = std::move(why);
    return r;
}

int maskShift(std::uint32_t mask)
{
    int shift = 0;
    while (mask && !(mask & 1)) {
        mask >>= 1;
        ++shift;
    }
    return shift;
}

int maskValue(std::uint32_t pixel, std::uint32_t mask)
{
    if (!mask)
        return 0;
    const int shift = maskShift(mask);
    const std::uint32_t max = mask >> shift;
    return int(((pixel & mask) >> shift) * 255u / max);
}

} // namespace

BmpReadResult readBmp(ConstByteSpan data)
{
    if (data.size() < kFileHeader + 12 || data[0] != 'B' || data[1] != 'M')
        return fail("not a BMP file");
    const std::uint32_t pixelOffset = le32(data, 10);
    const std::uint32_t infoSize = le32(data, 14);
    if (infoSize != 12 && infoSize < 40)
        return fail("unsupported BMP header");
    if (kFileHeader + std::size_t(infoSize) > data.size())
        return fail("truncated BMP header");

    std::int64_t width = 0, height = 0;
    std::uint16_t bitCount = 0;
    std::uint32_t compression = 0, colorsUsed = 0;
    if (infoSize == 12) {
        width = le16(data, 18);
        height = std::int16_t(le16(data, 20));
        bitCount = le16(data, 24);
    } else {
        width = std::int32_t(le32(data, 18));
        height = std::int32_t(le32(data, 22));
        bitCount = le16(data, 28);
        compression = le32(data, 30);
        colorsUsed = le32(data, 46);
    }
    const bool topDown = height < 0;
    if (topDown)
        height = -height;
    if (width <= 0 || height <= 0)
        return fail("BMP has no pixels");
    if (width * height > kMaxPixels)
        return fail("BMP is too large");
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 24 && bitCount != 32)
        return fail("unsupported BMP colour depth " + std::to_string(bitCount));

    // 32-bit images may carry channel masks; anything else must be uncompressed.
    std::uint32_t rMask = 0xFF0000, gMask = 0x00FF00, bMask = 0x0000FF;
    if (compression == 3 && bitCount == 32) {
        if (infoSize >= 52) {
            rMask = le32(data, 54);
            gMask = le32(data, 58);
            bMask = le32(data, 62);
        } else if (kFileHeader + infoSize + 12 <= data.size()) {
            rMask = le32(data, kFileHeader + infoSize);
            gMask = le32(data, kFileHeader + infoSize + 4);
            bMask = le32(data, kFileHeader + infoSize + 8);
        } else {
            return fail("truncated BMP header");
        }
    } else if (compression != 0) {
        return fail("compressed BMP files are not supported");
    }

    // The palette, reduced to white/black at once.
    std::vector<bool> paletteWhite;
    if (bitCount <= 8) {
        const std::size_t entrySize = infoSize == 12 ? 3 : 4;
        std::size_t count = colorsUsed ? colorsUsed : (std::size_t(1) << bitCount);
        if (count > (std::size_t(1) << bitCount))
            count = std::size_t(1) << bitCount;
        const std::size_t paletteStart = kFileHeader + infoSize;
        if (paletteStart + count * entrySize > data.size())
            return fail("truncated BMP palette");
        for (std::size_t i = 0; i < count; ++i) {
            const auto *p = &data[paletteStart + i * entrySize];
            paletteWhite.push_back(isNearerWhite(p[2], p[1], p[0]));
        }
    }

    const std::size_t rowBytes = ((std::size_t(width) * bitCount + 31) / 32) * 4;
    if (pixelOffset > data.size() || rowBytes * std::size_t(height) > data.size() - pixelOffset)
        return fail("truncated BMP pixel data");

    BmpReadResult result;
    result.bitmap = CMonoBitmap(int(width), int(height), false);
    for (std::int64_t row = 0; row < height; ++row) {
        const std::int64_t y = topDown ? row : height - 1 - row;
        const auto *line = &data[pixelOffset + std::size_t(row) * rowBytes];
        for (std::int64_t x = 0; x < width; ++x) {
            bool white = false;
            if (bitCount <= 8) {
                const std::size_t bitPos = std::size_t(x) * bitCount;
                const int index = (line[bitPos / 8] >> (8 - bitCount - int(bitPos % 8)))
                        & ((1 << bitCount) - 1);
                white = std::size_t(index) < paletteWhite.size() && paletteWhite[index];
            } else if (bitCount == 24) {
                const auto *p = line + x * 3;
                white = isNearerWhite(p[2], p[1], p[0]);
            } else {
                const std::uint32_t px = le32(ConstByteSpan(line + x * 4, 4), 0);
                white = isNearerWhite(maskValue(px, rMask), maskValue(px, gMask),
                                      maskValue(px, bMask));
            }
            result.bitmap.setPixel(int(x), int(y), white);
        }
    }
    result.ok = true;
    return result;
}

BmpReadResult readBmpFile(const std::string &path)
{
    bool tooLarge = false;
    const auto data = readFileCapped(path, kMaxBmpFile, &tooLarge);
    if (!data)
        return fail(tooLarge ? "BMP is too large" : "cannot read " + path);
    return readBmp(*data);
}

Bytes writeBmp(const CMonoBitmap &bitmap)
{
    const std::size_t rowBytes = ((std::size_t(bitmap.width()) + 31) / 32) * 4;
    const std::size_t pixelOffset = kFileHeader + 40 + 8;
    const std::size_t imageSize = rowBytes * std::size_t(bitmap.height());
    Bytes out;
    ByteWriter w(out, Endian::Little);
    w.u8('B');
    w.u8('M');
    w.u32(std::uint32_t(pixelOffset + imageSize));
    w.u32(0);
    w.u32(std::uint32_t(pixelOffset));
    w.u32(40);
    w.i32(bitmap.width());
    w.i32(bitmap.height());
    w.u16(1);
    w.u16(1);
    w.u32(0);
    w.u32(std::uint32_t(imageSize));
    w.u32(2835); // 72 dpi
    w.u32(2835);
    w.u32(2);
    w.u32(2);
    w.u32(0x00000000); // black
    w.u32(0x00FFFFFF); // white
    const int stride = bitmap.stride();
    for (int y = bitmap.height() - 1; y >= 0; --y) {
        const auto *row = bitmap.bits().data() + std::size_t(y) * std::size_t(stride);
        w.bytes(ConstByteSpan(row, std::size_t(stride)));
        w.zeros(rowBytes - std::size_t(stride));
    }
    return out;
}

bool writeBmpFile(const std::string &path, const CMonoBitmap &bitmap)
{
    return writeFileAtomic(path, writeBmp(bitmap));
}

} // namespace util
