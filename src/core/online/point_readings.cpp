#include "core/online/point_readings.h"

#include "core/model/dorvane_doc.h"
#include "core/model/screen_data.h"
#include "core/runtime/device_memory.h"
#include "core/runtime/screen_renderer.h"
#include "core/tags/digit_tag.h"
#include "core/tags/point_info.h"

#include <cstdio>

namespace core::online {

CPointReadings::CPointReadings(const CDorvaneDoc &doc, const CDeviceMemory &memory)
{
    for (const auto &screen : doc.Screens()) {
        for (const auto &tag : screen->Tags()) {
            if (const auto *digit = dynamic_cast<const CDigitTag *>(tag.get())) {
                if (const auto key = memory.KeyOf(digit->Point()))
                    m_shownBy.try_emplace(*key, &digit->Point());
            }
        }
    }
}

std::string CPointReadings::Text(const MemoryKey &key, std::uint32_t raw) const
{
    if (key.kind == kAddrBit)
        return raw & 1u ? "1" : "0";
    const std::uint32_t value = key.kind == kAddrWord ? raw & 0xFFFFu : raw;
    const auto it = m_shownBy.find(key);
    if (it == m_shownBy.end())
        return std::to_string(value);
    const CPointInfo &p = *it->second;
    char buf[16];
    if (p.m_base == kBaseHex || p.m_base == kBaseBcd) {
        std::snprintf(buf, sizeof buf, "%X", unsigned(value));
        const std::string digits = buf;
        if (p.m_base == kBaseHex)
            return "0x" + digits;
        if (digits.find_first_not_of("0123456789") != std::string::npos)
            return "0x" + digits + " (no BCD)";
        return digits;
    }
    return std::to_string(pointNumber(p, value));
}

} // namespace core::online
