#pragma once

// One device point: where a tag reads or writes its value (the panel's own memory or a PLC on
// channel 1 or 2), how wide the value is, how it is shown and which values an operator may enter.
// Also the value-text rules the property dialogs use.

#include "util/archive.h"
#include "util/byte_order.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace core {

enum PointDataSize : std::uint16_t { kSizeBit = 1, kSizeWord = 2, kSizeDWord = 3 };
enum PointBase : std::uint16_t { kBaseDec = 1, kBaseHex = 2, kBaseBcd = 3 };

class CPointInfo
{
public:
    virtual ~CPointInfo() = default;
    CPointInfo() = default;
    CPointInfo(const CPointInfo &) = default;
    CPointInfo &operator=(const CPointInfo &) = default;

    // Clipboard form: five words, two double words, two words, then the two texts.
    virtual void Serialize(util::CArchive &ar);

    // Sets minimum and maximum to the full range of data size, sign and base; other
    // combinations (bit points, unknown bases) keep the limits.
    void SetDefaultRange();
    // The limits as the dialogs show them: "%d" for a signed lower limit, "%lu" otherwise.
    std::string MinText() const;
    std::string MaxText() const;

    // Byte width the drivers use for this point: 4 for a double word, else 2.
    std::int32_t ByteWidth() const { return m_dataSize == kSizeDWord ? 4 : 2; }

    bool operator==(const CPointInfo &) const = default;

    std::string m_address; // area text as the driver lists it ("" for the panel)
    std::string m_second = "0"; // number text
    std::uint16_t m_flag = 0; // point flag, carried for the tag kinds that use it
    std::uint16_t m_dataSize = kSizeWord;
    std::uint16_t m_base = kBaseDec;
    std::uint16_t m_signed = 0;
    std::uint16_t m_option = 0; // point option, carried for the tag kinds that use it
    std::uint32_t m_min = 0;
    std::uint32_t m_max = 65535;
    std::uint16_t m_channel = 0; // 0 panel, 1 channel 1, 2 channel 2
    std::uint16_t m_station = 0;
};

// The full range of a point as 32-bit values (signed limits in two's complement). Returns false
// for a combination that has no defined range.
bool pointRange(std::uint16_t dataSize, bool isSigned, std::uint16_t base, std::uint32_t &min,
                std::uint32_t &max);

// Checks and reads a value typed for a point of that sign and base: decimal (a leading "-" only
// when signed), hexadecimal, or BCD (decimal digits read as hexadecimal, one nibble per digit).
// An empty text, a foreign character or a value beyond 32 bits fails.
bool parsePointValue(std::string_view text, bool isSigned, std::uint16_t base,
                     std::uint32_t &value);

// One or more decimal digits; with `trim`, blanks around the digits are ignored first.
bool isDecimalText(std::string_view text, bool trim = false);

// Packed BCD bytes to binary, in place: each byte b becomes (b >> 4) * 10 + (b & 15).
void bcdToBinary(util::ByteSpan bytes);

// Channel after swapping channels 1 and 2: 0 stays 0, anything else becomes 0.
std::uint16_t swapChannel(std::uint16_t channel);

} // namespace core
