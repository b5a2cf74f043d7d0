#include "core/tags/two_image_tag.h"

#include "core/tags/tag_images.h"

namespace core {

CTwoImageTag::CTwoImageTag(std::uint16_t offImage, std::uint16_t onImage)
    : CImageFaceTag(true)
    , m_offImage(offImage)
    , m_onImage(onImage)
{
    m_point.m_dataSize = kSizeBit;
    RecalcRect(0);
}

void CTwoImageTag::ResourcesBound()
{
    ensureDefaultImages(Resources(), {m_offImage, m_onImage});
    UpdateRect();
}

void CTwoImageTag::CopyFieldsFrom(const CTwoImageTag &o)
{
    CImageFaceTag::CopyFieldsFrom(o);
    m_offImage = o.m_offImage;
    m_onImage = o.m_onImage;
    m_onValue = o.m_onValue;
    m_displayState = o.m_displayState;
}

void CTwoImageTag::SetOffImage(std::uint16_t imageId)
{
    m_offImage = imageId;
    RecalcRect(0);
}

void CTwoImageTag::SerializeFace(util::CArchive &ar)
{
    ar.io(m_magnification);
    ar.io(m_onValue);
    ar.io(m_offImage);
    ar.io(m_onImage);
    if (ar.IsLoading()) {
        m_displayState = 0;
        RecalcRect(0);
    }
}

bool CTwoImageTag::WriteFaceRecord(const CPlcSlots &slots, util::ByteSpan out, std::size_t size,
                                   std::size_t imagesAt) const
{
    if (!WriteFaceHead(slots, out, size, m_point))
        return false;
    util::setBe16(out, 68, std::uint16_t(m_displayState));
    util::setBe16(out, imagesAt, m_offImage);
    util::setBe16(out, imagesAt + 2, m_onImage);
    util::setBe16(out, imagesAt + 4, m_onValue);
    return true;
}

bool CTwoImageTag::ReadFaceRecord(const CPlcSlots &slots, util::ConstByteSpan record,
                                  std::size_t size, std::size_t imagesAt)
{
    if (!ReadFaceHead(slots, record, size))
        return false;
    m_displayState = util::be16(record, 68);
    m_offImage = util::be16(record, imagesAt);
    m_onImage = util::be16(record, imagesAt + 2);
    m_onValue = util::be16(record, imagesAt + 4);
    RecalcRect(0);
    return true;
}

} // namespace core
