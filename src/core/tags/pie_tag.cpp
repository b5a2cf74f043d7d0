#include "core/tags/pie_tag.h"

#include "core/tags/tag_kinds.h"

#include <algorithm>

namespace core {

namespace {

constexpr std::int32_t kMinRadius = 8;
constexpr std::int32_t kMaxRadius = 64;

// The pie's box spans 2r - 1 pixels; a radius of 0 (a stored value, never a drawn one) an empty
// box rather than an inverted one.
std::int64_t diameter(std::uint16_t radius)
{
    return std::max<std::int64_t>(2 * std::int64_t(radius) - 1, 0);
}

} // namespace

CPieTag::CPieTag()
    : CPointTag(false)
{
    m_kind = kTagPie;
    RecalcRect(0);
}

void CPieTag::CopyFieldsFrom(const CPieTag &o)
{
    CPointTag::CopyFieldsFrom(o);
    m_start = o.m_start;
    m_sweep = o.m_sweep;
    m_radius = o.m_radius;
    m_mode = o.m_mode;
    m_inverse = o.m_inverse;
}

std::unique_ptr<CTag> CPieTag::CloneFields() const
{
    auto copy = std::make_unique<CPieTag>();
    copy->CopyFieldsFrom(*this);
    return copy;
}

CPieTag::Layout CPieTag::CurrentLayout() const
{
    // The sweep is widened to whole quarters; 16-bit arithmetic as the panel's tables use.
    std::uint16_t s = m_start;
    if (s % 90 != 0)
        s = std::uint16_t(s - 45);
    std::uint16_t e = std::uint16_t(m_start + m_sweep);
    if (e % 90 != 0)
        e = std::uint16_t(e + 45);
    const std::uint16_t span = std::uint16_t(e - s);
    if (span == 90)
        return Layout::Quarter;
    if (span == 180 && (s == 0 || s == 180))
        return Layout::HalfWide;
    if (span == 180 && (s == 90 || s == 270))
        return Layout::HalfTall;
    return Layout::Full;
}

CRect CPieTag::FullBox() const
{
    const std::int64_t d = diameter(m_radius);
    return boundedRect(m_x, m_y, m_x + d, m_y + d);
}

void CPieTag::RecalcRect(int)
{
    const std::int64_t r = m_radius;
    const std::int64_t d = diameter(m_radius);
    switch (CurrentLayout()) {
    case Layout::Quarter:
        m_rect = boundedRect(m_x, m_y, m_x + r, m_y + r);
        break;
    case Layout::HalfWide:
        m_rect = boundedRect(m_x, m_y, m_x + d, m_y + r);
        break;
    case Layout::HalfTall:
        m_rect = boundedRect(m_x, m_y, m_x + r, m_y + d);
        break;
    case Layout::Full:
        m_rect = FullBox();
        break;
    }
}

std::int32_t CPieTag::RadiusForRect(const CRect &rect) const
{
    const std::int32_t w = rect.Width();
    const std::int32_t h = rect.Height();
    switch (CurrentLayout()) {
    case Layout::Quarter:
        return std::min(w, h);
    case Layout::HalfWide:
        return std::min((w + 1) / 2, h);
    case Layout::HalfTall:
        return std::min(w, (h + 1) / 2);
    case Layout::Full:
    default:
        return (std::min(w, h) + 1) / 2;
    }
}

bool CPieTag::IsRectOnPanel(const CRect &rect) const
{
    if (&rect == &m_rect)
        return true;
    const std::int32_t r = RadiusForRect(rect);
    return rect.left >= 0 && rect.left < kPanelWidth && rect.top >= 0 && rect.top < kPanelHeight
            && r >= kMinRadius && r <= kMaxRadius;
}

bool CPieTag::MoveHandleTo(int handle, std::int32_t x, std::int32_t y)
{
    const CRect r = TrackerRect(handle, x, y);
    if (!IsRectOnPanel(r))
        return false;
    m_radius = std::uint16_t(RadiusForRect(r));
    m_x = r.left;
    m_y = r.top;
    RecalcRect(0);
    return true;
}

void CPieTag::SetSweep(std::uint16_t degrees)
{
    m_sweep = degrees;
    RecalcRect(0);
}

void CPieTag::SetStartAngle(std::uint16_t degrees)
{
    m_start = degrees;
    RecalcRect(0);
}

bool CPieTag::SetRadius(std::int32_t radius)
{
    if (radius < kMinRadius || radius > kMaxRadius)
        return false;
    m_radius = std::uint16_t(radius);
    RecalcRect(0);
    return true;
}

void CPieTag::Serialize(util::CArchive &ar)
{
    CPointTag::Serialize(ar);
    ar.io(m_radius);
    ar.io(m_start);
    ar.io(m_sweep);
    ar.io(m_mode);
    ar.io(m_inverse);
    if (ar.IsLoading())
        RecalcRect(0);
}

bool CPieTag::BuildDownloadRecord(const CPlcSlots &slots, util::ByteSpan out) const
{
    if (!WriteRecordHead(slots, out, kRecordSize, m_point))
        return false;
    util::setBe16(out, 66, m_inverse ? 1 : 0);
    util::setBe16(out, 68, m_radius);
    util::setBe16(out, 70, std::uint16_t(m_start / 45));
    util::setBe16(out, 72, std::uint16_t(m_sweep / 45));
    util::setBe16(out, 74, m_mode);
    return true;
}

bool CPieTag::LoadRecord(const CPlcSlots &slots, util::ConstByteSpan record)
{
    if (!ReadRecordHead(slots, record, kRecordSize))
        return false;
    m_inverse = util::be16(record, 66) == 1 ? 1 : 0;
    m_radius = util::be16(record, 68);
    m_start = std::uint16_t(util::be16(record, 70) * 45);
    m_sweep = std::uint16_t(util::be16(record, 72) * 45);
    m_mode = util::be16(record, 74);
    RecalcRect(0);
    return true;
}

} // namespace core
