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
    switch (r.RepeatMode()) {
    case CReserveRecord::kOnce: {
        const std::string date
                = util::formatText("%04X-%02X-%02X", r.Word(CReserveRecord::kYear),
                                   r.Word(CReserveRecord::kMonth), r.Word(CReserveRecord::kDay));
        return util::formatText("%s %s", message(51620).c_str(), date.c_str());
    }
    case CReserveRecord::kDaily:
        return util::formatText("%s %s", message(51621).c_str(), "");
    case CReserveRecord::kWeekly: {
        std::string days;
        for (int i = 0; i < 7; ++i) {
            if (!((r.WeekdayMask() >> i) & 1))
                continue;
            if (!days.empty())
                days += ",";
            days += message(51630 + i);
        }
        return util::formatMessage(util::msg::kTwoTexts, message(51622).c_str(), days.c_str());
    }
    case CReserveRecord::kMonthly: {
        const std::string day = util::formatText("%X", r.Word(CReserveRecord::kDay));
        return util::formatText("%s %s", message(51623).c_str(), day.c_str());
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
    const auto col = [](int id, int width) { return ListColumn{message(id), width}; };
    return {col(51600, 70), col(51601, 90), col(51602, 150),
            col(51603, 60), col(51604, 90), col(51605, 70)};
}

std::string CReserveDlg::CellText(std::size_t row, int column) const
{
    return row < m_items.size() ? CellText(m_env, m_items[row], column) : std::string();
}

std::string CReserveDlg::CellText(const FunctionEnv &env, const CReserveRecord &record, int column)
{
    switch (column) {
    case kColCondition:
        return record.Condition() <= 2 ? message(51610 + record.Condition()) : std::string();
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
