#include "core/tags/clock_tag.h"

#include "core/tags/panel_text.h"
#include "core/tags/tag_kinds.h"

#include <algorithm>

namespace core {

CClockTag::CClockTag()
{
    m_kind = kTagClock;
    m_handleCount = 0;
    RecalcRect(0);
}

void CClockTag::CopyFieldsFrom(const CClockTag &o)
{
    m_x = o.m_x;
    m_y = o.m_y;
    m_font = o.m_font;
    m_inverse = o.m_inverse;
    m_border = o.m_border;
    m_format = o.m_format;
    m_sample = o.m_sample;
    m_rect = o.m_rect;
}

std::unique_ptr<CTag> CClockTag::CloneFields() const
{
    auto copy = std::make_unique<CClockTag>();
    copy->CopyFieldsFrom(*this);
    return copy;
}

std::string CClockTag::SampleText() const
{
    const TagResources &r = Resources();
    return formatClockTime(m_sample, m_format, r.resourceLangId, r.panelLangId);
}

void CClockTag::RecalcRect(int)
{
    const PanelTextSize size = panelTextExtent(SampleText(), m_font);
    const std::int32_t extra = m_border ? 2 : 0;
    m_rect = boundedRect(m_x, m_y, std::int64_t(m_x) + size.width + extra,
                         std::int64_t(m_y) + size.height + extra);
}

CRect CClockTag::TextRect() const
{
    return m_border ? CRect{m_rect.left + 1, m_rect.top + 1, m_rect.right - 1, m_rect.bottom - 1}
                    : m_rect;
}

void CClockTag::SetFont(std::uint16_t font)
{
    m_font = font;
    RecalcRect(0);
}

void CClockTag::SetBorder(bool on)
{
    m_border = on ? 1 : 0;
    RecalcRect(0);
}

void CClockTag::SetFormat(std::uint16_t format)
{
    m_format = format;
    RecalcRect(0);
}

void CClockTag::SetSampleTime(const ClockTime &time)
{
    m_sample = time;
    RecalcRect(0);
}

void CClockTag::Serialize(util::CArchive &ar)
{
    CTag::Serialize(ar);
    ar.io(m_font);
    ar.io(m_inverse);
    ar.io(m_border);
    ar.io(m_format);
    if (ar.IsLoading())
        RecalcRect(0);
}

bool CClockTag::BuildDownloadRecord(const CPlcSlots &, util::ByteSpan out) const
{
    if (out.size() < kRecordSize)
        return false;
    util::setBe16(out, 0, std::uint16_t(m_x));
    util::setBe16(out, 2, std::uint16_t(m_y));
    util::setBe16(out, 4, m_font);
    out[6] = m_border ? 1 : 0;
    out[7] = std::uint8_t(m_inverse);
    util::setBe16(out, 8, m_format);
    return true;
}

bool CClockTag::LoadRecord(const CPlcSlots &, util::ConstByteSpan record)
{
    if (record.size() < kRecordSize)
        return false;
    m_x = std::int16_t(util::be16(record, 0));
    m_y = std::int16_t(util::be16(record, 2));
    m_font = util::be16(record, 4);
    m_border = record[6] == 1 ? 1 : 0;
    m_inverse = record[7];
    m_format = util::be16(record, 8);
    RecalcRect(0);
    return true;
}

} // namespace core
