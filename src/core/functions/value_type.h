#pragma once

// The data type of a word operand or value: Word or Long, shown as DEC, HEX or BCD, signed or
// not. It fixes the range a value must lie in and how a typed value is read.

#include <cstdint>
#include <optional>
#include <string>

namespace core {

enum DataKindValue : std::uint16_t { kDataBit = 1, kDataWord = 2, kDataLong = 3 };
enum FormatValue : std::uint16_t { kFormatDec = 1, kFormatHex = 2, kFormatBcd = 3 };

struct ValueType
{
    std::uint16_t kind = kDataWord;
    std::uint16_t format = kFormatDec;
    bool isSigned = false;

    // Signed counts only for DEC.
    bool SignedDec() const { return format == kFormatDec && isSigned; }
    // The range of the type as the records store it (32-bit; a signed minimum in two's
    // complement).
    std::uint32_t Min() const;
    std::uint32_t Max() const;
    // The driver's address kind of operands of this type.
    std::int32_t AddrKind() const;

    // Reads `text` in the type's format: decimal (a leading '-' only when signed), hexadecimal
    // digits, or BCD (decimal digits read as hexadecimal nibbles). The value must lie within the
    // range; the result is the 32-bit pattern (two's complement for negatives). Surrounding
    // blanks are ignored; anything else makes the text invalid.
    std::optional<std::uint32_t> Parse(const std::string &text) const;
};

} // namespace core
