#include "core/presenters/used_sys_mem_dlg.h"

#include "core/functions/alarm_record.h"
#include "core/functions/calc_record.h"
#include "core/functions/device_addr.h"
#include "core/functions/device_block.h"
#include "core/functions/func_key_record.h"
#include "core/functions/reserve_record.h"
#include "core/functions/trans_record.h"
#include "core/model/dorvane_doc.h"
#include "core/model/screen_data.h"
#include "core/plc/panel_params.h"
#include "core/tags/tag.h"
#include "core/tags/tag_kinds.h"
#include "core/tags/tag_points.h"

#include "util/messages.h"

namespace core {

namespace {

// The leading decimal number of a text, as the panel firmware reads it: an optional sign, then
// digits; no digits give 0.
long long leadingNumber(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > 1'000'000)
            break; // far beyond the map already
    }
    return negative ? -value : value;
}

std::uint16_t sizeOfAddrKind(std::int32_t kind)
{
    return kind == kAddrBit ? CUsedSysMemDlg::kBit
                            : (kind == kAddrDWord ? CUsedSysMemDlg::kDWord : CUsedSysMemDlg::kWord);
}

// The panel address text of a record's block, or nothing when the block is on a channel.
bool panelText(const CPlcSlots &slots, util::ConstByteSpan record, std::size_t block,
               std::int32_t kind, std::string &text)
{
    if (util::le16(record, block + devblock::kChannel) != 0)
        return false;
    text = CDeviceAddr::FromBlock(slots, record, block, kind).number;
    return true;
}

// Which way a tag uses its points; kNone for the kinds without a device point.
CUsedSysMemDlg::Access tagAccess(const CTag &tag)
{
    switch (tag.Kind()) {
    case kTagDigit:
        return tag.AcceptsInput() ? CUsedSysMemDlg::kWrite : CUsedSysMemDlg::kRead;
    case kTagButton:
        return CUsedSysMemDlg::kWrite;
    case kTagMessage:
    case kTagLamp:
    case kTagPie:
    case kTagGraph1:
    case kTagGraph2:
    case kTagMotor:
    case kTagMobile:
        return CUsedSysMemDlg::kRead;
    default:
        return CUsedSysMemDlg::kNone;
    }
}

} // namespace

CUsedSysMemDlg::CUsedSysMemDlg(const CDorvaneDoc &doc)
{
    MarkScreens(doc);
    MarkParameters(doc);
    MarkLists(doc);
}

CUsedSysMemDlg::Access CUsedSysMemDlg::At(int word) const
{
    return word >= 0 && word < kWords ? m_cells[std::size_t(word)] : kNone;
}

std::string CUsedSysMemDlg::CellText(int word) const
{
    switch (At(word)) {
    case kRead:
        return "R";
    case kWrite:
        return "W";
    case kReadWrite:
        return "R/W";
    default:
        return {};
    }
}

std::string CUsedSysMemDlg::RowHeader(int row)
{
    return util::formatText("S%03d", row * kColumns);
}

std::string CUsedSysMemDlg::ColumnHeader(int column)
{
    return util::formatText("+%02d", column);
}

void CUsedSysMemDlg::Mark(std::string_view text, std::uint16_t size, Access access)
{
    if (size == kBit)
        text = text.size() <= 1 ? std::string_view("0") : text.substr(0, text.size() - 1);
    const long long word = leadingNumber(text);
    const int count = size == kDWord ? 2 : 1;
    for (long long w = word; w < word + count; ++w)
        if (w >= 0 && w < kWords)
            m_cells[std::size_t(w)] = Access(m_cells[std::size_t(w)] | access);
}

void CUsedSysMemDlg::MarkScreens(const CDorvaneDoc &doc)
{
    const CPlcSlots &slots = doc.Slots();
    for (const auto &screen : doc.Screens()) {
        for (std::size_t k = 0; k < kFunctionKeyCount; ++k) {
            const CFuncKeyRecord key(screen->FunctionKey(k));
            const std::uint16_t function = key.Function();
            std::string text;
            if (function == CFuncKeyRecord::kNotUsed || function == CFuncKeyRecord::kScreenChange
                || !panelText(slots, key.Bytes(), CFuncKeyRecord::kBlock, key.AddrKind(), text))
                continue;
            Mark(text, sizeOfAddrKind(key.AddrKind()), kWrite);
        }
        for (const auto &tag : screen->Tags()) {
            const Access access = tagAccess(*tag);
            if (access == kNone)
                continue;
            for (const CPointInfo *point : devicePoints(*tag))
                if (point->m_channel == 0)
                    Mark(point->m_second, point->m_dataSize, access);
        }
    }
}

void CUsedSysMemDlg::MarkParameters(const CDorvaneDoc &doc)
{
    const CPanelParams params(doc.Parameters());
    for (int group : {CPanelParams::kScreenChange, CPanelParams::kScreenTransfer}) {
        const PanelAddrGroup g = params.AddrGroup(group);
        if (!g.on || g.device != 0)
            continue;
        std::string area, number;
        std::uint16_t bit = 0;
        doc.Slots().slot(0).BuildUpAddr(kAddrWord, g.field, area, number, bit);
        Mark(number, kWord, kRead);
    }
}

void CUsedSysMemDlg::MarkLists(const CDorvaneDoc &doc)
{
    const CPlcSlots &slots = doc.Slots();
    std::string text;
    // The start bit of a calculation, transfer or reservation counts only when a condition uses it.
    const auto markStart = [&](util::ConstByteSpan record, std::size_t block, bool used) {
        if (used && panelText(slots, record, block, kAddrBit, text))
            Mark(text, kBit, kRead);
    };
    for (const auto &alarm : doc.Alarms())
        if (panelText(slots, alarm, CAlarmRecord::kBlock, kAddrBit, text))
            Mark(text, kBit, kRead);
    for (const auto &raw : doc.Calculations()) {
        const CCalcRecord calc(raw);
        markStart(raw, CCalcRecord::kStart, calc.Condition() != 0);
        const bool isLong = util::le16(raw, CCalcRecord::kResult + devblock::kDataKind) == 3;
        const std::int32_t kind = isLong ? kAddrDWord : kAddrWord;
        const std::uint16_t size = isLong ? kDWord : kWord;
        for (std::size_t block : {CCalcRecord::kOperand1, CCalcRecord::kOperand2})
            if (panelText(slots, raw, block, kind, text))
                Mark(text, size, kRead);
        // The panel stores the result: a write, whatever reads it later.
        if (panelText(slots, raw, CCalcRecord::kResult, kind, text))
            Mark(text, size, kWrite);
    }
    for (const auto &raw : doc.Transfers()) {
        const CTransRecord transfer(raw);
        markStart(raw, CTransRecord::kStart, transfer.Condition() != 0);
        if (util::le16(raw, CTransRecord::kPanelBlock + devblock::kChannel) != 0)
            continue;
        const long long first = leadingNumber(devblock::fieldText(raw, CTransRecord::kPanelBlock));
        const Access access = transfer.Direction() == 0 ? kWrite : kRead;
        for (long long w = first; w < first + transfer.DataSize(); ++w)
            Mark(std::to_string(w), kWord, access);
    }
    for (const auto &raw : doc.Reservations()) {
        const CReserveRecord reservation(raw);
        markStart(raw, CReserveRecord::kStart, reservation.Condition() != 0);
        if (panelText(slots, raw, CReserveRecord::kExecBlock, kAddrBit, text))
            Mark(text, kBit, kWrite);
    }
}

} // namespace core
