// Test-only plugin that exports just a few entry points, so the editor's substitutes for the
// missing ones can be checked against a real shared object. Not part of the program folder.

#include "common/driver_export.h"
#include "common/driver_text.h"

#include <cstdio>

// Two areas for every kind.
DRV_EXPORT std::int32_t GetTypeAreaList(std::int32_t, char *out)
{
    drv::putText(out, PLC_AREA_TEXT_SIZE, "P");
    drv::putText(out + PLC_AREA_TEXT_SIZE, PLC_AREA_TEXT_SIZE, "Q");
    return 0x10002; // only the low 16 bits count
}

// Writes what it was given into the field, so a test can see the extra value arrive.
DRV_EXPORT std::int32_t BuildDownAddr1(std::int32_t kind, const char *area, const char *number,
                                       std::uint16_t *bit, std::uint8_t *downAddr,
                                       std::uint32_t extra)
{
    char text[PLC_DOWN_ADDR_SIZE] = {};
    std::snprintf(text, sizeof text, "%d|%s|%s|%u", int(kind), area, number, unsigned(extra));
    std::memcpy(downAddr, text, PLC_DOWN_ADDR_SIZE);
    *bit = 7;
    return 5;
}
