#include "core/functions/project_addresses.h"

#include "core/functions/alarm_record.h"
#include "core/functions/calc_record.h"
#include "core/functions/device_addr.h"
#include "core/functions/device_block.h"
#include "core/functions/record_blocks.h"
#include "core/functions/reserve_record.h"
#include "core/functions/trans_record.h"
#include "core/plc/panel_params.h"
#include "core/plc/plc_slots.h"

#include "util/byte_order.h"

#include <algorithm>

namespace core {

namespace {

bool onChannel(std::uint16_t channel, bool ch1Changed, bool ch2Changed)
{
    return (channel == 1 && ch1Changed) || (channel == 2 && ch2Changed);
}

using BlockRef = RecordBlock;

std::int32_t blockKind(util::ConstByteSpan record, const BlockRef &ref)
{
    return recordBlockKind(record, ref);
}

// The shared walk over the four lists, with the list named as this class names it.
template<typename Doc, typename Fn>
void forEachRecord(Doc &doc, Fn fn)
{
    forEachRecordBlock(doc, [&](RecordList list, std::size_t i, auto &record, const BlockRef &ref) {
        fn(CProjectAddresses::List(int(list)), i, record, ref);
    });
}

util::ByteSpan recordBytes(CDorvaneDoc &doc, CProjectAddresses::List list, std::size_t index)
{
    switch (list) {
    case CProjectAddresses::List::Alarm:
        return doc.Alarms()[index];
    case CProjectAddresses::List::Calc:
        return doc.Calculations()[index];
    case CProjectAddresses::List::Transfer:
        return doc.Transfers()[index];
    default:
        return doc.Reservations()[index];
    }
}

std::size_t listSize(const CDorvaneDoc &doc, CProjectAddresses::List list)
{
    switch (list) {
    case CProjectAddresses::List::Alarm:
        return doc.Alarms().size();
    case CProjectAddresses::List::Calc:
        return doc.Calculations().size();
    case CProjectAddresses::List::Transfer:
        return doc.Transfers().size();
    default:
        return doc.Reservations().size();
    }
}

} // namespace

CProjectAddresses CProjectAddresses::Capture(const CDorvaneDoc &doc, bool ch1Changed,
                                             bool ch2Changed)
{
    CProjectAddresses out;
    if (!ch1Changed && !ch2Changed)
        return out;
    const CPlcSlots &slots = doc.Slots();
    forEachRecord(doc, [&](List list, std::size_t index, const auto &record, const BlockRef &ref) {
        const std::uint16_t channel = util::le16(record, ref.offset + devblock::kChannel);
        if (!onChannel(channel, ch1Changed, ch2Changed))
            return;
        const std::int32_t kind = blockKind(record, ref);
        const CDeviceAddr addr = CDeviceAddr::FromBlock(slots, record, ref.offset, kind);
        out.m_entries.push_back({list, index, ref.offset, kind, channel, addr.area, addr.number});
    });
    const CPanelParams params(doc.Parameters());
    for (int group = CPanelParams::kScreenChange; group <= CPanelParams::kScreenTransfer; ++group) {
        const PanelAddrGroup g = params.AddrGroup(group);
        if (!onChannel(g.device, ch1Changed, ch2Changed))
            continue;
        Entry e{List::Parameters, std::size_t(group), 0, kAddrWord, g.device, {}, {}};
        std::uint16_t bit = 0;
        slots.slot(g.device).BuildUpAddr(kAddrWord, g.field, e.area, e.number, bit);
        out.m_entries.push_back(std::move(e));
    }
    return out;
}

std::size_t CProjectAddresses::Revalidate(CDorvaneDoc &doc) const
{
    std::size_t rejected = 0;
    const CPlcSlots &slots = doc.Slots();
    CPanelParams params(doc.Parameters());
    for (const Entry &e : m_entries) {
        const CPlcDrv &drv = slots.slot(e.channel);
        std::string area = e.area;
        std::string number = e.number;
        if (drv.ValidCheck(e.kind, area, number) != 0) {
            area.clear();
            number.clear();
            drv.GetDefaultAddr(e.kind, 0, area, number);
            ++rejected;
        }
        if (e.list == List::Parameters) {
            PanelAddrGroup g = params.AddrGroup(int(e.record));
            std::uint16_t bit = 0;
            g.field.fill(0);
            drv.BuildDownAddr(kAddrWord, area, number, bit, g.field);
            params.SetAddrGroup(int(e.record), g);
            continue;
        }
        if (e.record >= listSize(doc, e.list))
            continue;
        util::ByteSpan record = recordBytes(doc, e.list, e.record);
        CDeviceAddr addr;
        addr.channel = e.channel;
        addr.station = util::le16(record, e.block + devblock::kStation);
        addr.area = area;
        addr.number = number;
        addr.BuildInto(slots, record, e.block, e.kind);
    }
    doc.Parameters() = params.Bytes();
    return rejected;
}

void CProjectAddresses::ApplyStation(CDorvaneDoc &doc, std::uint16_t channel, std::uint16_t station)
{
    forEachRecord(doc, [&](List, std::size_t, auto &record, const BlockRef &ref) {
        if (util::le16(record, ref.offset + devblock::kChannel) == channel)
            util::setLe16(record, ref.offset + devblock::kStation, station);
    });
    CPanelParams params(doc.Parameters());
    for (int group = CPanelParams::kScreenChange; group <= CPanelParams::kScreenTransfer; ++group) {
        PanelAddrGroup g = params.AddrGroup(group);
        if (g.device == channel) {
            g.station = station;
            params.SetAddrGroup(group, g);
        }
    }
    doc.Parameters() = params.Bytes();
    doc.StationChanged(channel, station);
}

} // namespace core
