#pragma once

// The logic of the reservation editor: the start bit and its condition, the repeat mode with its
// date, weekdays or day of the month, the time, the bit that is set and the value it gets. Dates
// and times are decimal here and BCD in the record.

#include "core/functions/reserve_record.h"
#include "core/presenters/addr_group.h"
#include "core/presenters/function_env.h"

#include <array>
#include <string>

namespace core {

struct ReserveDate
{
    int year = 2000;
    int month = 1;
    int day = 1;
};

struct ReserveTime
{
    int hour = 0;
    int minute = 0;
    int second = 0;
};

class CReserveEditDlg
{
public:
    static constexpr int kWeekdays = 7;

    // The date picker starts at `today`.
    explicit CReserveEditDlg(const FunctionEnv &env, ReserveDate today = Today());
    static ReserveDate Today();

    void Load(const CReserveRecord &record);
    const CReserveRecord &Held() const { return m_record; }

    CAddrGroup &Start() { return m_start; }
    std::uint16_t Condition() const { return m_condition; }
    // "Always" (0) disables the start group.
    void SetCondition(std::uint16_t condition);

    std::uint16_t RepeatMode() const { return m_repeat; }
    void SetRepeatMode(std::uint16_t mode);
    // Only the controls of the chosen mode are shown.
    bool DateVisible() const { return m_repeat == CReserveRecord::kOnce; }
    bool WeekdaysVisible() const { return m_repeat == CReserveRecord::kWeekly; }
    bool MonthDayVisible() const { return m_repeat == CReserveRecord::kMonthly; }

    const ReserveDate &Date() const { return m_date; }
    void SetDate(const ReserveDate &date) { m_date = date; }
    bool Weekday(int index) const { return m_weekdays.at(std::size_t(index)); }
    // Index 0 is Sunday, 6 Saturday.
    void SetWeekday(int index, bool on) { m_weekdays.at(std::size_t(index)) = on; }
    int MonthDay() const { return m_monthDay; }
    // The day edit lost the focus: 1 to 31 is taken, anything else gives the previous day back.
    bool MonthDayFocusLost(const std::string &typed);

    const ReserveTime &Time() const { return m_time; }
    void SetTime(const ReserveTime &time) { m_time = time; }

    CAddrGroup &Exec() { return m_exec; }
    bool ValueOn() const { return m_valueOn; }
    void SetValueOn(bool on) { m_valueOn = on; }

    // False (51650) for weekly without a weekday; otherwise builds the held record.
    bool Ok();

private:
    FunctionEnv m_env;
    CReserveRecord m_record;
    CAddrGroup m_start;
    CAddrGroup m_exec;
    std::uint16_t m_condition = 0;
    std::uint16_t m_repeat = CReserveRecord::kOnce;
    ReserveDate m_date;
    std::array<bool, kWeekdays> m_weekdays{};
    int m_monthDay = 1;
    ReserveTime m_time;
    bool m_valueOn = true;
};

} // namespace core
