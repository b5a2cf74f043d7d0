#pragma once

// The texts that show the common functions' records, the same wherever they are listed: the
// list dialogs, the printed report and the command line. A record goes in, plain strings come
// out in the language the messages are shown in; device addresses are written as the list
// dialogs write them ("channel-station-address").

#include "core/functions/alarm_record.h"
#include "core/functions/calc_record.h"
#include "core/functions/func_key_record.h"
#include "core/functions/reserve_record.h"
#include "core/functions/trans_record.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace core {

class CPlcSlots;

// One column of a record list: its caption and its width in the dialog's pixels.
struct ListColumn
{
    std::string title;
    int width = 0;
};

struct AlarmText
{
    enum Column { kColAddress, kColCondition, kColBuzzer, kColMessage, kColDisplay, kColCount };
    static std::vector<ListColumn> Columns();
    // `panelLang` is the code page the alarm's message is stored in.
    static std::string Cell(const CPlcSlots &slots, std::uint16_t panelLang,
                            const CAlarmRecord &record, int column);
};

struct CalcText
{
    enum Column {
        kColStart,
        kColCondition,
        kColOperator,
        kColOperand1,
        kColOperand2,
        kColResult,
        kColType,
        kColCount
    };
    static std::vector<ListColumn> Columns();
    static std::string Cell(const CPlcSlots &slots, const CCalcRecord &record, int column);
};

struct TransText
{
    enum Column {
        kColStart,
        kColCondition,
        kColDirection,
        kColPlc,
        kColPanel,
        kColSize,
        kColCount
    };
    static std::vector<ListColumn> Columns();
    static std::string Cell(const CPlcSlots &slots, const CTransRecord &record, int column);
};

struct ReserveText
{
    enum Column { kColCondition, kColStart, kColRepeat, kColTime, kColExec, kColValue, kColCount };
    static std::vector<ListColumn> Columns();
    static std::string Cell(const CPlcSlots &slots, const CReserveRecord &record, int column);
};

struct FuncKeyText
{
    // One row of a screen's function-key overview: per key a title row with the function's
    // name, then the rows the function needs (value, channel, station, address, password, size,
    // radix, sign or screen number).
    struct Row
    {
        std::string label;
        std::string value;
        bool title = false; // the first row of a key
    };
    using Keys = std::array<CFuncKeyRecord::Raw, CFuncKeyRecord::kKeyCount>;

    static std::vector<Row> Rows(const CPlcSlots &slots, const Keys &keys);
    // "Off", "On", the toggle's or the momentary action's name.
    static std::string BitAction(std::uint32_t action);
};

} // namespace core
