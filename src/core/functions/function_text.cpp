#include "core/functions/function_text.h"

#include "core/functions/device_addr.h"
#include "core/functions/user_text.h"

#include "util/message_ids.h"
#include "util/messages.h"

namespace core {

namespace {

std::string message(int id)
{
    return std::string(util::messageText(id));
}

ListColumn column(int titleId, int width)
{
    return ListColumn{message(titleId), width};
}

std::string addressCell(const CPlcSlots &slots, util::ConstByteSpan bytes, std::size_t block,
                        std::int32_t kind)
{
    return CDeviceAddr::FromBlock(slots, bytes, block, kind).CellText(slots);
}

std::string reserveRepeat(const CReserveRecord &r)
{
    const std::string name = message(util::msg::kReserveRepeatFirst + r.RepeatMode());
    switch (r.RepeatMode()) {
    case CReserveRecord::kOnce: {
        const std::string date
                = util::formatText("%04X-%02X-%02X", r.Word(CReserveRecord::kYear),
                                   r.Word(CReserveRecord::kMonth), r.Word(CReserveRecord::kDay));
        return util::formatText("%s %s", name.c_str(), date.c_str());
    }
    case CReserveRecord::kDaily:
        return util::formatText("%s %s", name.c_str(), "");
    case CReserveRecord::kWeekly: {
        std::string days;
        for (int i = 0; i < 7; ++i) {
            if (!((r.WeekdayMask() >> i) & 1))
                continue;
            if (!days.empty())
                days += ",";
            days += message(util::msg::kWeekdayFirst + i);
        }
        return util::formatMessage(util::msg::kTwoTexts, name.c_str(), days.c_str());
    }
    case CReserveRecord::kMonthly: {
        const std::string day = util::formatText("%X", r.Word(CReserveRecord::kDay));
        return util::formatText("%s %s", name.c_str(), day.c_str());
    }
    default:
        return {};
    }
}

void funcKeyAddressRows(const CPlcSlots &slots, const CFuncKeyRecord &r,
                        std::vector<FuncKeyText::Row> &rows)
{
    const CDeviceAddr addr
            = CDeviceAddr::FromBlock(slots, r.Bytes(), CFuncKeyRecord::kBlock, r.AddrKind());
    rows.push_back({message(util::msg::kChannelCaption), std::to_string(addr.channel)});
    rows.push_back({message(util::msg::kStationCaption), std::to_string(addr.station)});
    rows.push_back({message(util::msg::kAddressValueCaption), addr.Text(slots)});
}

} // namespace

std::vector<ListColumn> AlarmText::Columns()
{
    using namespace util::msg;
    return {column(kAddressCaption, 100), column(kConditionCaption, 70),
            column(kBuzzerCaption, 120), column(kAlarmMessageCaption, 180),
            column(kMessageDisplayCaption, 80)};
}

std::string AlarmText::Cell(const CPlcSlots &slots, std::uint16_t panelLang,
                            const CAlarmRecord &record, int col)
{
    switch (col) {
    case kColAddress:
        return addressCell(slots, record.Bytes(), CAlarmRecord::kBlock, kAddrBit);
    case kColCondition:
        return message(record.ConditionOn() ? util::msg::kOn : util::msg::kOff);
    case kColBuzzer:
        switch (record.BuzzerMode()) {
        case CAlarmRecord::kBuzzerOff:
            return message(util::msg::kBuzzerNotUsed);
        case CAlarmRecord::kBuzzerTimed:
            return std::to_string(record.BuzzerSeconds()) + message(util::msg::kBuzzerSeconds);
        case CAlarmRecord::kBuzzerContinuous:
            return message(util::msg::kBuzzerContinuous);
        default:
            return {};
        }
    case kColMessage:
        return usertext::ToUser(record.Message(), panelLang);
    case kColDisplay:
        return record.HideAfterClear() ? "X" : "O";
    default:
        return {};
    }
}

std::vector<ListColumn> CalcText::Columns()
{
    // The captions in column order, from the first of the run.
    const auto col
            = [](int c, int width) { return column(util::msg::kCalcCaptionFirst + c, width); };
    return {col(kColStart, 67),    col(kColCondition, 60), col(kColOperator, 48),
            col(kColOperand1, 90), col(kColOperand2, 90),  col(kColResult, 67),
            col(kColType, 132)};
}

std::string CalcText::Cell(const CPlcSlots &slots, const CCalcRecord &record, int col)
{
    const ValueType type = record.Type();
    const std::int32_t kind = type.kind == kDataLong ? kAddrDWord : kAddrWord;
    switch (col) {
    case kColStart:
        return addressCell(slots, record.Bytes(), CCalcRecord::kStart, kAddrBit);
    case kColCondition:
        return record.Condition() < CCalcRecord::kConditionCount
                ? message(util::msg::kCalcConditionFirst + record.Condition())
                : std::string();
    case kColOperator:
        return CCalcRecord::OperatorText(record.Operator());
    case kColOperand1:
    case kColOperand2: {
        const int operand = col == kColOperand1 ? 0 : 1;
        if (record.IsConstant(operand))
            return record.ConstantText(operand) + ", Const";
        return addressCell(slots, record.Bytes(), CCalcRecord::OperandBlock(operand), kind)
                + ", Addr";
    }
    case kColResult:
        return addressCell(slots, record.Bytes(), CCalcRecord::kResult, kind);
    case kColType: {
        static const char *const formats[] = {"DEC", "HEX", "BCD"};
        const char *format = type.format >= 1 && type.format <= 3 ? formats[type.format - 1] : "";
        return util::formatText("%s, %s, %s", type.kind == kDataLong ? "Long" : "Word", format,
                                type.isSigned ? "Signed" : "Unsigned");
    }
    default:
        return {};
    }
}

std::vector<ListColumn> TransText::Columns()
{
    const auto col
            = [](int c, int width) { return column(util::msg::kTransCaptionFirst + c, width); };
    return {col(kColStart, 90), col(kColCondition, 60), col(kColDirection, 80),
            col(kColPlc, 90),   col(kColPanel, 90),     col(kColSize, 80)};
}

std::string TransText::Cell(const CPlcSlots &slots, const CTransRecord &record, int col)
{
    switch (col) {
    case kColStart:
        return addressCell(slots, record.Bytes(), CTransRecord::kStart, kAddrBit);
    case kColCondition:
        return record.Condition() < CTransRecord::kConditionCount
                ? message(util::msg::kTransConditionFirst + record.Condition())
                : std::string();
    case kColDirection:
        return record.Direction() != 0 ? "HMI->PLC" : "HMI<-PLC";
    case kColPlc:
        return addressCell(slots, record.Bytes(), CTransRecord::kPlcBlock, kAddrWord);
    case kColPanel:
        return record.PanelAddress();
    case kColSize:
        return std::to_string(record.DataSize());
    default:
        return {};
    }
}

std::vector<ListColumn> ReserveText::Columns()
{
    const auto col
            = [](int c, int width) { return column(util::msg::kReserveCaptionFirst + c, width); };
    return {col(kColCondition, 70), col(kColStart, 90), col(kColRepeat, 150),
            col(kColTime, 60),      col(kColExec, 90),  col(kColValue, 70)};
}

std::string ReserveText::Cell(const CPlcSlots &slots, const CReserveRecord &record, int col)
{
    switch (col) {
    case kColCondition:
        return record.Condition() <= 2
                ? message(util::msg::kReserveConditionFirst + record.Condition())
                : std::string();
    case kColStart:
        return addressCell(slots, record.Bytes(), CReserveRecord::kStart, kAddrBit);
    case kColRepeat:
        return reserveRepeat(record);
    case kColTime:
        return util::formatText("%02X:%02X:%02X", record.Word(CReserveRecord::kHour),
                                record.Word(CReserveRecord::kMinute),
                                record.Word(CReserveRecord::kSecond));
    case kColExec:
        return addressCell(slots, record.Bytes(), CReserveRecord::kExecBlock, kAddrBit);
    case kColValue:
        return record.Value() != 0 ? "On" : "Off";
    default:
        return {};
    }
}

std::string FuncKeyText::BitAction(std::uint32_t action)
{
    switch (action) {
    case CFuncKeyRecord::kBitOff:
        return "Off";
    case CFuncKeyRecord::kBitOn:
        return "On";
    case CFuncKeyRecord::kBitToggle:
        return message(util::msg::kToggle);
    case CFuncKeyRecord::kBitMomentary:
        return message(util::msg::kOnWhilePressed);
    default:
        return {};
    }
}

std::vector<FuncKeyText::Row> FuncKeyText::Rows(const CPlcSlots &slots, const Keys &keys)
{
    std::vector<Row> rows;
    for (int k = 0; k < CFuncKeyRecord::kKeyCount; ++k) {
        const CFuncKeyRecord r(keys[std::size_t(k)]);
        const std::uint16_t f = r.Function();
        rows.push_back(
                {CFuncKeyRecord::KeyTitle(k), message(CFuncKeyRecord::FunctionNameId(f)), true});
        const std::string password = r.Password() ? "O" : "X";
        switch (f) {
        case CFuncKeyRecord::kBitControl:
            rows.push_back({message(util::msg::kValueCaption), BitAction(r.Value())});
            funcKeyAddressRows(slots, r, rows);
            rows.push_back({message(util::msg::kPasswordCaption), password});
            break;
        case CFuncKeyRecord::kValueSet:
        case CFuncKeyRecord::kValueIncrease:
        case CFuncKeyRecord::kValueDecrease: {
            const ValueType type = r.Type();
            const std::string value = type.format == kFormatHex ? util::formatText("%X", r.Value())
                    : type.isSigned ? std::to_string(std::int32_t(r.Value()))
                                    : std::to_string(r.Value());
            rows.push_back({message(util::msg::kValueCaption), value});
            funcKeyAddressRows(slots, r, rows);
            rows.push_back({message(util::msg::kPasswordCaption), password});
            rows.push_back(
                    {message(util::msg::kSizeCaption), type.kind == kDataWord ? "Word" : "Long"});
            rows.push_back(
                    {message(util::msg::kRadixCaption), type.format == kFormatHex ? "HEX" : "DEC"});
            rows.push_back({message(util::msg::kSignedCaption), type.isSigned ? "O" : "X"});
            break;
        }
        case CFuncKeyRecord::kScreenChange:
            rows.push_back({message(util::msg::kScreenNumberCaption), std::to_string(r.Value())});
            rows.push_back({message(util::msg::kPasswordCaption), password});
            break;
        default:
            break;
        }
    }
    return rows;
}

} // namespace core
