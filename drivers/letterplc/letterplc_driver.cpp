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

#include "common/driver_export.h"
#include "common/driver_text.h"

#include <array>
#include <cstdio>
#include <type_traits>

namespace {

constexpr std::int32_t kBit = 1;
constexpr std::int32_t kWord = 2;
constexpr std::int32_t kDWord = 4;

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

bool knownKind(std::int32_t kind)
{
    return kind == kBit || kind == kWord || kind == kDWord;
}

bool serves(const Area &area, std::int32_t kind)
{
    return knownKind(kind) && (area.access & kind) != 0;
}

const Area *findArea(std::int32_t kind, std::string_view name)
{
    for (const Area &area : kAreas) {
        if (serves(area, kind) && drv::equalsNoCase(name, area.name))
            return &area;
    }
    return nullptr;
}

const Area *findAreaByCode(std::int32_t kind, const std::uint8_t *code)
{
    for (const Area &area : kAreas) {
        if (serves(area, kind) && code[0] == std::uint8_t(area.code[0])
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

std::optional<Address> parse(std::int32_t kind, const char *areaText, const char *numberText)
{
    Address address;
    address.area = findArea(kind, drv::bufferText(areaText, PLC_AREA_TEXT_SIZE));
    if (!address.area)
        return std::nullopt;
    std::string_view number = drv::bufferText(numberText, PLC_NUMBER_TEXT_SIZE);
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

// The exact inverse of encode(): any byte that encode() would not have written rejects the field.
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
    std::uint8_t expected[PLC_DOWN_ADDR_SIZE];
    encode(kind, address, expected);
    if (std::memcmp(expected, field, PLC_DOWN_ADDR_SIZE) != 0)
        return std::nullopt;
    return address;
}

std::int32_t buildDown(std::int32_t kind, const char *area, const char *number, std::uint16_t *bit,
                       std::uint8_t *downAddr)
{
    if (!downAddr)
        return -1;
    std::memset(downAddr, 0, PLC_DOWN_ADDR_SIZE);
    if (bit)
        *bit = 0;
    const auto address = parse(kind, area, number);
    if (!address)
        return -1;
    encode(kind, *address, downAddr);
    if (bit)
        *bit = address->bit;
    return 2;
}

} // namespace

DRV_EXPORT std::int32_t GetTypeAreaList(std::int32_t kind, char *out)
{
    if (!out)
        return 0;
    std::int32_t count = 0;
    for (const Area &area : kAreas) {
        if (serves(area, kind))
            drv::putText(out + PLC_AREA_TEXT_SIZE * count++, PLC_AREA_TEXT_SIZE, area.name);
    }
    return count;
}

DRV_EXPORT std::int32_t GetAreaReadOnly(std::int32_t kind, const char *area,
                                        std::uint32_t *readOnly)
{
    const Area *found = findArea(kind, drv::bufferText(area, PLC_AREA_TEXT_SIZE));
    if (!found || !readOnly)
        return 0;
    *readOnly = found->readOnly ? 1 : 0;
    return 1;
}

DRV_EXPORT std::int32_t ValidCheck(std::int32_t kind, const char *area, char *number)
{
    const auto address = parse(kind, area, number);
    if (!address)
        return -1;
    drv::putText(number, PLC_NUMBER_TEXT_SIZE, normalised(kind, *address));
    return 0;
}

// Selector 0 asks for the first writable address of the kind, 1 for the first read-only one.
DRV_EXPORT std::int32_t GetDefaultAddr(std::int32_t kind, std::uint32_t selector, char *area,
                                       char *number)
{
    if (!area || !number)
        return 0;
    std::memset(area, 0, PLC_AREA_TEXT_SIZE);
    std::memset(number, 0, PLC_NUMBER_TEXT_SIZE);
    const char *name = nullptr;
    if (kind == kBit)
        name = selector == 1 ? "X" : "M";
    else if (knownKind(kind))
        name = selector == 1 ? "SD" : "D";
    if (!name)
        return 0;
    drv::putText(area, PLC_AREA_TEXT_SIZE, name);
    drv::putText(number, PLC_NUMBER_TEXT_SIZE, kind == kBit ? "00" : "0");
    return 1;
}

DRV_EXPORT std::int32_t BuildDownAddr(std::int32_t kind, const char *area, const char *number,
                                      std::uint16_t *bit, std::uint8_t *downAddr)
{
    return buildDown(kind, area, number, bit, downAddr);
}

// The extra value has no meaning for LX addresses.
DRV_EXPORT std::int32_t BuildDownAddr1(std::int32_t kind, const char *area, const char *number,
                                       std::uint16_t *bit, std::uint8_t *downAddr, std::uint32_t)
{
    return buildDown(kind, area, number, bit, downAddr);
}

DRV_EXPORT std::int32_t BuildUpAddr(std::int32_t kind, const std::uint8_t *downAddr, char *area,
                                    char *number, std::uint16_t *bit)
{
    if (!downAddr || !area || !number)
        return 3;
    std::memset(area, 0, PLC_AREA_TEXT_SIZE);
    std::memset(number, 0, PLC_NUMBER_TEXT_SIZE);
    const auto address = decode(kind, downAddr);
    if (!address)
        return 3;
    drv::putText(area, PLC_AREA_TEXT_SIZE, address->area->name);
    drv::putText(number, PLC_NUMBER_TEXT_SIZE, normalised(kind, *address));
    if (bit)
        *bit = address->bit;
    return 2;
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

static_assert(std::is_same_v<decltype(&GetTypeAreaList), PlcGetTypeAreaList>);
static_assert(std::is_same_v<decltype(&GetAreaReadOnly), PlcGetAreaReadOnly>);
static_assert(std::is_same_v<decltype(&ValidCheck), PlcValidCheck>);
static_assert(std::is_same_v<decltype(&GetDefaultAddr), PlcGetDefaultAddr>);
static_assert(std::is_same_v<decltype(&BuildDownAddr), PlcBuildDownAddr>);
static_assert(std::is_same_v<decltype(&BuildDownAddr1), PlcBuildDownAddr1>);
static_assert(std::is_same_v<decltype(&BuildUpAddr), PlcBuildUpAddr>);
static_assert(std::is_same_v<decltype(&GetTransSize), PlcGetTransSize>);
static_assert(std::is_same_v<decltype(&GetCommSetting), PlcGetCommSetting>);
