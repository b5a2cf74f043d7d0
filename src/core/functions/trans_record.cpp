#include "core/functions/trans_record.h"

#include "core/functions/device_addr.h"
#include "core/functions/device_block.h"
#include "core/functions/value_type.h"

namespace core {

CTransRecord CTransRecord::Default(const CPlcSlots &slots)
{
    CTransRecord r;
    r.SetDirection(kToPanel);
    r.SetDataSize(2);
    r.SetCondition(0);
    const CDeviceAddr start{0, 0, {}, "00"};
    start.BuildInto(slots, r.m_raw, kStart, kAddrBit);
    util::setLe16(r.m_raw, kStart + devblock::kDataKind, kDataBit);
    util::setLe16(r.m_raw, kStart + devblock::kCount, 1);
    const std::uint16_t channel = slots.slot(1).DeviceKind() == kDevicePlc ? 1 : 2;
    const std::uint16_t station
            = slots.slot(channel).Station() < 32 ? slots.slot(channel).Station() : 0;
    CDeviceAddr::DefaultFor(slots, channel, station, kAddrWord)
            .BuildInto(slots, r.m_raw, kPlcBlock, kAddrWord);
    r.SetPanelAddress("0");
    return r;
}

CTransRecord::Raw CTransRecord::DownloadForm() const
{
    Raw out = m_raw;
    for (std::size_t block : {kPlcBlock, kPanelBlock, kStart})
        devblock::swap(out, block);
    for (std::size_t at : {kDirection, kDataSize, kCondition})
        devblock::swap16(out, at);
    return out;
}

CTransRecord CTransRecord::FromDownloadForm(const Raw &panel)
{
    return CTransRecord(CTransRecord(panel).DownloadForm());
}

std::string CTransRecord::PanelAddress() const
{
    return devblock::fieldText(m_raw, kPanelBlock);
}

void CTransRecord::SetPanelAddress(const std::string &text)
{
    devblock::setFieldText(m_raw, kPanelBlock, text);
}

bool CTransRecord::FitsPanelArea(std::uint16_t direction, std::uint32_t panelWord,
                                 std::uint32_t size)
{
    const std::uint32_t limit = direction != kToPanel ? 1001 : 901;
    return panelWord + size < limit;
}

} // namespace core
