#include "core/presenters/calc_edit_dlg.h"

#include "core/functions/device_block.h"

#include "util/messages.h"

namespace core {

namespace {

constexpr int kInvalidValue = 52601;

} // namespace

CCalcEditDlg::CCalcEditDlg(const FunctionEnv &env)
    : m_env(env)
    , m_start(env.plcSlots, kAddrBit)
    , m_operands{CAddrGroup(env.plcSlots, kAddrWord), CAddrGroup(env.plcSlots, kAddrWord)}
    , m_result(env.plcSlots, kAddrWord)
{
    Load(CCalcRecord::Default());
}

void CCalcEditDlg::Load(const CCalcRecord &record)
{
    m_record = record;
    const auto &raw = record.Bytes();
    m_type = record.Type();
    if (m_type.kind != kDataLong)
        m_type.kind = kDataWord;
    if (m_type.format < kFormatDec || m_type.format > kFormatBcd)
        m_type.format = kFormatDec;
    if (!SignedEnabled())
        m_type.isSigned = false;
    const std::int32_t kind = m_type.AddrKind();
    m_operator = record.Operator() < CCalcRecord::kOperatorCount ? record.Operator() : 0;
    m_condition = record.Condition() < CCalcRecord::kConditionCount ? record.Condition() : 0;
    m_start.Load(CDeviceAddr::FromBlock(m_env.plcSlots, raw, CCalcRecord::kStart, kAddrBit));
    m_start.SetEnabled(m_condition != 0);
    for (int i = 0; i < 2; ++i) {
        CAddrGroup &group = m_operands[std::size_t(i)];
        group.SetKind(kind);
        m_constant[std::size_t(i)] = record.IsConstant(i);
        if (record.IsConstant(i)) {
            m_constText[std::size_t(i)] = record.ConstantText(i);
            group.Load(CDeviceAddr{});
        } else {
            m_constText[std::size_t(i)] = "0";
            group.Load(CDeviceAddr::FromBlock(m_env.plcSlots, raw, CCalcRecord::OperandBlock(i),
                                              kind));
        }
    }
    m_result.SetKind(kind);
    m_result.Load(CDeviceAddr::FromBlock(m_env.plcSlots, raw, CCalcRecord::kResult, kind));
}

void CCalcEditDlg::SetCondition(std::uint16_t condition)
{
    if (condition >= CCalcRecord::kConditionCount)
        return;
    m_condition = condition;
    m_start.SetEnabled(condition != 0);
}

std::vector<std::string> CCalcEditDlg::ConditionTexts()
{
    std::vector<std::string> texts;
    for (int id = 51410; id <= 51415; ++id)
        texts.emplace_back(util::messageText(id));
    return texts;
}

void CCalcEditDlg::SetOperator(std::uint16_t op)
{
    if (op < CCalcRecord::kOperatorCount)
        m_operator = op;
}

void CCalcEditDlg::SetConstant(int operand, bool constant)
{
    const auto i = std::size_t(operand);
    m_constant.at(i) = constant;
    m_constText.at(i) = "0";
    m_operands.at(i).Load(CDeviceAddr{});
}

bool CCalcEditDlg::ConstantValid(int operand) const
{
    return !IsConstant(operand) || m_type.Parse(ConstantText(operand)).has_value();
}

bool CCalcEditDlg::ConstantFocusLost(int operand, const std::string &text)
{
    m_constText.at(std::size_t(operand)) = text;
    if (ConstantValid(operand))
        return true;
    m_env.Show(kInvalidValue);
    return false;
}

void CCalcEditDlg::SetDataKind(std::uint16_t kind)
{
    if (kind != kDataWord && kind != kDataLong)
        return;
    m_type.kind = kind;
    for (CAddrGroup *group : {&m_operands[0], &m_operands[1], &m_result}) {
        group->SetKind(m_type.AddrKind());
        group->ResetToDefault();
    }
}

void CCalcEditDlg::SetFormat(std::uint16_t format)
{
    if (format < kFormatDec || format > kFormatBcd)
        return;
    m_type.format = format;
    if (!SignedEnabled())
        m_type.isSigned = false;
}

void CCalcEditDlg::SetSigned(bool isSigned)
{
    if (SignedEnabled())
        m_type.isSigned = isSigned;
}

bool CCalcEditDlg::Ok()
{
    if (!ConstantValid(0) || !ConstantValid(1)) {
        m_env.Show(kInvalidValue);
        return false;
    }
    CCalcRecord r;
    auto &raw = r.Bytes();
    r.SetOperator(m_operator);
    r.SetCondition(m_condition);
    // The start block is built even for "always", from whatever the disabled group holds.
    util::setLe16(raw, CCalcRecord::kStart + devblock::kDataKind, kDataBit);
    util::setLe16(raw, CCalcRecord::kStart + devblock::kCount, 1);
    const std::int32_t kind = m_type.AddrKind();
    if (!m_start.BuildInto(m_env.prompt, raw, CCalcRecord::kStart, kAddrBit)
        || !m_result.BuildInto(m_env.prompt, raw, CCalcRecord::kResult, kind))
        return false;
    for (int i = 0; i < 2; ++i) {
        const std::size_t block = CCalcRecord::OperandBlock(i);
        if (IsConstant(i)) {
            util::setLe16(raw, block + devblock::kChannel, devblock::kConstantChannel);
            devblock::setFieldText(raw, block, ConstantText(i));
        } else {
            if (!m_operands[std::size_t(i)].BuildInto(m_env.prompt, raw, block, kind))
                return false;
        }
    }
    for (std::size_t block : {CCalcRecord::kOperand1, CCalcRecord::kOperand2, CCalcRecord::kResult})
        r.SetBlockType(block, m_type);
    m_record = r;
    return true;
}

} // namespace core
