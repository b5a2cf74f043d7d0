#pragma once

// The logic of the block-transfer list: at most 20 transfers, edited as copies, written back on
// OK; it opens only when a channel holds a PLC.

#include "core/presenters/record_list_dlg.h"

#include "core/functions/function_text.h"
#include "core/presenters/trans_edit_dlg.h"

namespace core {

class CTransDlg : public CRecordListDlg<CTransRecord, CTransEditDlg>
{
public:
    using enum TransText::Column;

    explicit CTransDlg(const FunctionEnv &env);

    static std::vector<ListColumn> Columns() { return TransText::Columns(); }
    std::string CellText(std::size_t row, int column) const;
};

} // namespace core
