#pragma once

// Shared helpers of the PLC driver tests: where the plugins lie and how to spell a download
// address field.

#include "core/plc/plc_drv.h"

#include <initializer_list>
#include <string>

namespace plctest {

inline const std::string kProtocols = DORVANE_PROTOCOLS_DIR;
inline const std::string kTestPlugins = DORVANE_TEST_PLUGIN_DIR;

inline constexpr const char *kModbusPlugin = "libvelmar_modbus.so";
inline constexpr const char *kLetterPlugin = "libvelmar_letterplc.so";

// A download address field: the given leading bytes, the rest zero.
inline core::DownAddr field(std::initializer_list<int> bytes)
{
    core::DownAddr out{};
    std::size_t i = 0;
    for (const int b : bytes)
        out[i++] = std::uint8_t(b);
    return out;
}

inline core::DownAddr textField(const std::string &text)
{
    core::DownAddr out{};
    for (std::size_t i = 0; i < text.size() && i < out.size(); ++i)
        out[i] = std::uint8_t(text[i]);
    return out;
}

} // namespace plctest
