// Protocol driver plugin for the LX family of letter-area PLCs (catalogue types 0x0020 and, as
// the multi-drop link variant, 0x8020).
//
// Areas are named by letters: X inputs and Y outputs, M internal relays, L latch relays and SM
// special relays (bits, also readable as words except SM), D data registers, W link registers
// and SD special registers (words and double words). X, SM and SD are read-only. A bit address
// is the word number in decimal followed by one hexadecimal bit digit: M12A is bit 10 of word
// 12, and M5 is bit 5 of word 0. The 40-byte download address is the device code in the
// PLC's own ASCII form (see docs/plc-addresses.md). Communication is fixed at 19200 baud,
// 7 data bits, even parity, 1 stop bit.

#include "common/address_text.h"
#include "common/driver_export.h"

#include <array>
#include <cstdio>

namespace {

using drv::kBit;
using drv::kDWord;
using drv::knownKind;
using drv::kWord;

constexpr int kBitAccess = 1;
constexpr int kWordAccess = 2;
constexpr int kDWordAccess = 4;

struct Area
{
    const char *name;
    char code[2]; // device code in the download address
    int access; // kinds the area serves, as a mask of 1, 2 and 4
    bool readOnly;
    std::uint32_t last; // highest word number

    bool serves(std::int32_t kind) const { return knownKind(kind) && (access & kind) != 0; }
};

// Listed per kind in this order: the area list of a kind keeps it.
constexpr std::array<Area, 8> kAreas{{
        {"D", {'D', ' '}, kWordAccess | kDWordAccess, false, 9999},
        {"W", {'W', ' '}, kWordAccess | kDWordAccess, false, 2047},
        {"SD", {'S', 'D'}, kWordAccess | kDWordAccess, true, 255},
        {"X", {'X', ' '}, kBitAccess | kWordAccess, true, 127},
        {"Y", {'Y', ' '}, kBitAccess | kWordAccess, false, 127},
        {"M", {'M', ' '}, kBitAccess | kWordAccess, false, 2047},
        {"L", {'L', ' '}, kBitAccess | kWordAccess, false, 511},
        {"SM", {'S', 'M'}, kBitAccess, true, 63},
}};

const Area *findAreaByCode(std::int32_t kind, const std::uint8_t *code)
{
    for (const Area &area : kAreas) {
        if (area.serves(kind) && code[0] == std::uint8_t(area.code[0])
            && code[1] == std::uint8_t(area.code[1]))
            return &area;
    }
    return nullptr;
}

char accessLetter(std::int32_t kind)
{
    return kind == kBit ? 'B' : kind == kWord ? 'W' : 'L';
}

struct Address
{
    const Area *area = nullptr;
    std::uint32_t word = 0;
    std::uint16_t bit = 0;
};

std::uint32_t lastWord(const Area &area, std::int32_t kind)
{
    return kind == kDWord ? area.last - 1 : area.last; // a double word takes two words
}

std::optional<Address> parse(std::int32_t kind, std::string_view areaName, std::string_view number)
{
    Address address;
    address.area = drv::findArea(kAreas, kind, areaName);
    if (!address.area)
        return std::nullopt;
    if (number.empty())
        return std::nullopt;
    if (kind == kBit) {
        const int bit = drv::hexDigit(number.back());
        if (bit < 0)
            return std::nullopt;
        address.bit = std::uint16_t(bit);
        number.remove_suffix(1);
        if (number.empty())
            number = "0"; // a lone bit digit lies in word 0
    }
    const auto word = drv::parseDecimal(number, lastWord(*address.area, kind));
    if (!word)
        return std::nullopt;
    address.word = *word;
    return address;
}

std::string normalised(std::int32_t kind, const Address &address)
{
    char text[16];
    if (kind == kBit)
        std::snprintf(text, sizeof text, "%u%X", unsigned(address.word), unsigned(address.bit));
    else
        std::snprintf(text, sizeof text, "%u", unsigned(address.word));
    return text;
}

constexpr char kHex[] = "0123456789ABCDEF";

void encode(std::int32_t kind, const Address &address, std::uint8_t *field)
{
    std::memset(field, 0, PLC_DOWN_ADDR_SIZE);
    field[0] = std::uint8_t(address.area->code[0]);
    field[1] = std::uint8_t(address.area->code[1]);
    field[2] = std::uint8_t(accessLetter(kind));
    for (int i = 0; i < 4; ++i)
        field[3 + i] = std::uint8_t(kHex[(address.word >> (12 - 4 * i)) & 0xF]);
    field[7] = std::uint8_t(kHex[address.bit & 0xF]);
}

// Reads what encode() writes; drv::buildUpAddr() rejects any byte that encode() would not write.
std::optional<Address> decode(std::int32_t kind, const std::uint8_t *field)
{
    if (!knownKind(kind) || field[2] != std::uint8_t(accessLetter(kind)))
        return std::nullopt;
    Address address;
    address.area = findAreaByCode(kind, field);
    if (!address.area)
        return std::nullopt;
    for (int i = 0; i < 4; ++i) {
        const char c = char(field[3 + i]);
        const int digit = drv::hexDigit(c);
        if (digit < 0 || drv::upperAscii(c) != c)
            return std::nullopt;
        address.word = address.word << 4 | std::uint32_t(digit);
    }
    const int bit = drv::hexDigit(char(field[7]));
    if (address.word > lastWord(*address.area, kind) || bit < 0 || (kind != kBit && bit != 0))
        return std::nullopt;
    address.bit = std::uint16_t(bit);
    return address;
}

constexpr drv::AddressCodec<Address> kCodec{parse, encode, decode, normalised};

} // namespace

