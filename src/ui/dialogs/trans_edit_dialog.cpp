#include "ui/dialogs/trans_edit_dialog.h"

#include "ui/dialogs/addr_group_box.h"
#include "ui/dialogs/function_dialog_parts.h"
#include "ui/dialogs/sys_addr_dialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui {

CTransEditDialog::CTransEditDialog(const core::FunctionEnv &env, core::CTransEditDlg &presenter,
                                   QWidget *parent)
    : CPresenterDialog(parent)
    , m_slots(env.plcSlots)
    , m_presenter(presenter)
{
    setWindowTitle(tr("블록통신 편집"));
    build();
    refreshView();
}

void CTransEditDialog::build()
{
    auto &p = m_presenter;
    auto *direction
            = radioBox(tr("통신방향"), {QStringLiteral("HMI<-PLC"), QStringLiteral("HMI->PLC")},
                       m_direction, this);
    m_size = new QLineEdit(this);
    m_size->setValidator(new QIntValidator(0, 99999, m_size));
    auto *sizeLabel = new QLabel(tr("데이터크기(&S):"), this);
    sizeLabel->setBuddy(m_size);
    auto *sizeRow = new QHBoxLayout;
    sizeRow->addWidget(sizeLabel);
    sizeRow->addWidget(m_size);
    m_sizeRange = new QLabel(this);
    sizeRow->addWidget(m_sizeRange);
    sizeRow->addStretch();

    m_plc = new CAddrGroupBox(tr("PLC주소"), m_slots, p.Plc(), false, false, this);
    auto *panel = new QGroupBox(tr("HMI주소"), this);
    auto *panelRow = new QHBoxLayout(panel);
    m_panel = new QLineEdit(panel);
    m_panel->setReadOnly(true);
    m_panel->setAccessibleName(tr("HMI주소"));
    m_panelButton = new QPushButton(tr("주소..."), panel);
    m_panelButton->setAccessibleName(tr("HMI주소") + QLatin1Char(' ') + tr("주소..."));
    panelRow->addWidget(m_panel, 1);
    panelRow->addWidget(m_panelButton);

    m_start = new CAddrGroupBox(tr("기동주소"), m_slots, p.Start(), false, true, this);
    const QStringList conditions = {tr("상시"), QStringLiteral("On"), QStringLiteral("Off"),
                                    tr("반전"), tr("On 계속"),        tr("Off 계속")};
    auto *condition = radioBox(tr("통신조건"), conditions, m_condition, this, true);

    auto *left = new QVBoxLayout;
    left->addWidget(direction);
    left->addLayout(sizeRow);
    left->addWidget(m_plc);
    left->addWidget(panel);
    auto *right = new QVBoxLayout;
    right->addWidget(m_start);
    right->addWidget(condition);
    auto *layout = new QHBoxLayout;
    layout->addLayout(left);
    layout->addLayout(right);
    setContent(layout);

    for (CAddrGroupBox *box : {m_plc, m_start})
        connect(box, &CAddrGroupBox::changed, this, [this] { refreshView(); });
    connect(m_direction, &QButtonGroup::idClicked, this,
            [this, &p](int id) { forward([&] { p.SetDirection(std::uint16_t(id)); }); });
    connect(m_size, &QLineEdit::editingFinished, this, &CTransEditDialog::takeSize);
    connect(m_panelButton, &QPushButton::clicked, this, &CTransEditDialog::browsePanel);
    connect(m_condition, &QButtonGroup::idClicked, this,
            [this, &p](int id) { forward([&] { p.SetCondition(std::uint16_t(id)); }); });
}

bool CTransEditDialog::takeSize()
{
    bool taken = false;
    forward([&] { taken = m_presenter.DataSizeFocusLost(m_size->text().toStdString()); });
    return taken;
}

void CTransEditDialog::browsePanel()
{
    // The panel reads the words it sends and writes the ones it receives.
    std::string area;
    std::string number = m_presenter.PanelAddress();
    const bool writes = m_presenter.Direction() == core::CTransRecord::kToPanel;
    if (editDeviceAddress(this, m_slots, 0, core::kAddrWord, writes, area, number))
        forward([&] { m_presenter.SetPanelAddress(number); });
}

void CTransEditDialog::refresh()
{
    const auto &p = m_presenter;
    m_direction->button(p.Direction() == core::CTransRecord::kToPanel ? 0 : 1)->setChecked(true);
    m_size->setText(QString::fromStdString(p.DataSizeText()));
    // The limit beside the field: it follows the channel, the direction and the HMI word.
    m_sizeRange->setText(tr("Word (1 ~ %1)").arg(p.LargestDataSize()));
    m_plc->refresh();
    m_panel->setText(deviceAddressText(m_slots, 0, "", p.PanelAddress()));
    m_start->refresh();
    m_condition->button(p.Condition())->setChecked(true);
}

bool CTransEditDialog::acceptChanges()
{
    // A size the presenter had to correct keeps the dialog open, showing what it became.
    if (m_size->text().toStdString() != m_presenter.DataSizeText() && !takeSize())
        return false;
    return m_presenter.Ok();
}

} // namespace ui
