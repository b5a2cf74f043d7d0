#pragma once

// The PLC type change ("PLC 타입 변경"): one PLC choice per channel, each with its settings and
// wiring diagram buttons, over core::CPlcTypeDlg. The dialog only collects the choice; the
// caller runs presenter().Ok(doc) (which asks 52103 through the prompt it passed) and records the
// result as one undo step.

#include "ui/dialogs/presenter_dialog.h"

#include "core/presenters/plc_type_dlg.h"

namespace ui {

class CChannelChoiceRow;

class CPlcTypeDialog : public CPresenterDialog
{
    Q_OBJECT
public:
    CPlcTypeDialog(const core::CAppConfig &config, const core::CDorvaneDoc &doc,
                   core::CFunctionPrompt &prompt, QWidget *parent = nullptr);
    ~CPlcTypeDialog() override;

    core::CPlcTypeDlg &presenter() { return m_presenter; }
    CChannelChoiceRow &row(int channel) const { return channel == 2 ? *m_row2 : *m_row1; }

protected:
    void refresh() override;

private:
    core::CPlcTypeDlg m_presenter;
    CChannelChoiceRow *m_row1 = nullptr;
    CChannelChoiceRow *m_row2 = nullptr;
};

} // namespace ui
