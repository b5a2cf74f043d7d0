#pragma once

// The logic of the alarm list: at most 20 alarms, edited as copies, written back on OK. The
// columns show the address, the condition, the buzzer, the message and whether the message stays.

#include "core/presenters/alarm_edit_dlg.h"
#include "core/presenters/record_list_dlg.h"

#include "core/functions/function_text.h"

namespace core {

class CAlarmDlg : public CRecordListDlg<CAlarmRecord, CAlarmEditDlg>
{
public:
    using enum AlarmText::Column;

    explicit CAlarmDlg(const FunctionEnv &env);

    static std::vector<ListColumn> Columns() { return AlarmText::Columns(); }
    std::string CellText(std::size_t row, int column) const;
};

} // namespace core
