#include "core/tags/image_face_tag.h"

#include "core/tags/caption_font.h"
#include "core/tags/tag_images.h"

namespace core {

CImageFaceTag::CImageFaceTag(bool writable)
    : CPointTag(writable)
    , m_captionFont(defaultCaptionFont())
{
    m_handleCount = 0;
}

void CImageFaceTag::CopyFieldsFrom(const CImageFaceTag &o)
{
    CPointTag::CopyFieldsFrom(o);
    m_magnification = o.m_magnification;
    m_captionFont = o.m_captionFont;
}

void CImageFaceTag::RecalcRect(int)
{
    const ImageSize size = tagImageSize(Resources(), FaceImage());
    const std::int32_t mag = m_magnification == 2 ? 2 : 1;
    m_rect = boundedRect(m_x, m_y, std::int64_t(m_x) + std::int64_t(size.width) * mag,
                         std::int64_t(m_y) + std::int64_t(size.height) * mag);
}

bool CImageFaceTag::ImageChanged(std::uint16_t imageId)
{
    if (imageId != FaceImage())
        return false;
    RecalcRect(0);
    return true;
}

void CImageFaceTag::SetMagnification(std::uint16_t factor)
{
    m_magnification = factor == 2 ? 2 : 1;
    RecalcRect(0);
}

bool CImageFaceTag::WriteFaceHead(const CPlcSlots &slots, util::ByteSpan out, std::size_t size,
                                  const CPointInfo &point) const
{
    if (!WriteRecordHead(slots, out, size, point))
        return false;
    util::setBe16(out, 66, m_magnification == 2 ? 1 : 0);
    return true;
}

bool CImageFaceTag::ReadFaceHead(const CPlcSlots &slots, util::ConstByteSpan record,
                                 std::size_t size)
{
    if (!ReadRecordHead(slots, record, size))
        return false;
    m_magnification = util::be16(record, 66) == 1 ? 2 : 1;
    return true;
}

} // namespace core
