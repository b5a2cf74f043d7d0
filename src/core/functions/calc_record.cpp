#include "core/functions/calc_record.h"

#include "core/functions/device_block.h"

namespace core {

namespace {

void buildPanelAddress(util::ByteSpan raw, std::size_t block, std::int32_t kind, const char *number)
{
    std::uint16_t bit = 0;
    DownAddr field{};
    builtin::BuildDownAddr(kind, number, bit, field);
    devblock::setField(raw, block, field);
    util::setLe16(raw, block + devblock::kBit, bit);
}

} // namespace

CCalcRecord CCalcRecord::Default()
{
    CCalcRecord r;
    buildPanelAddress(r.m_raw, kStart, kAddrBit, "00");
    util::setLe16(r.m_raw, kStart + devblock::kDataKind, kDataBit);
    util::setLe16(r.m_raw, kStart + devblock::kCount, 1);
    for (std::size_t block : {kOperand1, kOperand2, kResult}) {
        buildPanelAddress(r.m_raw, block, kAddrWord, "0");
        r.SetBlockType(block, ValueType{});
    }
    return r;
}

CCalcRecord::Raw CCalcRecord::DownloadForm() const
{
    Raw out = m_raw;
    for (std::size_t block : {kOperand1, kOperand2, kResult, kStart})
        devblock::swap(out, block);
    devblock::swap16(out, kOperator);
    devblock::swap16(out, kCondition);
    return out;
}

CCalcRecord CCalcRecord::FromDownloadForm(const Raw &panel)
{
    // The conversion is its own inverse.
    return CCalcRecord(CCalcRecord(panel).DownloadForm());
}

bool CCalcRecord::IsConstant(int operand) const
{
    return util::le16(m_raw, OperandBlock(operand) + devblock::kChannel)
            == devblock::kConstantChannel;
}

std::string CCalcRecord::ConstantText(int operand) const
{
    return devblock::fieldText(m_raw, OperandBlock(operand));
}

ValueType CCalcRecord::Type() const
{
    ValueType t;
    t.kind = util::le16(m_raw, kResult + devblock::kDataKind);
    t.format = util::le16(m_raw, kResult + devblock::kCount);
    t.isSigned = util::le16(m_raw, kResult + devblock::kSigned) != 0;
    return t;
}

void CCalcRecord::SetBlockType(std::size_t block, const ValueType &type)
{
    util::setLe16(m_raw, block + devblock::kDataKind, type.kind);
    util::setLe16(m_raw, block + devblock::kCount, type.format);
    util::setLe16(m_raw, block + devblock::kSigned, type.isSigned ? 1 : 0);
    util::setLe32(m_raw, block + devblock::kMin, type.Min());
    util::setLe32(m_raw, block + devblock::kMax, type.Max());
}

const char *CCalcRecord::OperatorText(int op)
{
    static const char *const texts[kOperatorCount]
            = {"+", "-", "x", "/", "%", "&", "|", "^", "<<", ">>", "<", ">", "=="};
    return op >= 0 && op < kOperatorCount ? texts[op] : "";
}

} // namespace core
