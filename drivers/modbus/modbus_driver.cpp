// Protocol driver plugin for Modbus RTU slaves (catalogue type 0x0001).
//
// Areas: "0x" coils (bit, writable), "1x" discrete inputs (bit, read-only), "3x" input registers
// (word and double word, read-only), "4x" holding registers (word and double word, writable).
// Numbers are the 1-based ones users type, 1 to 65536 (a double word takes two registers, so it
// starts at 65535 at most). With no area text the number may carry its area as a leading digit,
// as in the 5-digit form 40001 (registers 1 to 9999) or the 6-digit form 400001 (1 to 65536).
// The layout of the 40-byte download address is documented in docs/plc-addresses.md.

#include "common/address_text.h"
#include "common/driver_export.h"

#include <array>
#include <cstdio>

namespace {

using drv::kBit;
using drv::kDWord;
using drv::knownKind;
using drv::kWord;

constexpr std::uint8_t kLayoutMark = 'M';
constexpr std::uint32_t kMaxNumber = 65536;

struct Area
{
    const char *name;
    char digit; // leading digit of the 5/6-digit reference form
    bool bits; // coils and inputs; otherwise registers (word and double word)
    bool readOnly;
    std::uint8_t readFn; // Modbus function codes the panel uses for the area

    bool serves(std::int32_t kind) const
    {
        return bits ? kind == kBit : (kind == kWord || kind == kDWord);
    }
};

constexpr std::array<Area, 4> kAreas{{
        {"0x", '0', true, false, 0x01},
        {"1x", '1', true, true, 0x02},
        {"3x", '3', false, true, 0x04},
        {"4x", '4', false, false, 0x03},
}};

const Area *findAreaByDigit(std::int32_t kind, char digit)
{
    for (const Area &area : kAreas) {
        if (area.serves(kind) && area.digit == digit)
            return &area;
    }
    return nullptr;
}

std::uint8_t writeFunction(const Area &area, std::int32_t kind)
{
    if (area.readOnly)
        return 0;
    if (area.bits)
        return 0x05;
    return kind == kWord ? 0x06 : 0x10;
}

std::uint16_t quantity(std::int32_t kind)
{
    return kind == kDWord ? 2 : 1;
}

std::uint32_t lastNumber(std::int32_t kind)
{
    return kMaxNumber - (quantity(kind) - 1u);
}

struct Address
{
    const Area *area = nullptr;
    std::uint32_t number = 0; // 1-based
    bool reference = false; // typed with the area as leading digit
    std::uint16_t bit = 0; // coils are addressed one by one: there is no bit inside a word
};

std::optional<Address> parse(std::int32_t kind, std::string_view areaName, std::string_view number)
{
    if (!knownKind(kind))
        return std::nullopt;
    Address address;
    std::optional<std::uint32_t> value;
    if (areaName.empty()) {
        // 40001 = holding register 1 (up to 49999), 400001 = the same in the 6-digit form.
        if (number.size() != 5 && number.size() != 6)
            return std::nullopt;
        address.area = findAreaByDigit(kind, number.front());
        address.reference = true;
        value = drv::parseDecimal(number.substr(1), lastNumber(kind));
    } else {
        address.area = drv::findArea(kAreas, kind, areaName);
        value = drv::parseDecimal(number, lastNumber(kind));
    }
    if (!address.area || !value || *value == 0)
        return std::nullopt;
    address.number = *value;
    return address;
}

std::string normalised(std::int32_t, const Address &address)
{
    char text[16];
    if (!address.reference)
        std::snprintf(text, sizeof text, "%u", unsigned(address.number));
    else if (address.number <= 9999)
        std::snprintf(text, sizeof text, "%c%04u", address.area->digit, unsigned(address.number));
    else
        std::snprintf(text, sizeof text, "%c%05u", address.area->digit, unsigned(address.number));
    return text;
}

void encode(std::int32_t kind, const Address &address, std::uint8_t *field)
{
    std::memset(field, 0, PLC_DOWN_ADDR_SIZE);
    const std::uint32_t offset = address.number - 1;
    field[0] = kLayoutMark;
    field[1] = address.area->readFn;
    field[2] = writeFunction(*address.area, kind);
    field[3] = std::uint8_t(kind);
    field[4] = std::uint8_t(offset >> 8);
    field[5] = std::uint8_t(offset);
    field[6] = 0;
    field[7] = std::uint8_t(quantity(kind));
    field[8] = std::uint8_t(address.area->digit);
}

// Reads what encode() writes; drv::buildUpAddr() rejects any byte that encode() would not write.
std::optional<Address> decode(std::int32_t kind, const std::uint8_t *field)
{
    if (!knownKind(kind) || field[0] != kLayoutMark || field[3] != kind)
        return std::nullopt;
    Address address;
    address.area = findAreaByDigit(kind, char(field[8]));
    if (!address.area)
        return std::nullopt;
    address.number = ((std::uint32_t(field[4]) << 8) | field[5]) + 1;
    if (address.number > lastNumber(kind))
        return std::nullopt;
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
    if (!drv::clearAddressText(area, number) || !knownKind(kind))
        return 0;
    for (const Area &candidate : kAreas) {
        if (candidate.serves(kind) && candidate.readOnly == (selector == 1)) {
            drv::putAddressText(area, number, candidate.name, "1");
            return 1;
        }
    }
    return 0;
}

DRV_EXPORT std::int32_t BuildDownAddr(std::int32_t kind, const char *area, const char *number,
                                      std::uint16_t *bit, std::uint8_t *downAddr)
{
    return drv::buildDownAddr(kCodec, kind, area, number, bit, downAddr);
}

// The extra value has no meaning for Modbus addresses.
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
    return 120; // holding registers per read request, well inside the 125 Modbus allows
}

// Modbus slaves are configured on site: the user chooses the settings. The record still names
// the usual Modbus RTU defaults, 19200 baud, 8 data bits, even parity, 1 stop bit.
DRV_EXPORT std::int32_t GetCommSetting(std::uint32_t *editable, std::uint8_t *record)
{
    if (editable)
        *editable = 1;
    if (record) {
        std::memset(record, 0, PLC_COMM_SETTING_SIZE);
        record[4] = 4; // baud rate index 4 = 19200, little-endian 32-bit
        record[8] = 0; // 8 data bits
        record[9] = 0; // 1 stop bit
        record[10] = 1; // even parity
    }
    return 1;
}
