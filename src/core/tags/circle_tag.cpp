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
    CShapeTag::CopyFieldsFrom(o);
    m_radius = o.m_radius;
}

std::unique_ptr<CTag> CCircleTag::CloneFields() const
{
    auto copy = std::make_unique<CCircleTag>();
    copy->CopyFieldsFrom(*this);
    return copy;
}

void CCircleTag::RecalcRect(int)
{
    m_rect = boundedRect(m_x, m_y, std::int64_t(m_x) + 2 * m_radius,
                         std::int64_t(m_y) + 2 * m_radius);
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

bool CCircleTag::OutlineMeets(const CRect &band) const
{
    // The outline is the ring between the radius grown and shrunk by half the pen width: the
    // band meets it when its nearest point lies inside the outer circle and its farthest point
    // outside the inner one.
    const double cx = m_x + double(m_radius);
    const double cy = m_y + double(m_radius);
    const double h = halfThickness(Thickness());
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
    CShapeTag::Serialize(ar);
    ar.io(m_radius);
    if (ar.IsLoading())
        RecalcRect(0);
}

bool CCircleTag::BuildDownloadRecord(const CPlcSlots &, util::ByteSpan out) const
{
    if (!WriteShapeRecord(out, kRecordSize, 6))
        return false;
    util::setBe16(out, 4, m_radius);
    return true;
}

bool CCircleTag::LoadRecord(const CPlcSlots &, util::ConstByteSpan record)
{
    if (!ReadShapeRecord(record, kRecordSize, 6))
        return false;
    m_radius = util::be16(record, 4);
    RecalcRect(0);
    return true;
}

} // namespace core
