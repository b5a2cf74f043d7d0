#pragma once

// The used-system-memory window ("사용된 시스템 메모리"): the panel's internal words 0-999 as 50
// rows of 20, each marked R, W or R/W in red where the project reads or writes it. A view over
// core::CUsedSysMemDlg; it only shows.

#include "ui/dialogs/presenter_dialog.h"

#include "core/presenters/used_sys_mem_dlg.h"

class QTableWidget;

namespace ui {

class CUsedSysMemDialog : public CPresenterDialog
{
    Q_OBJECT
public:
    explicit CUsedSysMemDialog(const core::CUsedSysMemDlg &map, QWidget *parent = nullptr);

    QTableWidget *table() const { return m_table; }

protected:
    void refresh() override;

private:
    core::CUsedSysMemDlg m_map;
    QTableWidget *m_table = nullptr;
};

} // namespace ui
