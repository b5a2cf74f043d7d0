#include "core/presenters/alarm_edit_dlg.h"

#include "core/functions/device_block.h"
#include "core/functions/user_text.h"

#include "util/message_ids.h"

#include <charconv>

namespace core {

CAlarmEditDlg::CAlarmEditDlg(const FunctionEnv &env)
    : m_env(env)
    , m_address(env.plcSlots, kAddrBit)
{
    Load(CAlarmRecord::Default());
}

void CAlarmEditDlg::Load(const CAlarmRecord &record)
{
    m_record = record;
    m_message = record.Message();
    m_conditionOn = record.ConditionOn();
    m_buzzer = record.BuzzerMode();
    m_seconds = record.BuzzerSeconds();
    m_hide = record.HideAfterClear();
    m_address.Load(
            CDeviceAddr::FromBlock(m_env.plcSlots, record.Bytes(), CAlarmRecord::kBlock, kAddrBit));
}

std::string CAlarmEditDlg::Message() const
{
    return usertext::ToUser(m_message, m_env.panelLang);
}

void CAlarmEditDlg::SetMessage(const std::string &utf8)
{
    m_message = usertext::FromUser(utf8, m_env.panelLang, CAlarmRecord::kMaxMessage);
}

void CAlarmEditDlg::SetBuzzerMode(std::uint16_t mode)
{
    if (mode > CAlarmRecord::kBuzzerContinuous)
        return;
    m_buzzer = mode;
    m_seconds = mode == CAlarmRecord::kBuzzerTimed ? 1 : 0;
}

bool CAlarmEditDlg::SecondsFocusLost(const std::string &typed)
{
    std::uint32_t value = 0;
    const auto [end, ec] = std::from_chars(typed.data(), typed.data() + typed.size(), value);
    if (ec != std::errc() || end != typed.data() + typed.size() || value < 1 || value > 65535)
        return false;
    m_seconds = value;
    return true;
}

bool CAlarmEditDlg::Ok()
{
    if (m_message.empty()) {
        m_env.Show(util::msg::kNoAlarmMessage);
        return false;
    }
    CAlarmRecord r;
    r.SetMessage(m_message);
    r.SetBuzzerSeconds(std::uint16_t(m_seconds));
    std::uint16_t flags = m_conditionOn ? CAlarmRecord::kFlagOn : 0;
    if (m_hide)
        flags |= CAlarmRecord::kFlagHide;
    flags = std::uint16_t(flags + m_buzzer * 256);
    r.SetFlags(flags);
    util::setLe16(r.Bytes(), CAlarmRecord::kBlock + devblock::kDataKind, 1);
    util::setLe16(r.Bytes(), CAlarmRecord::kBlock + devblock::kCount, 1);
    if (!m_address.BuildInto(m_env.prompt, r.Bytes(), CAlarmRecord::kBlock, kAddrBit))
        return false;
    m_record = r;
    return true;
}

} // namespace core
