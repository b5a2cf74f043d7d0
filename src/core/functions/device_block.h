#pragma once

// Field offsets of the 62-byte device address block inside a common-function record, and the
// few operations every record needs on it. Records keep their blocks little-endian in memory;
// the download form has the numbers big-endian and the 40-byte address field as it is.

#include "core/plc/plc_drv.h"

#include "util/byte_order.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace core::devblock {

inline constexpr std::size_t kSize = 62;
inline constexpr std::size_t kField = 0; // 40-byte download address (or a constant's text)
inline constexpr std::size_t kDataKind = 40; // 1 bit, 2 word, 3 long
inline constexpr std::size_t kBit = 42; // bit number from the driver
inline constexpr std::size_t kCount = 44; // count (bits) or display format (words)
inline constexpr std::size_t kSigned = 46;
inline constexpr std::size_t kMin = 50;
inline constexpr std::size_t kMax = 54;
inline constexpr std::size_t kChannel = 58;
inline constexpr std::size_t kStation = 60;

// Channel value that marks a calculation operand as a constant.
inline constexpr std::uint16_t kConstantChannel = 3;

DownAddr field(util::ConstByteSpan record, std::size_t block);
void setField(util::ByteSpan record, std::size_t block, const DownAddr &value);
// The field read as a NUL-terminated text (a constant operand, the panel word of a transfer).
std::string fieldText(util::ConstByteSpan record, std::size_t block);
void setFieldText(util::ByteSpan record, std::size_t block, const std::string &text);

// Reverses the byte order of every number of the block; the same call converts in both
// directions between the in-memory and the download form.
void swap(util::ByteSpan record, std::size_t block);
// Reverses the bytes of the 16-bit field at `offset`.
void swap16(util::ByteSpan record, std::size_t offset);

} // namespace core::devblock
