#include "core/tags/graph_tag.h"

#include "core/tags/point_record.h"
#include "core/tags/tag_kinds.h"

#include <algorithm>
#include <utility>

namespace core {

namespace {

constexpr std::int32_t kMinSize = 8;

bool isVertical(std::uint16_t direction)
{
    return direction == kGraphUp || direction == kGraphDown;
}

} // namespace

CGraphTag::CGraphTag(std::uint16_t kind)
{
    m_kind = kind == kTagGraph2 ? kTagGraph2 : kTagGraph1;
    if (IsTrend()) {
        m_height = 35;
        m_width = 75;
    }
    RecalcRect(0);
}

void CGraphTag::CopyFieldsFrom(const CGraphTag &o)
{
    m_x = o.m_x;
    m_y = o.m_y;
    m_height = o.m_height;
    m_width = o.m_width;
    m_direction = o.m_direction;
    m_samplingCount = o.m_samplingCount;
    m_samplingTime = o.m_samplingTime;
    m_border = o.m_border;
    m_point = o.m_point;
    m_rect = o.m_rect;
}

std::unique_ptr<CTag> CGraphTag::CloneFields() const
{
    auto copy = std::make_unique<CGraphTag>(m_kind);
    copy->CopyFieldsFrom(*this);
    return copy;
}

void CGraphTag::RecalcRect(int)
{
    m_rect = boundedRect(m_x, m_y, std::int64_t(m_x) + m_width, std::int64_t(m_y) + m_height);
}

bool CGraphTag::SetWidth(std::int32_t width)
{
    if (width < kMinSize || width > kPanelWidth)
        return false;
    m_width = width;
    RecalcRect(0);
    return true;
}

bool CGraphTag::SetHeight(std::int32_t height)
{
    if (height < kMinSize || height > kPanelHeight)
        return false;
    m_height = height;
    RecalcRect(0);
    return true;
}

void CGraphTag::SetDirection(std::uint16_t direction)
{
    if (isVertical(direction) != isVertical(m_direction))
        std::swap(m_width, m_height);
    m_direction = direction;
    RecalcRect(0);
}

bool CGraphTag::IsRectOnPanel(const CRect &rect) const
{
    if (&rect == &m_rect)
        return true;
    return rect.left >= 0 && rect.left < kPanelWidth && rect.top >= 0 && rect.top < kPanelHeight
            && rect.Width() >= kMinSize && rect.Width() <= kPanelWidth && rect.Height() >= kMinSize
            && rect.Height() <= kPanelHeight;
}

bool CGraphTag::SetBounds(const CRect &rect)
{
    if (!CTag::SetBounds(rect))
        return false;
    m_width = m_rect.Width();
    m_height = m_rect.Height();
    return true;
}

void CGraphTag::RevalidateAddress(const CPlcSlots &slots, bool ch1Changed, bool ch2Changed)
{
    revalidatePoint(slots, m_point, false, ch1Changed, ch2Changed);
}

void CGraphTag::ChangeStation(std::uint16_t channel, std::uint16_t station)
{
    changePointStation(m_point, channel, station);
}

void CGraphTag::SwapChannels(bool oneToTwo, bool twoToOne)
{
    swapPointChannel(m_point, oneToTwo, twoToOne);
}

void CGraphTag::Serialize(util::CArchive &ar)
{
    CTag::Serialize(ar);
    m_point.Serialize(ar);
    ar.io(m_height);
    ar.io(m_width);
    ar.io(m_direction);
    ar.io(m_samplingCount);
    ar.io(m_samplingTime);
    ar.io(m_border);
    if (ar.IsLoading())
        RecalcRect(0);
}

bool CGraphTag::BuildDownloadRecord(const CPlcSlots &slots, util::ByteSpan out) const
{
    const std::size_t size = IsTrend() ? kTrendRecordSize : kBarRecordSize;
    if (out.size() < size)
        return false;
    std::fill_n(out.begin(), size, std::uint8_t(0));
    writePointBlock(slots, m_point, out, 0);
    util::setBe16(out, 62, std::uint16_t(m_x));
    util::setBe16(out, 64, std::uint16_t(m_y));
    if (IsTrend()) {
        util::setBe16(out, 66, std::uint16_t(m_height));
        util::setBe16(out, 68, std::uint16_t(m_width));
        out[70] = m_border ? 1 : 0;
        out[71] = std::uint8_t(m_samplingCount); // the panel takes one byte
        util::setBe16(out, 72, std::uint16_t(m_samplingTime));
    } else {
        util::setBe16(out, 66, m_direction);
        util::setBe16(out, 68, std::uint16_t(m_height));
        util::setBe16(out, 70, std::uint16_t(m_width));
    }
    return true;
}

bool CGraphTag::LoadRecord(const CPlcSlots &slots, util::ConstByteSpan record)
{
    if (record.size() < (IsTrend() ? kTrendRecordSize : kBarRecordSize))
        return false;
    readPointBlock(slots, record, 0, m_point);
    m_x = std::int16_t(util::be16(record, 62));
    m_y = std::int16_t(util::be16(record, 64));
    if (IsTrend()) {
        m_height = util::be16(record, 66);
        m_width = util::be16(record, 68);
        m_border = record[70] == 1 ? 1 : 0;
        m_samplingCount = record[71];
        m_samplingTime = util::be16(record, 72);
    } else {
        m_direction = util::be16(record, 66);
        m_height = util::be16(record, 68);
        m_width = util::be16(record, 70);
    }
    RecalcRect(0);
    return true;
}

} // namespace core
