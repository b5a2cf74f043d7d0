#pragma once

// The report's set-up window ("보고서 설정"), asked before printing, the print preview and the PDF
// export: the screens the report shows and the width of their pictures. A view over
// core::CReportSetupDlg; the caller draws the report.

#include "ui/dialogs/presenter_dialog.h"

#include "core/report/report_setup_dlg.h"

class QCheckBox;
class QSpinBox;

namespace ui {

class CScreenScopeBox;

class CReportSetupDialog : public CPresenterDialog
{
    Q_OBJECT
public:
    // `current` is the open screen, or -1 without one.
    CReportSetupDialog(const core::CPlcSlots &plcSlots, std::vector<std::uint16_t> screens,
                       int current, QWidget *parent = nullptr);

    core::CReportSetupDlg &presenter() { return m_presenter; }
    CScreenScopeBox *scopeBox() const { return m_scope; }
    QSpinBox *widthBox() const { return m_width; }
    QCheckBox *crossReferenceCheck() const { return m_xref; }

protected:
    void refresh() override;
    bool acceptChanges() override;

private:
    core::CReportSetupDlg m_presenter;
    CScreenScopeBox *m_scope = nullptr;
    QSpinBox *m_width = nullptr;
    QCheckBox *m_xref = nullptr;
};

} // namespace ui
