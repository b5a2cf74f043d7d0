#include "ui/dialogs/plc_type_dialog.h"

#include "ui/dialogs/channel_choice_row.h"

#include <QComboBox>
#include <QGridLayout>

namespace ui {

CPlcTypeDialog::CPlcTypeDialog(const core::CAppConfig &config, const core::CDorvaneDoc &doc,
                               core::CFunctionPrompt &prompt, QWidget *parent)
    : CPresenterDialog(parent)
    , m_presenter(config, prompt, doc)
{
    setWindowTitle(tr("PLC 타입 변경"));
    auto *grid = new QGridLayout;
    m_row1 = new CChannelChoiceRow(m_presenter.Choice(1), this, grid, 0);
    m_row2 = new CChannelChoiceRow(m_presenter.Choice(2), this, grid, 1);
    grid->setColumnStretch(1, 1);
    setContent(grid);
    setMinimumWidth(480);
    m_row1->combo()->setFocus();
}

CPlcTypeDialog::~CPlcTypeDialog() = default;

void CPlcTypeDialog::refresh()
{
    m_row1->refresh();
    m_row2->refresh();
}

} // namespace ui
