#include "core/presenters/alarm_dlg.h"

namespace core {

CAlarmDlg::CAlarmDlg(const FunctionEnv &env)
    : CRecordListDlg(env, CAlarmEditDlg(env))
{ }

std::string CAlarmDlg::CellText(std::size_t row, int column) const
{
    return row < m_items.size()
            ? AlarmText::Cell(m_env.plcSlots, m_env.panelLang, m_items[row], column)
            : std::string();
}

} // namespace core