DRV_EXPORT std::int32_t GetTypeAreaList(std::int32_t kind, char *out)
{
    return drv::listAreas(kAreas, kind, out);
}

DRV_EXPORT std::int32_t GetAreaReadOnly(std::int32_t kind, const char *area,
                                        std::uint32_t *readOnly)
{
    return drv::areaReadOnly(kAreas, kind, area, readOnly);
}

DRV_EXPORT std::int32_t ValidCheck(std::int32_t kind, const char *area, char *number)
{
    return drv::validCheck(kCodec, kind, area, number);
}

// Selector 0 asks for the first writable address of the kind, 1 for the first read-only one.
DRV_EXPORT std::int32_t GetDefaultAddr(std::int32_t kind, std::uint32_t selector, char *area,
                                       char *number)
{
    if (!drv::clearAddressText(area, number))
        return 0;
    const char *name = nullptr;
    if (kind == kBit)
        name = selector == 1 ? "X" : "M";
    else if (knownKind(kind))
        name = selector == 1 ? "SD" : "D";
    if (!name)
        return 0;
    drv::putAddressText(area, number, name, kind == kBit ? "00" : "0");
    return 1;
}

DRV_EXPORT std::int32_t BuildDownAddr(std::int32_t kind, const char *area, const char *number,
                                      std::uint16_t *bit, std::uint8_t *downAddr)
{
    return drv::buildDownAddr(kCodec, kind, area, number, bit, downAddr);
}

// The extra value has no meaning for LX addresses.
DRV_EXPORT std::int32_t BuildDownAddr1(std::int32_t kind, const char *area, const char *number,
                                       std::uint16_t *bit, std::uint8_t *downAddr, std::uint32_t)
{
    return drv::buildDownAddr(kCodec, kind, area, number, bit, downAddr);
}

DRV_EXPORT std::int32_t BuildUpAddr(std::int32_t kind, const std::uint8_t *downAddr, char *area,
                                    char *number, std::uint16_t *bit)
{
    return drv::buildUpAddr(kCodec, kind, downAddr, area, number, bit);
}

DRV_EXPORT std::int32_t GetTransSize()
{
    return 64; // words per batch read of the LX link
}

// The LX link runs at fixed settings: 19200 baud, 7 data bits, 1 stop bit, even parity.
DRV_EXPORT std::int32_t GetCommSetting(std::uint32_t *editable, std::uint8_t *record)
{
    if (editable)
        *editable = 0;
    if (record) {
        std::memset(record, 0, PLC_COMM_SETTING_SIZE);
        record[4] = 4; // baud rate index 4 = 19200, little-endian 32-bit
        record[8] = 1; // data bits index 1 = 7
        record[9] = 0; // stop bits index 0 = 1
        record[10] = 1; // parity index 1 = even
    }
    return 1;
}
