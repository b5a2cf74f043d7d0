#include "core/tags/motor_tag.h"

#include "core/tags/tag_images.h"
#include "core/tags/tag_kinds.h"

#include <algorithm>

namespace core {

CMotorTag::CMotorTag()
    : CImageFaceTag(false)
{
    m_kind = kTagMotor;
    RecalcRect(0);
}

void CMotorTag::ResourcesBound()
{
    ensureDefaultImages(Resources(), {3000, 3001, 3002, 3003});
    UpdateRect();
}

void CMotorTag::CopyFieldsFrom(const CMotorTag &o)
{
    CImageFaceTag::CopyFieldsFrom(o);
    m_count = o.m_count;
    m_images = o.m_images;
    m_direction = o.m_direction;
    m_inverse = o.m_inverse;
}

std::unique_ptr<CTag> CMotorTag::CloneFields() const
{
    auto copy = std::make_unique<CMotorTag>();
    copy->CopyFieldsFrom(*this);
    return copy;
}

std::vector<std::uint16_t> CMotorTag::ImageIds() const
{
    const std::size_t count = std::min<std::size_t>(m_count, kMaxImages);
    return {m_images.begin(), m_images.begin() + std::ptrdiff_t(count)};
}

bool CMotorTag::SetImageCount(std::uint16_t count)
{
    if (count < kMinImages || count > kMaxImages)
        return false;
    m_count = count;
    std::fill(m_images.begin() + count, m_images.end(), std::uint16_t(0xFFFF));
    return true;
}

bool CMotorTag::SetImage(std::size_t slot, std::uint16_t imageId)
{
    if (slot >= m_count || slot >= kMaxImages)
        return false;
    m_images[slot] = imageId;
    if (slot == 0)
        RecalcRect(0);
    return true;
}

void CMotorTag::Serialize(util::CArchive &ar)
{
    CPointTag::Serialize(ar);
    ar.io(m_count);
    for (std::uint16_t &image : m_images)
        ar.io(image);
    ar.io(m_direction);
    ar.io(m_magnification);
    ar.io(m_inverse);
    if (ar.IsLoading())
        RecalcRect(0);
}

bool CMotorTag::BuildDownloadRecord(const CPlcSlots &slots, util::ByteSpan out) const
{
    CPointInfo point = m_point;
    point.m_min = 0; // the panel counts speed from zero
    if (!WriteFaceHead(slots, out, kRecordSize, point))
        return false;
    util::setBe16(out, 68, std::uint16_t(m_inverse));
    util::setBe16(out, 70, m_direction);
    util::setBe16(out, 72, m_count);
    for (std::size_t i = 0; i < kMaxImages; ++i)
        util::setBe16(out, 74 + 2 * i, i < m_count ? m_images[i] : std::uint16_t(0xFFFF));
    return true;
}

bool CMotorTag::LoadRecord(const CPlcSlots &slots, util::ConstByteSpan record)
{
    if (!ReadFaceHead(slots, record, kRecordSize))
        return false;
    m_inverse = util::be16(record, 68);
    m_direction = util::be16(record, 70);
    m_count = util::be16(record, 72);
    for (std::size_t i = 0; i < kMaxImages; ++i)
        m_images[i] = util::be16(record, 74 + 2 * i);
    RecalcRect(0);
    return true;
}

} // namespace core
