#include "core/presenters/reserve_dlg.h"

#include "util/message_ids.h"
#include "util/messages.h"

namespace core {

namespace {

std::string message(int id)
{
    return std::string(util::messageText(id));
}

std::string repeatText(const CReserveRecord &r)
{
    const std::string name = message(util::msg::kReserveRepeatFirst + r.RepeatMode());
    switch (r.RepeatMode()) {
    case CReserveRecord::kOnce: {
        const std::string date
                = util::formatText("%04X-%02X-%02X", r.Word(CReserveRecord::kYear),
                                   r.Word(CReserveRecord::kMonth), r.Word(CReserveRecord::kDay));
        return util::formatText("%s %s", name.c_str(), date.c_str());
    }
    case CReserveRecord::kDaily:
        return util::formatText("%s %s", name.c_str(), "");
    case CReserveRecord::kWeekly: {
        std::string days;
        for (int i = 0; i < 7; ++i) {
            if (!((r.WeekdayMask() >> i) & 1))
                continue;
            if (!days.empty())
                days += ",";
            days += message(util::msg::kWeekdayFirst + i);
        }
        return util::formatMessage(util::msg::kTwoTexts, name.c_str(), days.c_str());
    }
    case CReserveRecord::kMonthly: {
        const std::string day = util::formatText("%X", r.Word(CReserveRecord::kDay));
        return util::formatText("%s %s", name.c_str(), day.c_str());
    }
    default:
        return {};
    }
}

} // namespace

CReserveDlg::CReserveDlg(const FunctionEnv &env)
    : CRecordListDlg(env, CReserveEditDlg(env))
{ }

std::vector<ListColumn> CReserveDlg::Columns()
{
    // The captions in column order, from the first of the run.
    const auto col = [](int column, int width) {
        return ListColumn{message(util::msg::kReserveCaptionFirst + column), width};
    };
    return {col(kColCondition, 70), col(kColStart, 90), col(kColRepeat, 150),
            col(kColTime, 60),      col(kColExec, 90),  col(kColValue, 70)};
}

std::string CReserveDlg::CellText(std::size_t row, int column) const
{
    return row < m_items.size() ? CellText(m_env, m_items[row], column) : std::string();
}

std::string CReserveDlg::CellText(const FunctionEnv &env, const CReserveRecord &record, int column)
{
    switch (column) {
    case kColCondition:
        return record.Condition() <= 2
                ? message(util::msg::kReserveConditionFirst + record.Condition())
                : std::string();
    case kColStart:
        return CDeviceAddr::FromBlock(env.plcSlots, record.Bytes(), CReserveRecord::kStart,
                                      kAddrBit)
                .CellText(env.plcSlots);
    case kColRepeat:
        return repeatText(record);
    case kColTime:
        return util::formatText("%02X:%02X:%02X", record.Word(CReserveRecord::kHour),
                                record.Word(CReserveRecord::kMinute),
                                record.Word(CReserveRecord::kSecond));
    case kColExec:
        return CDeviceAddr::FromBlock(env.plcSlots, record.Bytes(), CReserveRecord::kExecBlock,
                                      kAddrBit)
                .CellText(env.plcSlots);
    case kColValue:
        return record.Value() != 0 ? "On" : "Off";
    default:
        return {};
    }
}

} // namespace core
