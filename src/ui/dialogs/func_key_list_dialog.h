#pragma once

// The function-key list: a read-only overview of one screen's eight keys, one block of rows per
// key, as the core presenter lays them out.
// A plain QDialog, not a CPresenterDialog: a read-only overview with only Close has nothing to
// forward and no OK to check.

#include "core/model/dorvane_doc.h"
#include "core/presenters/func_key_list_dlg.h"
#include "core/presenters/function_env.h"

#include <QDialog>

class QTableWidget;

namespace ui {

class CFuncKeyListDialog : public QDialog
{
    Q_OBJECT
public:
    CFuncKeyListDialog(const core::FunctionEnv &env, const core::CScreenData &screen,
                       std::uint16_t panelLangId, QWidget *parent = nullptr);
    QTableWidget *table() const { return m_table; }

private:
    QTableWidget *m_table = nullptr;
};

} // namespace ui
