#include "core/tags/rect_tag.h"

#include "core/tags/tag_kinds.h"

#include <algorithm>

namespace core {

CRectTag::CRectTag()
{
    m_kind = kTagRect;
    RecalcRect(0);
}

void CRectTag::CopyFieldsFrom(const CRectTag &o)
{
    CShapeTag::CopyFieldsFrom(o);
    m_height = o.m_height;
    m_width = o.m_width;
}

std::unique_ptr<CTag> CRectTag::CloneFields() const
{
    auto copy = std::make_unique<CRectTag>();
    copy->CopyFieldsFrom(*this);
    return copy;
}

void CRectTag::RecalcRect(int)
{
    m_rect = boundedRect(m_x, m_y, std::int64_t(m_x) + m_width, std::int64_t(m_y) + m_height);
}

bool CRectTag::SetWidth(std::int32_t width)
{
    if (width < 1 || width > kPanelWidth)
        return false;
    m_width = std::uint16_t(width);
    RecalcRect(0);
    return true;
}

bool CRectTag::SetHeight(std::int32_t height)
{
    if (height < 1 || height > kPanelHeight)
        return false;
    m_height = std::uint16_t(height);
    RecalcRect(0);
    return true;
}

bool CRectTag::SetBounds(const CRect &rect)
{
    const CRect r = rect;
    if (r.Width() < 1 || r.Width() > kPanelWidth || r.Height() < 1 || r.Height() > kPanelHeight)
        return false;
    if (!CTag::SetBounds(r))
        return false;
    m_width = std::uint16_t(r.Width());
    m_height = std::uint16_t(r.Height());
    return true;
}

bool CRectTag::OutlineMeets(const CRect &band) const
{
    // The outline is the ring between the rectangle grown and shrunk by half the pen width.
    const std::int32_t h = halfThickness(Thickness());
    const CRect r = m_rect.Normalized();
    const CRect outer{r.left - h, r.top - h, r.right + h, r.bottom + h};
    const CRect inner{r.left + h, r.top + h, r.right - h, r.bottom - h};
    if (outer.Intersected(band).IsEmpty())
        return false;
    const bool insideInner = !inner.IsEmpty() && band.left >= inner.left && band.top >= inner.top
            && band.right <= inner.right && band.bottom <= inner.bottom;
    return !insideInner;
}

void CRectTag::Serialize(util::CArchive &ar)
{
    CShapeTag::Serialize(ar);
    ar.io(m_height);
    ar.io(m_width);
    if (ar.IsLoading())
        RecalcRect(0);
}

bool CRectTag::BuildDownloadRecord(const CPlcSlots &, util::ByteSpan out) const
{
    if (!WriteShapeRecord(out, kRecordSize, 8))
        return false;
    util::setBe16(out, 4, m_width);
    util::setBe16(out, 6, m_height);
    return true;
}

bool CRectTag::LoadRecord(const CPlcSlots &, util::ConstByteSpan record)
{
    if (!ReadShapeRecord(record, kRecordSize, 8))
        return false;
    m_width = util::be16(record, 4);
    m_height = util::be16(record, 6);
    RecalcRect(0);
    return true;
}

} // namespace core
