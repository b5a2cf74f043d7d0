#pragma once

// One entry of a channel's PLC catalogue, as the program folder's PLC.INI lists it.

#include <cstdint>
#include <string>
#include <vector>

namespace core {

struct CPlcInfo
{
    std::uint32_t flag = 0;     // bit 15 of the type identifier
    std::string driverDll;      // PC-side protocol driver plugin file name
    std::string panelDriver;    // panel-side driver image, downloaded from Protocols/
    std::string wiringDiagram;  // picture shown from the connect folder
    std::string name;           // as listed
    std::uint16_t type = 0;     // PLC type identifier
};

using PlcCatalogue = std::vector<CPlcInfo>;

const CPlcInfo *findPlcByName(const PlcCatalogue &list, const std::string &name);
const CPlcInfo *findPlcByType(const PlcCatalogue &list, std::uint16_t type);

} // namespace core
