#include "core/presenters/calc_dlg.h"

#include "util/message_ids.h"
#include "util/messages.h"

namespace core {

CCalcDlg::CCalcDlg(const FunctionEnv &env)
    : CRecordListDlg(env, CCalcEditDlg(env))
{ }

std::vector<ListColumn> CCalcDlg::Columns()
{
    const auto col = [](int id, int width) {
        return ListColumn{std::string(util::messageText(id)), width};
    };
    return {col(51400, 67), col(51401, 60), col(51402, 48), col(51403, 90),
            col(51404, 90), col(51405, 67), col(51406, 132)};
}

std::string CCalcDlg::CellText(std::size_t row, int column) const
{
    return row < m_items.size() ? CellText(m_env, m_items[row], column) : std::string();
}

std::string CCalcDlg::CellText(const FunctionEnv &env, const CCalcRecord &record, int column)
{
    const ValueType type = record.Type();
    const std::int32_t kind = type.kind == kDataLong ? kAddrDWord : kAddrWord;
    switch (column) {
    case kColStart:
        return CDeviceAddr::FromBlock(env.plcSlots, record.Bytes(), CCalcRecord::kStart, kAddrBit)
                .CellText(env.plcSlots);
    case kColCondition:
        return record.Condition() < CCalcRecord::kConditionCount ? std::string(
                       util::messageText(util::msg::kCalcConditionFirst + record.Condition()))
                                                                 : std::string();
    case kColOperator:
        return CCalcRecord::OperatorText(record.Operator());
    case kColOperand1:
    case kColOperand2: {
        const int operand = column == kColOperand1 ? 0 : 1;
        if (record.IsConstant(operand))
            return record.ConstantText(operand) + ", Const";
        return CDeviceAddr::FromBlock(env.plcSlots, record.Bytes(),
                                      CCalcRecord::OperandBlock(operand), kind)
                       .CellText(env.plcSlots)
                + ", Addr";
    }
    case kColResult:
        return CDeviceAddr::FromBlock(env.plcSlots, record.Bytes(), CCalcRecord::kResult, kind)
                .CellText(env.plcSlots);
    case kColType: {
        static const char *const formats[] = {"DEC", "HEX", "BCD"};
        const char *format = type.format >= 1 && type.format <= 3 ? formats[type.format - 1] : "";
        return util::formatText("%s, %s, %s", type.kind == kDataLong ? "Long" : "Word", format,
                                type.isSigned ? "Signed" : "Unsigned");
    }
    default:
        return {};
    }
}

} // namespace core
