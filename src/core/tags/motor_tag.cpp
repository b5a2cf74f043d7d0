#include "core/tags/motor_tag.h"

#include "core/tags/caption_font.h"
#include "core/tags/point_record.h"
#include "core/tags/tag_images.h"
#include "core/tags/tag_kinds.h"

#include <algorithm>

namespace core {

CMotorTag::CMotorTag()
    : m_captionFont(defaultCaptionFont())
{
    m_kind = kTagMotor;
    m_handleCount = 0;
    ensureDefaultImages({3000, 3001, 3002, 3003});
    RecalcRect(0);
}

void CMotorTag::CopyFieldsFrom(const CMotorTag &o)
{
    m_x = o.m_x;
    m_y = o.m_y;
    m_count = o.m_count;
    m_images = o.m_images;
    m_direction = o.m_direction;
    m_magnification = o.m_magnification;
    m_inverse = o.m_inverse;
    m_point = o.m_point;
    m_captionFont = o.m_captionFont;
    m_rect = o.m_rect;
}

std::unique_ptr<CTag> CMotorTag::Clone() const
{
    auto copy = std::make_unique<CMotorTag>();
    copy->CopyFieldsFrom(*this);
    return copy;
}

void CMotorTag::RecalcRect(int)
{
    const ImageSize size = tagImageSize(m_images[0]);
    const std::int32_t mag = m_magnification == 2 ? 2 : 1;
    m_rect = {m_x, m_y, m_x + size.width * mag, m_y + size.height * mag};
}

std::vector<std::uint16_t> CMotorTag::ImageIds() const
{
    const std::size_t count = std::min<std::size_t>(m_count, kMaxImages);
    return {m_images.begin(), m_images.begin() + std::ptrdiff_t(count)};
}

bool CMotorTag::ImageChanged(std::uint16_t imageId)
{
    if (imageId != m_images[0])
        return false;
    RecalcRect(0);
    return true;
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

void CMotorTag::SetMagnification(std::uint16_t factor)
{
    m_magnification = factor == 2 ? 2 : 1;
    RecalcRect(0);
}

void CMotorTag::RevalidateAddress(const CPlcSlots &slots, bool ch1Changed, bool ch2Changed)
{
    revalidatePoint(slots, m_point, false, ch1Changed, ch2Changed);
}

void CMotorTag::ChangeStation(std::uint16_t channel, std::uint16_t station)
{
    changePointStation(m_point, channel, station);
}

void CMotorTag::SwapChannels(bool oneToTwo, bool twoToOne)
{
    swapPointChannel(m_point, oneToTwo, twoToOne);
}

void CMotorTag::Serialize(util::CArchive &ar)
{
    CTag::Serialize(ar);
    m_point.Serialize(ar);
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
    if (out.size() < kRecordSize)
        return false;
    std::fill_n(out.begin(), kRecordSize, std::uint8_t(0));
    CPointInfo point = m_point;
    point.m_min = 0; // the panel counts speed from zero
    writePointBlock(slots, point, out, 0);
    util::setBe16(out, 62, std::uint16_t(m_x));
    util::setBe16(out, 64, std::uint16_t(m_y));
    util::setBe16(out, 66, m_magnification == 2 ? 1 : 0);
    util::setBe16(out, 68, std::uint16_t(m_inverse));
    util::setBe16(out, 70, m_direction);
    util::setBe16(out, 72, m_count);
    for (std::size_t i = 0; i < kMaxImages; ++i)
        util::setBe16(out, 74 + 2 * i, i < m_count ? m_images[i] : std::uint16_t(0xFFFF));
    return true;
}

bool CMotorTag::LoadRecord(const CPlcSlots &slots, util::ConstByteSpan record)
{
    if (record.size() < kRecordSize)
        return false;
    readPointBlock(slots, record, 0, m_point);
    m_x = std::int16_t(util::be16(record, 62));
    m_y = std::int16_t(util::be16(record, 64));
    m_magnification = util::be16(record, 66) == 1 ? 2 : 1;
    m_inverse = util::be16(record, 68);
    m_direction = util::be16(record, 70);
    m_count = util::be16(record, 72);
    for (std::size_t i = 0; i < kMaxImages; ++i)
        m_images[i] = util::be16(record, 74 + 2 * i);
    RecalcRect(0);
    return true;
}

} // namespace core
