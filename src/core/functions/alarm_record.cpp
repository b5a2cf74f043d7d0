#include "core/functions/alarm_record.h"

#include "core/functions/device_block.h"

namespace core {

CAlarmRecord CAlarmRecord::Default()
{
    CAlarmRecord r;
    std::uint16_t bit = 0;
    DownAddr field{};
    builtin::BuildDownAddr(kAddrBit, "0", bit, field);
    devblock::setField(r.m_raw, kBlock, field);
    util::setLe16(r.m_raw, kBlock + devblock::kDataKind, 1);
    util::setLe16(r.m_raw, kBlock + devblock::kBit, bit);
    util::setLe16(r.m_raw, kBlock + devblock::kCount, 1);
    r.SetFlags(kFlagOn);
    r.SetMessage("Alarm On");
    return r;
}

CAlarmRecord::Raw CAlarmRecord::DownloadForm() const
{
    Raw out = m_raw;
    devblock::swap(out, kBlock);
    devblock::swap16(out, kFlags);
    devblock::swap16(out, kSeconds);
    return out;
}

CAlarmRecord CAlarmRecord::FromDownloadForm(const Raw &panel)
{
    CAlarmRecord r(panel);
    devblock::swap(r.m_raw, kBlock);
    devblock::swap16(r.m_raw, kFlags);
    devblock::swap16(r.m_raw, kSeconds);
    return r;
}

std::uint16_t CAlarmRecord::Channel() const
{
    return util::le16(m_raw, kBlock + devblock::kChannel);
}

std::uint16_t CAlarmRecord::Station() const
{
    return util::le16(m_raw, kBlock + devblock::kStation);
}

} // namespace core
