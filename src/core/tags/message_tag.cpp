#include "core/tags/message_tag.h"

#include "core/model/str_res_mgr.h"
#include "core/plc/plc_drv.h"
#include "core/tags/panel_text.h"
#include "core/tags/point_record.h"
#include "core/tags/tag_kinds.h"

#include <algorithm>

namespace core {

namespace {

constexpr std::size_t kShownBytes = 24;

} // namespace

CMessageTag::CMessageTag()
{
    m_kind = kTagMessage;
    m_handleCount = 0;
    RecalcRect(0);
}

void CMessageTag::CopyFieldsFrom(const CMessageTag &o)
{
    m_x = o.m_x;
    m_y = o.m_y;
    m_font = o.m_font;
    m_inverse = o.m_inverse;
    m_point = o.m_point;
    m_entries = o.m_entries;
    m_border = o.m_border;
    m_shown = o.m_shown;
    m_rect = o.m_rect;
}

std::unique_ptr<CTag> CMessageTag::CloneFields() const
{
    auto copy = std::make_unique<CMessageTag>();
    copy->CopyFieldsFrom(*this);
    return copy;
}

std::string CMessageTag::ShownText(const CStrResMgr *strings) const
{
    if (m_entries.empty() || !strings || !strings->Exists(m_entries.front().message))
        return "Message";
    return strings->Text(m_entries.front().message).substr(0, kShownBytes);
}

void CMessageTag::Recalc(const CStrResMgr *strings)
{
    m_shown = ShownText(strings);
    const PanelTextSize size = panelTextExtent(m_shown, m_font);
    const std::int32_t extra = m_border ? 2 : 0;
    m_rect = boundedRect(m_x, m_y, std::int64_t(m_x) + size.width + extra,
                         std::int64_t(m_y) + size.height + extra);
}

void CMessageTag::RecalcRect(int)
{
    Recalc(Resources().strings);
}

void CMessageTag::RefreshMessages(const CStrResMgr &strings)
{
    Recalc(&strings);
}

CRect CMessageTag::TextRect() const
{
    return m_border ? CRect{m_rect.left + 1, m_rect.top + 1, m_rect.right - 1, m_rect.bottom - 1}
                    : m_rect;
}

int CMessageTag::AddEntry(std::uint16_t value, std::uint16_t message, const MessageEntry **existing)
{
    if (m_entries.size() >= kMaxEntries)
        return kEntryTableFull;
    const auto at
            = std::lower_bound(m_entries.begin(), m_entries.end(), value,
                               [](const MessageEntry &e, std::uint16_t v) { return e.value < v; });
    if (at != m_entries.end() && at->value == value) {
        if (existing)
            *existing = &*at;
        return kEntryExists;
    }
    m_entries.insert(at, MessageEntry{value, message});
    return kEntryAdded;
}

const MessageEntry *CMessageTag::FindEntry(std::uint16_t value) const
{
    const auto at
            = std::lower_bound(m_entries.begin(), m_entries.end(), value,
                               [](const MessageEntry &e, std::uint16_t v) { return e.value < v; });
    return at != m_entries.end() && at->value == value ? &*at : nullptr;
}

bool CMessageTag::RemoveEntry(std::uint16_t value)
{
    return std::erase_if(m_entries, [value](const MessageEntry &e) { return e.value == value; })
            > 0;
}

void CMessageTag::ClearEntries()
{
    m_entries.clear();
}

void CMessageTag::SetFont(std::uint16_t font)
{
    m_font = font;
    RecalcRect(0);
}

void CMessageTag::SetBorder(bool on)
{
    m_border = on ? 1 : 0;
    RecalcRect(0);
}

void CMessageTag::RevalidateAddress(const CPlcSlots &slots, bool ch1Changed, bool ch2Changed)
{
    revalidatePoint(slots, m_point, false, ch1Changed, ch2Changed, kAddrWord);
}

void CMessageTag::ChangeStation(std::uint16_t channel, std::uint16_t station)
{
    changePointStation(m_point, channel, station);
}

void CMessageTag::SwapChannels(bool oneToTwo, bool twoToOne)
{
    swapPointChannel(m_point, oneToTwo, twoToOne);
}

void CMessageTag::Serialize(util::CArchive &ar)
{
    CTag::Serialize(ar);
    m_point.Serialize(ar);
    ar.io(m_font);
    ar.io(m_inverse);
    ar.io(m_border);
    if (ar.IsStoring()) {
        ar.writeU16(std::uint16_t(m_entries.size()));
        for (const MessageEntry &e : m_entries) {
            ar.writeU16(e.message);
            ar.writeU16(e.value);
        }
        return;
    }
    m_entries.clear();
    const std::uint16_t count = ar.readU16();
    for (std::uint16_t i = 0; i < count && ar.ok(); ++i) {
        const std::uint16_t message = ar.readU16();
        const std::uint16_t value = ar.readU16();
        if (ar.ok())
            AddEntry(value, message); // duplicates keep the first, a full table stays at 50
    }
    RecalcRect(0);
}

bool CMessageTag::BuildDownloadRecord(const CPlcSlots &slots, util::ByteSpan out) const
{
    if (out.size() < kRecordSize)
        return false;
    std::fill_n(out.begin(), kRecordSize, std::uint8_t(0));
    writePointBlock(slots, m_point, out, 0, kAddrWord); // messages address words
    util::setBe16(out, 62, std::uint16_t(m_x));
    util::setBe16(out, 64, std::uint16_t(m_y));
    util::setBe16(out, 66, m_font);
    out[68] = m_border ? 1 : 0;
    out[69] = std::uint8_t(m_inverse);
    util::setBe16(out, 70, std::uint16_t(m_entries.size()));
    std::size_t at = 72;
    for (const MessageEntry &e : m_entries) {
        util::setBe16(out, at, e.value);
        util::setBe16(out, at + 2, e.message);
        at += 4;
    }
    return true;
}

bool CMessageTag::LoadRecord(const CPlcSlots &slots, util::ConstByteSpan record)
{
    if (record.size() < kRecordSize)
        return false;
    readPointBlock(slots, record, 0, m_point, kAddrWord);
    m_x = std::int16_t(util::be16(record, 62));
    m_y = std::int16_t(util::be16(record, 64));
    m_font = util::be16(record, 66);
    m_border = record[68] == 1 ? 1 : 0;
    m_inverse = record[69];
    // The record has room for 50 entries; a larger count cannot be read.
    const std::size_t count = std::min<std::size_t>(util::be16(record, 70), kMaxEntries);
    m_entries.clear();
    for (std::size_t i = 0; i < count; ++i)
        AddEntry(util::be16(record, 72 + 4 * i), util::be16(record, 74 + 4 * i));
    RecalcRect(0);
    return true;
}

} // namespace core
