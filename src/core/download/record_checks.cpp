#include "core/download/record_checks.h"

#include "core/functions/alarm_record.h"
#include "core/functions/calc_record.h"
#include "core/functions/device_block.h"
#include "core/functions/func_key_record.h"
#include "core/functions/reserve_record.h"
#include "core/functions/trans_record.h"
#include "core/model/screen_data.h"
#include "core/plc/channel_params.h"
#include "core/plc/panel_params.h"
#include "core/tags/message_tag.h"
#include "core/tags/motor_tag.h"
#include "core/tags/tag.h"
#include "core/tags/tag_kinds.h"

#include <cstdint>

namespace core {

namespace {

using util::Endian;

// Stations 0 to 31 on either channel; channel 0 is the panel's own memory.
constexpr std::int64_t kMaxStation = CChannelParams::kStationCount - 1;
constexpr std::int64_t kMaxChannel = 2;
// Data sizes 1 bit, 2 word, 3 double word; bases 1 decimal, 2 hexadecimal, 3 BCD.
constexpr std::int64_t kMaxDataSize = 3;
constexpr std::int64_t kMaxBase = 3;
constexpr std::int64_t kMaxFont = 2; // normal, large, small
// A tag may hang off the display, but no editor places its anchor more than a whole display
// away from it.
constexpr std::int64_t kMinX = -kPanelWidth, kMaxX = 2 * kPanelWidth - 1;
constexpr std::int64_t kMinY = -kPanelHeight, kMaxY = 2 * kPanelHeight - 1;

// Collects the first field outside its range.
class RangeCheck
{
public:
    RangeCheck(util::ConstByteSpan bytes, Endian endian)
        : m_bytes(bytes)
        , m_endian(endian)
    { }

    std::uint16_t U16(std::size_t at) const
    {
        return util::readU16(m_bytes, at, m_endian).value_or(0);
    }
    std::int16_t I16(std::size_t at) const { return std::int16_t(U16(at)); }
    std::uint8_t U8(std::size_t at) const { return at < m_bytes.size() ? m_bytes[at] : 0; }

    void Value(const std::string &name, std::int64_t value, std::int64_t lo, std::int64_t hi)
    {
        if (m_why.empty() && (value < lo || value > hi))
            m_why = name + " " + std::to_string(value) + " is outside " + std::to_string(lo)
                    + " to " + std::to_string(hi);
    }
    void Word(const std::string &name, std::size_t at, std::int64_t lo, std::int64_t hi)
    {
        Value(name, U16(at), lo, hi);
    }
    void Position(std::size_t at, const char *x = "x", const char *y = "y")
    {
        Value(x, I16(at), kMinX, kMaxX);
        Value(y, I16(at + 2), kMinY, kMaxY);
    }
    // Channel and station of the address block at `at`; `maxChannel` 3 admits a constant.
    void Device(const std::string &prefix, std::size_t at, std::int64_t maxChannel = kMaxChannel)
    {
        Word(prefix + "channel", at + devblock::kChannel, 0, maxChannel);
        Word(prefix + "station", at + devblock::kStation, 0, kMaxStation);
    }
    // A device point whose data size and base the editor always sets.
    void Point(const std::string &prefix, std::size_t at)
    {
        Device(prefix, at);
        Word(prefix + "data size", at + devblock::kDataKind, 1, kMaxDataSize);
        Word(prefix + "base", at + devblock::kCount, 1, kMaxBase);
    }

