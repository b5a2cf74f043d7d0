#include "core/tags/line_tag.h"

#include "core/tags/tag_kinds.h"

#include <algorithm>
#include <cmath>

namespace core {

CLineTag::CLineTag()
{
    m_kind = kTagLine;
    m_handleCount = 2;
    RecalcRect(0);
}

void CLineTag::CopyFieldsFrom(const CLineTag &o)
{
    m_x = o.m_x;
    m_y = o.m_y;
    m_lineType = o.m_lineType;
    m_thickness = o.m_thickness;
    m_endX = o.m_endX;
    m_endY = o.m_endY;
    m_rect = o.m_rect;
}

std::unique_ptr<CTag> CLineTag::CloneFields() const
{
    auto copy = std::make_unique<CLineTag>();
    copy->CopyFieldsFrom(*this);
    return copy;
}

void CLineTag::MoveTo(std::int32_t x, std::int32_t y)
{
    m_endX += x - m_x;
    m_endY += y - m_y;
    CTag::MoveTo(x, y);
}

void CLineTag::RecalcRect(int)
{
    m_rect = CRect{m_x, m_y, m_endX, m_endY}.Normalized();
}

void CLineTag::SetStart(std::int32_t x, std::int32_t y)
{
    m_x = x;
    m_y = y;
    RecalcRect(0);
}

void CLineTag::SetEnd(std::int32_t x, std::int32_t y)
{
    m_endX = x;
    m_endY = y;
    RecalcRect(0);
}

CPoint CLineTag::GetHandlePoint(int handle) const
{
    return handle == 2 ? CPoint{m_endX, m_endY} : CPoint{m_x, m_y};
}

TagCursor CLineTag::GetHandleCursor(int) const
{
    return TagCursor::SizeNWSE;
}

bool CLineTag::MoveHandleTo(int handle, std::int32_t x, std::int32_t y)
{
    const CPoint other = handle == 2 ? Start() : End();
    const CRect r = CRect{x, y, other.x, other.y}.Normalized();
    if (!IsPointOnPanel(r.left, r.top))
        return false;
    if (handle == 2)
        SetEnd(x, y);
    else
        SetStart(x, y);
    return true;
}

bool CLineTag::SetBounds(const CRect &rect)
{
    const CRect r = rect.Normalized();
    if (!IsPointOnPanel(r.left, r.top))
        return false;
    const CRect old = m_rect;
    const auto fitX = [&](std::int32_t x) { return x == old.left ? r.left : r.right; };
    const auto fitY = [&](std::int32_t y) { return y == old.top ? r.top : r.bottom; };
    const CPoint start{fitX(m_x), fitY(m_y)};
    const CPoint end{fitX(m_endX), fitY(m_endY)};
    m_x = start.x;
    m_y = start.y;
    m_endX = end.x;
    m_endY = end.y;
    RecalcRect(0);
    return true;
}

bool CLineTag::HitTest(CPoint p) const
{
    const std::int32_t t = m_thickness;
    if (p.x < std::min(m_x, m_endX) - t || p.x > std::max(m_x, m_endX) + t
        || p.y < std::min(m_y, m_endY) - t || p.y > std::max(m_y, m_endY) + t)
        return false;
    const double dx = double(m_endX) - m_x;
    const double dy = double(m_endY) - m_y;
    const double toStart = std::hypot(double(p.x) - m_x, double(p.y) - m_y);
    double distance = toStart;
    const double length = std::hypot(dx, dy);
    if (length > 0) {
        const double toEnd = std::hypot(double(p.x) - m_endX, double(p.y) - m_endY);
        const double perpendicular
                = std::abs(dx * (double(p.y) - m_y) - dy * (double(p.x) - m_x)) / length;
        distance = std::min({perpendicular, toStart, toEnd});
    }
    return std::lround(distance) <= t;
}

bool CLineTag::IntersectsRect(const CRect &rect) const
{
    const CRect band = rect.Normalized();
    return band.Contains(Start()) || band.Contains(End());
}

void CLineTag::Serialize(util::CArchive &ar)
{
    CTag::Serialize(ar);
    ar.io(m_x);
    ar.io(m_y);
    ar.io(m_endX);
    ar.io(m_endY);
    ar.io(m_lineType);
    ar.io(m_thickness);
    if (ar.IsLoading())
        RecalcRect(0);
}

bool CLineTag::BuildDownloadRecord(const CPlcSlots &, util::ByteSpan out) const
{
    if (out.size() < kRecordSize)
        return false;
    util::setBe16(out, 0, std::uint16_t(m_x));
    util::setBe16(out, 2, std::uint16_t(m_y));
    util::setBe16(out, 4, std::uint16_t(m_endX));
    util::setBe16(out, 6, std::uint16_t(m_endY));
    util::setBe16(out, 8, m_lineType);
    util::setBe16(out, 10, m_thickness);
    return true;
}

bool CLineTag::LoadRecord(const CPlcSlots &, util::ConstByteSpan record)
{
    if (record.size() < kRecordSize)
        return false;
    m_x = std::int16_t(util::be16(record, 0));
    m_y = std::int16_t(util::be16(record, 2));
    m_endX = std::int16_t(util::be16(record, 4));
    m_endY = std::int16_t(util::be16(record, 6));
    m_lineType = util::be16(record, 8);
    m_thickness = util::be16(record, 10);
    RecalcRect(0);
    return true;
}

} // namespace core
