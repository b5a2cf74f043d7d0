#include "core/plc/channel_params.h"

#include "util/byte_order.h"

#include <algorithm>

namespace core {

std::uint16_t CChannelParams::word(std::size_t offset) const
{
    return util::le16(m_raw, offset);
}

void CChannelParams::setWord(std::size_t offset, std::uint16_t value)
{
    util::setLe16(m_raw, offset, value);
}

CChannelParams CChannelParams::NewProject(int channel)
{
    CChannelParams p;
    p.SetPlcType(channel == 1 ? 1 : 0);
    p.SetTimeout(500);
    p.SetBaud(5);
    return p;
}

std::vector<std::uint8_t> CChannelParams::Masters() const
{
    const std::size_t count = std::min<std::size_t>(word(kMasterCount), kMaxMasters);
    return {m_raw.begin() + kMasters, m_raw.begin() + std::ptrdiff_t(kMasters + count)};
}

void CChannelParams::SetMasters(const std::vector<std::uint8_t> &stations)
{
    const std::size_t count = std::min(stations.size(), kMaxMasters);
    std::fill_n(m_raw.begin() + kMasters, kMaxMasters, std::uint8_t(0));
    std::copy_n(stations.begin(), count, m_raw.begin() + kMasters);
    setWord(kMasterCount, std::uint16_t(count));
}

} // namespace core
