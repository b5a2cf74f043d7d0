#include "ui/dialogs/calc_edit_dialog.h"

#include "ui/common/message_box.h"
#include "ui/dialogs/addr_group_box.h"
#include "ui/dialogs/function_dialog_parts.h"

#include "core/functions/calc_record.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QVBoxLayout>

namespace ui {

CCalcEditDialog::CCalcEditDialog(const core::FunctionEnv &env, core::CCalcEditDlg &presenter,
                                 QWidget *parent)
    : CPresenterDialog(parent)
    , m_presenter(presenter)
{
    setWindowTitle(tr("연산 편집"));
    build(env);
    refreshView();
}

QWidget *CCalcEditDialog::buildOperand(const core::FunctionEnv &env, int operand)
{
    const auto i = std::size_t(operand);
    const QString title = operand == 0 ? tr("연산대상 1") : tr("연산대상 2");
    auto *holder = new QWidget(this);
    auto *layout = new QVBoxLayout(holder);
    layout->setContentsMargins(0, 0, 0, 0);
    m_constBoxes[i] = new QCheckBox(tr("상수"), holder);
    m_constBoxes[i]->setAccessibleName(title + QLatin1Char(' ') + tr("상수"));
    m_constEdits[i] = new QLineEdit(holder);
    m_constEdits[i]->setAccessibleName(title + QLatin1Char(' ') + tr("상수 값"));
    auto *constRow = new QHBoxLayout;
    constRow->addWidget(m_constBoxes[i]);
    constRow->addWidget(m_constEdits[i], 1);
    m_operands[i] = new CAddrGroupBox(title, env.plcSlots, m_presenter.Operand(operand), false,
                                      true, holder);
    // The box stays where it is when the address group gives way to the constant edit.
    layout->addLayout(constRow);
    layout->addWidget(m_operands[i]);
    layout->addStretch();

    connect(m_operands[i], &CAddrGroupBox::changed, this, [this] { refreshView(); });
    connect(m_constBoxes[i], &QCheckBox::toggled, this,
            [this, operand](bool on) { forward([&] { m_presenter.SetConstant(operand, on); }); });
    connect(m_constEdits[i], &QLineEdit::editingFinished, this,
            [this, operand] { takeConstant(operand); });
    return holder;
}

void CCalcEditDialog::build(const core::FunctionEnv &env)
{
    auto &p = m_presenter;
    m_start = new CAddrGroupBox(tr("기동주소"), env.plcSlots, p.Start(), false, true, this);
    m_condition = new QComboBox(this);
    for (const auto &text : core::CCalcEditDlg::ConditionTexts())
        m_condition->addItem(QString::fromStdString(text));
    m_operator = new QComboBox(this);
    for (int op = 0; op < core::CCalcRecord::kOperatorCount; ++op)
        m_operator->addItem(QString::fromLatin1(core::CCalcRecord::OperatorText(op)));
    auto *form = new QFormLayout;
    auto *conditionLabel = new QLabel(tr("기동조건(&C):"), this);
    conditionLabel->setBuddy(m_condition);
    form->addRow(conditionLabel, m_condition);
    auto *operatorLabel = new QLabel(tr("연산자(&O):"), this);
    operatorLabel->setBuddy(m_operator);
    form->addRow(operatorLabel, m_operator);

    m_result = new CAddrGroupBox(tr("결과주소"), env.plcSlots, p.Result(), true, true, this);
    auto *kind = radioBox(tr("데이터"), {QStringLiteral("Word"), QStringLiteral("Long")}, m_kind,
                          this);
    auto *format = radioBox(tr("표시형식"),
                            {QStringLiteral("DEC"), QStringLiteral("HEX"), QStringLiteral("BCD")},
                            m_format, this);
    m_signed = new QCheckBox(tr("부호"), this);
    format->layout()->addWidget(m_signed);

    auto *grid = new QGridLayout;
    auto *top = new QVBoxLayout;
    top->addWidget(m_start);
    top->addLayout(form);
    grid->addLayout(top, 0, 0);
    grid->addWidget(buildOperand(env, 0), 0, 1);
    grid->addWidget(buildOperand(env, 1), 1, 0);
    grid->addWidget(m_result, 1, 1);
    auto *types = new QHBoxLayout;
    types->addWidget(kind);
    types->addWidget(format, 1);
    auto *layout = new QVBoxLayout;
    layout->addLayout(grid);
    layout->addLayout(types);
    setContent(layout);

    for (CAddrGroupBox *box : {m_start, m_result})
        connect(box, &CAddrGroupBox::changed, this, [this] { refreshView(); });
    connect(m_condition, &QComboBox::currentIndexChanged, this,
            [this, &p](int i) { forward([&] { p.SetCondition(std::uint16_t(i)); }); });
    connect(m_operator, &QComboBox::currentIndexChanged, this,
            [this, &p](int i) { forward([&] { p.SetOperator(std::uint16_t(i)); }); });
    connect(m_kind, &QButtonGroup::idClicked, this, [this, &p](int id) {
        forward([&] { p.SetDataKind(id == 0 ? core::kDataWord : core::kDataLong); });
    });
    connect(m_format, &QButtonGroup::idClicked, this,
            [this, &p](int id) { forward([&] { p.SetFormat(std::uint16_t(id + 1)); }); });
    connect(m_signed, &QCheckBox::toggled, this,
            [this, &p](bool on) { forward([&] { p.SetSigned(on); }); });
}

void CCalcEditDialog::takeConstant(int operand)
{
    QLineEdit *edit = m_constEdits.at(std::size_t(operand));
    if (refreshing() || !m_presenter.IsConstant(operand))
        return;
    if (m_presenter.ConstantFocusLost(operand, edit->text().toStdString()))
        return;
    // A refused constant takes the focus back once the message has closed.
    QTimer::singleShot(0, edit, [edit] {
        edit->setFocus(Qt::OtherFocusReason);
        edit->selectAll();
    });
}

void CCalcEditDialog::refresh()
{
    auto &p = m_presenter;
    m_start->refresh();
    m_condition->setCurrentIndex(p.Condition());
    m_operator->setCurrentIndex(p.Operator());
    for (int i = 0; i < 2; ++i) {
        const auto n = std::size_t(i);
        const bool constant = p.IsConstant(i);
        m_operands[n]->refresh();
        m_operands[n]->setVisible(!constant);
        m_constBoxes[n]->setChecked(constant);
        m_constEdits[n]->setVisible(constant);
        m_constEdits[n]->setText(QString::fromStdString(p.ConstantText(i)));
    }
    m_result->refresh();
    m_kind->button(p.Type().kind == core::kDataLong ? 1 : 0)->setChecked(true);
    const int format = p.Type().format;
    m_format->button(format >= 1 && format <= 3 ? format - 1 : 0)->setChecked(true);
    m_signed->setEnabled(p.SignedEnabled());
    m_signed->setChecked(p.Type().isSigned);
}

bool CCalcEditDialog::acceptChanges()
{
    // Constants typed but not yet left are taken as they stand; OK checks them.
    for (int i = 0; i < 2; ++i)
        if (m_presenter.IsConstant(i))
            m_presenter.SetConstantText(i, m_constEdits[std::size_t(i)]->text().toStdString());
    return m_presenter.Ok();
}

} // namespace ui
