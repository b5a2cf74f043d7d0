// The runtime's life: reading the project, power cycles, the shown screen, and the order of a
// scan. Operator input, alarms and the common functions live in panel_runtime_*.cpp.

#include "core/runtime/panel_runtime.h"

#include "core/functions/alarm_record.h"
#include "core/functions/trans_record.h"
#include "core/model/dorvane_doc.h"
#include "core/runtime/panel_runtime_items.h"
#include "core/runtime/runtime_params.h"
#include "core/tags/graph_tag.h"
#include "core/tags/tag_kinds.h"

#include <algorithm>

namespace core {

namespace {

constexpr std::uint16_t kCurrentScreenWord = 914; // CUR_SCR

} // namespace

namespace runtime {

long long secondsOf(const std::tm &t)
{
    std::tm copy = t;
    return static_cast<long long>(timegm(&copy));
}

std::tm tmOf(long long seconds)
{
    const std::time_t t = static_cast<std::time_t>(seconds);
    std::tm out{};
    gmtime_r(&t, &out);
    return out;
}

} // namespace runtime

CPanelRuntime::CPanelRuntime(const CDorvaneDoc &doc, std::uint16_t textLangId)
    : m_doc(doc)
    , m_langId(textLangId)
    , m_memory(doc.Slots())
    , m_history(emptyAlarmHistoryArea())
{
    const std::time_t now = std::time(nullptr);
    localtime_r(&now, &m_clock);
    Reload();
    Restart();
}

CPanelRuntime::~CPanelRuntime() = default;

void CPanelRuntime::Reload()
{
    auto c = std::make_unique<Compiled>();
    const CDeviceMemory &mem = m_memory;
    for (const AlarmRecord &raw : m_doc.Alarms()) {
        const CAlarmRecord a(raw);
        runtime::AlarmItem item{mem.KeyOfBlock(raw, CAlarmRecord::kBlock, kAddrBit),
                                a.ConditionOn(), a.HideAfterClear(), a.Message()};
        item.met = !item.onCondition; // every bit counts as 0 before the first scan
        c->alarms.push_back(std::move(item));
    }
    for (const CalcRecord &raw : m_doc.Calculations()) {
        runtime::CalcItem item;
        item.record = CCalcRecord(raw);
        item.type = item.record.Type();
        const std::int32_t kind = item.type.AddrKind();
        for (int op = 0; op < 2; ++op) {
            if (item.record.IsConstant(op))
                item.constant[op] = item.type.Parse(item.record.ConstantText(op));
            else
                item.operand[op] = mem.KeyOfBlock(raw, CCalcRecord::OperandBlock(op), kind);
        }
        item.result = mem.KeyOfBlock(raw, CCalcRecord::kResult, kind);
        item.start = mem.KeyOfBlock(raw, CCalcRecord::kStart, kAddrBit);
        c->calcs.push_back(std::move(item));
    }
    for (const TransferRecord &raw : m_doc.Transfers()) {
        const CTransRecord t(raw);
        runtime::TransferItem item{
                t.Direction(), t.Condition(),
                mem.KeyRun(raw, CTransRecord::kPlcBlock, kAddrWord, t.DataSize()),
                transferPanelWords(t), mem.KeyOfBlock(raw, CTransRecord::kStart, kAddrBit)};
        c->transfers.push_back(std::move(item));
    }
    for (const ReservationRecord &raw : m_doc.Reservations())
        c->reserves.push_back({CReserveRecord(raw),
                               mem.KeyOfBlock(raw, CReserveRecord::kExecBlock, kAddrBit),
                               mem.KeyOfBlock(raw, CReserveRecord::kStart, kAddrBit)});
    for (const ScreenLink &link : screenLinks(m_doc)) {
        auto key = mem.KeyOfField(link.device, link.station, kAddrWord, link.field, 0);
        (link.role == ScreenLink::Role::Change ? c->changeWord : c->reportWord) = key;
    }
    for (const auto &screen : m_doc.Screens()) {
        for (const auto &tag : screen->Tags()) {
            if (tag->Kind() == kTagGraph2)
                c->trends.push_back(static_cast<const CGraphTag *>(tag.get()));
        }
    }
    // Keep what was running: alarms by what they watch and say (the list may have been
    // edited), the others where their lists did not change size.
    if (m_c) {
        std::vector<std::optional<std::size_t>> moved(m_c->alarms.size());
        std::vector<bool> taken(c->alarms.size(), false);
        for (std::size_t o = 0; o < m_c->alarms.size(); ++o) {
            const runtime::AlarmItem &old = m_c->alarms[o];
            for (std::size_t n = 0; n < c->alarms.size(); ++n) {
                runtime::AlarmItem &now = c->alarms[n];
                if (!taken[n] && now.key == old.key && now.onCondition == old.onCondition
                    && now.message == old.message) {
                    now.met = old.met;
                    taken[n] = true;
                    moved[o] = n;
                    break;
                }
            }
        }
        // An alarm shown keeps its place in the new list, or goes with its record.
        std::erase_if(m_active, [&](const ActiveAlarm &a) {
            return a.index >= moved.size() || !moved[a.index];
        });
        for (ActiveAlarm &a : m_active)
            a.index = *moved[a.index];
        if (m_c->calcs.size() == c->calcs.size())
            for (std::size_t i = 0; i < c->calcs.size(); ++i)
                c->calcs[i].startWas = m_c->calcs[i].startWas;
        if (m_c->transfers.size() == c->transfers.size())
            for (std::size_t i = 0; i < c->transfers.size(); ++i)
                c->transfers[i].startWas = m_c->transfers[i].startWas;
        c->changeWas = m_c->changeWas;
    }
    std::erase_if(m_trends, [&](const auto &entry) {
        return std::find(c->trends.begin(), c->trends.end(), entry.first) == c->trends.end();
    });
    std::erase_if(m_trendNext, [&](const auto &entry) { return !m_trends.contains(entry.first); });
    m_c = std::move(c);
    m_memory.SetLatchFromParameters(m_doc);
    m_memory.CollectPoints(m_doc);
    if (!Screen() && !m_doc.Screens().empty())
        m_screen = m_doc.Screens().front()->Number();
}

void CPanelRuntime::Restart()
{
    m_memory.Reset();
    m_screen = m_doc.Param16(kParamInitialScreen);
    if (!m_doc.FindScreen(m_screen) && !m_doc.Screens().empty())
        m_screen = m_doc.Screens().front()->Number();
    m_active.clear();
    m_heldKeys.fill(false);
    m_heldButton.reset();
    m_lastScan.reset();
    m_trends.clear();
    m_trendNext.clear();
    for (runtime::AlarmItem &a : m_c->alarms)
        a.met = !a.onCondition;
    for (runtime::CalcItem &calc : m_c->calcs)
        calc.startWas = false;
    for (runtime::TransferItem &t : m_c->transfers)
        t.startWas = false;
    m_c->changeWas.reset();
}

// ------------------------------------------------------------------------------------------------
// Display state

std::uint32_t CPanelRuntime::Value(const CPointInfo &point) const
{
    return m_memory.Value(point);
}

std::vector<std::uint32_t> CPanelRuntime::TrendSamples(const CTag &tag) const
{
    const auto it = m_trends.find(&tag);
    if (it == m_trends.end())
        return {};
    return {it->second.begin(), it->second.end()};
}

const CScreenData *CPanelRuntime::Screen() const
{
    return m_doc.FindScreen(m_screen);
}

bool CPanelRuntime::ShowScreen(std::uint16_t number)
{
    if (!m_doc.FindScreen(number))
        return false;
    m_screen = number;
    return true;
}

// ------------------------------------------------------------------------------------------------
// Scan

void CPanelRuntime::Scan(std::chrono::system_clock::time_point now)
{
    const std::time_t t = std::chrono::system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&t, &local);
    Scan(local);
}

void CPanelRuntime::Scan(const std::tm &now)
{
    const long long seconds = runtime::secondsOf(now);
    m_clock = runtime::tmOf(seconds);
    ScanLinks();
    ScanCalculations();
    ScanTransfers();
    ScanReservations(seconds);
    ScanAlarms();
    ScanTrends(seconds);
    m_memory.Write(CDeviceMemory::PanelWord(kCurrentScreenWord), m_screen);
    m_lastScan = seconds;
}

void CPanelRuntime::ScanLinks()
{
    if (m_c->changeWord) {
        const std::uint32_t value = m_memory.Read(*m_c->changeWord);
        if (!m_c->changeWas || *m_c->changeWas != value) {
            if (value != m_screen && value <= kMaxScreenNumber)
                ShowScreen(std::uint16_t(value));
        }
        m_c->changeWas = value;
    }
    if (m_c->reportWord)
        m_memory.Write(*m_c->reportWord, m_screen);
}

} // namespace core
