#include "core/presenters/trans_dlg.h"

namespace core {

CTransDlg::CTransDlg(const FunctionEnv &env)
    : CRecordListDlg(env, CTransEditDlg(env))
{ }

std::string CTransDlg::CellText(std::size_t row, int column) const
{
    return row < m_items.size() ? TransText::Cell(m_env.plcSlots, m_items[row], column)
                                : std::string();
}

} // namespace core
