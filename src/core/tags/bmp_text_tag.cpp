#include "core/tags/bmp_text_tag.h"

#include "core/model/img_res_mgr.h"
#include "core/model/indexed_image.h"
#include "core/tags/tag_kinds.h"
#include "core/tags/text_render.h"

#include <algorithm>
#include <utility>

namespace core {

CBmpTextTag::CBmpTextTag()
    : m_font(DefaultFont())
{
    m_kind = kTagBmpText;
    m_handleCount = 0;
    RecalcRect(0);
}

util::CLogFont CBmpTextTag::DefaultFont()
{
    util::CLogFont font;
    font.setHeight(16);
    auto bytes = font.bytes();
    bytes[24] = 1; // output precision
    bytes[25] = 2; // clip precision
    bytes[26] = 1; // quality
    bytes[27] = 0x12;
    font = util::CLogFont::fromBytes(bytes);
    font.setFaceName(util::fromUtf8Lossy("굴림", util::kLangKorean));
    font.setWidth(averageCharWidth(font, util::kLangKorean));
    return font;
}

void CBmpTextTag::CopyFieldsFrom(const CBmpTextTag &o)
{
    m_x = o.m_x;
    m_y = o.m_y;
    m_inverse = o.m_inverse;
    m_text = o.m_text;
    m_border = o.m_border;
    m_font = o.m_font;
    m_imageId = o.m_imageId;
    m_rect = o.m_rect;
}

std::unique_ptr<CTag> CBmpTextTag::CloneFields() const
{
    auto copy = std::make_unique<CBmpTextTag>();
    copy->CopyFieldsFrom(*this);
    return copy;
}

std::string CBmpTextTag::Text() const
{
    return util::fixedText(m_text, 0, kTextField);
}

void CBmpTextTag::RecalcRect(int)
{
    const auto extent = measureText(m_font, Text() + " ", Resources().panelLangId);
    // The font comes from the file: its extent may be anything an int32 holds.
    std::int64_t width = extent ? extent->width : kFallbackWidth;
    std::int64_t height = extent ? extent->height : kFallbackHeight;
    if (m_border) {
        width += 2;
        height += 2;
    }
    if (m_font.escapement() == 900 || m_font.escapement() == 2700)
        std::swap(width, height);
    m_rect = boundedRect(m_x, m_y, m_x + width, m_y + height).Normalized();
}

void CBmpTextTag::SetText(std::string_view text)
{
    const std::uint32_t before = ImageBytes();
    util::setFixedText(m_text, 0, kTextField, text);
    RecalcRect(0);
    chargeImageBytes(before);
}

void CBmpTextTag::SetWindowsFont(const util::CLogFont &font)
{
    const std::uint32_t before = ImageBytes();
    m_font = font;
    RecalcRect(0);
    chargeImageBytes(before);
}

void CBmpTextTag::chargeImageBytes(std::uint32_t before) const
{
    // The image area holds the rendered text too: a new text or font changes its size.
    if (CImgResMgr *images = Resources().images)
        images->AdjustUsed(std::int64_t(ImageBytes()) - std::int64_t(before));
}

void CBmpTextTag::SetBorder(bool on)
{
    // The frame is part of the image: it grows by two pixels both ways.
    const std::uint32_t before = ImageBytes();
    m_border = on ? 1 : 0;
    RecalcRect(0);
    chargeImageBytes(before);
}

std::optional<util::CMonoBitmap> CBmpTextTag::RenderTextImage() const
{
    const CRect r = m_rect.Normalized();
    if (!isPlausibleTagRect(r))
        return std::nullopt;
    const std::int32_t width = std::min(r.Width(), kPanelWidth - r.left);
    const std::int32_t height = std::min(r.Height(), kPanelHeight - r.top);
    if (width <= 0 || height <= 0)
        return std::nullopt;
    // The image is cut at the panel's right and bottom edges only, so a tag far above or left of
    // the panel keeps its whole height or width. An image larger than the panel's whole image
    // area could never be stored: it is not drawn either.
    if ((std::int64_t(width) + 7) / 8 * height > std::int64_t(CImgResMgr::kAreaSize))
        return std::nullopt;
    util::CMonoBitmap bitmap(width, height, true);
    CRect textRect{0, 0, width, height};
    if (m_border)
        textRect = {1, 1, width - 1, height - 1};
    if (!drawText(bitmap, textRect, m_font, Text(), Resources().panelLangId))
        return std::nullopt;
    if (m_border) {
        for (std::int32_t x = 0; x < width; ++x) {
            bitmap.setPixel(x, 0, false);
            bitmap.setPixel(x, height - 1, false);
        }
        for (std::int32_t y = 0; y < height; ++y) {
            bitmap.setPixel(0, y, false);
            bitmap.setPixel(width - 1, y, false);
        }
    }
    return bitmap;
}

util::Bytes CBmpTextTag::TextBlock() const
{
    const std::string text = Text();
    util::Bytes block;
    util::ByteWriter w(block, util::Endian::Little);
    w.u16(std::uint16_t(text.size()));
    w.bytes(m_font.bytes());
    w.bytes(util::ConstByteSpan(reinterpret_cast<const std::uint8_t *>(text.data()), text.size()));
    return block;
}

bool CBmpTextTag::ApplyTextBlock(util::ConstByteSpan block)
{
    util::ByteReader r(block, util::Endian::Little);
    std::uint16_t length = 0;
    std::array<std::uint8_t, util::CLogFont::kSize> font{};
    if (!r.u16(length) || !r.bytes(font) || r.remaining() < length)
        return false;
    const auto *text = block.data() + r.position();
    ApplyText(std::string_view(reinterpret_cast<const char *>(text), length),
              util::CLogFont::fromBytes(font));
    return true;
}

void CBmpTextTag::ApplyText(std::string_view text, const util::CLogFont &font)
{
    m_font = font;
    SetText(text);
}

std::uint32_t CBmpTextTag::ImageBytes() const
{
    const CRect r = m_rect.Normalized();
    return imageCost(r.Width(), r.Height()) + std::uint32_t(Text().size());
}

bool CBmpTextTag::UpdateBmpText() const
{
    CImgResMgr *images = Resources().images;
    auto bitmap = RenderTextImage();
    if (!images || !bitmap || m_imageId < 0)
        return false;
    auto entry = std::make_unique<CBmpText>();
    entry->m_id = std::uint16_t(m_imageId);
    entry->m_bitmap = std::move(*bitmap);
    images->SetBmpText(std::move(entry));
    return true;
}

void CBmpTextTag::Serialize(util::CArchive &ar)
{
    CTag::Serialize(ar);
    ar.io(m_inverse);
    ar.io(m_border);
    std::array<std::uint8_t, util::CLogFont::kSize> font = m_font.bytes();
    ar.io(util::ByteSpan(font));
    ar.io(util::ByteSpan(m_text));
    if (ar.IsLoading()) {
        m_font = util::CLogFont::fromBytes(font);
        m_text.back() = 0;
        RecalcRect(0);
    }
}

bool CBmpTextTag::BuildDownloadRecord(const CPlcSlots &, util::ByteSpan out) const
{
    if (out.size() < kRecordSize)
        return false;
    util::setBe16(out, 0, std::uint16_t(m_x));
    util::setBe16(out, 2, std::uint16_t(m_y));
    util::setBe16(out, 4, std::uint16_t(m_imageId));
    out[kGroupMarker] = 1;
    out[7] = m_border ? 1 : 0;
    util::setBe16(out, 8, std::uint16_t(m_inverse));
    return true;
}

bool CBmpTextTag::LoadRecord(const CPlcSlots &, util::ConstByteSpan record)
{
    if (record.size() < kRecordSize)
        return false;
    m_x = std::int16_t(util::be16(record, 0));
    m_y = std::int16_t(util::be16(record, 2));
    m_imageId = util::be16(record, 4);
    m_border = record[7] == 1 ? 1 : 0;
    m_inverse = util::be16(record, 8);
    RecalcRect(0);
    return true;
}

} // namespace core
