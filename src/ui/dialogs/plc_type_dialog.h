#pragma once

// The PLC type change ("PLC 타입 변경"): one PLC choice per channel, each with its settings and
// wiring diagram buttons, over core::CPlcTypeDlg. The dialog only collects the choice; the
// caller runs presenter().Ok(doc) (which asks 52103) and records the result as one undo step.

#include "core/presenters/plc_type_dlg.h"

#include <QDialog>

#include <memory>

namespace ui {

class CChannelChoiceRow;
class CQtPrompt;

class CPlcTypeDialog : public QDialog
{
    Q_OBJECT
public:
    CPlcTypeDialog(const core::CAppConfig &config, const core::CDorvaneDoc &doc,
                   core::CFunctionPrompt &prompt, QWidget *parent = nullptr);
    ~CPlcTypeDialog() override;

    core::CPlcTypeDlg &presenter() { return m_presenter; }
    CChannelChoiceRow &row(int channel) const { return channel == 2 ? *m_row2 : *m_row1; }

private:
    core::CPlcTypeDlg m_presenter;
    CChannelChoiceRow *m_row1 = nullptr;
    CChannelChoiceRow *m_row2 = nullptr;
};

} // namespace ui
