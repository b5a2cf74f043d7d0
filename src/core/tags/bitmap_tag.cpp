#include "core/tags/bitmap_tag.h"

#include "core/tags/caption_font.h"
#include "core/tags/tag_images.h"
#include "core/tags/tag_kinds.h"

#include <algorithm>

namespace core {

CBitmapTag::CBitmapTag()
    : m_captionFont(defaultCaptionFont())
{
    m_kind = kTagBitmap;
    m_handleCount = 0;
    RecalcRect(0);
}

void CBitmapTag::CopyFieldsFrom(const CBitmapTag &o)
{
    m_x = o.m_x;
    m_y = o.m_y;
    m_image = o.m_image;
    m_magnification = o.m_magnification;
    m_inverse = o.m_inverse;
    m_captionFont = o.m_captionFont;
    m_rect = o.m_rect;
}

std::unique_ptr<CTag> CBitmapTag::CloneFields() const
{
    auto copy = std::make_unique<CBitmapTag>();
    copy->CopyFieldsFrom(*this);
    return copy;
}

void CBitmapTag::RecalcRect(int)
{
    const ImageSize size = tagImageSize(Resources(), m_image);
    const std::int32_t mag = m_magnification == 2 ? 2 : 1;
    m_rect = boundedRect(m_x, m_y, std::int64_t(m_x) + std::int64_t(size.width) * mag,
                         std::int64_t(m_y) + std::int64_t(size.height) * mag);
}

bool CBitmapTag::ImageChanged(std::uint16_t imageId)
{
    if (imageId != m_image)
        return false;
    RecalcRect(0);
    return true;
}

void CBitmapTag::SetImage(std::uint16_t imageId)
{
    m_image = imageId;
    RecalcRect(0);
}

void CBitmapTag::SetMagnification(std::uint16_t factor)
{
    m_magnification = factor == 2 ? 2 : 1;
    RecalcRect(0);
}

void CBitmapTag::Serialize(util::CArchive &ar)
{
    CTag::Serialize(ar);
    ar.io(m_image);
    ar.io(m_magnification);
    ar.io(m_inverse);
    if (ar.IsLoading())
        RecalcRect(0);
}

bool CBitmapTag::BuildDownloadRecord(const CPlcSlots &, util::ByteSpan out) const
{
    if (out.size() < kRecordSize)
        return false;
    std::fill_n(out.begin(), kRecordSize, std::uint8_t(0));
    util::setBe16(out, 0, std::uint16_t(m_x));
    util::setBe16(out, 2, std::uint16_t(m_y));
    util::setBe16(out, 4, m_image);
    out[kGroupMarker] = 0;
    out[7] = m_magnification == 2 ? 1 : 0;
    util::setBe16(out, 8, std::uint16_t(m_inverse));
    return true;
}

bool CBitmapTag::LoadRecord(const CPlcSlots &, util::ConstByteSpan record)
{
    if (record.size() < kRecordSize)
        return false;
    m_x = std::int16_t(util::be16(record, 0));
    m_y = std::int16_t(util::be16(record, 2));
    m_image = util::be16(record, 4);
    m_magnification = record[7] == 1 ? 2 : 1;
    m_inverse = util::be16(record, 8);
    RecalcRect(0);
    return true;
}

} // namespace core
