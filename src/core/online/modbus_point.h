#pragma once

// A PLC point of the Modbus driver as the protocol sees it: which of the four tables, which
// protocol address (0-based) and how many coils or registers. Decoded from the 40-byte download
// address the driver builds (docs/plc-addresses.md).

#include "core/plc/plc_drv.h"

#include <cstdint>
#include <optional>
#include <string>

namespace core::online {

// The catalogue type whose channels can run online.
inline constexpr std::uint16_t kModbusPlcType = 0x0001;

enum class ModbusTable : std::uint8_t { Coils, DiscreteInputs, InputRegisters, HoldingRegisters };

struct ModbusPoint
{
    ModbusTable table = ModbusTable::HoldingRegisters;
    std::uint16_t address = 0; // protocol address, 0-based
    std::uint16_t count = 1; // coils or registers: 2 for a double word
    std::int32_t kind = kAddrWord;

    std::uint32_t end() const { return std::uint32_t(address) + count; }
};

// Nothing for a field the Modbus driver did not write, or one whose kind does not fit its table.
std::optional<ModbusPoint> decodeModbusField(std::int32_t kind, const DownAddr &field);

bool isBitTable(ModbusTable table);
bool isWritable(ModbusTable table);
// FC1, FC2, FC4, FC3.
std::uint8_t readFunction(ModbusTable table);
// The area name the editor shows: "0x", "1x", "3x", "4x".
const char *tableName(ModbusTable table);
// "4x101" for protocol address 100 of the holding registers (the 1-based number users type).
std::string addressText(ModbusTable table, std::uint32_t address);

} // namespace core::online
