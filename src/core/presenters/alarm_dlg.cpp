#include "core/presenters/alarm_dlg.h"

#include "core/functions/user_text.h"

#include "util/message_ids.h"
#include "util/messages.h"

namespace core {

CAlarmDlg::CAlarmDlg(const FunctionEnv &env)
    : CRecordListDlg(env, CAlarmEditDlg(env))
{ }

std::vector<ListColumn> CAlarmDlg::Columns()
{
    const auto col = [](int id, int width) {
        return ListColumn{std::string(util::messageText(id)), width};
    };
    using namespace util::msg;
    return {col(kAddressCaption, 100), col(kConditionCaption, 70), col(kBuzzerCaption, 120),
            col(kAlarmMessageCaption, 180), col(kMessageDisplayCaption, 80)};
}

std::string CAlarmDlg::CellText(std::size_t row, int column) const
{
    return row < m_items.size() ? CellText(m_env, m_items[row], column) : std::string();
}

std::string CAlarmDlg::CellText(const FunctionEnv &env, const CAlarmRecord &record, int column)
{
    switch (column) {
    case kColAddress:
        return CDeviceAddr::FromBlock(env.plcSlots, record.Bytes(), CAlarmRecord::kBlock, kAddrBit)
                .CellText(env.plcSlots);
    case kColCondition:
        return std::string(
                util::messageText(record.ConditionOn() ? util::msg::kOn : util::msg::kOff));
    case kColBuzzer:
        switch (record.BuzzerMode()) {
        case CAlarmRecord::kBuzzerOff:
            return std::string(util::messageText(util::msg::kBuzzerNotUsed));
        case CAlarmRecord::kBuzzerTimed:
            return std::to_string(record.BuzzerSeconds())
                    + std::string(util::messageText(util::msg::kBuzzerSeconds));
        case CAlarmRecord::kBuzzerContinuous:
            return std::string(util::messageText(util::msg::kBuzzerContinuous));
        default:
            return {};
        }
    case kColMessage:
        return usertext::ToUser(record.Message(), env.panelLang);
    case kColDisplay:
        return record.HideAfterClear() ? "X" : "O";
    default:
        return {};
    }
}

} // namespace core
