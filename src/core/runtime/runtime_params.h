#pragma once

// What the running panel takes from the parameter block and the block transfers, shared by the
// device table and the runtime.

#include "core/functions/trans_record.h"
#include "core/plc/plc_drv.h"
#include "core/runtime/device_memory.h"

#include <vector>

namespace core {

class CDorvaneDoc;

// One of the two screen-number links with the PLC, when it is switched on.
struct ScreenLink
{
    enum class Role { Change, Report }; // PLC selects the screen / panel reports its screen
    Role role = Role::Change;
    std::uint16_t device = 0;
    std::uint16_t station = 0;
    DownAddr field{};
};

std::vector<ScreenLink> screenLinks(const CDorvaneDoc &doc);

// The panel words of a block transfer, cut at the end of the area the transfer may use.
std::vector<MemoryKey> transferPanelWords(const CTransRecord &transfer);

} // namespace core
