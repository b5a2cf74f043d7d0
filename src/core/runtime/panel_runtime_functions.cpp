// The common functions a scan runs: calculations, block transfers and reservations, and the
// samples of the trend graphs.

#include "core/runtime/panel_runtime.h"

#include "core/functions/trans_record.h"
#include "core/runtime/panel_runtime_items.h"
#include "core/tags/graph_tag.h"

#include <algorithm>

namespace core {

namespace runtime {

std::optional<std::int64_t> toNumber(std::uint32_t raw, const ValueType &type)
{
    const bool word = type.kind == kDataWord;
    if (word)
        raw &= 0xFFFF;
    if (type.format == kFormatBcd) {
        std::int64_t value = 0;
        for (int shift = word ? 12 : 28; shift >= 0; shift -= 4) {
            const unsigned digit = (raw >> shift) & 15u;
            if (digit > 9)
                return std::nullopt;
            value = value * 10 + digit;
        }
        return value;
    }
    if (type.SignedDec())
        return word ? std::int64_t(std::int16_t(raw)) : std::int64_t(std::int32_t(raw));
    return std::int64_t(raw);
}

std::optional<std::uint32_t> fromNumber(std::int64_t value, const ValueType &type)
{
    const bool word = type.kind == kDataWord;
    if (type.format == kFormatBcd) {
        if (value < 0 || value > (word ? 9999 : 99999999))
            return std::nullopt;
        std::uint32_t raw = 0;
        for (int shift = 0; value > 0; shift += 4, value /= 10)
            raw |= std::uint32_t(value % 10) << shift;
        return raw;
    }
    return std::uint32_t(std::uint64_t(value) & (word ? 0xFFFFu : 0xFFFFFFFFu));
}

} // namespace runtime

namespace {

// Start conditions of calculations and block transfers.
enum Start : std::uint16_t { kAlways, kOnEdge, kOffEdge, kChange, kWhileOn, kWhileOff };

std::optional<std::int64_t> apply(std::uint16_t op, std::int64_t a, std::int64_t b)
{
    const auto ua = std::uint64_t(a), ub = std::uint64_t(b);
    switch (op) {
    case 0:
        return std::int64_t(ua + ub);
    case 1:
        return std::int64_t(ua - ub);
    case 2:
        return std::int64_t(ua * ub);
    case 3:
        return b == 0 ? std::nullopt : std::optional<std::int64_t>(a / b);
    case 4:
        return b == 0 ? std::nullopt : std::optional<std::int64_t>(a % b);
    case 5:
        return a & b;
    case 6:
        return a | b;
    case 7:
        return a ^ b;
    case 8:
        return (b < 0 || b > 63) ? 0 : std::int64_t(ua << b);
    case 9:
        return (b < 0 || b > 63) ? 0 : std::int64_t(ua >> b);
    case 10:
        return a < b ? 1 : 0;
    case 11:
        return a > b ? 1 : 0;
    case 12:
        return a == b ? 1 : 0;
    default:
        return std::nullopt;
    }
}

// Whether a start condition triggers on this scan; remembers the start bit for the next.
bool startHolds(const CDeviceMemory &memory, const std::optional<MemoryKey> &start,
                std::uint16_t condition, bool &was)
{
    const bool now = start && memory.Read(*start) != 0;
    const bool before = was;
    was = now;
    switch (condition) {
    case kAlways:
        return true;
    case kOnEdge:
        return now && !before;
    case kOffEdge:
        return !now && before;
    case kChange:
        return now != before;
    case kWhileOn:
        return now;
    case kWhileOff:
        return !now;
    default:
        return false;
    }
}

// Whether a reservation is due on the calendar day of `day`.
bool dueOn(const CReserveRecord &r, const std::tm &day)
{
    switch (r.RepeatMode()) {
    case CReserveRecord::kOnce:
        return int(CReserveRecord::FromBcd(r.Word(CReserveRecord::kYear))) == day.tm_year + 1900
                && int(CReserveRecord::FromBcd(r.Word(CReserveRecord::kMonth))) == day.tm_mon + 1
                && int(CReserveRecord::FromBcd(r.Word(CReserveRecord::kDay))) == day.tm_mday;
    case CReserveRecord::kDaily:
        return true;
    case CReserveRecord::kWeekly:
        return (r.WeekdayMask() >> day.tm_wday) & 1u;
    case CReserveRecord::kMonthly:
        return int(CReserveRecord::FromBcd(r.Word(CReserveRecord::kDay))) == day.tm_mday;
    default:
        return false;
    }
}

long long timeOfDay(const CReserveRecord &r)
{
    return CReserveRecord::FromBcd(r.Word(CReserveRecord::kHour)) * 3600LL
            + CReserveRecord::FromBcd(r.Word(CReserveRecord::kMinute)) * 60LL
            + CReserveRecord::FromBcd(r.Word(CReserveRecord::kSecond));
}

} // namespace

void CPanelRuntime::ScanCalculations()
{
    for (runtime::CalcItem &calc : m_c->calcs) {
        if (!startHolds(m_memory, calc.start, calc.record.Condition(), calc.startWas))
            continue;
        std::array<std::optional<std::int64_t>, 2> operand;
        for (int i = 0; i < 2; ++i) {
            if (calc.constant[i])
                operand[i] = runtime::toNumber(*calc.constant[i], calc.type);
            else if (calc.operand[i])
                operand[i] = runtime::toNumber(m_memory.Read(*calc.operand[i]), calc.type);
        }
        if (!operand[0] || !operand[1] || !calc.result)
            continue;
        const auto result = apply(calc.record.Operator(), *operand[0], *operand[1]);
        const auto raw = result ? runtime::fromNumber(*result, calc.type) : std::nullopt;
        if (raw)
            m_memory.Write(*calc.result, *raw);
    }
}

void CPanelRuntime::ScanTransfers()
{
    for (runtime::TransferItem &t : m_c->transfers) {
        if (!startHolds(m_memory, t.start, t.condition, t.startWas))
            continue;
        const std::size_t n = std::min(t.plc.size(), t.panel.size());
        for (std::size_t i = 0; i < n; ++i) {
            if (t.direction == CTransRecord::kToPlc)
                m_memory.Write(t.plc[i], m_memory.Read(t.panel[i]));
            else
                m_memory.Write(t.panel[i], m_memory.Read(t.plc[i]));
        }
    }
}

void CPanelRuntime::ScanReservations(long long now)
{
    constexpr long long kDay = 86400;
    // Everything due after the previous scan, up to and including now; a clock that jumped
    // back or far ahead only looks at the current second.
    long long from = m_lastScan.value_or(now - 1);
    if (from >= now || now - from > 2 * kDay)
        from = now - 1;
    for (const runtime::ReserveItem &r : m_c->reserves) {
        if (!r.exec)
            continue;
        const std::uint16_t condition = r.record.Condition();
        if (condition != 0) {
            const bool on = r.start && m_memory.Read(*r.start) != 0;
            if (on != (condition == 1))
                continue;
        }
        const long long at = timeOfDay(r.record);
        for (long long day = (from + 1) / kDay * kDay - (from + 1 < 0 ? kDay : 0); day <= now;
             day += kDay) {
            const long long due = day + at;
            if (due > from && due <= now && dueOn(r.record, runtime::tmOf(day))) {
                m_memory.Write(*r.exec, r.record.Value() != 0 ? 1 : 0);
                break;
            }
        }
    }
}

void CPanelRuntime::ScanTrends(long long now)
{
    for (const CGraphTag *trend : m_c->trends) {
        const auto next = m_trendNext.find(trend);
        if (next != m_trendNext.end() && now < next->second)
            continue;
        auto &samples = m_trends[trend];
        samples.push_back(m_memory.Value(trend->Point()));
        const std::size_t count = std::size_t(std::max(1, trend->SamplingCount()));
        while (samples.size() > count)
            samples.pop_front();
        m_trendNext[trend] = now + std::max(1, trend->SamplingTime());
    }
}

} // namespace core
