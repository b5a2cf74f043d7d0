#pragma once

// The logic of the reservation list: at most 20 reservations, edited as copies, written back on
// OK; the columns show start condition and address, the repeat, the time, the bit and its value.

#include "core/presenters/record_list_dlg.h"

#include "core/functions/function_text.h"
#include "core/presenters/reserve_edit_dlg.h"

namespace core {

class CReserveDlg : public CRecordListDlg<CReserveRecord, CReserveEditDlg>
{
public:
    using enum ReserveText::Column;

    explicit CReserveDlg(const FunctionEnv &env);

    static std::vector<ListColumn> Columns() { return ReserveText::Columns(); }
    std::string CellText(std::size_t row, int column) const;
};

} // namespace core
