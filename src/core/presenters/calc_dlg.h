#pragma once

// The logic of the calculation list: at most 20 calculations, edited as copies, written back on
// OK; the columns show start address and condition, operator, operands, result and data type.

#include "core/presenters/calc_edit_dlg.h"
#include "core/presenters/record_list_dlg.h"

namespace core {

class CCalcDlg : public CRecordListDlg<CCalcRecord, CCalcEditDlg>
{
public:
    enum Column {
        kColStart,
        kColCondition,
        kColOperator,
        kColOperand1,
        kColOperand2,
        kColResult,
        kColType,
        kColCount
    };

    explicit CCalcDlg(const FunctionEnv &env);

    static std::vector<ListColumn> Columns();
    std::string CellText(std::size_t row, int column) const;
    static std::string CellText(const FunctionEnv &env, const CCalcRecord &record, int column);
};

} // namespace core
