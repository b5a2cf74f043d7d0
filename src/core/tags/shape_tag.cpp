#include "core/tags/shape_tag.h"

namespace core {

void CShapeTag::CopyFieldsFrom(const CShapeTag &o)
{
    o.CopyBaseTo(*this);
    m_lineType = o.m_lineType;
    m_thickness = o.m_thickness;
    m_fill = o.m_fill;
}

void CShapeTag::Serialize(util::CArchive &ar)
{
    CTag::Serialize(ar);
    ar.io(m_x);
    ar.io(m_y);
    ar.io(m_fill);
    ar.io(m_lineType);
    ar.io(m_thickness);
}

bool CShapeTag::IntersectsRect(const CRect &rect) const
{
    if (m_fill)
        return CTag::IntersectsRect(rect);
    return OutlineMeets(rect.Normalized());
}

bool CShapeTag::WriteShapeRecord(util::ByteSpan out, std::size_t size, std::size_t styleAt) const
{
    if (out.size() < size)
        return false;
    util::setBe16(out, 0, std::uint16_t(m_x));
    util::setBe16(out, 2, std::uint16_t(m_y));
    util::setBe16(out, styleAt, m_lineType);
    util::setBe16(out, styleAt + 2, m_thickness);
    util::setBe16(out, styleAt + 4, m_fill);
    return true;
}

bool CShapeTag::ReadShapeRecord(util::ConstByteSpan record, std::size_t size, std::size_t styleAt)
{
    if (record.size() < size)
        return false;
    m_x = std::int16_t(util::be16(record, 0));
    m_y = std::int16_t(util::be16(record, 2));
    m_lineType = util::be16(record, styleAt);
    m_thickness = util::be16(record, styleAt + 2);
    m_fill = util::be16(record, styleAt + 4);
    return true;
}

} // namespace core
