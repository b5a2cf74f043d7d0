#pragma once

// The three driver slots of the process: device 0 the panel's own memory, devices 1 and 2 the
// PLCs on channels 1 and 2. The application owns one set and hands it to whoever builds or reads
// device addresses; nobody calls a plugin other than through these slots.

#include "core/plc/plc_drv.h"

#include <array>
#include <string>

namespace core {

class CPlcSlots
{
public:
    CPlcSlots();

    // The slot of a device number; anything outside 0 to 2 is the panel's own slot.
    CPlcDrv &slot(int device);
    const CPlcDrv &slot(int device) const;

    // Binds channel 1 or 2 to the catalogue entry of `type` with its driver from `protocolsDir`.
    // The slot is unloaded first; a type without an entry leaves it unloaded, and a driver that
    // cannot be loaded leaves it typed but without a plugin (built-in rules then apply).
    // Returns false when the channel number is not 1 or 2.
    bool BindChannel(int channel, const PlcCatalogue &catalogue, std::uint16_t type,
                     std::uint16_t station, const std::string &protocolsDir);

private:
    std::array<CPlcDrv, 3> m_slots{CPlcDrv(0), CPlcDrv(1), CPlcDrv(2)};
};

} // namespace core
