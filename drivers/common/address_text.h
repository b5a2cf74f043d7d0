#pragma once

// The address side of a protocol driver that does not depend on its PLC family: the caller's
// fixed-size area and number buffers, the area table behind the area exports, and the order in
// which the address exports check, clear and fill what the caller passed. A driver supplies its
// area table and its address codec (parse, encode, decode, normalised text).

#include "common/driver_text.h"
#include "core/plc/plc_driver_abi.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

namespace drv {

// Address kinds of the contract.
constexpr std::int32_t kBit = 1;
constexpr std::int32_t kWord = 2;
constexpr std::int32_t kDWord = 4;

inline bool knownKind(std::int32_t kind)
{
    return kind == kBit || kind == kWord || kind == kDWord;
}

// The caller's area and number buffers; a text that fills its buffer without a terminator is cut
// at the buffer's end.
inline std::string_view areaText(const char *area)
{
    return bufferText(area, PLC_AREA_TEXT_SIZE);
}

inline std::string_view numberText(const char *number)
{
    return bufferText(number, PLC_NUMBER_TEXT_SIZE);
}

inline bool putAreaText(char *area, std::string_view text)
{
    return putText(area, PLC_AREA_TEXT_SIZE, text);
}

inline bool putNumberText(char *number, std::string_view text)
{
    return putText(number, PLC_NUMBER_TEXT_SIZE, text);
}

// Zero-fills both buffers, so that a rejected call leaves no stale address behind; false, with
// nothing written, when either is missing.
inline bool clearAddressText(char *area, char *number)
{
    if (!area || !number)
        return false;
    std::memset(area, 0, PLC_AREA_TEXT_SIZE);
    std::memset(number, 0, PLC_NUMBER_TEXT_SIZE);
    return true;
}

inline void putAddressText(char *area, char *number, std::string_view areaName,
                           std::string_view numberText)
{
    putAreaText(area, areaName);
    putNumberText(number, numberText);
}

// Area tables. An entry has `name`, `readOnly` and `bool serves(std::int32_t kind) const`; the
// table order is the order of the area list.

template<class Area, std::size_t N>
const Area *findArea(const std::array<Area, N> &areas, std::int32_t kind, std::string_view name)
{
    for (const Area &area : areas) {
        if (area.serves(kind) && equalsNoCase(name, area.name))
            return &area;
    }
    return nullptr;
}

// GetTypeAreaList: the names of the areas serving `kind`, one per PLC_AREA_TEXT_SIZE slot.
template<class Area, std::size_t N>
std::int32_t listAreas(const std::array<Area, N> &areas, std::int32_t kind, char *out)
{
    if (!out)
        return 0;
    std::int32_t count = 0;
    for (const Area &area : areas) {
        if (area.serves(kind))
            putText(out + PLC_AREA_TEXT_SIZE * count++, PLC_AREA_TEXT_SIZE, area.name);
    }
    return count;
}

// GetAreaReadOnly: 1 when the area is known for the kind, 0 otherwise.
template<class Area, std::size_t N>
std::int32_t areaReadOnly(const std::array<Area, N> &areas, std::int32_t kind, const char *area,
                          std::uint32_t *readOnly)
{
    const Area *found = findArea(areas, kind, areaText(area));
    if (!found || !readOnly)
        return 0;
    *readOnly = found->readOnly ? 1 : 0;
    return 1;
}

// What the address exports need of a driver. An Address has `area` (its table entry) and `bit`
// (the bit inside the word, 0 where there is none). `encode` writes the whole download field;
// `decode` may accept more than `encode` writes, since buildUpAddr() rejects any field that does
// not encode back to the same bytes.
template<class Address>
struct AddressCodec
{
    std::optional<Address> (*parse)(std::int32_t kind, std::string_view area,
                                    std::string_view number);
    void (*encode)(std::int32_t kind, const Address &address, std::uint8_t *field);
    std::optional<Address> (*decode)(std::int32_t kind, const std::uint8_t *field);
    std::string (*normalised)(std::int32_t kind, const Address &address);
};

// ValidCheck: 0 and the number rewritten in normalised form, or -1 with the number untouched.
template<class Address>
std::int32_t validCheck(const AddressCodec<Address> &codec, std::int32_t kind, const char *area,
                        char *number)
{
    const std::optional<Address> address = codec.parse(kind, areaText(area), numberText(number));
    if (!address)
        return -1;
    putNumberText(number, codec.normalised(kind, *address));
    return 0;
}

// BuildDownAddr: 2 with the field built, or -1. The field and bit are cleared first either way.
template<class Address>
std::int32_t buildDownAddr(const AddressCodec<Address> &codec, std::int32_t kind, const char *area,
                           const char *number, std::uint16_t *bit, std::uint8_t *downAddr)
{
    if (!downAddr)
        return -1;
    std::memset(downAddr, 0, PLC_DOWN_ADDR_SIZE);
    if (bit)
        *bit = 0;
    const std::optional<Address> address = codec.parse(kind, areaText(area), numberText(number));
    if (!address)
        return -1;
    codec.encode(kind, *address, downAddr);
    if (bit)
        *bit = address->bit;
    return 2;
}

// BuildUpAddr: 2 with the texts of the field, or 3. Only a field that this driver would build
// itself is answered, so that texts and field always round-trip.
template<class Address>
std::int32_t buildUpAddr(const AddressCodec<Address> &codec, std::int32_t kind,
                         const std::uint8_t *downAddr, char *area, char *number, std::uint16_t *bit)
{
    if (!downAddr || !clearAddressText(area, number))
        return 3;
    const std::optional<Address> address = codec.decode(kind, downAddr);
    if (!address)
        return 3;
    std::uint8_t expected[PLC_DOWN_ADDR_SIZE];
    codec.encode(kind, *address, expected);
    if (std::memcmp(expected, downAddr, PLC_DOWN_ADDR_SIZE) != 0)
        return 3;
    putAddressText(area, number, address->area->name, codec.normalised(kind, *address));
    if (bit)
        *bit = address->bit;
    return 2;
}

} // namespace drv
