#include "core/tags/point_record.h"

#include "core/model/address_block.h"
#include "core/plc/plc_slots.h"

namespace core {

std::int32_t pointAddrKind(const CPointInfo &point)
{
    return point.m_dataSize == kSizeBit ? kAddrBit : point.ByteWidth();
}

std::int32_t buildPointAddress(const CPlcSlots &slots, const CPointInfo &point,
                               std::int32_t addrKind, std::uint32_t extra, DownAddr &field,
                               std::uint16_t &bit)
{
    return slots.slot(point.m_channel)
            .BuildDownAddr1(addrKind ? addrKind : pointAddrKind(point), point.m_address,
                            point.m_second, bit, field, extra);
}

std::int32_t writePointBlock(const CPlcSlots &slots, const CPointInfo &point, util::ByteSpan out,
                             std::size_t offset, std::int32_t addrKind)
{
    CAddressBlock block;
    std::uint16_t bit = 0;
    const std::int32_t result = buildPointAddress(slots, point, addrKind, 0, block.field, bit);
    block.word40 = point.m_dataSize;
    block.word42 = point.m_dataSize == kSizeBit ? bit : point.m_flag;
    block.word44 = point.m_base;
    block.word46 = point.m_signed;
    block.word48 = point.m_option;
    block.min = point.m_min;
    block.max = point.m_max;
    block.channel = point.m_channel;
    block.station = point.m_station;
    block.Write(out, offset, util::Endian::Big);
    return result;
}

void readPointBlock(const CPlcSlots &slots, util::ConstByteSpan record, std::size_t offset,
                    CPointInfo &point, std::int32_t addrKind)
{
    const CAddressBlock block = CAddressBlock::Read(record, offset, util::Endian::Big);
    point.m_dataSize = block.word40;
    point.m_base = block.word44;
    point.m_signed = block.word46;
    point.m_option = block.word48;
    point.m_min = block.min;
    point.m_max = block.max;
    point.m_channel = block.channel;
    point.m_station = block.station;

    const bool bitPoint = point.m_dataSize == kSizeBit;
    const CPlcDrv &drv = slots.slot(block.channel);
    // Without a plugin the built-in rules decode the field; a bit needs them even then.
    const bool decode
            = drv.HasModule() ? block.channel != 0 && drv.DeviceKind() == kDevicePlc : bitPoint;
    if (decode) {
        std::uint16_t bit = bitPoint ? block.word42 : 0;
        drv.BuildUpAddr(addrKind ? addrKind : pointAddrKind(point), block.field, point.m_address,
                        point.m_second, bit);
    } else {
        point.m_address.clear();
        point.m_second = util::fixedText(block.field, 0, block.field.size() + 1);
    }
    if (!bitPoint)
        point.m_flag = block.word42;
}

void revalidatePoint(const CPlcSlots &slots, CPointInfo &point, bool mustBeWritable,
                     bool ch1Changed, bool ch2Changed, std::int32_t addrKind)
{
    const std::uint16_t ch = point.m_channel;
    if (!((ch == 1 && ch1Changed) || (ch == 2 && ch2Changed)))
        return;
    const CPlcDrv &drv = slots.slot(ch);
    const std::int32_t kind = addrKind ? addrKind : pointAddrKind(point);
    std::string number = point.m_second;
    bool valid = drv.ValidCheck(kind, point.m_address, number) == 0;
    if (valid && mustBeWritable) {
        std::uint32_t readOnly = 0;
        if (drv.GetAreaReadOnly(kind, point.m_address, readOnly) != 0 && readOnly != 0)
            valid = false;
    }
    if (!valid)
        drv.GetDefaultAddr(kind, 0, point.m_address, point.m_second);
}

void changePointStation(CPointInfo &point, std::uint16_t channel, std::uint16_t station)
{
    if (point.m_channel == channel)
        point.m_station = station;
}

void swapPointChannel(CPointInfo &point, bool oneToTwo, bool twoToOne)
{
    if ((point.m_channel == 1 && oneToTwo) || (point.m_channel == 2 && twoToOne))
        point.m_channel = swapChannel(point.m_channel);
}

} // namespace core
