#pragma once

// The logic of the alarm editor: the watched bit with its channel and station, the condition,
// the message, the buzzer with its seconds and whether the message stays after the alarm clears.
// OK refuses an empty message (51230) and otherwise builds the record through the channel's
// driver.

#include "core/functions/alarm_record.h"
#include "core/presenters/addr_group.h"
#include "core/presenters/function_env.h"

#include <string>

namespace core {

class CAlarmEditDlg
{
public:
    explicit CAlarmEditDlg(const FunctionEnv &env);

    // Fills the controls from the record and holds it.
    void Load(const CAlarmRecord &record);
    // The record the editor holds: the last one loaded or built by OK.
    const CAlarmRecord &Held() const { return m_record; }

    CAddrGroup &Address() { return m_address; }
    const CAddrGroup &Address() const { return m_address; }

    bool ConditionOn() const { return m_conditionOn; }
    void SetConditionOn(bool on) { m_conditionOn = on; }

    // The message as shown (UTF-8). Typing stops at 37 bytes of the panel's code page, as the
    // field holds 37 bytes and its terminator.
    std::string Message() const;
    void SetMessage(const std::string &utf8);

    std::uint16_t BuzzerMode() const { return m_buzzer; }
    // The timed mode shows the seconds edit with 1; the others hide it with 0.
    void SetBuzzerMode(std::uint16_t mode);
    bool SecondsVisible() const { return m_buzzer == CAlarmRecord::kBuzzerTimed; }
    std::string SecondsText() const { return std::to_string(m_seconds); }
    // The edit lost the focus with `typed`: 1 to 65535 is taken, anything else gives the
    // previous value back. Returns whether the entry was taken.
    bool SecondsFocusLost(const std::string &typed);

    bool HideAfterClear() const { return m_hide; }
    void SetHideAfterClear(bool hide) { m_hide = hide; }

    // False (51230 shown) when the message is empty; otherwise builds the held record.
    bool Ok();

private:
    FunctionEnv m_env;
    CAlarmRecord m_record;
    CAddrGroup m_address;
    bool m_conditionOn = true;
    std::string m_message; // panel code page
    std::uint16_t m_buzzer = CAlarmRecord::kBuzzerOff;
    std::uint32_t m_seconds = 0;
    bool m_hide = false;
};

} // namespace core
