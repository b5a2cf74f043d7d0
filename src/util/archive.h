#pragma once

// CArchive over a byte vector in the MFC archive layout: little-endian integers and strings as a
// length prefix plus bytes (length < 255: one byte; else 0xFF and a 16-bit length when it is below
// 0xFFFF; else 0xFF, 0xFFFF and a 32-bit length). This is the clipboard form of tags and screens.
// Loading never reads past the end: the first short read sets a sticky failure that the caller
// checks with ok(), and every later read yields zeros.

#include "util/byte_order.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace util {

class CArchive
{
public:
    enum class Mode { Store, Load };

    // An archive that stores into an empty buffer.
    CArchive();
    // An archive that loads from `data` (copied).
    explicit CArchive(ConstByteSpan data);

    bool IsStoring() const { return m_mode == Mode::Store; }
    bool IsLoading() const { return m_mode == Mode::Load; }
    bool ok() const { return m_ok; }
    bool atEnd() const { return m_pos >= m_buffer.size(); }
    std::size_t position() const { return m_pos; }
    const Bytes &buffer() const { return m_buffer; }

    void writeU8(std::uint8_t v);
    void writeU16(std::uint16_t v);
    void writeU32(std::uint32_t v);
    void writeI32(std::int32_t v) { writeU32(static_cast<std::uint32_t>(v)); }
    void writeBytes(ConstByteSpan bytes);
    void writeString(std::string_view text);

    std::uint8_t readU8();
    std::uint16_t readU16();
    std::uint32_t readU32();
    std::int32_t readI32() { return static_cast<std::int32_t>(readU32()); }
    bool readBytes(ByteSpan out);
    std::string readString();

    // Symmetric helpers so a Serialize can be written once for both directions.
    void io(std::uint8_t &v) { IsStoring() ? writeU8(v) : void(v = readU8()); }
    void io(std::uint16_t &v) { IsStoring() ? writeU16(v) : void(v = readU16()); }
    void io(std::uint32_t &v) { IsStoring() ? writeU32(v) : void(v = readU32()); }
    void io(std::int32_t &v) { IsStoring() ? writeI32(v) : void(v = readI32()); }
    void io(std::string &v) { IsStoring() ? writeString(v) : void(v = readString()); }
    void io(ByteSpan v) { IsStoring() ? writeBytes(v) : void(readBytes(v)); }

private:
    bool need(std::size_t count);

    Mode m_mode;
    Bytes m_buffer;
    std::size_t m_pos = 0;
    bool m_ok = true;
};

} // namespace util
