#pragma once

// How a point's raw value reads as text, the way the project's numeric tags show it: signed
// decimal for a signed tag, the BCD digits for a BCD tag, hexadecimal for a hexadecimal one, else
// unsigned decimal (0 or 1 for a bit). The first numeric tag that shows the point decides.

#include "core/runtime/memory_key.h"

#include <cstdint>
#include <map>
#include <string>

namespace core {
class CDeviceMemory;
class CDorvaneDoc;
class CPointInfo;
} // namespace core

namespace core::online {

class CPointReadings
{
public:
    CPointReadings(const CDorvaneDoc &doc, const CDeviceMemory &memory);

    std::string Text(const MemoryKey &key, std::uint32_t raw) const;

private:
    std::map<MemoryKey, const CPointInfo *> m_shownBy;
};

} // namespace core::online