    std::string Result() && { return std::move(m_why); }

private:
    util::ConstByteSpan m_bytes;
    Endian m_endian;
    std::string m_why;
};

void checkChannelParams(RangeCheck &c, const std::string &prefix, std::size_t at)
{
    using C = CChannelParams;
    c.Word(prefix + "own station", at + C::kOwnStation, 0, kMaxStation);
    c.Word(prefix + "data bits index", at + C::kDataBits, 0, 1);
    c.Word(prefix + "parity index", at + C::kParity, 0, 2);
    c.Word(prefix + "stop bits index", at + C::kStopBits, 0, 1);
    c.Word(prefix + "baud rate index", at + C::kBaud, 0, 7);
    c.Word(prefix + "configuration", at + C::kConfig, 0, 3);
    c.Word(prefix + "master count", at + C::kMasterCount, 0, C::kMaxMasters);
    c.Word(prefix + "remote station", at + C::kRemoteStation, 0, kMaxStation);
}

// Tags with a device point keep it at 0 and their position behind it at 62.
void checkPointTag(RangeCheck &c)
{
    c.Point("", 0);
    c.Position(62);
}

} // namespace

std::string checkParameterBlock(util::ConstByteSpan params)
{
    using P = CPanelParams;
    RangeCheck c(params, Endian::Little);
    // The two screen links: the stations' combos show an unknown number as 0, so only the
    // device (which picks a driver) is checked.
    c.Word("screen change device", P::kChangeDevice, 0, kMaxChannel);
    c.Word("screen transfer device", P::kTransferDevice, 0, kMaxChannel);
    checkChannelParams(c, "channel 1 ", P::kChannel1);
    checkChannelParams(c, "channel 2 ", P::kChannel2);
    return std::move(c).Result();
}

std::string checkAlarmRecord(util::ConstByteSpan record)
{
    using A = CAlarmRecord;
    RangeCheck c(record, Endian::Little);
    c.Device("", A::kBlock);
    c.Word("data kind", A::kBlock + devblock::kDataKind, 0, kMaxDataSize);
    c.Value("buzzer mode", c.U16(A::kFlags) >> 8, A::kBuzzerOff, A::kBuzzerContinuous);
    return std::move(c).Result();
}

std::string checkCalcRecord(util::ConstByteSpan record)
{
    using C = CCalcRecord;
    RangeCheck c(record, Endian::Little);
    c.Word("operator", C::kOperator, 0, C::kOperatorCount - 1);
    c.Word("start condition", C::kCondition, 0, C::kConditionCount - 1);
    const std::pair<const char *, std::size_t> operands[]
            = {{"operand 1 ", C::kOperand1}, {"operand 2 ", C::kOperand2}, {"result ", C::kResult}};
    for (const auto &[name, at] : operands) {
        // A constant operand is marked by channel 3; the result is always a device.
        c.Device(name, at, at == C::kResult ? kMaxChannel : devblock::kConstantChannel);
        c.Word(std::string(name) + "data kind", at + devblock::kDataKind, 0, kMaxDataSize);
        c.Word(std::string(name) + "format", at + devblock::kCount, 0, kMaxBase);
    }
    c.Device("start ", C::kStart);
    c.Word("start data kind", C::kStart + devblock::kDataKind, 0, kMaxDataSize);
    return std::move(c).Result();
}

std::string checkTransferRecord(util::ConstByteSpan record)
{
    using T = CTransRecord;
    RangeCheck c(record, Endian::Little);
    c.Word("direction", T::kDirection, T::kToPanel, T::kToPlc);
    c.Word("data size", T::kDataSize, 1, T::kMaxSize);
    c.Word("start condition", T::kCondition, 0, T::kConditionCount - 1);
    c.Device("PLC ", T::kPlcBlock);
    c.Device("panel ", T::kPanelBlock);
    c.Device("start ", T::kStart);
    return std::move(c).Result();
}

std::string checkReservationRecord(util::ConstByteSpan record)
{
    using R = CReserveRecord;
    RangeCheck c(record, Endian::Little);
    c.Word("repeat mode", R::kRepeat, R::kOnce, R::kMonthly);
    c.Word("value", R::kValue, 0, 1);
    c.Word("start condition", R::kCondition, 0, 2);
    c.Device("target ", R::kExecBlock);
    c.Device("start ", R::kStart);
    return std::move(c).Result();
}

std::string checkFunctionKeyRecord(util::ConstByteSpan record)
{
    using F = CFuncKeyRecord;
    RangeCheck c(record, Endian::Little);
    const std::uint16_t function = c.U16(F::kFunction);
    c.Value("function", function, F::kNotUsed, F::kScreenChange);
    c.Device("", F::kBlock);
    const std::uint32_t value = util::le32(record, F::kValue);
    if (function == F::kBitControl)
        c.Value("bit action", value, F::kBitOff, F::kBitMomentary);
    if (function == F::kScreenChange)
        c.Value("screen number", value, 0, kMaxScreenNumber);
    // Only the functions that write a device use the block's type; an unused key may carry a
    // cleared block.
    if (function >= F::kBitControl && function <= F::kValueDecrease) {
        c.Word("data kind", F::kBlock + devblock::kDataKind, 1, kMaxDataSize);
        c.Word("format", F::kBlock + devblock::kCount, 1, kMaxBase);
    }
    return std::move(c).Result();
}

std::string checkImageMarker(std::uint8_t marker)
{
    if (marker <= 1)
        return {};
    return "image marker " + std::to_string(marker) + " is outside 0 to 1";
}

std::string checkTagRecord(int kind, util::ConstByteSpan record)
{
    RangeCheck c(record, Endian::Big);
    switch (kind) {
    case kTagDigit:
        checkPointTag(c);
        // The font is read from the low byte of its word.
        c.Value("font", c.U8(67), 0, kMaxFont);
        c.Word("digits", 74, 1, 10);
        c.Word("decimals", 76, 0, 9);
        break;
    case kTagMessage:
        checkPointTag(c);
        c.Word("font", 66, 0, kMaxFont);
        c.Word("entry count", 70, 0, CMessageTag::kMaxEntries);
        break;
    case kTagButton:
        checkPointTag(c);
        c.Word("action", 78, 0, 3);
        break;
    case kTagMotor:
        checkPointTag(c);
        c.Word("image count", 72, 0, CMotorTag::kMaxImages);
        break;
    case kTagLamp:
    case kTagPie:
    case kTagGraph1:
    case kTagGraph2:
        checkPointTag(c);
        break;
    case kTagMobile:
        c.Point("x point ", 0);
        c.Point("y point ", 62);
        c.Position(124);
        break;
    case kTagText:
        c.Position(0);
        c.Word("font", 28, 0, kMaxFont);
        break;
    case kTagClock:
        c.Position(0);
        c.Word("font", 4, 0, kMaxFont);
        break;
    case kTagLine:
        c.Position(0);
        c.Position(4, "end x", "end y");
        break;
    case kTagBitmap:
    case kTagBmpText:
    case kTagRect:
    case kTagCircle:
        c.Position(0);
        break;
    default:
        return "tag kind " + std::to_string(kind) + " is outside 0 to 15";
    }
    return std::move(c).Result();
}

} // namespace core
