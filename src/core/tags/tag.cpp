#include "core/tags/tag.h"

namespace core {

bool CTag::IsPointOnPanel(std::int32_t x, std::int32_t y) const
{
    return x >= 0 && x < kPanelWidth && y >= 0 && y < kPanelHeight;
}

void CTag::MoveTo(std::int32_t x, std::int32_t y)
{
    m_x = x;
    m_y = y;
    RecalcRect(0);
}

CPoint CTag::GetHandlePoint(int handle) const
{
    const CRect &r = m_rect;
    const std::int32_t midX = (r.left + r.right) / 2;
    const std::int32_t midY = (r.top + r.bottom) / 2;
    switch (handle) {
    case 2:
        return {midX, r.top};
    case 3:
        return {r.right, r.top};
    case 4:
        return {r.right, midY};
    case 5:
        return {r.right, r.bottom};
    case 6:
        return {midX, r.bottom};
    case 7:
        return {r.left, r.bottom};
    case 8:
        return {r.left, midY};
    default:
        return {r.left, r.top};
    }
}

TagCursor CTag::GetHandleCursor(int handle) const
{
    switch (handle) {
    case 1:
    case 5:
        return TagCursor::SizeNWSE;
    case 2:
    case 6:
        return TagCursor::SizeNS;
    case 3:
    case 7:
        return TagCursor::SizeNESW;
    case 4:
    case 8:
        return TagCursor::SizeWE;
    default:
        return TagCursor::SizeAll;
    }
}

CRect CTag::TrackerRect(int handle, std::int32_t x, std::int32_t y) const
{
    CRect r = m_rect;
    switch (handle) {
    case 2:
        r.top = y;
        break;
    case 3:
        r.right = x;
        r.top = y;
        break;
    case 4:
        r.right = x;
        break;
    case 5:
        r.right = x;
        r.bottom = y;
        break;
    case 6:
        r.bottom = y;
        break;
    case 7:
        r.left = x;
        r.bottom = y;
        break;
    case 8:
        r.left = x;
        break;
    default:
        r.left = x;
        r.top = y;
        break;
    }
    return r.Normalized();
}

bool CTag::MoveHandleTo(int handle, std::int32_t x, std::int32_t y)
{
    return SetBounds(TrackerRect(handle, x, y));
}

bool CTag::SetBounds(const CRect &rect)
{
    if (!IsRectOnPanel(rect))
        return false;
    const CRect copy = rect; // `rect` may be our own rectangle
    m_rect = copy;
    m_x = copy.left;
    m_y = copy.top;
    return true;
}

void CTag::Serialize(util::CArchive &ar)
{
    ar.io(m_x);
    ar.io(m_y);
}

void CTag::RevalidateAddress(const CPlcSlots &, bool, bool) { }

void CTag::ChangeStation(std::uint16_t, std::uint16_t) { }

void CTag::SwapChannels(bool, bool) { }

int CTag::HitTestHandle(CPoint p, bool selected) const
{
    if (selected && GetHandleCount() > 0) {
        for (int h = 1; h <= GetHandleCount(); ++h) {
            const CPoint c = GetHandlePoint(h);
            const std::int64_t dx = p.x - c.x;
            const std::int64_t dy = p.y - c.y;
            if (dx * dx + dy * dy <= std::int64_t(kHandleHitRadius) * kHandleHitRadius)
                return h;
        }
    }
    return HitTest(p) ? 0 : -1;
}

bool CTag::HitTest(CPoint p) const
{
    return m_rect.Normalized().Contains(p);
}

bool CTag::IntersectsRect(const CRect &rect) const
{
    return !m_rect.Normalized().Intersected(rect.Normalized()).IsEmpty();
}

bool CTag::IsRectOnPanel(const CRect &rect) const
{
    if (&rect == &m_rect)
        return true;
    return rect.left >= 0 && rect.top >= 0 && rect.left < kPanelWidth && rect.top < kPanelHeight
            && rect.Width() >= 2 && rect.Height() >= 2;
}

bool CTag::ImageChanged(std::uint16_t)
{
    return false;
}

bool CTag::BuildDownloadRecord(const CPlcSlots &, util::ByteSpan) const
{
    return false;
}

bool CTag::LoadRecord(const CPlcSlots &, util::ConstByteSpan)
{
    return false;
}

std::unique_ptr<CTag> CTag::Clone() const
{
    std::unique_ptr<CTag> copy = CloneFields();
    if (copy)
        copy->m_resources = m_resources;
    return copy;
}

void CTag::BindResources(const TagResources &resources)
{
    m_resources = &resources;
    ResourcesBound();
}

void CTag::CopyBaseTo(CTag &other) const
{
    other.m_rect = m_rect;
    other.m_x = m_x;
    other.m_y = m_y;
}

} // namespace core
