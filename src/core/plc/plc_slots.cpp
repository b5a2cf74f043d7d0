#include "core/plc/plc_slots.h"

namespace core {

CPlcSlots::CPlcSlots()
{
    m_slots[0].SetDeviceKind(kDevicePanel);
}

CPlcDrv &CPlcSlots::slot(int device)
{
    return m_slots[device >= 0 && device <= 2 ? std::size_t(device) : 0];
}

const CPlcDrv &CPlcSlots::slot(int device) const
{
    return m_slots[device >= 0 && device <= 2 ? std::size_t(device) : 0];
}

bool CPlcSlots::BindChannel(int channel, const PlcCatalogue &catalogue, std::uint16_t type,
                            std::uint16_t station, const std::string &protocolsDir)
{
    if (channel != 1 && channel != 2)
        return false;
    m_slots[std::size_t(channel)].Bind(findPlcByType(catalogue, type), station, protocolsDir);
    return true;
}

} // namespace core
