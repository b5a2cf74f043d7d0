#pragma once

// The three driver slots of the process: device 0 the panel's own memory, devices 1 and 2 the
// PLCs on channels 1 and 2. The application owns one set and hands it to whoever builds or reads
// device addresses.

#include "core/plc/plc_drv.h"

#include <array>

namespace core {

class CPlcSlots
{
public:
    CPlcSlots();

    // The slot of a device number; anything outside 0 to 2 is the panel's own slot.
    CPlcDrv &slot(int device);
    const CPlcDrv &slot(int device) const;

private:
    std::array<CPlcDrv, 3> m_slots{CPlcDrv(0), CPlcDrv(1), CPlcDrv(2)};
};

} // namespace core
