#include "core/functions/device_addr.h"

#include "core/functions/device_block.h"
#include "core/plc/system_address.h"

#include "util/messages.h"

namespace core {

std::string CDeviceAddr::Text(const CPlcSlots &slots) const
{
    return slots.slot(channel).DeviceKind() == kDevicePlc ? area + number : number;
}

std::string CDeviceAddr::CellText(const CPlcSlots &slots) const
{
    if (slots.slot(channel).DeviceKind() == kDevicePlc)
        return util::formatText("%d-%d-%s%s", int(channel), int(station), area.c_str(),
                                number.c_str());
    return util::formatText("%d-%d-%s", int(channel), int(station), number.c_str());
}

CDeviceAddr CDeviceAddr::FromBlock(const CPlcSlots &slots, util::ConstByteSpan record,
                                   std::size_t block, std::int32_t kind)
{
    CDeviceAddr addr;
    addr.channel = util::le16(record, block + devblock::kChannel);
    addr.station = util::le16(record, block + devblock::kStation);
    std::uint16_t bit = util::le16(record, block + devblock::kBit);
    addr.number.clear();
    slots.slot(addr.channel)
            .BuildUpAddr(kind, devblock::field(record, block), addr.area, addr.number, bit);
    return addr;
}

std::int32_t CDeviceAddr::BuildInto(const CPlcSlots &slots, util::ByteSpan record,
                                    std::size_t block, std::int32_t kind) const
{
    DownAddr out{};
    std::uint16_t bit = 0;
    const std::int32_t result = slots.slot(channel).BuildDownAddr(kind, area, number, bit, out);
    devblock::setField(record, block, out);
    util::setLe16(record, block + devblock::kBit, bit);
    util::setLe16(record, block + devblock::kChannel, channel);
    util::setLe16(record, block + devblock::kStation, station);
    return result;
}

CDeviceAddr CDeviceAddr::DefaultFor(const CPlcSlots &slots, std::uint16_t channel,
                                    std::uint16_t station, std::int32_t kind)
{
    CDeviceAddr addr;
    addr.channel = channel;
    addr.station = station;
    if (channel != 0)
        slots.slot(channel).GetDefaultAddr(kind, 0, addr.area, addr.number);
    return addr;
}

std::int32_t checkDownAddress(const CPlcDrv &drv, std::int32_t kind, const DownAddr &field,
                              std::uint16_t bit, std::string &area, std::string &number)
{
    area.clear();
    number.clear();
    std::uint16_t readBit = bit;
    const std::int32_t read = drv.BuildUpAddr(kind, field, area, number, readBit);
    if (read == 0)
        return 0; // a driver without a reader: nothing to compare with
    if (read != 2)
        return kAddrUnreadable;
    DownAddr built{};
    std::uint16_t builtBit = 0;
    const std::int32_t result = drv.BuildDownAddr(kind, area, number, builtBit, built);
    if (result < 0)
        return result;
    // A bit number only matters for bit addresses; words keep the field alone.
    if (built != field || (kind == kAddrBit && builtBit != bit))
        return kAddrUnreadable;
    return 0;
}

std::string deviceAddressText(const CPlcSlots &slots, int device, std::int32_t kind,
                              std::string_view area, std::string_view number)
{
    if (slots.slot(device).DeviceKind() == kDevicePlc)
        return std::string(area).append(number);
    return panelAddressText(number, kind == kAddrBit);
}

} // namespace core
