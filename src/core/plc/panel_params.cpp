#include "core/plc/panel_params.h"

#include "util/byte_order.h"

#include <algorithm>

namespace core {

namespace {

struct GroupOffsets
{
    std::size_t on, field, device, station;
};

GroupOffsets offsetsOf(int group)
{
    if (group == CPanelParams::kScreenTransfer)
        return {CPanelParams::kTransferOn, CPanelParams::kTransferField,
                CPanelParams::kTransferDevice, CPanelParams::kTransferStation};
    return {CPanelParams::kChangeOn, CPanelParams::kChangeField, CPanelParams::kChangeDevice,
            CPanelParams::kChangeStation};
}

std::size_t channelOffset(int channel)
{
    return channel == 2 ? CPanelParams::kChannel2 : CPanelParams::kChannel1;
}

} // namespace

std::uint16_t CPanelParams::Word(std::size_t offset) const
{
    return util::le16(m_raw, offset);
}

void CPanelParams::SetWord(std::size_t offset, std::uint16_t value)
{
    util::setLe16(m_raw, offset, value);
}

PanelAddrGroup CPanelParams::AddrGroup(int group) const
{
    const GroupOffsets at = offsetsOf(group);
    PanelAddrGroup g;
    g.on = Word(at.on) != 0;
    std::copy_n(m_raw.begin() + std::ptrdiff_t(at.field), g.field.size(), g.field.begin());
    g.device = Word(at.device);
    g.station = Word(at.station);
    return g;
}

void CPanelParams::SetAddrGroup(int group, const PanelAddrGroup &value)
{
    const GroupOffsets at = offsetsOf(group);
    SetWord(at.on, value.on ? 1 : 0);
    std::copy(value.field.begin(), value.field.end(), m_raw.begin() + std::ptrdiff_t(at.field));
    SetWord(at.device, value.device);
    SetWord(at.station, value.station);
}

CChannelParams CPanelParams::Channel(int channel) const
{
    ChannelParams raw{};
    std::copy_n(m_raw.begin() + std::ptrdiff_t(channelOffset(channel)), raw.size(), raw.begin());
    return CChannelParams(raw);
}

void CPanelParams::SetChannel(int channel, const CChannelParams &params)
{
    std::copy(params.Bytes().begin(), params.Bytes().end(),
              m_raw.begin() + std::ptrdiff_t(channelOffset(channel)));
}

} // namespace core
