#include "core/presenters/trans_dlg.h"

#include "util/message_ids.h"
#include "util/messages.h"

namespace core {

CTransDlg::CTransDlg(const FunctionEnv &env)
    : CRecordListDlg(env, CTransEditDlg(env))
{ }

std::vector<ListColumn> CTransDlg::Columns()
{
    const auto col = [](int id, int width) {
        return ListColumn{std::string(util::messageText(id)), width};
    };
    return {col(51500, 90), col(51501, 60), col(51502, 80),
            col(51503, 90), col(51504, 90), col(51505, 80)};
}

std::string CTransDlg::CellText(std::size_t row, int column) const
{
    return row < m_items.size() ? CellText(m_env, m_items[row], column) : std::string();
}

std::string CTransDlg::CellText(const FunctionEnv &env, const CTransRecord &record, int column)
{
    switch (column) {
    case kColStart:
        return CDeviceAddr::FromBlock(env.plcSlots, record.Bytes(), CTransRecord::kStart, kAddrBit)
                .CellText(env.plcSlots);
    case kColCondition:
        return record.Condition() < CTransRecord::kConditionCount ? std::string(
                       util::messageText(util::msg::kTransConditionFirst + record.Condition()))
                                                                  : std::string();
    case kColDirection:
        return record.Direction() != 0 ? "HMI->PLC" : "HMI<-PLC";
    case kColPlc:
        return CDeviceAddr::FromBlock(env.plcSlots, record.Bytes(), CTransRecord::kPlcBlock,
                                      kAddrWord)
                .CellText(env.plcSlots);
    case kColPanel:
        return record.PanelAddress();
    case kColSize:
        return std::to_string(record.DataSize());
    default:
        return {};
    }
}

} // namespace core
