#include "core/download/image_area.h"

#include "core/model/dorvane_doc.h"
#include "core/model/img_res_mgr.h"
#include "core/tags/tag_kinds.h"

#include <algorithm>
#include <vector>

namespace core {

namespace {

constexpr std::size_t kRoomLimit = 0xFFFA;
constexpr std::size_t kRecordHead = 6;
constexpr std::size_t kTextBlockHead = 2 + util::CLogFont::kSize;

// An 8 x 8 block of bits, byte i holding row i: byte j of the result holds column j, with row i
// at bit i.
std::uint64_t transpose8(std::uint64_t x)
{
    std::uint64_t t = (x ^ (x >> 7)) & 0x00AA00AA00AA00AAULL;
    x ^= t ^ (t << 7);
    t = (x ^ (x >> 14)) & 0x0000CCCC0000CCCCULL;
    x ^= t ^ (t << 14);
    t = (x ^ (x >> 28)) & 0x00000000F0F0F0F0ULL;
    x ^= t ^ (t << 28);
    return x;
}

void encodeBands(const util::CMonoBitmap &b, util::ByteSpan out)
{
    // Straight from the packed rows, eight pixels by eight rows at a time: this runs for every
    // pixel of every image on each compile. Rows below the image are lit.
    const auto &bits = b.bits();
    const std::size_t stride = std::size_t(b.stride());
    const int bands = (b.height() + 7) / 8;
    for (int band = 0; band < bands; ++band) {
        auto *dst = &out[std::size_t(band) * std::size_t(b.width())];
        for (std::size_t c = 0; c < stride; ++c) {
            std::uint64_t block = 0;
            for (int bit = 0; bit < 8; ++bit) {
                const int y = band * 8 + bit;
                const std::uint64_t row = y < b.height() ? bits[std::size_t(y) * stride + c] : 0xFF;
                block |= row << (8 * bit);
            }
            block = transpose8(block);
            // The leftmost pixel is the byte's top bit.
            const int n = std::min(8, b.width() - int(c) * 8);
            for (int k = 0; k < n; ++k)
                dst[c * 8 + std::size_t(k)] = std::uint8_t(block >> (8 * (7 - k)));
        }
    }
}

bool appendTextBlock(const TextImage &t, std::size_t &offset, util::ByteSpan buffer)
{
    const std::size_t size = kTextBlockHead + t.text.size();
    if (t.text.size() > 0xFFFF || offset > buffer.size() || size > buffer.size() - offset)
        return false;
    util::setLe16(buffer, offset, std::uint16_t(t.text.size()));
    std::copy(t.font.bytes().begin(), t.font.bytes().end(),
              buffer.begin() + std::ptrdiff_t(offset + 2));
    std::copy(t.text.begin(), t.text.end(),
              buffer.begin() + std::ptrdiff_t(offset + kTextBlockHead));
    offset += size;
    return true;
}

} // namespace

bool writeImageRecord(const util::CMonoBitmap &bitmap, std::uint16_t id, std::size_t index,
                      std::size_t &offset, util::ByteSpan buffer)
{
    const std::size_t w = std::size_t(bitmap.width()), h = std::size_t(bitmap.height());
    const std::size_t d = imageDataSize(bitmap.width(), bitmap.height());
    const std::size_t padded = (w + 31) / 32 * 4 * h;
    if (bitmap.isNull() || w > 0xFFFF || h > 0xFFFF || d > 0xFFFF
        || offset + std::max(padded, d) >= kRoomLimit || offset + kRecordHead + d > buffer.size())
        return false;
    util::setBe32(buffer, index, kImageBase + std::uint32_t(offset));
    util::setBe16(buffer, index + 4, id);
    util::setBe16(buffer, offset, std::uint16_t(w));
    util::setBe16(buffer, offset + 2, std::uint16_t(h));
    util::setBe16(buffer, offset + 4, std::uint16_t(d));
    encodeBands(bitmap, buffer.subspan(offset + kRecordHead, d));
    offset += kRecordHead + d;
    return true;
}

util::CMonoBitmap decodeImageData(util::ConstByteSpan data, int width, int height)
{
    util::CMonoBitmap b(width, height, false);
    const std::size_t stride = std::size_t(b.stride());
    std::vector<std::uint8_t> rows(stride * std::size_t(height), 0);
    for (int y = 0; y < height; ++y) {
        const std::size_t band = std::size_t(y / 8) * std::size_t(width);
        const auto mask = std::uint8_t(1u << (y % 8));
        std::uint8_t *row = rows.data() + std::size_t(y) * stride;
        for (int x = 0; x < width && band + std::size_t(x) < data.size(); ++x)
            if (data[band + std::size_t(x)] & mask)
                row[x >> 3] |= std::uint8_t(0x80 >> (x & 7));
    }
    b.setBits(std::move(rows));
    return b;
}

AreaResult buildImageArea(const CDorvaneDoc &doc, const TextImageRenderer &renderer,
                          util::ByteSpan buffer, std::uint32_t &length)
{
    length = 0;
    std::vector<const CTag *> textTags;
    for (const auto &screen : doc.Screens())
        for (const auto &tag : screen->Tags())
            if (tag->Kind() == kTagBmpText)
                textTags.push_back(tag.get());
    const auto &images = doc.Images().Images();
    const std::size_t count = images.size() + textTags.size();
    if (count > 0xFFFF || 10 + 6 * count > buffer.size() || 10 + 6 * count >= kRoomLimit)
        return AreaResult::fail("The project has more images than the panel's image area holds.");

    std::fill(buffer.begin(), buffer.end(), std::uint8_t(0));
    std::size_t index = 10;
    std::size_t offset = 10 + 6 * count;
    for (const auto &image : images) {
        writeImageRecord(image->m_bitmap, image->Key(), index, offset, buffer);
        index += 6;
    }
    for (const CTag *tag : textTags) {
        const auto rendered = renderer ? renderer(*tag) : std::nullopt;
        if (rendered) {
            if (writeImageRecord(rendered->bitmap, rendered->id, index, offset, buffer)
                && !appendTextBlock(*rendered, offset, buffer))
                return AreaResult::fail("The image texts do not fit into the panel's image area.");
        }
        index += 6;
    }
    length = std::uint32_t(offset);
    util::setBe16(buffer, 6, kAreaVersion);
    util::setBe16(buffer, 8, std::uint16_t(count));
    finishArea(buffer, length);
    return {};
}

AreaResult parseImageArea(util::ConstByteSpan image, CImgResMgr &images,
                          std::map<std::uint16_t, TextBlock> &texts)
{
    const auto damaged = [](const char *what) {
        return AreaResult::fail(std::string("The image area is damaged (") + what + ").");
    };
    if (image.size() < 10 || image.size() > kImageCapacity || util::be32(image, 0) != image.size())
        return damaged("its length does not match");
    const std::size_t count = util::be16(image, 8);
    const std::size_t recordsStart = 10 + 6 * count;
    if (recordsStart > image.size())
        return damaged("the index runs past its end");

    struct Entry
    {
        std::uint16_t id;
        std::size_t at;
    };
    std::vector<Entry> entries;
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint32_t pointer = util::be32(image, 10 + 6 * i);
        if (pointer == 0)
            continue; // an image that did not fit when the area was built
        if (pointer < kImageBase + recordsStart
            || pointer - kImageBase + kRecordHead > image.size())
            return damaged("a pointer lies outside it");
        entries.push_back({util::be16(image, 14 + 6 * i), pointer - kImageBase});
    }
    // A record is followed either by the next record or, for an image text, by its text block.
    std::vector<std::size_t> starts;
    for (const auto &e : entries)
        starts.push_back(e.at);
    std::sort(starts.begin(), starts.end());

