#pragma once

// The logic of the calculation editor: start bit and condition, operator, two operands (device
// words or constants), the result device and the data type shared by operands and result.
// Constants are checked against the type at focus loss and at OK (52601).

#include "core/functions/calc_record.h"
#include "core/presenters/addr_group.h"
#include "core/presenters/function_env.h"

#include <array>
#include <string>

namespace core {

class CCalcEditDlg
{
public:
    explicit CCalcEditDlg(const FunctionEnv &env);

    void Load(const CCalcRecord &record);
    const CCalcRecord &Held() const { return m_record; }

    // Start address and condition; condition 0 (always) disables the start group.
    CAddrGroup &Start() { return m_start; }
    std::uint16_t Condition() const { return m_condition; }
    void SetCondition(std::uint16_t condition);
    static std::vector<std::string> ConditionTexts();

    std::uint16_t Operator() const { return m_operator; }
    void SetOperator(std::uint16_t op);

    // Operands 0 and 1, and the result.
    CAddrGroup &Operand(int operand) { return m_operands.at(std::size_t(operand)); }
    CAddrGroup &Result() { return m_result; }
    bool IsConstant(int operand) const { return m_constant.at(std::size_t(operand)); }
    // Ticking or clearing the box resets the operand: constant 0, channel S, address "0".
    void SetConstant(int operand, bool constant);
    const std::string &ConstantText(int operand) const
    {
        return m_constText.at(std::size_t(operand));
    }
    // The constant edit lost the focus: 52601 when the text breaks the constant rule (the text
    // stays and the focus goes back). Returns whether it is valid.
    bool ConstantFocusLost(int operand, const std::string &text);
    // The text as typed, checked only by OK (the edit has not lost the focus yet).
    void SetConstantText(int operand, const std::string &text)
    {
        m_constText.at(std::size_t(operand)) = text;
    }

    const ValueType &Type() const { return m_type; }
    // Word or Long: the operand and result addresses take the new type's default addresses.
    void SetDataKind(std::uint16_t kind);
    // HEX and BCD clear the signed box and disable it.
    void SetFormat(std::uint16_t format);
    bool SignedEnabled() const { return m_type.format == kFormatDec; }
    void SetSigned(bool isSigned);

    // False (52601) when a constant breaks the rule; otherwise builds the held record.
    bool Ok();

private:
    bool ConstantValid(int operand) const;

    FunctionEnv m_env;
    CCalcRecord m_record;
    CAddrGroup m_start;
    std::array<CAddrGroup, 2> m_operands;
    CAddrGroup m_result;
    std::array<bool, 2> m_constant{};
    std::array<std::string, 2> m_constText{"0", "0"};
    std::uint16_t m_condition = 0;
    std::uint16_t m_operator = 0;
    ValueType m_type;
};

} // namespace core
