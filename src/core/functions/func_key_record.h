#pragma once

// The definition of one function key on one screen (F1 to F4 and the four arrows): its function,
// the target device, the value and the password flag. Kept as the 70 bytes a screen carries,
// little-endian in memory; DownloadForm() gives the panel's big-endian bytes.

#include "core/functions/value_type.h"

#include "util/byte_order.h"

#include <array>
#include <cstdint>
#include <string>

namespace core {

class CFuncKeyRecord
{
public:
    static constexpr std::size_t kSize = 70;
    using Raw = std::array<std::uint8_t, kSize>;

    static constexpr std::size_t kBlock = 0;
    static constexpr std::size_t kPassword = 62;
    static constexpr std::size_t kFunction = 64;
    static constexpr std::size_t kValue = 66;

    static constexpr int kKeyCount = 8;
    enum Function : std::uint16_t {
        kNotUsed = 0,
        kBitControl = 1,
        kValueSet = 2,
        kValueIncrease = 3,
        kValueDecrease = 4,
        kScreenChange = 5,
    };
    static constexpr int kFunctionCount = 6;
    enum BitAction : std::uint32_t { kBitOff = 0, kBitOn = 1, kBitToggle = 2, kBitMomentary = 3 };

    CFuncKeyRecord() = default;
    explicit CFuncKeyRecord(const Raw &raw)
        : m_raw(raw)
    { }

    // A key without function: address "0" of the panel, Word, DEC, maximum 65535.
    static CFuncKeyRecord Default();

    const Raw &Bytes() const { return m_raw; }
    Raw &Bytes() { return m_raw; }
    Raw DownloadForm() const;
    static CFuncKeyRecord FromDownloadForm(const Raw &panel);

    std::uint16_t Function() const { return util::le16(m_raw, kFunction); }
    void SetFunction(std::uint16_t f) { util::setLe16(m_raw, kFunction, f); }
    bool Password() const { return util::le16(m_raw, kPassword) != 0; }
    void SetPassword(bool on) { util::setLe16(m_raw, kPassword, on ? 1 : 0); }
    std::uint32_t Value() const { return util::le32(m_raw, kValue); }
    void SetValue(std::uint32_t v) { util::setLe32(m_raw, kValue, v); }
    std::uint16_t DataKind() const;
    // Kind (Word or Long), format (DEC or HEX) and sign of the target.
    ValueType Type() const;
    void SetType(const ValueType &type);
    std::uint16_t Channel() const;
    std::uint16_t Station() const;
    // The driver's address kind of the target.
    std::int32_t AddrKind() const;

    // 51900 ... 51905.
    static int FunctionNameId(int function);
    // "[ 기능키 F1 ]" for keys 0 to 3, "[ 기능키 상(▲) ]" and so on for the arrows.
    static std::string KeyTitle(int key);

    bool operator==(const CFuncKeyRecord &) const = default;

private:
    Raw m_raw{};
};

} // namespace core
