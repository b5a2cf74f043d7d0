#include "core/xref/address_users.h"

#include "core/functions/func_key_record.h"
#include "core/functions/record_blocks.h"
#include "core/model/dorvane_doc.h"
#include "core/model/screen_data.h"
#include "core/plc/panel_params.h"
#include "core/tags/digit_tag.h"
#include "core/tags/point_record.h"
#include "core/tags/tag.h"
#include "core/tags/tag_kinds.h"
#include "core/tags/tag_points.h"

#include <algorithm>

namespace core::xref {

namespace {

// The same rule as the used-system-memory map: an input field and a button write, every other
// kind with a point reads.
Access tagAccess(const CTag &tag)
{
    switch (tag.Kind()) {
    case kTagDigit:
        return tag.AcceptsInput() ? kWrite : kRead;
    case kTagButton:
        return kWrite;
    default:
        return kRead;
    }
}

void addTagUses(const CScreenData &screen, std::vector<AddressUse> &out)
{
    const auto &tags = screen.Tags();
    for (std::size_t i = 0; i < tags.size(); ++i) {
        const CTag &tag = *tags[i];
        const auto points = devicePoints(tag);
        for (std::size_t p = 0; p < points.size(); ++p) {
            const CPointInfo &point = *points[p];
            const UserRole role = points.size() == 2
                    ? (p == 0 ? UserRole::XPoint : UserRole::YPoint)
                    : UserRole::Point;
            User user{UserKind::Tag, role,       screen.Number(), i,
                      tag.Kind(),    tag.Rect(), tagAccess(tag)};
            CDeviceAddr addr{point.m_channel, point.m_station, point.m_address, point.m_second};
            const auto *digit = dynamic_cast<const CDigitTag *>(&tag);
            out.push_back({user, std::move(addr), devicePointKind(tag, point),
                           digit ? digit->Decimals() : 0});
        }
    }
}

void addKeyUses(const CPlcSlots &slots, const CScreenData &screen, std::vector<AddressUse> &out)
{
    for (std::size_t k = 0; k < kFunctionKeyCount; ++k) {
        const CFuncKeyRecord key(screen.FunctionKey(k));
        if (key.Function() == CFuncKeyRecord::kNotUsed
            || key.Function() == CFuncKeyRecord::kScreenChange)
            continue;
        AddressUse use;
        use.user = {UserKind::FunctionKey, UserRole::Target, screen.Number(), k, -1, {}, kWrite};
        use.addrKind = key.AddrKind();
        use.addr = CDeviceAddr::FromBlock(slots, key.Bytes(), CFuncKeyRecord::kBlock, use.addrKind);
        out.push_back(std::move(use));
    }
}

// The role and access of one record block, or nothing when the block is not in use.
bool blockUse(RecordList list, util::ConstByteSpan record, std::size_t block, User &user)
{
    const auto started = [&](std::size_t condition) { return util::le16(record, condition) != 0; };
    switch (list) {
    case RecordList::Alarm:
        user.kind = UserKind::Alarm;
        user.role = UserRole::Target;
        user.access = kRead;
        return true;
    case RecordList::Calc:
        user.kind = UserKind::Calculation;
        if (block == CCalcRecord::kStart) {
            user.role = UserRole::Start;
            user.access = kRead;
            return started(CCalcRecord::kCondition);
        }
        if (util::le16(record, block + devblock::kChannel) == devblock::kConstantChannel)
            return false;
        user.role = block == CCalcRecord::kOperand1
                ? UserRole::Operand1
                : (block == CCalcRecord::kOperand2 ? UserRole::Operand2 : UserRole::Result);
        // The panel stores the result: a write, whatever reads it later.
        user.access = user.role == UserRole::Result ? kWrite : kRead;
        return true;
    case RecordList::Transfer: {
        user.kind = UserKind::Transfer;
        if (block == CTransRecord::kStart) {
            user.role = UserRole::Start;
            user.access = kRead;
            return started(CTransRecord::kCondition);
        }
        // Direction 0 copies the PLC's words into the panel.
        const bool toPanel = util::le16(record, CTransRecord::kDirection) == 0;
        user.role = block == CTransRecord::kPlcBlock ? UserRole::PlcBlock : UserRole::PanelBlock;
        user.access = (user.role == UserRole::PanelBlock) == toPanel ? kWrite : kRead;
        return true;
    }
    case RecordList::Reservation:
        user.kind = UserKind::Reservation;
        user.role = block == CReserveRecord::kStart ? UserRole::Start : UserRole::Target;
        user.access = user.role == UserRole::Start ? kRead : kWrite;
        return user.role != UserRole::Start || started(CReserveRecord::kCondition);
    }
    return false;
}

void addParameterUses(const CDorvaneDoc &doc, std::vector<AddressUse> &out)
{
    const CPanelParams params(doc.Parameters());
    for (int group : {CPanelParams::kScreenChange, CPanelParams::kScreenTransfer}) {
        const PanelAddrGroup g = params.AddrGroup(group);
        if (!g.on)
            continue;
        AddressUse use;
        use.user = {UserKind::Parameters,
                    group == CPanelParams::kScreenChange ? UserRole::ScreenChange
                                                         : UserRole::ScreenNumber,
                    0, std::size_t(group)};
        use.user.access = kRead;
        use.addr = {g.device, g.station, {}, {}};
        std::uint16_t bit = 0;
        doc.Slots().slot(g.device).BuildUpAddr(kAddrWord, g.field, use.addr.area, use.addr.number,
                                               bit);
        out.push_back(std::move(use));
    }
}

CPointInfo *tagPoint(CDorvaneDoc &doc, const User &user)
{
    CScreenData *screen = doc.FindScreen(user.screen);
    if (!screen || user.index >= screen->Tags().size())
        return nullptr;
    const CTag &tag = *screen->Tags()[user.index];
    const auto points = devicePoints(tag);
    const std::size_t p = user.role == UserRole::YPoint ? 1 : 0;
    // The screen owns its tags as changeable objects; devicePoints() only hands them out const.
    return p < points.size() ? const_cast<CPointInfo *>(points[p]) : nullptr;
}

util::ByteSpan recordOf(CDorvaneDoc &doc, UserKind kind, std::size_t index)
{
    const auto pick = [index](auto &list) {
        return index < list.size() ? util::ByteSpan(list[index]) : util::ByteSpan();
    };
    switch (kind) {
    case UserKind::Alarm:
        return pick(doc.Alarms());
    case UserKind::Calculation:
        return pick(doc.Calculations());
    case UserKind::Transfer:
        return pick(doc.Transfers());
    case UserKind::Reservation:
        return pick(doc.Reservations());
    default:
        return {};
    }
}

std::size_t blockOf(const User &user)
{
    switch (user.role) {
    case UserRole::Operand1:
        return CCalcRecord::kOperand1;
    case UserRole::Operand2:
        return CCalcRecord::kOperand2;
    case UserRole::Result:
        return CCalcRecord::kResult;
    case UserRole::PlcBlock:
        return CTransRecord::kPlcBlock;
    case UserRole::PanelBlock:
        return CTransRecord::kPanelBlock;
    case UserRole::Start:
        return user.kind == UserKind::Calculation
                ? CCalcRecord::kStart
                : (user.kind == UserKind::Transfer ? CTransRecord::kStart : CReserveRecord::kStart);
    default:
        return user.kind == UserKind::Reservation ? CReserveRecord::kExecBlock
                                                  : CAlarmRecord::kBlock;
    }
}

bool writeParameter(CDorvaneDoc &doc, const User &user, const CDeviceAddr &addr)
{
    CPanelParams params(doc.Parameters());
    PanelAddrGroup g = params.AddrGroup(int(user.index));
    std::uint16_t bit = 0;
    g.field.fill(0);
    g.device = addr.channel;
    g.station = addr.station;
    doc.Slots().slot(addr.channel).BuildDownAddr(kAddrWord, addr.area, addr.number, bit, g.field);
    params.SetAddrGroup(int(user.index), g);
    doc.Parameters() = params.Bytes();
    return true;
}

} // namespace

std::vector<AddressUse> addressUses(const CDorvaneDoc &doc)
{
    std::vector<AddressUse> out;
    const CPlcSlots &slots = doc.Slots();
    for (const auto &screen : doc.Screens()) {
        addKeyUses(slots, *screen, out);
        addTagUses(*screen, out);
    }
    forEachRecordBlock(
            doc,
            [&](RecordList list, std::size_t index, const auto &record, const RecordBlock &ref) {
                User user;
                user.index = index;
                if (!blockUse(list, record, ref.offset, user))
                    return;
                const std::int32_t kind = recordBlockKind(record, ref);
                AddressUse use{user, CDeviceAddr::FromBlock(slots, record, ref.offset, kind), kind};
                if (list == RecordList::Transfer && ref.offset != CTransRecord::kStart)
                    use.words = std::max<std::uint16_t>(
                            1, util::le16(record, CTransRecord::kDataSize));
                out.push_back(std::move(use));
            });
    addParameterUses(doc, out);
    return out;
}

std::int32_t checkAddress(const CPlcSlots &slots, const AddressUse &use, CDeviceAddr &addr)
{
    const CPlcDrv &drv = slots.slot(addr.channel);
    if (const std::int32_t syntax = drv.ValidCheck(use.addrKind, addr.area, addr.number))
        return syntax < 0 ? syntax : -syntax;
    DownAddr field{};
    std::uint16_t bit = 0;
    if (use.user.kind != UserKind::Tag)
        return drv.BuildDownAddr(use.addrKind, addr.area, addr.number, bit, field);
    CPointInfo point;
    point.m_channel = addr.channel;
    point.m_station = addr.station;
    point.m_address = addr.area;
    point.m_second = addr.number;
    point.m_dataSize = use.addrKind == kAddrBit
            ? kSizeBit
            : (use.addrKind == kAddrDWord ? kSizeDWord : kSizeWord);
    return buildPointAddress(slots, point, use.addrKind, use.extra, field, bit);
}

bool writeAddress(CDorvaneDoc &doc, const AddressUse &use, const CDeviceAddr &addr)
{
    const User &user = use.user;
    switch (user.kind) {
    case UserKind::Tag: {
        CPointInfo *point = tagPoint(doc, user);
        if (!point)
            return false;
        point->m_channel = addr.channel;
        point->m_station = addr.station;
        point->m_address = addr.area;
        point->m_second = addr.number;
        return true;
    }
    case UserKind::FunctionKey: {
        CScreenData *screen = doc.FindScreen(user.screen);
        if (!screen || user.index >= kFunctionKeyCount)
            return false;
        addr.BuildInto(doc.Slots(), screen->FunctionKey(user.index), CFuncKeyRecord::kBlock,
                       use.addrKind);
        return true;
    }
    case UserKind::Parameters:
        return writeParameter(doc, user, addr);
    default: {
        const util::ByteSpan record = recordOf(doc, user.kind, user.index);
        if (record.empty())
            return false;
        addr.BuildInto(doc.Slots(), record, blockOf(user), use.addrKind);
        return true;
    }
    }
}

} // namespace core::xref
