#include "core/tags/mobile_tag.h"

#include "core/tags/caption_font.h"
#include "core/tags/point_record.h"
#include "core/tags/tag_images.h"
#include "core/tags/tag_kinds.h"

#include <algorithm>

namespace core {

CMobileTag::CMobileTag()
    : m_captionFont(defaultCaptionFont())
{
    m_kind = kTagMobile;
    RecalcRect(0);
}

void CMobileTag::ResourcesBound()
{
    ensureDefaultImages(Resources(), {kDefaultImage});
    UpdateRect();
}

void CMobileTag::CopyFieldsFrom(const CMobileTag &o)
{
    m_x = o.m_x;
    m_y = o.m_y;
    m_height = o.m_height;
    m_width = o.m_width;
    m_border = o.m_border;
    m_moveX = o.m_moveX;
    m_moveY = o.m_moveY;
    m_xPoint = o.m_xPoint;
    m_yPoint = o.m_yPoint;
    m_reserved = o.m_reserved;
    m_image = o.m_image;
    m_captionFont = o.m_captionFont;
    m_rect = o.m_rect;
}

std::unique_ptr<CTag> CMobileTag::CloneFields() const
{
    auto copy = std::make_unique<CMobileTag>();
    copy->CopyFieldsFrom(*this);
    return copy;
}

void CMobileTag::RecalcRect(int)
{
    const ImageSize size = tagImageSize(Resources(), m_image);
    const std::int32_t frame = m_border ? 2 : 0;
    m_rect = boundedRect(m_x, m_y, std::int64_t(m_x) + m_width + size.width + frame,
                         std::int64_t(m_y) + m_height + size.height + frame);
}

bool CMobileTag::ImageChanged(std::uint16_t imageId)
{
    if (imageId != m_image)
        return false;
    RecalcRect(0);
    return true;
}

bool CMobileTag::WidthAllowed(std::int32_t width) const
{
    return width >= (m_moveX ? 1 : 0) && width <= kPanelWidth;
}

bool CMobileTag::HeightAllowed(std::int32_t height) const
{
    return height >= (m_moveY ? 1 : 0) && height <= kPanelHeight;
}

bool CMobileTag::SetWidth(std::int32_t width)
{
    if (!WidthAllowed(width))
        return false;
    m_width = width;
    RecalcRect(0);
    return true;
}

bool CMobileTag::SetHeight(std::int32_t height)
{
    if (!HeightAllowed(height))
        return false;
    m_height = height;
    RecalcRect(0);
    return true;
}

void CMobileTag::SetMoveX(bool on)
{
    m_moveX = on ? 1 : 0;
    m_width = on ? 1 : 0;
    RecalcRect(0);
}

void CMobileTag::SetMoveY(bool on)
{
    m_moveY = on ? 1 : 0;
    m_height = on ? 1 : 0;
    RecalcRect(0);
}

void CMobileTag::SetBorder(bool on)
{
    m_border = on ? 1 : 0;
    RecalcRect(0);
}

void CMobileTag::SetImage(std::uint16_t imageId)
{
    m_image = imageId;
    RecalcRect(0);
}

bool CMobileTag::SetBounds(const CRect &rect)
{
    const CRect r = rect;
    if (!IsRectOnPanel(r))
        return false;
    const ImageSize size = tagImageSize(Resources(), m_image);
    const std::int32_t frame = m_border ? 2 : 0;
    // A direction the image does not move in keeps its range of 0.
    const std::int32_t width = m_moveX ? r.Width() - size.width - frame : 0;
    const std::int32_t height = m_moveY ? r.Height() - size.height - frame : 0;
    if (!WidthAllowed(width) || !HeightAllowed(height))
        return false;
    m_x = r.left;
    m_y = r.top;
    m_width = width;
    m_height = height;
    RecalcRect(0);
    return true;
}

void CMobileTag::RevalidateAddress(const CPlcSlots &slots, bool ch1Changed, bool ch2Changed)
{
    revalidatePoint(slots, m_xPoint, false, ch1Changed, ch2Changed);
    revalidatePoint(slots, m_yPoint, false, ch1Changed, ch2Changed);
}

void CMobileTag::ChangeStation(std::uint16_t channel, std::uint16_t station)
{
    changePointStation(m_xPoint, channel, station);
    changePointStation(m_yPoint, channel, station);
}

void CMobileTag::SwapChannels(bool oneToTwo, bool twoToOne)
{
    swapPointChannel(m_xPoint, oneToTwo, twoToOne);
    swapPointChannel(m_yPoint, oneToTwo, twoToOne);
}

void CMobileTag::Serialize(util::CArchive &ar)
{
    CTag::Serialize(ar);
    m_xPoint.Serialize(ar);
    m_yPoint.Serialize(ar);
    ar.io(m_height);
    ar.io(m_width);
    ar.io(m_border);
    ar.io(m_moveX);
    ar.io(m_moveY);
    ar.io(m_reserved);
    ar.io(m_image);
    if (ar.IsLoading())
        RecalcRect(0);
}

bool CMobileTag::BuildDownloadRecord(const CPlcSlots &slots, util::ByteSpan out) const
{
    if (out.size() < kRecordSize)
        return false;
    std::fill_n(out.begin(), kRecordSize, std::uint8_t(0));
    writePointBlock(slots, m_xPoint, out, 0);
    writePointBlock(slots, m_yPoint, out, 62);
    util::setBe16(out, 124, std::uint16_t(m_x));
    util::setBe16(out, 126, std::uint16_t(m_y));
    util::setBe16(out, 128, 0);
    util::setBe16(out, 130, std::uint16_t(m_reserved));
    util::setBe16(out, 132, std::uint16_t(m_height));
    util::setBe16(out, 134, std::uint16_t(m_width));
    out[136] = std::uint8_t((m_moveX ? kFlagMoveX : 0) | (m_moveY ? kFlagMoveY : 0));
    out[137] = std::uint8_t(m_border);
    util::setBe16(out, 138, m_image);
    return true;
}

bool CMobileTag::LoadRecord(const CPlcSlots &slots, util::ConstByteSpan record)
{
    if (record.size() < kRecordSize)
        return false;
    readPointBlock(slots, record, 0, m_xPoint);
    readPointBlock(slots, record, 62, m_yPoint);
    m_x = std::int16_t(util::be16(record, 124));
    m_y = std::int16_t(util::be16(record, 126));
    m_reserved = util::be16(record, 130);
    m_height = util::be16(record, 132);
    m_width = util::be16(record, 134);
    m_moveX = (record[136] & kFlagMoveX) ? 1 : 0;
    m_moveY = (record[136] & kFlagMoveY) ? 1 : 0;
    m_border = record[137];
    m_image = util::be16(record, 138);
    RecalcRect(0);
    return true;
}

} // namespace core
