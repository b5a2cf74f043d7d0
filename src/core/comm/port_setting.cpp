#include "core/comm/port_setting.h"

#include "util/ini_file.h"

namespace comm {

namespace {
constexpr const char *kSection = "comm_setup";
}

PORT_SETTING loadPortSetting(const util::CIniFile &appIni)
{
    PORT_SETTING s;
    s.port = static_cast<std::uint32_t>(appIni.getInt(kSection, "Port", 1));
    s.baud = static_cast<std::uint32_t>(appIni.getInt(kSection, "BaudRate", 115200));
    s.stopBits = static_cast<std::uint8_t>(appIni.getInt(kSection, "StopBit", 0));
    s.parity = static_cast<std::uint8_t>(appIni.getInt(kSection, "Parity", 0));
    s.dataBits = static_cast<std::uint8_t>(appIni.getInt(kSection, "DataBit", 8));
    return s;
}

bool savePortSetting(util::CIniFile &appIni, const PORT_SETTING &s)
{
    return appIni.writeInt(kSection, "Port", static_cast<int>(s.port))
            && appIni.writeInt(kSection, "BaudRate", static_cast<int>(s.baud))
            && appIni.writeInt(kSection, "StopBit", s.stopBits)
            && appIni.writeInt(kSection, "Parity", s.parity)
            && appIni.writeInt(kSection, "DataBit", s.dataBits);
}

} // namespace comm
