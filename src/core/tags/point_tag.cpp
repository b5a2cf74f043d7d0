#include "core/tags/point_tag.h"

#include "core/tags/point_record.h"

#include <algorithm>

namespace core {

CPointTag::CPointTag(bool writable)
    : m_writable(writable)
{ }

void CPointTag::CopyFieldsFrom(const CPointTag &o)
{
    o.CopyBaseTo(*this);
    m_point = o.m_point;
}

void CPointTag::Serialize(util::CArchive &ar)
{
    CTag::Serialize(ar);
    m_point.Serialize(ar);
}

void CPointTag::RevalidateAddress(const CPlcSlots &slots, bool ch1Changed, bool ch2Changed)
{
    revalidatePoint(slots, m_point, m_writable, ch1Changed, ch2Changed);
}

void CPointTag::ChangeStation(std::uint16_t channel, std::uint16_t station)
{
    changePointStation(m_point, channel, station);
}

void CPointTag::SwapChannels(bool oneToTwo, bool twoToOne)
{
    swapPointChannel(m_point, oneToTwo, twoToOne);
}

bool CPointTag::WriteRecordHead(const CPlcSlots &slots, util::ByteSpan out, std::size_t size,
                                const CPointInfo &point) const
{
    if (out.size() < size)
        return false;
    std::fill_n(out.begin(), size, std::uint8_t(0));
    writePointBlock(slots, point, out, 0);
    util::setBe16(out, kRecordX, std::uint16_t(m_x));
    util::setBe16(out, kRecordY, std::uint16_t(m_y));
    return true;
}

bool CPointTag::ReadRecordHead(const CPlcSlots &slots, util::ConstByteSpan record, std::size_t size)
{
    if (record.size() < size)
        return false;
    readPointBlock(slots, record, 0, m_point);
    m_x = std::int16_t(util::be16(record, kRecordX));
    m_y = std::int16_t(util::be16(record, kRecordY));
    return true;
}

} // namespace core
