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

} // namespace core
