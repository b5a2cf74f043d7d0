#include "core/presenters/calc_dlg.h"

namespace core {

CCalcDlg::CCalcDlg(const FunctionEnv &env)
    : CRecordListDlg(env, CCalcEditDlg(env))
{ }

std::string CCalcDlg::CellText(std::size_t row, int column) const
{
    return row < m_items.size() ? CalcText::Cell(m_env.plcSlots, m_items[row], column)
                                : std::string();
}

} // namespace core
