#pragma once

// The serial settings the main frame hands to the link before each command. Data bits, stop
// bits and parity keep the Windows DCB codes the configuration stores.

#include <cstdint>

namespace util {
class CIniFile;
}

namespace comm {

struct PORT_SETTING
{
    std::uint32_t port = 1; // 1-based, "COM%d"
    std::uint32_t baud = 115200;
    std::uint8_t dataBits = 8;
    std::uint8_t stopBits = 0; // 0 one, 1 one and a half, 2 two
    std::uint8_t parity = 0; // 0 none, 1 odd, 2 even, 3 mark, 4 space
};

// [comm_setup] of APP.INI, with the defaults above for missing keys.
PORT_SETTING loadPortSetting(const util::CIniFile &appIni);
// Writes the five keys back as decimal strings.
bool savePortSetting(util::CIniFile &appIni, const PORT_SETTING &setting);

} // namespace comm
