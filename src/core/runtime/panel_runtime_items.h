#pragma once

// The project as the panel runtime runs it: the alarms, calculations, block transfers and
// reservations with their addresses resolved to memory cells once per Reload(), the screen-link
// words and the trend graphs, together with the state each keeps from scan to scan. Internal to
// CPanelRuntime, whose parts (input, alarms, functions) share it.

#include "core/functions/calc_record.h"
#include "core/functions/reserve_record.h"
#include "core/functions/value_type.h"
#include "core/runtime/panel_runtime.h"

#include <array>
#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

namespace core {

class CGraphTag;

namespace runtime {

struct AlarmItem
{
    std::optional<MemoryKey> key;
    bool onCondition = true;
    bool hide = false;
    std::string message;
    bool met = false;
};

struct CalcItem
{
    CCalcRecord record;
    ValueType type;
    std::array<std::optional<MemoryKey>, 2> operand;
    std::array<std::optional<std::uint32_t>, 2> constant;
    std::optional<MemoryKey> result;
    std::optional<MemoryKey> start;
    bool startWas = false;
};

struct TransferItem
{
    std::uint16_t direction = 0;
    std::uint16_t condition = 0;
    std::vector<MemoryKey> plc;
    std::vector<MemoryKey> panel;
    std::optional<MemoryKey> start;
    bool startWas = false;
};

struct ReserveItem
{
    CReserveRecord record;
    std::optional<MemoryKey> exec;
    std::optional<MemoryKey> start;
};

// Seconds of a calendar time taken as UTC, and back: the runtime's clock counts whole seconds.
long long secondsOf(const std::tm &t);
std::tm tmOf(long long seconds);

// A raw word or double word as the number the data type means (BCD digits, signed or not);
// nothing for a BCD value with a digit above 9. Arithmetic runs in 64 bits so that 32-bit
// operands never overflow.
std::optional<std::int64_t> toNumber(std::uint32_t raw, const ValueType &type);
// The raw word or double word of a number; nothing when BCD cannot hold it.
std::optional<std::uint32_t> fromNumber(std::int64_t value, const ValueType &type);

} // namespace runtime

struct CPanelRuntime::Compiled
{
    std::vector<runtime::AlarmItem> alarms;
    std::vector<runtime::CalcItem> calcs;
    std::vector<runtime::TransferItem> transfers;
    std::vector<runtime::ReserveItem> reserves;
    std::optional<MemoryKey> changeWord;
    std::optional<MemoryKey> reportWord;
    std::optional<std::uint32_t> changeWas;
    std::vector<const CGraphTag *> trends;
};

} // namespace core
