#include "core/functions/reserve_record.h"

#include "core/functions/device_block.h"

namespace core {

CReserveRecord::Raw CReserveRecord::DownloadForm() const
{
    Raw out = m_raw;
    devblock::swap(out, kExecBlock);
    devblock::swap(out, kStart);
    for (std::size_t at = kRepeat; at <= kCondition; at += 2)
        devblock::swap16(out, at);
    return out;
}

CReserveRecord CReserveRecord::FromDownloadForm(const Raw &panel)
{
    return CReserveRecord(CReserveRecord(panel).DownloadForm());
}

std::uint16_t CReserveRecord::ToBcd(unsigned value)
{
    std::uint16_t bcd = 0;
    for (int shift = 0; shift < 16; shift += 4) {
        bcd = std::uint16_t(bcd | ((value % 10) << shift));
        value /= 10;
    }
    return bcd;
}

unsigned CReserveRecord::FromBcd(std::uint16_t bcd)
{
    unsigned value = 0;
    for (int shift = 12; shift >= 0; shift -= 4)
        value = value * 10 + ((bcd >> shift) & 0xF);
    return value;
}

} // namespace core
