#pragma once

// The logic of the calculation list: at most 20 calculations, edited as copies, written back on
// OK; the columns show start address and condition, operator, operands, result and data type.

#include "core/presenters/calc_edit_dlg.h"
#include "core/presenters/record_list_dlg.h"

#include "core/functions/function_text.h"

namespace core {

class CCalcDlg : public CRecordListDlg<CCalcRecord, CCalcEditDlg>
{
public:
    using enum CalcText::Column;

    explicit CCalcDlg(const FunctionEnv &env);

    static std::vector<ListColumn> Columns() { return CalcText::Columns(); }
    std::string CellText(std::size_t row, int column) const;
};

} // namespace core
