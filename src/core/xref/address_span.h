#pragma once

// Where a device address lies in its channel's memory, so that points which share memory can be
// found: a bit inside a word, a double word over two words. Drivers write bit numbers in one of
// two ways, and the span follows the driver: the word number followed by one hexadecimal bit
// digit (the panel's memory, the letter-area PLCs: "M12A" is bit 10 of word 12), or a plain
// count of bits in an area of their own (Modbus coils and inputs).

#include "core/functions/device_addr.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace core::xref {

struct AddressSpan
{
    std::uint16_t channel = 0;
    std::uint16_t station = 0;
    std::string area; // upper case: drivers match areas without regard to case
    bool plainBits = false; // a bit area numbered bit by bit; it shares nothing with words
    std::uint64_t first = 0; // in bits: word n starts at 16n
    std::uint64_t end = 0; // one past the last bit
    std::uint64_t word = 0; // the word number (the bit number in a plain bit area)
    int bitDigit = -1; // the bit digit of a bit address in word form

    bool Overlaps(const AddressSpan &other) const;
};

// Whether the channel's driver writes bit addresses of `area` as a word number and a bit digit.
bool bitDigitNumbering(const CPlcDrv &drv, const std::string &area);

// The span of an address of the driver's kind (1 bit, 2 word, 4 double word), or of `words`
// words from a word address; nothing when its number is not one the rules above can place.
std::optional<AddressSpan> addressSpan(const CPlcSlots &slots, const CDeviceAddr &addr,
                                       std::int32_t kind, std::uint16_t words = 1);

// Splits an address as a user types it ("D100", "4x100", "100" on the panel) into the area the
// channel's driver lists for any kind (the longest that starts the text, without regard to
// case) and the number after it. False when no area of the driver starts the text and the
// driver has areas.
bool splitAddressText(const CPlcDrv &drv, std::string_view text, std::string &area,
                      std::string &number);

} // namespace core::xref
