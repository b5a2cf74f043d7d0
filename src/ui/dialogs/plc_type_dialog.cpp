#include "ui/dialogs/plc_type_dialog.h"

#include "ui/dialogs/channel_choice_row.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QVBoxLayout>

namespace ui {

CPlcTypeDialog::CPlcTypeDialog(const core::CAppConfig &config, const core::CDorvaneDoc &doc,
                               core::CFunctionPrompt &prompt, QWidget *parent)
    : QDialog(parent)
    , m_presenter(config, prompt, doc)
{
    setWindowTitle(tr("PLC 타입 변경"));
    auto *grid = new QGridLayout;
    m_row1 = new CChannelChoiceRow(m_presenter.Choice(1), this, grid, 0);
    m_row2 = new CChannelChoiceRow(m_presenter.Choice(2), this, grid, 1);
    grid->setColumnStretch(1, 1);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
    setMinimumWidth(480);
}

CPlcTypeDialog::~CPlcTypeDialog() = default;

} // namespace ui
