// The device table: every point the project reads or writes, listed once.

#include "core/functions/alarm_record.h"
#include "core/functions/calc_record.h"
#include "core/functions/func_key_record.h"
#include "core/functions/reserve_record.h"
#include "core/functions/trans_record.h"
#include "core/model/dorvane_doc.h"
#include "core/model/screen_data.h"
#include "core/runtime/device_memory.h"
#include "core/runtime/runtime_params.h"
#include "core/runtime/screen_renderer.h"
#include "core/tags/point_record.h"
#include "core/tags/tag.h"
#include "core/tags/tag_kinds.h"
#include "core/tags/tag_points.h"

#include "util/messages.h"

#include <map>
#include <optional>
#include <set>

namespace core {

namespace {

// All a cell of that size holds, as raw bits.
ValueRange cellRange(std::uint16_t dataSize)
{
    return {0, dataSize == kSizeBit ? 1 : dataSize == kSizeWord ? 0xFFFF : 0xFFFFFFFF, false};
}

// The values a tag shows of its point: its limits read with the point's sign and base. Nothing
// for a tag that shows no number (messages are chosen by value, lamps and buttons by bit) and
// for limits that hold no value at all.
std::optional<ValueRange> shownRange(const CTag &tag, const CPointInfo &p)
{
    const std::uint16_t kind = tag.Kind();
    if (p.m_dataSize == kSizeBit || kind == kTagMessage || kind == kTagLamp || kind == kTagButton)
        return std::nullopt;
    // A rotation counts its speed from zero, whatever minimum its point carries.
    const std::int64_t low = kind == kTagMotor ? 0 : pointNumber(p, p.m_min);
    const std::int64_t high = pointNumber(p, p.m_max);
    if (low > high)
        return std::nullopt;
    return ValueRange{low, high, p.m_base == kBaseBcd};
}

class CPointCollector
{
public:
    CPointCollector(const CDeviceMemory &memory, std::vector<MemoryPoint> &out)
        : m_memory(memory)
        , m_out(out)
    { }

    // The point's row (the first text wins), or nothing for an invalid address.
    MemoryPoint *Add(const std::optional<MemoryKey> &key, std::string text = {})
    {
        if (!key)
            return nullptr;
        const auto [it, added] = m_rows.emplace(*key, m_out.size());
        if (!added)
            return &m_out[it->second];
        if (text.empty())
            text = m_memory.KeyText(*key);
        const std::uint16_t size = key->kind == kAddrBit ? kSizeBit
                : key->kind == kAddrWord                 ? kSizeWord
                                                         : kSizeDWord;
        m_out.push_back({std::move(text), *key, size, cellRange(size)});
        return &m_out.back();
    }
    // A tag shows the point: its limits join those of the tags before it.
    void AddShown(const CTag &tag, const CPointInfo &p, std::string text)
    {
        MemoryPoint *row = Add(m_memory.KeyOf(p), std::move(text));
        const std::optional<ValueRange> shown = shownRange(tag, p);
        if (!row || !shown || row->dataSize == kSizeBit)
            return;
        if (!m_limited.insert(row->key).second) {
            // Limits in another base describe other values; the first tag's reading stays.
            if (shown->bcd == row->range.bcd) {
                row->range.low = std::min(row->range.low, shown->low);
                row->range.high = std::max(row->range.high, shown->high);
            }
            return;
        }
        row->range = *shown;
    }
    void AddBlock(util::ConstByteSpan record, std::size_t block, std::int32_t kind)
    {
        Add(m_memory.KeyOfBlock(record, block, kind));
    }
    void AddRun(util::ConstByteSpan record, std::size_t block, std::size_t count)
    {
        for (const MemoryKey &key : m_memory.KeyRun(record, block, kAddrWord, count))
            Add(key);
    }

private:
    const CDeviceMemory &m_memory;
    std::vector<MemoryPoint> &m_out;
    std::map<MemoryKey, std::size_t> m_rows;
    std::set<MemoryKey> m_limited; // points whose range some tag's limits gave
};

// As the tag list shows a point: the bare number on the panel, else channel, station, address.
std::string pointText(const CPointInfo &p)
{
    if (p.m_channel == 0)
        return p.m_second;
    return util::formatText("%d-%d-%s%s", int(p.m_channel), int(p.m_station), p.m_address.c_str(),
                            p.m_second.c_str());
}

} // namespace

void CDeviceMemory::CollectPoints(const CDorvaneDoc &doc)
{
    m_points.clear();
    // A PLC type may have changed: points are resolved through the drivers as they are now.
    m_resolved.clear();
    collect(doc, std::nullopt, m_points);
}

std::vector<MemoryPoint> CDeviceMemory::PointsWhileShowing(const CDorvaneDoc &doc,
                                                           std::uint16_t screen) const
{
    std::vector<MemoryPoint> points;
    collect(doc, screen, points);
    return points;
}

void CDeviceMemory::collect(const CDorvaneDoc &doc, std::optional<std::uint16_t> onlyScreen,
                            std::vector<MemoryPoint> &out) const
{
    CPointCollector c(*this, out);
    for (const auto &screen : doc.Screens()) {
        if (onlyScreen && screen->Number() != *onlyScreen)
            continue;
        for (const auto &tag : screen->Tags()) {
            for (const CPointInfo *p : devicePoints(*tag))
                c.AddShown(*tag, *p, pointText(*p));
        }
        for (std::size_t k = 0; k < kFunctionKeyCount; ++k) {
            const CFuncKeyRecord key(screen->FunctionKey(k));
            const auto f = key.Function();
            if (f >= CFuncKeyRecord::kBitControl && f <= CFuncKeyRecord::kValueDecrease)
                c.AddBlock(key.Bytes(), CFuncKeyRecord::kBlock, key.AddrKind());
        }
    }
    for (const AlarmRecord &a : doc.Alarms())
        c.AddBlock(a, CAlarmRecord::kBlock, kAddrBit);
    for (const CalcRecord &raw : doc.Calculations()) {
        const CCalcRecord calc(raw);
        const std::int32_t kind = calc.Type().AddrKind();
        for (int op = 0; op < 2; ++op) {
            if (!calc.IsConstant(op))
                c.AddBlock(raw, CCalcRecord::OperandBlock(op), kind);
        }
        c.AddBlock(raw, CCalcRecord::kResult, kind);
        if (calc.Condition() != 0)
            c.AddBlock(raw, CCalcRecord::kStart, kAddrBit);
    }
    for (const TransferRecord &raw : doc.Transfers()) {
        const CTransRecord t(raw);
        c.AddRun(raw, CTransRecord::kPlcBlock, t.DataSize());
        for (const MemoryKey &key : transferPanelWords(t))
            c.Add(key);
        if (t.Condition() != 0)
            c.AddBlock(raw, CTransRecord::kStart, kAddrBit);
    }
    for (const ReservationRecord &raw : doc.Reservations()) {
        c.AddBlock(raw, CReserveRecord::kExecBlock, kAddrBit);
        if (CReserveRecord(raw).Condition() != 0)
            c.AddBlock(raw, CReserveRecord::kStart, kAddrBit);
    }
    for (const ScreenLink &link : screenLinks(doc))
        c.Add(KeyOfField(link.device, link.station, kAddrWord, link.field, 0));
}

} // namespace core
