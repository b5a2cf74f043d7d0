#include "core/project_json/address_check.h"

#include "core/functions/alarm_record.h"
#include "core/functions/calc_record.h"
#include "core/functions/device_addr.h"
#include "core/functions/device_block.h"
#include "core/functions/func_key_record.h"
#include "core/functions/reserve_record.h"
#include "core/functions/trans_record.h"
#include "core/plc/panel_params.h"
#include "core/plc/plc_slots.h"
#include "core/tags/tag.h"
#include "core/tags/tag_points.h"

#include <algorithm>
#include <array>

namespace core::pjson {

namespace {

const char *kindName(std::int32_t kind)
{
    switch (kind) {
    case kAddrBit:
        return "bit";
    case kAddrDWord:
        return "double word";
    default:
        return "word";
    }
}

std::string owner(std::uint16_t channel)
{
    return channel == 1 || channel == 2 ? "channel " + std::to_string(channel) + "'s driver"
                                        : "the panel's memory";
}

std::string quoted(const std::string &area, const std::string &number)
{
    return area.empty() ? "number \"" + number + "\""
                        : "area \"" + area + "\", number \"" + number + "\"";
}

// What the driver takes for the kind: its areas and its default address, or the panel's rules.
std::string expected(const CPlcDrv &drv, std::int32_t kind)
{
    if (!drv.HasModule()) {
        switch (kind) {
        case kAddrBit:
            return "a word number 0-999 followed by a bit 0-F";
        case kAddrDWord:
            return "a number 0-898";
        default:
            return "a number 0-999";
        }
    }
    std::vector<std::string> areas;
    drv.GetTypeAreaList(kind, areas);
    std::string text;
    for (const std::string &area : areas)
        text += (text.empty() ? "one of the areas " : ", ") + area;
    std::string area, number;
    if (drv.GetDefaultAddr(kind, 0, area, number) != 0 && !number.empty())
        text += (text.empty() ? "for example " : ", for example ") + quoted(area, number);
    return text.empty() ? "an address it can build" : text;
}

// A download address as a project holds it (records, function keys, screen links).
void checkField(const CPlcDrv &drv, std::uint16_t channel, std::int32_t kind, const DownAddr &field,
                std::uint16_t bit, const std::string &path)
{
    std::string area, number;
    const std::int32_t result = checkDownAddress(drv, kind, field, bit, area, number);
    if (result == 0)
        return;
    const std::string why = result == kAddrUnreadable ? owner(channel)
                    + " does not read this field as a " + kindName(kind) + " address it builds"
                                                      : owner(channel) + " refuses the "
                    + kindName(kind) + " address (" + quoted(area, number) + ")";
    refuse(path, why + "; it expects " + expected(drv, kind));
}

void checkBlock(const CPlcSlots &slots, util::ConstByteSpan record, std::size_t block,
                std::int32_t kind, const std::string &path)
{
    const std::uint16_t channel = util::le16(record, block + devblock::kChannel);
    checkField(slots.slot(channel), channel, kind, devblock::field(record, block),
               util::le16(record, block + devblock::kBit), member(path, "address"));
}

std::int32_t wordKind(util::ConstByteSpan record, std::size_t block)
{
    return util::le16(record, block + devblock::kDataKind) == 3 ? kAddrDWord : kAddrWord;
}

std::string fieldsPath(const char *list, std::size_t index, const char *block)
{
    return member(member(element(list, index), "fields"), block);
}

void checkParameters(const CDorvaneDoc &doc)
{
    const CPanelParams params(doc.Parameters());
    const std::array<std::pair<int, const char *>, 2> links{
            {{CPanelParams::kScreenChange, "screenChangeAddress"},
             {CPanelParams::kScreenTransfer, "screenTransferAddress"}}};
    for (const auto &[group, name] : links) {
        const PanelAddrGroup g = params.AddrGroup(group);
        // A link that is off keeps the number text as typed, not the driver's form.
        if (g.on)
            checkField(doc.Slots().slot(g.device), g.device, kAddrWord, g.field, 0,
                       member("parameters.fields", name));
    }
}

// Start blocks matter only with a start condition: the editor keeps whatever the disabled
// group held, refused or not.
bool started(util::ConstByteSpan record, std::size_t condition)
{
    return util::le16(record, condition) != 0;
}

} // namespace

void checkProjectAddresses(const CDorvaneDoc &doc)
{
    const CPlcSlots &slots = doc.Slots();
    checkParameters(doc);
    for (std::size_t i = 0; i < doc.Alarms().size(); ++i)
        checkBlock(slots, doc.Alarms()[i], CAlarmRecord::kBlock, kAddrBit,
                   fieldsPath("alarms", i, "device"));
    for (std::size_t i = 0; i < doc.Calculations().size(); ++i) {
        const CalcRecord &r = doc.Calculations()[i];
        for (const auto &[block, name] : {std::pair{CCalcRecord::kOperand1, "operand1"},
                                          std::pair{CCalcRecord::kOperand2, "operand2"},
                                          std::pair{CCalcRecord::kResult, "result"}})
            if (util::le16(r, block + devblock::kChannel) != devblock::kConstantChannel)
                checkBlock(slots, r, block, wordKind(r, block),
                           fieldsPath("calculations", i, name));
        if (started(r, CCalcRecord::kCondition))
            checkBlock(slots, r, CCalcRecord::kStart, kAddrBit,
                       fieldsPath("calculations", i, "start"));
    }
    for (std::size_t i = 0; i < doc.Transfers().size(); ++i) {
        const TransferRecord &r = doc.Transfers()[i];
        checkBlock(slots, r, CTransRecord::kPlcBlock, kAddrWord, fieldsPath("transfers", i, "plc"));
        checkBlock(slots, r, CTransRecord::kPanelBlock, kAddrWord,
                   fieldsPath("transfers", i, "panel"));
        if (started(r, CTransRecord::kCondition))
            checkBlock(slots, r, CTransRecord::kStart, kAddrBit,
                       fieldsPath("transfers", i, "start"));
    }
    for (std::size_t i = 0; i < doc.Reservations().size(); ++i) {
        const ReservationRecord &r = doc.Reservations()[i];
        checkBlock(slots, r, CReserveRecord::kExecBlock, kAddrBit,
                   fieldsPath("reservations", i, "target"));
        if (started(r, CReserveRecord::kCondition))
            checkBlock(slots, r, CReserveRecord::kStart, kAddrBit,
                       fieldsPath("reservations", i, "start"));
    }
}

void checkScreenAddresses(const CPlcSlots &slots, const CScreenData &screen,
                          const std::string &path)
{
    for (std::size_t k = 0; k < kFunctionKeyCount; ++k) {
        const CFuncKeyRecord key(screen.FunctionKey(k));
        // Only keys that act on a device use their target.
        if (key.Function() == CFuncKeyRecord::kNotUsed
            || key.Function() == CFuncKeyRecord::kScreenChange)
            continue;
        checkBlock(slots, key.Bytes(), CFuncKeyRecord::kBlock, key.AddrKind(),
                   member(member(element(member(path, "functionKeys"), k), "fields"), "target"));
    }
    const auto &tags = screen.Tags();
    for (std::size_t i = 0; i < tags.size(); ++i) {
        const CTag &tag = *tags[i];
        const auto points = devicePoints(tag);
        const auto results = buildDevicePoints(slots, tag);
        for (std::size_t p = 0; p < points.size(); ++p) {
            if (results[p] >= 0)
                continue;
            const CPointInfo &point = *points[p];
            // The moving tag has two points, x then y; every other kind one.
            const char *name = points.size() == 2 ? (p == 0 ? "xPoint" : "yPoint") : "point";
            const std::int32_t kind = devicePointKind(tag, point);
            refuse(member(member(member(element(member(path, "tags"), i), "fields"), name),
                          "address"),
                   owner(point.m_channel) + " refuses the " + kindName(kind) + " address ("
                           + quoted(point.m_address, point.m_second) + "); it expects "
                           + expected(slots.slot(point.m_channel), kind));
        }
    }
}

} // namespace core::pjson