    std::vector<std::unique_ptr<CIndexedImage>> parsed;
    std::map<std::uint16_t, TextBlock> blocks;
    for (const auto &e : entries) {
        const int w = util::be16(image, e.at), h = util::be16(image, e.at + 2);
        const std::size_t d = util::be16(image, e.at + 4);
        if (w == 0 || h == 0 || d != imageDataSize(w, h) || d > image.size() - e.at - kRecordHead)
            return damaged("an image record does not match its size");
        auto bitmap = decodeImageData(image.subspan(e.at + kRecordHead, d), w, h);
        const std::size_t end = e.at + kRecordHead + d;
        const auto next = std::upper_bound(starts.begin(), starts.end(), e.at);
        const std::size_t limit = next == starts.end() ? image.size() : *next;
        if (end > limit)
            return damaged("two records overlap");
        if (limit - end >= kTextBlockHead) {
            const std::size_t len = util::le16(image, end);
            if (end + kTextBlockHead + len != limit)
                return damaged("a text block does not match its length");
            TextBlock block;
            block.font = util::CLogFont::fromBytes(image.subspan(end + 2, util::CLogFont::kSize));
            block.text.assign(image.begin() + std::ptrdiff_t(end + kTextBlockHead),
                              image.begin() + std::ptrdiff_t(limit));
            block.bitmap = std::move(bitmap);
            blocks[e.id] = std::move(block);
            continue;
        }
        if (w > kMaxImageWidth || h > kMaxImageHeight)
            return damaged("an image is larger than the panel");
        auto indexed = std::make_unique<CIndexedImage>();
        indexed->m_id = e.id;
        indexed->m_bitmap = std::move(bitmap);
        parsed.push_back(std::move(indexed));
    }
    images.Clear();
    for (auto &img : parsed)
        if (images.Add(std::move(img)) != 0)
            return damaged("its images repeat an identifier or exceed the area");
    texts = std::move(blocks);
    return {};
}

} // namespace core
