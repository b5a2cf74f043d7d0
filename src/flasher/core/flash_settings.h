#pragma once

// The main dialog's working values and "Quillet.ini" in the program folder: port, device type
// and OS image path are read at start-up and written before every download; a device's
// "BootFile" is only ever read, so the boot program stays what the installation put there.

#include <optional>
#include <string>
#include <string_view>

namespace quillet {

// What the OS file dialog offers for the current device.
struct BrowseDefaults
{
    std::string filter; // "OS Files (*.MOT)|*.MOT|OS Files (*.BIN)|*.BIN|All Files (*.*)|*.*|"
    int selectedFilter = 0; // zero-based filter pair
    std::string defaultSuffix; // "MOT" or "BIN"
    std::string startFolder; // the folder of the OS path, or the program folder
};

class CFlashSettings
{
public:
    explicit CFlashSettings(std::string programFolder);

    // Reads "Quillet.ini" (missing file or keys give the defaults).
    void load();
    // Writes "Comport", "ProductType" and "OSFile"; never "BootFile".
    bool save() const;

    // A new device in the list: the boot path comes from its "BootFile" (default empty).
    void selectDevice(int deviceIndex);
    void setPortIndex(int portIndex);
    void setOsPath(std::string path) { m_osPath = std::move(path); }

    const std::string &programFolder() const { return m_folder; }
    std::string iniPath() const;
    int portIndex() const { return m_portIndex; }
    int deviceIndex() const { return m_deviceIndex; }
    const std::string &osPath() const { return m_osPath; }
    const std::string &bootPath() const { return m_bootPath; }

    // The device file behind "COMn": "[comm_ports] COMn" in Quillet.ini, else the same entry of
    // the editor's APP.INI one folder up, else /dev/ttyUSB<n-1>.
    std::string portDevice(int portIndex) const;
    // "COMn" (any case) maps as above; anything else is taken as a device path.
    std::string resolvePort(std::string_view text) const;
    // Maps "COMn" to a device file in Quillet.ini's [comm_ports], which then wins over APP.INI.
    bool setPortDevice(int portIndex, std::string_view device) const;

    BrowseDefaults browseDefaults() const;

    // The list position of a device text (exact match), or nothing.
    static std::optional<int> deviceIndexOf(std::string_view text);
    static std::string portName(int portIndex);

private:
    std::string bootPathFor(std::string_view fileName) const;

    std::string m_folder;
    int m_portIndex = 0;
    int m_deviceIndex = 0;
    std::string m_osPath;
    std::string m_bootPath;
};

} // namespace quillet
