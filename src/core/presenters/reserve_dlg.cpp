#include "core/presenters/reserve_dlg.h"

namespace core {

CReserveDlg::CReserveDlg(const FunctionEnv &env)
    : CRecordListDlg(env, CReserveEditDlg(env))
{ }

std::string CReserveDlg::CellText(std::size_t row, int column) const
{
    return row < m_items.size() ? ReserveText::Cell(m_env.plcSlots, m_items[row], column)
                                : std::string();
}

} // namespace core
