#pragma once

// Byte-order helpers over byte spans. Every stored or sent layout goes through these, never
// through a struct cast over a buffer. Out-of-range access never touches memory: reads give
// nothing (or 0 from the unchecked-style accessors) and writes report false.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace util {

enum class Endian { Little, Big };

using Bytes = std::vector<std::uint8_t>;
using ByteSpan = std::span<std::uint8_t>;
using ConstByteSpan = std::span<const std::uint8_t>;

std::optional<std::uint16_t> readU16(ConstByteSpan data, std::size_t offset, Endian endian);
std::optional<std::uint32_t> readU32(ConstByteSpan data, std::size_t offset, Endian endian);
bool writeU16(ByteSpan data, std::size_t offset, std::uint16_t value, Endian endian);
bool writeU32(ByteSpan data, std::size_t offset, std::uint32_t value, Endian endian);

// Shorthands for fixed-size records whose offsets are known to be inside; a bad offset gives 0
// on read and is ignored on write (and trips an assertion in debug builds).
std::uint16_t le16(ConstByteSpan data, std::size_t offset);
std::uint32_t le32(ConstByteSpan data, std::size_t offset);
std::uint16_t be16(ConstByteSpan data, std::size_t offset);
std::uint32_t be32(ConstByteSpan data, std::size_t offset);
void setLe16(ByteSpan data, std::size_t offset, std::uint16_t value);
void setLe32(ByteSpan data, std::size_t offset, std::uint32_t value);
void setBe16(ByteSpan data, std::size_t offset, std::uint16_t value);
void setBe32(ByteSpan data, std::size_t offset, std::uint32_t value);

// A zero-terminated text stored in a fixed field of `size` bytes.
std::string fixedText(ConstByteSpan data, std::size_t offset, std::size_t size);
// Writes `text` into the field, cut to size - 1 bytes, the rest zeroed.
void setFixedText(ByteSpan data, std::size_t offset, std::size_t size, std::string_view text);

// Sequential reader with a sticky failure flag: once a read runs past the end every later read
// fails too, and the outputs are zeroed.
class ByteReader
{
public:
    ByteReader(ConstByteSpan data, Endian endian);

    bool u8(std::uint8_t &out);
    bool u16(std::uint16_t &out);
    bool u32(std::uint32_t &out);
    bool i32(std::int32_t &out);
    bool bytes(ByteSpan out);
    bool skip(std::size_t count);
    bool seek(std::size_t position);

    std::size_t position() const { return m_pos; }
    std::size_t remaining() const { return m_ok ? m_data.size() - m_pos : 0; }
    bool ok() const { return m_ok; }

private:
    bool take(std::size_t count);

    ConstByteSpan m_data;
    Endian m_endian;
    std::size_t m_pos = 0;
    bool m_ok = true;
};

// Appends to a byte vector.
class ByteWriter
{
public:
    ByteWriter(Bytes &out, Endian endian);

    void u8(std::uint8_t value);
    void u16(std::uint16_t value);
    void u32(std::uint32_t value);
    void i32(std::int32_t value) { u32(static_cast<std::uint32_t>(value)); }
    void bytes(ConstByteSpan data);
    void zeros(std::size_t count);
    std::size_t size() const { return m_out.size(); }

private:
    Bytes &m_out;
    Endian m_endian;
};

} // namespace util
