#include "core/runtime/panel_runtime.h"

#include "core/functions/alarm_record.h"
#include "core/functions/calc_record.h"
#include "core/functions/func_key_record.h"
#include "core/functions/reserve_record.h"
#include "core/functions/trans_record.h"
#include "core/model/dorvane_doc.h"
#include "core/runtime/runtime_params.h"
#include "core/tags/button_tag.h"
#include "core/tags/digit_tag.h"
#include "core/tags/graph_tag.h"
#include "core/tags/tag_kinds.h"

#include "util/code_page.h"
#include "util/messages.h"

#include <algorithm>

namespace core {

namespace {

constexpr std::uint16_t kCurrentScreenWord = 914; // CUR_SCR

// Start conditions of calculations and block transfers.
enum Start : std::uint16_t { kAlways, kOnEdge, kOffEdge, kChange, kWhileOn, kWhileOff };

struct AlarmItem
{
    std::optional<MemoryKey> key;
    bool onCondition = true;
    bool hide = false;
    std::string message;
    bool met = false;
};

struct CalcItem
{
    CCalcRecord record;
    ValueType type;
    std::array<std::optional<MemoryKey>, 2> operand;
    std::array<std::optional<std::uint32_t>, 2> constant;
    std::optional<MemoryKey> result;
    std::optional<MemoryKey> start;
    bool startWas = false;
};

struct TransferItem
{
    std::uint16_t direction = 0;
    std::uint16_t condition = 0;
    std::vector<MemoryKey> plc;
    std::vector<MemoryKey> panel;
    std::optional<MemoryKey> start;
    bool startWas = false;
};

struct ReserveItem
{
    CReserveRecord record;
    std::optional<MemoryKey> exec;
    std::optional<MemoryKey> start;
};

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

// Arithmetic of calculations, in 64 bits so that 32-bit operands never overflow.
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

bool contains(const CTag &tag, int x, int y)
{
    const CRect r = tag.Rect().Normalized();
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

// Entry compares values as numbers: signed ones as such, the others (hexadecimal and BCD too)
// as their raw bits.
bool signedEntry(const CPointInfo &p)
{
    return p.m_signed != 0 && p.m_base == kBaseDec;
}

std::int64_t entryNumber(const CPointInfo &p, std::uint32_t raw)
{
    return signedEntry(p) ? std::int64_t(std::int32_t(raw)) : std::int64_t(raw);
}

struct EntryBounds
{
    std::int64_t low = 0;
    std::int64_t high = 0;
};

// The tag's limits within what the cell holds: a word never holds more than 16 bits, whatever
// limits the tag was given.
EntryBounds entryBounds(const CPointInfo &p)
{
    std::uint32_t cellMin = 0;
    std::uint32_t cellMax = 0;
    const std::uint16_t size = p.m_dataSize == kSizeDWord ? kSizeDWord : kSizeWord;
    pointRange(size, signedEntry(p), p.m_base == kBaseBcd ? kBaseBcd : kBaseDec, cellMin, cellMax);
    return {std::max(entryNumber(p, cellMin), entryNumber(p, p.m_min)),
            std::min(entryNumber(p, cellMax), entryNumber(p, p.m_max))};
}

// A limit as it is typed: hexadecimal and BCD values are their digits.
std::string entryText(const CPointInfo &p, std::int64_t number)
{
    if (p.m_base == kBaseHex || p.m_base == kBaseBcd)
        return util::formatText("%llX", static_cast<unsigned long long>(number));
    return util::formatText("%lld", static_cast<long long>(number));
}

const CDigitTag *entryTag(const CTag &tag)
{
    if (tag.Kind() != kTagDigit || !static_cast<const CDigitTag &>(tag).IsWritable())
        return nullptr;
    return &static_cast<const CDigitTag &>(tag);
}

} // namespace

std::optional<EntryLimits> entryLimits(const CTag &tag)
{
    const CDigitTag *digit = entryTag(tag);
    if (!digit)
        return std::nullopt;
    const CPointInfo &point = digit->Point();
    const EntryBounds bounds = entryBounds(point);
    return EntryLimits{entryText(point, bounds.low), entryText(point, bounds.high)};
}

// ------------------------------------------------------------------------------------------------
// Alarm-history area

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
// The project as the runtime uses it

struct CPanelRuntime::Compiled
{
    std::vector<AlarmItem> alarms;
    std::vector<CalcItem> calcs;
    std::vector<TransferItem> transfers;
    std::vector<ReserveItem> reserves;
    std::optional<MemoryKey> changeWord;
    std::optional<MemoryKey> reportWord;
    std::optional<std::uint32_t> changeWas;
    std::vector<const CGraphTag *> trends;
};

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
        AlarmItem item{mem.KeyOfBlock(raw, CAlarmRecord::kBlock, kAddrBit), a.ConditionOn(),
                       a.HideAfterClear(), a.Message()};
        item.met = !item.onCondition; // every bit counts as 0 before the first scan
        c->alarms.push_back(std::move(item));
    }
    for (const CalcRecord &raw : m_doc.Calculations()) {
        CalcItem item;
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
        TransferItem item{t.Direction(), t.Condition(),
                          mem.KeyRun(raw, CTransRecord::kPlcBlock, kAddrWord, t.DataSize()),
                          transferPanelWords(t),
                          mem.KeyOfBlock(raw, CTransRecord::kStart, kAddrBit)};
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
            const AlarmItem &old = m_c->alarms[o];
            for (std::size_t n = 0; n < c->alarms.size(); ++n) {
                AlarmItem &now = c->alarms[n];
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
    for (AlarmItem &a : m_c->alarms)
        a.met = !a.onCondition;
    for (CalcItem &calc : m_c->calcs)
        calc.startWas = false;
    for (TransferItem &t : m_c->transfers)
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
// Operator input

bool CPanelRuntime::CheckPassword()
{
    if (!m_prompt)
        return false;
    const std::optional<std::string> entered = m_prompt();
    return entered && *entered == m_password;
}

RuntimeResult CPanelRuntime::PressKey(int key)
{
    if (key < 0 || key >= int(kFunctionKeyCount))
        return RuntimeResult::NoTarget;
    return RunKey(std::size_t(key), true);
}

RuntimeResult CPanelRuntime::ReleaseKey(int key)
{
    if (key < 0 || key >= int(kFunctionKeyCount))
        return RuntimeResult::NoTarget;
    return RunKey(std::size_t(key), false);
}

RuntimeResult CPanelRuntime::RunKey(std::size_t k, bool press)
{
    const CScreenData *screen = Screen();
    if (!screen)
        return RuntimeResult::NoTarget;
    const CFuncKeyRecord rec(screen->FunctionKey(k));
    const std::uint16_t function = rec.Function();
    if (function == CFuncKeyRecord::kNotUsed || function > CFuncKeyRecord::kScreenChange)
        return RuntimeResult::NoTarget;
    const auto target = function == CFuncKeyRecord::kScreenChange
            ? std::nullopt
            : m_memory.KeyOfBlock(rec.Bytes(), CFuncKeyRecord::kBlock, rec.AddrKind());
    if (!press) {
        // Only a held "On while pressed" key does anything on release.
        if (m_heldKeys[k] && target)
            m_memory.Write(*target, 0);
        m_heldKeys[k] = false;
        return RuntimeResult::Ok;
    }
    if (function != CFuncKeyRecord::kScreenChange && !target)
        return RuntimeResult::NoTarget;
    if (rec.Password() && !CheckPassword())
        return RuntimeResult::PasswordRefused;
    switch (function) {
    case CFuncKeyRecord::kBitControl:
        switch (rec.Value()) {
        case CFuncKeyRecord::kBitOff:
            m_memory.Write(*target, 0);
            break;
        case CFuncKeyRecord::kBitOn:
            m_memory.Write(*target, 1);
            break;
        case CFuncKeyRecord::kBitToggle:
            m_memory.Write(*target, m_memory.Read(*target) ? 0 : 1);
            break;
        case CFuncKeyRecord::kBitMomentary:
            m_memory.Write(*target, 1);
            m_heldKeys[k] = true;
            break;
        default:
            return RuntimeResult::NoTarget;
        }
        return RuntimeResult::Ok;
    case CFuncKeyRecord::kValueSet:
        m_memory.Write(*target, rec.Value());
        return RuntimeResult::Ok;
    case CFuncKeyRecord::kValueIncrease:
    case CFuncKeyRecord::kValueDecrease: {
        const ValueType type = rec.Type();
        const std::int64_t current = *toNumber(m_memory.Read(*target), type);
        const std::int64_t step = *toNumber(rec.Value(), type);
        const std::int64_t min = *toNumber(type.Min(), type);
        const std::int64_t max = *toNumber(type.Max(), type);
        const std::int64_t next
                = function == CFuncKeyRecord::kValueIncrease ? current + step : current - step;
        m_memory.Write(*target, *fromNumber(std::clamp(next, min, max), type));
        return RuntimeResult::Ok;
    }
    default: // screen change
        return ShowScreen(std::uint16_t(std::min<std::uint32_t>(rec.Value(), 0xFFFF)))
                ? RuntimeResult::Ok
                : RuntimeResult::UnknownScreen;
    }
}

const CTag *CPanelRuntime::InputAt(int x, int y) const
{
    const CScreenData *screen = Screen();
    if (!screen)
        return nullptr;
    const auto &tags = screen->Tags();
    for (auto it = tags.rbegin(); it != tags.rend(); ++it) {
        const CTag &tag = **it;
        const bool input = tag.Kind() == kTagButton
                || (tag.Kind() == kTagDigit && static_cast<const CDigitTag &>(tag).IsWritable());
        if (input && contains(tag, x, y))
            return &tag;
    }
    return nullptr;
}

RuntimeResult CPanelRuntime::Press(int x, int y)
{
    const CTag *tag = InputAt(x, y);
    if (!tag || tag->Kind() != kTagButton)
        return RuntimeResult::NoTarget;
    const auto &button = static_cast<const CButtonTag &>(*tag);
    const auto key = m_memory.KeyOf(button.Point());
    if (!key)
        return RuntimeResult::NoTarget;
    if (button.UsesPassword() && !CheckPassword())
        return RuntimeResult::PasswordRefused;
    switch (button.Action()) {
    case kButtonOff:
        m_memory.Write(*key, 0);
        break;
    case kButtonOn:
        m_memory.Write(*key, 1);
        break;
    case kButtonToggle:
        m_memory.Write(*key, m_memory.Read(*key) ? 0 : 1);
        break;
    case kButtonMomentary:
        m_memory.Write(*key, 1);
        m_heldButton = key;
        break;
    default:
        return RuntimeResult::NoTarget;
    }
    return RuntimeResult::Ok;
}

void CPanelRuntime::Release()
{
    if (m_heldButton)
        m_memory.Write(*m_heldButton, 0);
    m_heldButton.reset();
}

RuntimeResult CPanelRuntime::EnterValue(const CTag &tag, std::string_view text)
{
    const CDigitTag *digit = entryTag(tag);
    if (!digit)
        return RuntimeResult::NoTarget;
    const CPointInfo &point = digit->Point();
    const auto key = m_memory.KeyOf(point);
    if (!key)
        return RuntimeResult::NoTarget;
    std::uint32_t value = 0;
    if (!parsePointValue(text, signedEntry(point), point.m_base, value))
        return RuntimeResult::BadValue;
    const EntryBounds bounds = entryBounds(point);
    const std::int64_t number = entryNumber(point, value);
    if (number < bounds.low || number > bounds.high)
        return RuntimeResult::OutOfRange;
    if (digit->UsesPassword() && !CheckPassword())
        return RuntimeResult::PasswordRefused;
    m_memory.Write(*key, value);
    return RuntimeResult::Ok;
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
    const long long seconds = secondsOf(now);
    m_clock = tmOf(seconds);
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

void CPanelRuntime::ScanAlarms()
{
    for (std::size_t i = 0; i < m_c->alarms.size(); ++i) {
        AlarmItem &a = m_c->alarms[i];
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

void CPanelRuntime::ScanCalculations()
{
    for (CalcItem &calc : m_c->calcs) {
        if (!startHolds(m_memory, calc.start, calc.record.Condition(), calc.startWas))
            continue;
        std::array<std::optional<std::int64_t>, 2> operand;
        for (int i = 0; i < 2; ++i) {
            if (calc.constant[i])
                operand[i] = toNumber(*calc.constant[i], calc.type);
            else if (calc.operand[i])
                operand[i] = toNumber(m_memory.Read(*calc.operand[i]), calc.type);
        }
        if (!operand[0] || !operand[1] || !calc.result)
            continue;
        const auto result = apply(calc.record.Operator(), *operand[0], *operand[1]);
        const auto raw = result ? fromNumber(*result, calc.type) : std::nullopt;
        if (raw)
            m_memory.Write(*calc.result, *raw);
    }
}

void CPanelRuntime::ScanTransfers()
{
    for (TransferItem &t : m_c->transfers) {
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
    for (const ReserveItem &r : m_c->reserves) {
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
            if (due > from && due <= now && dueOn(r.record, tmOf(day))) {
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
