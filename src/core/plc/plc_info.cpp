#include "core/plc/plc_info.h"

#include <algorithm>

namespace core {

const CPlcInfo *findPlcByName(const PlcCatalogue &list, const std::string &name)
{
    const auto it = std::find_if(list.begin(), list.end(),
                                 [&](const CPlcInfo &p) { return p.name == name; });
    return it == list.end() ? nullptr : &*it;
}

const CPlcInfo *findPlcByType(const PlcCatalogue &list, std::uint16_t type)
{
    const auto it = std::find_if(list.begin(), list.end(),
                                 [&](const CPlcInfo &p) { return p.type == type; });
    return it == list.end() ? nullptr : &*it;
}

} // namespace core
