#pragma once

// The calculation editor ("연산 편집"): start bit and condition, operator, two operands (device
// words or constants), the result device, the data type, format and sign. A view over
// core::CCalcEditDlg, which the calculation list owns; constants are checked when their edit
// loses the focus and at OK (52601 keeps the dialog open).

#include "ui/dialogs/presenter_dialog.h"

#include "core/presenters/calc_edit_dlg.h"

#include <array>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;

namespace ui {

class CAddrGroupBox;

class CCalcEditDialog : public CPresenterDialog
{
    Q_OBJECT
public:
    CCalcEditDialog(const core::FunctionEnv &env, core::CCalcEditDlg &presenter,
                    QWidget *parent = nullptr);

    CAddrGroupBox *startBox() const { return m_start; }
    QComboBox *conditionBox() const { return m_condition; }
    QComboBox *operatorBox() const { return m_operator; }
    CAddrGroupBox *operandBox(int operand) const { return m_operands.at(std::size_t(operand)); }
    QCheckBox *constantBox(int operand) const { return m_constBoxes.at(std::size_t(operand)); }
    QLineEdit *constantEdit(int operand) const { return m_constEdits.at(std::size_t(operand)); }
    CAddrGroupBox *resultBox() const { return m_result; }
    // Ids 0 Word, 1 Long; 0 DEC, 1 HEX, 2 BCD.
    QButtonGroup *kindGroup() const { return m_kind; }
    QButtonGroup *formatGroup() const { return m_format; }
    QCheckBox *signedBox() const { return m_signed; }

protected:
    void refresh() override;
    bool acceptChanges() override;

private:
    void build(const core::FunctionEnv &env);
    QWidget *buildOperand(const core::FunctionEnv &env, int operand);
    void takeConstant(int operand);

    core::CCalcEditDlg &m_presenter;
    CAddrGroupBox *m_start = nullptr;
    QComboBox *m_condition = nullptr;
    QComboBox *m_operator = nullptr;
    std::array<CAddrGroupBox *, 2> m_operands{};
    std::array<QCheckBox *, 2> m_constBoxes{};
    std::array<QLineEdit *, 2> m_constEdits{};
    CAddrGroupBox *m_result = nullptr;
    QButtonGroup *m_kind = nullptr;
    QButtonGroup *m_format = nullptr;
    QCheckBox *m_signed = nullptr;
};

} // namespace ui
