#pragma once

// The logic of the reservation list: at most 20 reservations, edited as copies, written back on
// OK; the columns show start condition and address, the repeat, the time, the bit and its value.

#include "core/presenters/record_list_dlg.h"
#include "core/presenters/reserve_edit_dlg.h"

namespace core {

class CReserveDlg : public CRecordListDlg<CReserveRecord, CReserveEditDlg>
{
public:
    enum Column { kColCondition, kColStart, kColRepeat, kColTime, kColExec, kColValue, kColCount };

    explicit CReserveDlg(const FunctionEnv &env);

    static std::vector<ListColumn> Columns();
    std::string CellText(std::size_t row, int column) const;
    static std::string CellText(const FunctionEnv &env, const CReserveRecord &record, int column);
};

} // namespace core
