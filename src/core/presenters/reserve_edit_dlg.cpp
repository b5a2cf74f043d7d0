#include "core/presenters/reserve_edit_dlg.h"

#include "core/functions/device_block.h"

#include "util/message_ids.h"

#include <charconv>
#include <ctime>

namespace core {

namespace {

CReserveRecord defaultRecord()
{
    CReserveRecord r;
    r.SetWord(CReserveRecord::kValue, 1);
    r.SetWord(CReserveRecord::kDay, 0);
    for (std::size_t block : {CReserveRecord::kExecBlock, CReserveRecord::kStart}) {
        std::uint16_t bit = 0;
        DownAddr field{};
        builtin::BuildDownAddr(kAddrBit, "0", bit, field);
        devblock::setField(r.Bytes(), block, field);
    }
    return r;
}

} // namespace

CReserveEditDlg::CReserveEditDlg(const FunctionEnv &env, ReserveDate today)
    : m_env(env)
    , m_start(env.plcSlots, kAddrBit)
    , m_exec(env.plcSlots, kAddrBit)
    , m_date(today)
{
    Load(defaultRecord());
}

ReserveDate CReserveEditDlg::Today()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

void CReserveEditDlg::Load(const CReserveRecord &record)
{
    m_record = record;
    const auto bcd = [&](std::size_t at) { return int(CReserveRecord::FromBcd(record.Word(at))); };
    m_condition = record.Condition() <= 2 ? record.Condition() : 0;
    m_repeat = record.RepeatMode() <= CReserveRecord::kMonthly
            ? record.RepeatMode()
            : std::uint16_t(CReserveRecord::kOnce);
    m_weekdays.fill(false);
    m_monthDay = 1;
    if (m_repeat == CReserveRecord::kOnce && record.Word(CReserveRecord::kYear) != 0)
        m_date = {bcd(CReserveRecord::kYear), bcd(CReserveRecord::kMonth),
                  bcd(CReserveRecord::kDay)};
    if (m_repeat == CReserveRecord::kWeekly)
        for (int i = 0; i < kWeekdays; ++i)
            m_weekdays[std::size_t(i)] = (record.WeekdayMask() >> i) & 1;
    if (m_repeat == CReserveRecord::kMonthly) {
        const int day = bcd(CReserveRecord::kDay);
        m_monthDay = day >= 1 && day <= 31 ? day : 1;
    }
    m_time = {bcd(CReserveRecord::kHour), bcd(CReserveRecord::kMinute),
              bcd(CReserveRecord::kSecond)};
    m_valueOn = record.Value() != 0;
    m_start.Load(CDeviceAddr::FromBlock(m_env.plcSlots, record.Bytes(), CReserveRecord::kStart,
                                        kAddrBit));
    m_start.SetEnabled(m_condition != 0);
    m_exec.Load(CDeviceAddr::FromBlock(m_env.plcSlots, record.Bytes(), CReserveRecord::kExecBlock,
                                       kAddrBit));
}

void CReserveEditDlg::SetCondition(std::uint16_t condition)
{
    if (condition > 2)
        return;
    m_condition = condition;
    m_start.SetEnabled(condition != 0);
}

void CReserveEditDlg::SetRepeatMode(std::uint16_t mode)
{
    if (mode <= CReserveRecord::kMonthly)
        m_repeat = mode;
}

bool CReserveEditDlg::MonthDayFocusLost(const std::string &typed)
{
    int value = 0;
    const auto [end, ec] = std::from_chars(typed.data(), typed.data() + typed.size(), value);
    if (ec != std::errc() || end != typed.data() + typed.size() || value < 1 || value > 31)
        return false;
    m_monthDay = value;
    return true;
}

bool CReserveEditDlg::Ok()
{
    std::uint16_t mask = 0;
    for (int i = 0; i < kWeekdays; ++i)
        if (m_weekdays[std::size_t(i)])
            mask = std::uint16_t(mask | (1u << i));
    if (m_repeat == CReserveRecord::kWeekly && mask == 0) {
        m_env.Show(util::msg::kNoWeekday);
        return false;
    }
    CReserveRecord r;
    const auto bcd = [](int v) { return CReserveRecord::ToBcd(unsigned(v < 0 ? 0 : v)); };
    r.SetWord(CReserveRecord::kHour, bcd(m_time.hour));
    r.SetWord(CReserveRecord::kMinute, bcd(m_time.minute));
    r.SetWord(CReserveRecord::kSecond, bcd(m_time.second));
    r.SetWord(CReserveRecord::kValue, m_valueOn ? 1 : 0);
    r.SetWord(CReserveRecord::kCondition, m_condition);
    r.SetWord(CReserveRecord::kRepeat, m_repeat);
    switch (m_repeat) {
    case CReserveRecord::kOnce:
        r.SetWord(CReserveRecord::kYear, bcd(m_date.year));
        r.SetWord(CReserveRecord::kMonth, bcd(m_date.month));
        r.SetWord(CReserveRecord::kDay, bcd(m_date.day));
        break;
    case CReserveRecord::kWeekly:
        r.SetWord(CReserveRecord::kDay, mask);
        break;
    case CReserveRecord::kMonthly:
        r.SetWord(CReserveRecord::kDay, bcd(m_monthDay));
        break;
    default:
        break;
    }
    if (!m_start.BuildInto(m_env.prompt, r.Bytes(), CReserveRecord::kStart, kAddrBit)
        || !m_exec.BuildInto(m_env.prompt, r.Bytes(), CReserveRecord::kExecBlock, kAddrBit))
        return false;
    m_record = r;
    return true;
}

} // namespace core
