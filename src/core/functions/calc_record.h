#pragma once

// One calculation: two operands (device words or constants), an operator, the result device and
// the start condition with its start bit. Kept as the 252 bytes of the global area, little-endian
// in memory; DownloadForm() gives the panel's big-endian bytes.

#include "core/functions/value_type.h"

#include "util/byte_order.h"

#include <array>
#include <cstdint>
#include <string>

namespace core {

class CCalcRecord
{
public:
    static constexpr std::size_t kSize = 252;
    using Raw = std::array<std::uint8_t, kSize>;

    static constexpr std::size_t kOperand1 = 0;
    static constexpr std::size_t kOperand2 = 62;
    static constexpr std::size_t kResult = 124;
    static constexpr std::size_t kOperator = 186;
    static constexpr std::size_t kCondition = 188;
    static constexpr std::size_t kStart = 190;

    static constexpr int kOperatorCount = 13;
    static constexpr int kConditionCount = 6;

    CCalcRecord() = default;
    explicit CCalcRecord(const Raw &raw)
        : m_raw(raw)
    { }

    static CCalcRecord Default();

    const Raw &Bytes() const { return m_raw; }
    Raw &Bytes() { return m_raw; }
    Raw DownloadForm() const;
    static CCalcRecord FromDownloadForm(const Raw &panel);

    std::uint16_t Operator() const { return util::le16(m_raw, kOperator); }
    void SetOperator(std::uint16_t op) { util::setLe16(m_raw, kOperator, op); }
    std::uint16_t Condition() const { return util::le16(m_raw, kCondition); }
    void SetCondition(std::uint16_t c) { util::setLe16(m_raw, kCondition, c); }

    // Operand 0 or 1: block offset, constant mark and text.
    static std::size_t OperandBlock(int operand) { return operand == 0 ? kOperand1 : kOperand2; }
    bool IsConstant(int operand) const;
    std::string ConstantText(int operand) const;
    // Data type of the operand and result blocks (the result block's words).
    ValueType Type() const;
    // Writes kind, format, signed, minimum and maximum into one block.
    void SetBlockType(std::size_t block, const ValueType &type);

    // Operator texts "+" ... "==", empty for an unknown value.
    static const char *OperatorText(int op);

    bool operator==(const CCalcRecord &) const = default;

private:
    Raw m_raw{};
};

} // namespace core
