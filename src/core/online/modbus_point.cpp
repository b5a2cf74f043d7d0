#include "core/online/modbus_point.h"

namespace core::online {

namespace {

constexpr std::uint8_t kLayoutMark = 'M';

struct TableCode
{
    ModbusTable table;
    std::uint8_t readFn;
    char digit;
};

constexpr TableCode kTables[] = {
        {ModbusTable::Coils, 0x01, '0'},
        {ModbusTable::DiscreteInputs, 0x02, '1'},
        {ModbusTable::InputRegisters, 0x04, '3'},
        {ModbusTable::HoldingRegisters, 0x03, '4'},
};

} // namespace

std::optional<ModbusPoint> decodeModbusField(std::int32_t kind, const DownAddr &field)
{
    if (field[0] != kLayoutMark || std::int32_t(field[3]) != kind)
        return std::nullopt;
    for (const TableCode &t : kTables) {
        if (t.readFn != field[1] || t.digit != char(field[8]))
            continue;
        const bool bits = isBitTable(t.table);
        if (bits != (kind == kAddrBit) || (!bits && kind != kAddrWord && kind != kAddrDWord))
            return std::nullopt;
        ModbusPoint p;
        p.table = t.table;
        p.kind = kind;
        p.address = std::uint16_t((field[4] << 8) | field[5]);
        p.count = kind == kAddrDWord ? 2 : 1;
        if (p.end() > 0x10000u)
            return std::nullopt;
        return p;
    }
    return std::nullopt;
}

bool isBitTable(ModbusTable table)
{
    return table == ModbusTable::Coils || table == ModbusTable::DiscreteInputs;
}

bool isWritable(ModbusTable table)
{
    return table == ModbusTable::Coils || table == ModbusTable::HoldingRegisters;
}

std::uint8_t readFunction(ModbusTable table)
{
    for (const TableCode &t : kTables) {
        if (t.table == table)
            return t.readFn;
    }
    return 0;
}

const char *tableName(ModbusTable table)
{
    switch (table) {
    case ModbusTable::Coils:
        return "0x";
    case ModbusTable::DiscreteInputs:
        return "1x";
    case ModbusTable::InputRegisters:
        return "3x";
    case ModbusTable::HoldingRegisters:
        break;
    }
    return "4x";
}

std::string addressText(ModbusTable table, std::uint32_t address)
{
    return tableName(table) + std::to_string(address + 1);
}

} // namespace core::online
