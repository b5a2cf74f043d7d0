#include "flash_settings.h"

#include "flash_texts.h"
#include "profile_file.h"

#include <algorithm>
#include <cctype>

namespace quillet {

namespace {

constexpr std::string_view kConfig = "CONFIG";
constexpr std::string_view kDefaultBootFile = "3062af3.sub";

// Backslashes in stored paths are folder separators.
std::string slashes(std::string text)
{
    std::replace(text.begin(), text.end(), '\\', '/');
    return text;
}

} // namespace

CFlashSettings::CFlashSettings(std::string programFolder)
    : m_folder(std::move(programFolder))
{
    while (m_folder.size() > 1 && m_folder.back() == '/')
        m_folder.pop_back();
    m_osPath = m_folder + "/Pellidor.mot";
    m_bootPath = bootPathFor(kDefaultBootFile);
}

std::string CFlashSettings::iniPath() const
{
    return m_folder + "/Quillet.ini";
}

std::string CFlashSettings::bootPathFor(std::string_view fileName) const
{
    return m_folder + "/" + slashes(std::string(fileName));
}

void CFlashSettings::load()
{
    const CProfileFile ini(iniPath());
    setPortIndex(ini.getInt(kConfig, "Comport", 1) - 1);
    const std::string device = ini.getString(kConfig, "ProductType", kDeviceNames[0]);
    // The boot file comes from the section named by the stored text even when the list has no
    // such entry; the list then stays on its first entry.
    m_bootPath = bootPathFor(ini.getString(device, "BootFile", kDefaultBootFile));
    m_osPath = slashes(ini.getString(kConfig, "OSFile", m_folder + "/Pellidor.mot"));
    m_deviceIndex = deviceIndexOf(device).value_or(0);
}

bool CFlashSettings::save() const
{
    CProfileFile ini(iniPath());
    return ini.writeInt(kConfig, "Comport", m_portIndex + 1)
            && ini.writeString(kConfig, "ProductType", kDeviceNames[m_deviceIndex])
            && ini.writeString(kConfig, "OSFile", m_osPath);
}

void CFlashSettings::selectDevice(int deviceIndex)
{
    if (deviceIndex < 0 || deviceIndex >= static_cast<int>(kDeviceNames.size()))
        return;
    m_deviceIndex = deviceIndex;
    const CProfileFile ini(iniPath());
    m_bootPath = bootPathFor(ini.getString(kDeviceNames[deviceIndex], "BootFile", ""));
}

void CFlashSettings::setPortIndex(int portIndex)
{
    // An out-of-range stored number leaves the list on its first port.
    m_portIndex = (portIndex >= 0 && portIndex < kPortCount) ? portIndex : 0;
}

std::string CFlashSettings::portName(int portIndex)
{
    return "COM" + std::to_string(portIndex + 1);
}

std::string CFlashSettings::portDevice(int portIndex) const
{
    // Quillet lives in a folder of the editor's program folder and follows the editor's port
    // names unless its own settings say otherwise.
    for (const std::string &path : {iniPath(), m_folder + "/../APP.INI"}) {
        const CProfileFile ini(path);
        const std::string mapped = ini.getString("comm_ports", portName(portIndex), "");
        if (!mapped.empty())
            return mapped;
    }
    return "/dev/ttyUSB" + std::to_string(portIndex);
}

bool CFlashSettings::setPortDevice(int portIndex, std::string_view device) const
{
    if (portIndex < 0 || portIndex >= kPortCount || device.empty())
        return false;
    CProfileFile ini(iniPath());
    return ini.writeString("comm_ports", portName(portIndex), device);
}

std::string CFlashSettings::resolvePort(std::string_view text) const
{
    if (text.size() > 3 && std::toupper(static_cast<unsigned char>(text[0])) == 'C'
        && std::toupper(static_cast<unsigned char>(text[1])) == 'O'
        && std::toupper(static_cast<unsigned char>(text[2])) == 'M') {
        const std::string_view digits = text.substr(3);
        if (std::all_of(digits.begin(), digits.end(),
                        [](char c) { return std::isdigit(static_cast<unsigned char>(c)); })
            && digits.size() <= 3) {
            const int number = std::stoi(std::string(digits));
            if (number >= 1)
                return portDevice(number - 1);
        }
    }
    return std::string(text);
}

BrowseDefaults CFlashSettings::browseDefaults() const
{
    BrowseDefaults d;
    d.filter = "OS Files (*.MOT)|*.MOT|OS Files (*.BIN)|*.BIN|All Files (*.*)|*.*|";
    const bool raw = m_deviceIndex == 1;
    d.selectedFilter = raw ? 1 : 0;
    d.defaultSuffix = raw ? "BIN" : "MOT";
    if (m_osPath.empty()) {
        d.startFolder = m_folder;
    } else {
        const auto slash = m_osPath.rfind('/');
        d.startFolder = slash == std::string::npos ? m_folder : m_osPath.substr(0, slash);
    }
    return d;
}

std::optional<int> CFlashSettings::deviceIndexOf(std::string_view text)
{
    for (std::size_t i = 0; i < kDeviceNames.size(); ++i) {
        if (kDeviceNames[i] == text)
            return static_cast<int>(i);
    }
    return std::nullopt;
}

} // namespace quillet
