#include "core/project_json/record_layout.h"

#include "core/functions/alarm_record.h"
#include "core/functions/calc_record.h"
#include "core/functions/device_block.h"
#include "core/functions/func_key_record.h"
#include "core/functions/reserve_record.h"
#include "core/functions/trans_record.h"
#include "core/model/dorvane_doc.h"
#include "core/plc/channel_params.h"
#include "core/plc/panel_params.h"

#include <cstdio>

namespace core::pjson {

namespace {

constexpr std::size_t kAddrSize = 40;

FieldDef u16(const char *name, std::size_t offset)
{
    return {name, offset, FieldType::U16};
}
FieldDef u32(const char *name, std::size_t offset)
{
    return {name, offset, FieldType::U32};
}
FieldDef text(const char *name, std::size_t offset, std::size_t size)
{
    return {name, offset, FieldType::Text, size};
}
FieldDef nested(const char *name, std::size_t offset, const RecordLayout &layout)
{
    return {name, offset, FieldType::Nested, layout.size, &layout};
}

} // namespace

const RecordLayout &deviceBlockLayout()
{
    using namespace devblock;
    static const RecordLayout layout{
            kSize,
            {text("address", kField, kAddrSize), u16("dataKind", kDataKind), u16("bit", kBit),
             u16("count", kCount), u16("signed", kSigned), u16("option", 48), u32("minimum", kMin),
             u32("maximum", kMax), u16("channel", kChannel), u16("station", kStation)}};
    return layout;
}

const RecordLayout &channelLayout()
{
    using C = CChannelParams;
    static const RecordLayout layout{kChannelParamSize,
                                     {u16("plcType", C::kPlcType),
                                      u16("ownStation", C::kOwnStation),
                                      u16("dataBits", C::kDataBits),
                                      u16("parity", C::kParity),
                                      u16("stopBits", C::kStopBits),
                                      u16("timeout", C::kTimeout),
                                      u16("baud", C::kBaud),
                                      u16("configuration", C::kConfig),
                                      u16("masterCount", C::kMasterCount),
                                      {"masters", C::kMasters, FieldType::Bytes, C::kMaxMasters},
                                      u16("remoteStation", C::kRemoteStation)}};
    return layout;
}

const RecordLayout &parameterLayout()
{
    using P = CPanelParams;
    static const RecordLayout layout{
            kParamBlockSize,
            {u16("signature", kParamSignature), u16("initialScreen", P::kInitialScreen),
             u16("saverWait", P::kSaverWait), u16("saverScreen", P::kSaverScreen),
             u16("backlightWait", P::kBacklightWait), u16("language", P::kLanguage),
             u16("latchOn", P::kLatchOn), u16("latchStart", P::kLatchStart),
             u16("latchEnd", P::kLatchEnd), u16("screenChangeOn", P::kChangeOn),
             text("screenChangeAddress", P::kChangeField, kAddrSize),
             u16("screenChangeDevice", P::kChangeDevice),
             u16("screenChangeStation", P::kChangeStation), u16("screenTransferOn", P::kTransferOn),
             text("screenTransferAddress", P::kTransferField, kAddrSize),
             u16("screenTransferDevice", P::kTransferDevice),
             u16("screenTransferStation", P::kTransferStation),
             nested("channel1", P::kChannel1, channelLayout()),
             nested("channel2", P::kChannel2, channelLayout())}};
    return layout;
}

const RecordLayout &alarmLayout()
{
    using A = CAlarmRecord;
    static const RecordLayout layout{A::kSize,
                                     {nested("device", A::kBlock, deviceBlockLayout()),
                                      u16("flags", A::kFlags), u16("buzzerSeconds", A::kSeconds),
                                      text("message", A::kMessage, A::kMessageSize)}};
    return layout;
}

const RecordLayout &calculationLayout()
{
    using C = CCalcRecord;
    static const RecordLayout layout{
            C::kSize,
            {nested("operand1", C::kOperand1, deviceBlockLayout()),
             nested("operand2", C::kOperand2, deviceBlockLayout()),
             nested("result", C::kResult, deviceBlockLayout()), u16("operator", C::kOperator),
             u16("condition", C::kCondition), nested("start", C::kStart, deviceBlockLayout())}};
    return layout;
}

const RecordLayout &transferLayout()
{
    using T = CTransRecord;
    static const RecordLayout layout{
            T::kSize,
            {nested("plc", T::kPlcBlock, deviceBlockLayout()),
             nested("panel", T::kPanelBlock, deviceBlockLayout()), u16("direction", T::kDirection),
             u16("dataSize", T::kDataSize), u16("condition", T::kCondition),
             nested("start", T::kStart, deviceBlockLayout())}};
    return layout;
}

const RecordLayout &reservationLayout()
{
    using R = CReserveRecord;
    static const RecordLayout layout{R::kSize,
                                     {nested("target", R::kExecBlock, deviceBlockLayout()),
                                      u16("repeat", R::kRepeat),
                                      {"year", R::kYear, FieldType::Bcd16},
                                      {"month", R::kMonth, FieldType::Bcd16},
                                      {"day", R::kDay, FieldType::Bcd16},
                                      {"hour", R::kHour, FieldType::Bcd16},
                                      {"minute", R::kMinute, FieldType::Bcd16},
                                      {"second", R::kSecond, FieldType::Bcd16},
                                      u16("value", R::kValue),
                                      u16("condition", R::kCondition),
                                      nested("start", R::kStart, deviceBlockLayout())}};
    return layout;
}

const RecordLayout &functionKeyLayout()
{
    using F = CFuncKeyRecord;
    static const RecordLayout layout{F::kSize,
                                     {nested("target", F::kBlock, deviceBlockLayout()),
                                      u16("password", F::kPassword), u16("function", F::kFunction),
                                      u32("value", F::kValue)}};
    return layout;
}

Json fieldsToJson(const RecordLayout &layout, util::ConstByteSpan bytes, std::uint16_t langId)
{
    Json j = Json::object();
    for (const FieldDef &f : layout.fields) {
        switch (f.type) {
        case FieldType::U16:
            j[f.name] = util::le16(bytes, f.offset);
            break;
        case FieldType::U32:
            j[f.name] = util::le32(bytes, f.offset);
            break;
        case FieldType::Bcd16: {
            char digits[8];
            std::snprintf(digits, sizeof digits, "%X", unsigned(util::le16(bytes, f.offset)));
            j[f.name] = digits;
            break;
        }
        case FieldType::Text:
            j[f.name] = fixedToJson(bytes.subspan(f.offset, f.size), langId);
            break;
        case FieldType::Bytes:
            j[f.name] = toHex(bytes.subspan(f.offset, f.size));
            break;
        case FieldType::Nested:
            j[f.name] = fieldsToJson(*f.nested, bytes.subspan(f.offset, f.size), langId);
            break;
        }
    }
    return j;
}

namespace {

void fieldFromJson(const FieldDef &f, const Json &value, const std::string &path,
                   std::uint16_t langId, util::ByteSpan bytes)
{
    switch (f.type) {
    case FieldType::U16:
        util::setLe16(bytes, f.offset, std::uint16_t(intFromJson(value, path, 0, 0xFFFF)));
        break;
    case FieldType::U32:
        util::setLe32(bytes, f.offset, std::uint32_t(intFromJson(value, path, 0, 0xFFFFFFFF)));
        break;
    case FieldType::Bcd16: {
        util::Bytes unused;
        const std::string s = value.is_string() ? value.get<std::string>() : std::string();
        const bool ok = !s.empty() && s.size() <= 4
                && s.find_first_not_of("0123456789abcdefABCDEF") == std::string::npos;
        if (!ok)
            refuse(path, "expected a text of 1 to 4 hexadecimal digits (BCD)");
        util::setLe16(bytes, f.offset, std::uint16_t(std::stoul(s, nullptr, 16)));
        break;
    }
    case FieldType::Text:
        fixedFromJson(value, path, langId, bytes.subspan(f.offset, f.size));
        break;
    case FieldType::Bytes: {
        util::Bytes raw;
        if (!value.is_string() || !fromHex(value.get<std::string>(), raw) || raw.size() != f.size)
            refuse(path, "expected " + std::to_string(f.size) + " bytes as hexadecimal digits");
        std::copy(raw.begin(), raw.end(), bytes.begin() + std::ptrdiff_t(f.offset));
        break;
    }
    case FieldType::Nested:
        fieldsFromJson(*f.nested, value, path, langId, bytes.subspan(f.offset, f.size));
        break;
    }
}

} // namespace

void fieldsFromJson(const RecordLayout &layout, const Json &fields, const std::string &path,
                    std::uint16_t langId, util::ByteSpan bytes)
{
    requireObject(fields, path);
    // Named members rather than a structured binding: clang before 16 cannot capture one.
    for (const auto &item : fields.items()) {
        const std::string &key = item.key();
        const Json &value = item.value();
        const auto it = std::find_if(layout.fields.begin(), layout.fields.end(),
                                     [&](const FieldDef &f) { return key == f.name; });
        if (it == layout.fields.end())
            refuse(member(path, key), "unknown field");
        fieldFromJson(*it, value, member(path, key), langId, bytes);
    }
}

Json recordToJson(const RecordLayout &layout, util::ConstByteSpan bytes, std::uint16_t langId)
{
    Json j = Json::object();
    j["fields"] = fieldsToJson(layout, bytes, langId);
    j["raw"] = toHex(bytes);
    return j;
}

void recordFromJson(const RecordLayout &layout, const Json &record, const std::string &path,
                    std::uint16_t langId, util::ByteSpan bytes)
{
    onlyKeys(record, path, {"fields", "raw"});
    std::fill(bytes.begin(), bytes.end(), std::uint8_t(0));
    if (const auto raw = record.find("raw"); raw != record.end()) {
        util::Bytes data;
        if (!raw->is_string() || !fromHex(raw->get<std::string>(), data)
            || data.size() != layout.size)
            refuse(member(path, "raw"),
                   "expected " + std::to_string(layout.size) + " bytes as hexadecimal digits");
        std::copy(data.begin(), data.end(), bytes.begin());
    }
    if (const auto fields = record.find("fields"); fields != record.end())
        fieldsFromJson(layout, *fields, member(path, "fields"), langId, bytes);
}

} // namespace core::pjson
