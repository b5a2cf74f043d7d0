#include "core/tags/circle_tag.h"

#include "core/tags/tag_kinds.h"

#include <algorithm>
#include <cmath>

namespace core {

CCircleTag::CCircleTag()
{
    m_kind = kTagCircle;
    RecalcRect(0);
}

void CCircleTag::CopyFieldsFrom(const CCircleTag &o)
{
    m_x = o.m_x;
    m_y = o.m_y;
    m_radius = o.m_radius;
    m_lineType = o.m_lineType;
    m_thickness = o.m_thickness;
    m_fill = o.m_fill;
    m_rect = o.m_rect;
}

std::unique_ptr<CTag> CCircleTag::Clone() const
{
    auto copy = std::make_unique<CCircleTag>();
    copy->CopyFieldsFrom(*this);
    return copy;
}

void CCircleTag::RecalcRect(int)
{
    m_rect = {m_x, m_y, m_x + 2 * m_radius, m_y + 2 * m_radius};
}

bool CCircleTag::SetRadius(std::int32_t radius)
{
    if (radius < 1 || radius > 0xFFFF)
        return false;
    m_radius = std::uint16_t(radius);
    RecalcRect(0);
    return true;
}

bool CCircleTag::SetBounds(const CRect &rect)
{
    const CRect r = rect.Normalized();
    const std::int32_t radius = std::min(r.Width(), r.Height()) / 2;
    if (radius < 1 || !IsRectOnPanel(r))
        return false;
    m_x = r.left;
    m_y = r.top;
    m_radius = std::uint16_t(radius);
    RecalcRect(0);
    return true;
}

bool CCircleTag::HitTest(CPoint p) const
{
    const CRect r = m_rect.Normalized();
    const double a = r.Width() / 2.0;
    const double b = r.Height() / 2.0;
    if (a <= 0 || b <= 0)
        return false;
    const double dx = (p.x - (r.left + a)) / a;
    const double dy = (p.y - (r.top + b)) / b;
    return dx * dx + dy * dy <= 1.0;
}

bool CCircleTag::IntersectsRect(const CRect &rect) const
{
    if (m_fill)
        return CTag::IntersectsRect(rect);
    // The outline is the ring between the radius grown and shrunk by half the pen width: the
    // band meets it when its nearest point lies inside the outer circle and its farthest point
    // outside the inner one.
    const CRect band = rect.Normalized();
    const double cx = m_x + double(m_radius);
    const double cy = m_y + double(m_radius);
    const double h = halfThickness(m_thickness);
    const double nearX = std::clamp(cx, double(band.left), double(band.right));
    const double nearY = std::clamp(cy, double(band.top), double(band.bottom));
    const double farX = std::max(std::abs(band.left - cx), std::abs(band.right - cx));
    const double farY = std::max(std::abs(band.top - cy), std::abs(band.bottom - cy));
    const double nearest = std::hypot(nearX - cx, nearY - cy);
    const double farthest = std::hypot(farX, farY);
    return nearest <= m_radius + h && farthest >= m_radius - h;
}

void CCircleTag::Serialize(util::CArchive &ar)
{
    CTag::Serialize(ar);
    ar.io(m_x);
    ar.io(m_y);
    ar.io(m_fill);
    ar.io(m_lineType);
    ar.io(m_thickness);
    ar.io(m_radius);
    if (ar.IsLoading())
        RecalcRect(0);
}

bool CCircleTag::BuildDownloadRecord(const CPlcSlots &, util::ByteSpan out) const
{
    if (out.size() < kRecordSize)
        return false;
    util::setBe16(out, 0, std::uint16_t(m_x));
    util::setBe16(out, 2, std::uint16_t(m_y));
    util::setBe16(out, 4, m_radius);
    util::setBe16(out, 6, m_lineType);
    util::setBe16(out, 8, m_thickness);
    util::setBe16(out, 10, m_fill);
    return true;
}

bool CCircleTag::LoadRecord(const CPlcSlots &, util::ConstByteSpan record)
{
    if (record.size() < kRecordSize)
        return false;
    m_x = std::int16_t(util::be16(record, 0));
    m_y = std::int16_t(util::be16(record, 2));
    m_radius = util::be16(record, 4);
    m_lineType = util::be16(record, 6);
    m_thickness = util::be16(record, 8);
    m_fill = util::be16(record, 10);
    RecalcRect(0);
    return true;
}

} // namespace core
