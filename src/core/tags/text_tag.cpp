#include "core/tags/text_tag.h"

#include "core/tags/panel_text.h"
#include "core/tags/tag_kinds.h"

#include <algorithm>

namespace core {

CTextTag::CTextTag()
{
    m_kind = kTagText;
    m_handleCount = 0;
    RecalcRect(0);
}

void CTextTag::CopyFieldsFrom(const CTextTag &o)
{
    m_x = o.m_x;
    m_y = o.m_y;
    m_inverse = o.m_inverse;
    m_text = o.m_text;
    m_border = o.m_border;
    m_font = o.m_font;
    m_rect = o.m_rect;
}

std::unique_ptr<CTag> CTextTag::CloneFields() const
{
    auto copy = std::make_unique<CTextTag>();
    copy->CopyFieldsFrom(*this);
    return copy;
}

std::string CTextTag::Text() const
{
    return util::fixedText(m_text, 0, kTextField);
}

void CTextTag::RecalcRect(int)
{
    const PanelTextSize size = panelTextExtent(Text(), m_font);
    const std::int32_t extra = m_border ? 2 : 0;
    m_rect = boundedRect(m_x, m_y, std::int64_t(m_x) + size.width + extra,
                         std::int64_t(m_y) + size.height + extra);
}

CRect CTextTag::TextRect() const
{
    return m_border ? CRect{m_rect.left + 1, m_rect.top + 1, m_rect.right - 1, m_rect.bottom - 1}
                    : m_rect;
}

void CTextTag::SetFont(std::uint16_t font)
{
    m_font = font;
    RecalcRect(0);
}

void CTextTag::SetText(std::string_view text)
{
    util::setFixedText(m_text, 0, kTextField, text);
    RecalcRect(0);
}

void CTextTag::SetBorder(bool on)
{
    m_border = on ? 1 : 0;
    RecalcRect(0);
}

void CTextTag::Serialize(util::CArchive &ar)
{
    CTag::Serialize(ar);
    ar.io(m_font);
    ar.io(m_inverse);
    ar.io(util::ByteSpan(m_text));
    ar.io(m_border);
    if (ar.IsLoading()) {
        m_text.back() = 0; // a body from elsewhere may fill all 25 bytes
        RecalcRect(0);
    }
}

bool CTextTag::BuildDownloadRecord(const CPlcSlots &, util::ByteSpan out) const
{
    if (out.size() < kRecordSize)
        return false;
    std::fill_n(out.begin(), kRecordSize, std::uint8_t(0));
    util::setBe16(out, 0, std::uint16_t(m_x));
    util::setBe16(out, 2, std::uint16_t(m_y));
    std::copy_n(m_text.begin(), 24, out.begin() + 4);
    util::setBe16(out, 28, m_font);
    out[30] = m_border ? 1 : 0;
    out[31] = std::uint8_t(m_inverse);
    return true;
}

bool CTextTag::LoadRecord(const CPlcSlots &, util::ConstByteSpan record)
{
    if (record.size() < kRecordSize)
        return false;
    m_x = std::int16_t(util::be16(record, 0));
    m_y = std::int16_t(util::be16(record, 2));
    m_text.fill(0);
    std::copy_n(record.begin() + 4, 24, m_text.begin());
    m_font = util::be16(record, 28);
    m_border = record[30] == 1 ? 1 : 0;
    m_inverse = record[31];
    RecalcRect(0);
    return true;
}

} // namespace core
