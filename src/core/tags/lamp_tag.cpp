#include "core/tags/lamp_tag.h"

#include "core/tags/caption_font.h"
#include "core/tags/point_record.h"
#include "core/tags/tag_images.h"
#include "core/tags/tag_kinds.h"

#include <algorithm>

namespace core {

CLampTag::CLampTag()
    : m_captionFont(defaultCaptionFont())
{
    m_kind = kTagLamp;
    m_handleCount = 0;
    m_point.m_dataSize = kSizeBit;
    ensureDefaultImages({kDefaultOffImage, kDefaultOnImage});
    RecalcRect(0);
}

void CLampTag::CopyFieldsFrom(const CLampTag &o)
{
    m_x = o.m_x;
    m_y = o.m_y;
    m_magnification = o.m_magnification;
    m_displayState = o.m_displayState;
    m_offImage = o.m_offImage;
    m_onImage = o.m_onImage;
    m_onValue = o.m_onValue;
    m_captionFont = o.m_captionFont;
    m_point = o.m_point;
    m_rect = o.m_rect;
}

std::unique_ptr<CTag> CLampTag::Clone() const
{
    auto copy = std::make_unique<CLampTag>();
    copy->CopyFieldsFrom(*this);
    return copy;
}

void CLampTag::RecalcRect(int)
{
    const ImageSize size = tagImageSize(m_offImage);
    const std::int32_t mag = m_magnification == 2 ? 2 : 1;
    m_rect = {m_x, m_y, m_x + size.width * mag, m_y + size.height * mag};
}

bool CLampTag::ImageChanged(std::uint16_t imageId)
{
    if (imageId != m_offImage)
        return false;
    RecalcRect(0);
    return true;
}

void CLampTag::SetOffImage(std::uint16_t imageId)
{
    m_offImage = imageId;
    RecalcRect(0);
}

void CLampTag::SetMagnification(std::uint16_t factor)
{
    m_magnification = factor == 2 ? 2 : 1;
    RecalcRect(0);
}

void CLampTag::RevalidateAddress(const CPlcSlots &slots, bool ch1Changed, bool ch2Changed)
{
    revalidatePoint(slots, m_point, true, ch1Changed, ch2Changed);
}

void CLampTag::ChangeStation(std::uint16_t channel, std::uint16_t station)
{
    changePointStation(m_point, channel, station);
}

void CLampTag::SwapChannels(bool oneToTwo, bool twoToOne)
{
    swapPointChannel(m_point, oneToTwo, twoToOne);
}

void CLampTag::Serialize(util::CArchive &ar)
{
    CTag::Serialize(ar);
    m_point.Serialize(ar);
    ar.io(m_magnification);
    ar.io(m_onValue);
    ar.io(m_offImage);
    ar.io(m_onImage);
    if (ar.IsLoading()) {
        m_displayState = 0; // not part of the clipboard body
        RecalcRect(0);
    }
}

bool CLampTag::BuildDownloadRecord(const CPlcSlots &slots, util::ByteSpan out) const
{
    if (out.size() < kRecordSize)
        return false;
    std::fill_n(out.begin(), kRecordSize, std::uint8_t(0));
    writePointBlock(slots, m_point, out, 0);
    util::setBe16(out, 62, std::uint16_t(m_x));
    util::setBe16(out, 64, std::uint16_t(m_y));
    util::setBe16(out, 66, m_magnification == 2 ? 1 : 0);
    util::setBe16(out, 68, std::uint16_t(m_displayState));
    util::setBe16(out, 70, m_offImage);
    util::setBe16(out, 72, m_onImage);
    util::setBe16(out, 74, m_onValue);
    return true;
}

bool CLampTag::LoadRecord(const CPlcSlots &slots, util::ConstByteSpan record)
{
    if (record.size() < kRecordSize)
        return false;
    readPointBlock(slots, record, 0, m_point);
    m_x = std::int16_t(util::be16(record, 62));
    m_y = std::int16_t(util::be16(record, 64));
    m_magnification = util::be16(record, 66) == 1 ? 2 : 1;
    m_displayState = util::be16(record, 68);
    m_offImage = util::be16(record, 70);
    m_onImage = util::be16(record, 72);
    m_onValue = util::be16(record, 74);
    RecalcRect(0);
    return true;
}

} // namespace core
