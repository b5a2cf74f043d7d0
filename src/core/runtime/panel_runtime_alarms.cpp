// Alarms: what a scan shows and acknowledges, and the history the panel keeps of them in its
// alarm-history area W.

#include "core/runtime/panel_runtime.h"

#include "core/functions/reserve_record.h"
#include "core/runtime/panel_runtime_items.h"

#include "util/code_page.h"

#include <algorithm>

namespace core {

namespace {

std::uint8_t bcdByte(int value)
{
    return std::uint8_t(((value / 10) % 10) << 4 | (value % 10));
}

void writeTime(util::ByteSpan field, const std::tm &t)
{
    util::setBe16(field, 0, CReserveRecord::ToBcd(unsigned(t.tm_year + 1900)));
    field[2] = bcdByte(t.tm_mon + 1);
    field[3] = bcdByte(t.tm_mday);
    field[4] = bcdByte(t.tm_hour);
    field[5] = bcdByte(t.tm_min);
    field[6] = bcdByte(t.tm_sec);
}

bool isEmptyTime(util::ConstByteSpan field)
{
    return util::be16(field, 0) == 0xFFFF;
}

constexpr std::size_t kWholeEntries = 200;
constexpr std::size_t kWholeSize = 54;
constexpr std::size_t kOwnStart = kWholeEntries * kWholeSize;
constexpr std::size_t kOwnEntries = 10;
constexpr std::size_t kOwnSize = 14;
constexpr std::size_t kMaxAlarms = 20;

// The first entry whose occurrence time at `timeOffset` is empty; when all are taken, the
// oldest goes and the last entry is freed.
util::ByteSpan freeEntry(util::ByteSpan table, std::size_t count, std::size_t size,
                         std::size_t timeOffset)
{
    for (std::size_t i = 0; i < count; ++i) {
        const util::ByteSpan entry = table.subspan(i * size, size);
        if (isEmptyTime(entry.subspan(timeOffset)))
            return entry;
    }
    std::copy(table.begin() + std::ptrdiff_t(size), table.begin() + std::ptrdiff_t(count * size),
              table.begin());
    const util::ByteSpan last = table.subspan((count - 1) * size, size);
    std::fill(last.begin(), last.end(), std::uint8_t(0xFF));
    return last;
}

} // namespace

util::Bytes emptyAlarmHistoryArea()
{
    return util::Bytes(kHistoryAreaSize, 0xFF);
}

bool AppendAlarmHistory(util::Bytes &areaW, std::size_t index, std::string_view message,
                        const std::tm &occurred)
{
    if (areaW.size() < kHistoryAreaSize || index >= kMaxAlarms)
        return false;
    const util::ByteSpan history = util::ByteSpan(areaW).subspan(kHistoryOffset);
    const util::ByteSpan whole = freeEntry(history, kWholeEntries, kWholeSize, 40);
    std::fill(whole.begin(), whole.end(), std::uint8_t(0xFF));
    util::setBe16(whole, 0, std::uint16_t(index));
    util::setFixedText(whole, 2, 38, message); // up to 37 bytes, a zero at 39
    writeTime(whole.subspan(40, 7), occurred);
    const util::ByteSpan own = freeEntry(
            history.subspan(kOwnStart + index * kOwnEntries * kOwnSize), kOwnEntries, kOwnSize, 0);
    std::fill(own.begin(), own.end(), std::uint8_t(0xFF));
    writeTime(own.first(7), occurred);
    return true;
}

bool RecordAlarmClear(util::Bytes &areaW, std::size_t index, const std::tm &cleared)
{
    if (areaW.size() < kHistoryAreaSize || index >= kMaxAlarms)
        return false;
    const util::ByteSpan history = util::ByteSpan(areaW).subspan(kHistoryOffset);
    for (std::size_t i = kWholeEntries; i-- > 0;) {
        const util::ByteSpan e = history.subspan(i * kWholeSize, kWholeSize);
        if (!isEmptyTime(e.subspan(40)) && util::be16(e, 0) == index
            && isEmptyTime(e.subspan(47))) {
            writeTime(e.subspan(47, 7), cleared);
            break;
        }
    }
    const util::ByteSpan own
            = history.subspan(kOwnStart + index * kOwnEntries * kOwnSize, kOwnEntries * kOwnSize);
    for (std::size_t i = kOwnEntries; i-- > 0;) {
        const util::ByteSpan e = own.subspan(i * kOwnSize, kOwnSize);
        if (!isEmptyTime(e) && isEmptyTime(e.subspan(7))) {
            writeTime(e.subspan(7, 7), cleared);
            break;
        }
    }
    return true;
}

// ------------------------------------------------------------------------------------------------
// Scan

void CPanelRuntime::ScanAlarms()
{
    for (std::size_t i = 0; i < m_c->alarms.size(); ++i) {
        runtime::AlarmItem &a = m_c->alarms[i];
        const bool bit = a.key && m_memory.Read(*a.key) != 0;
        const bool met = bit == a.onCondition;
        if (met && !a.met) {
            m_active.push_back(
                    {i, a.message, util::toUtf8Lossy(a.message, m_langId), m_clock, false});
            AppendAlarmHistory(m_history, i, a.message, m_clock);
        } else if (!met && a.met) {
            RecordAlarmClear(m_history, i, m_clock);
            for (ActiveAlarm &shown : m_active) {
                if (shown.index == i)
                    shown.cleared = true;
            }
            if (a.hide)
                std::erase_if(m_active, [i](const ActiveAlarm &s) { return s.index == i; });
        }
        a.met = met;
    }
}

void CPanelRuntime::AcknowledgeAlarms()
{
    std::erase_if(m_active, [](const ActiveAlarm &a) { return a.cleared; });
}

void CPanelRuntime::SetAlarmHistoryArea(util::Bytes area)
{
    m_history = area.size() >= kHistoryAreaSize ? std::move(area) : emptyAlarmHistoryArea();
}

} // namespace core
