#pragma once

// The application's configuration: the program folder and the paths built from it, the
// catalogues read from APP.INI, PLC.INI and GUI.INI in the order of start-up, and the user
// options that the dialogs change and write back. One instance, owned by the application (or the
// command-line tool) and handed to whoever needs it.

#include "core/app/lang_info.h"
#include "core/app/res_info.h"
#include "core/plc/plc_drv.h"
#include "core/plc/plc_info.h"

namespace util {
class CIniFile;
}

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace core {

struct Rect
{
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;
    std::int32_t width() const { return right - left; }
    std::int32_t height() const { return bottom - top; }
    bool operator==(const Rect &) const = default;
};

// [comm_setup] of APP.INI.
struct CommSetup
{
    int port = 1;
    int baudRate = 115200;
    int stopBit = 0;
    int parity = 0;
    int dataBit = 8;
    std::string connect;
    bool operator==(const CommSetup &) const = default;
};

// [Color] of APP.INI, COLORREF values (0x00BBGGRR).
struct EditorColors
{
    std::uint32_t grid = 16777215;
    std::uint32_t back = 2509065;
    std::uint32_t outline = 3830045;
    std::uint32_t fill = 16777215;
    std::uint32_t select = 8421504;
    std::uint32_t focus = 3841821;
    bool operator==(const EditorColors &) const = default;
};

// [GridSnap] of APP.INI.
struct GridSettings
{
    bool snap = false;
    bool showGrid = true;
    int xDot = 8;
    int yDot = 8;
    int style = 0;
    bool operator==(const GridSettings &) const = default;
};

inline constexpr int kMaxAutoSaveMinutes = 120;
// The most entries the program keeps of a PLC list, the panel languages or the program
// languages. A larger count is a damaged file: the entries past this one are never read.
inline constexpr int kMaxIniListEntries = 1024;
// A character is never drawn larger than the panel's display.
inline constexpr int kMaxFontPixels = 192;
// Positions and sizes on the panel picture, in the picture's pixels.
inline constexpr int kMaxPictureCoordinate = 32767;

// Something in the program folder's configuration that was wrong and what was done instead:
// a message number and its texts (the message takes only "%s"), shown in the user's language.
// A driver file's fault is the last text of its message.
struct ConfigProblem
{
    int id = 0;
    std::vector<std::string> args;
    DriverFileFault driver;
    std::string text() const;
};
inline constexpr std::uint16_t kFallbackResourceLang = 1033;

class CAppConfig
{
public:
    // Reads the three INI files of `exeDir` in start-up order. `systemLangId` is the system
    // default LANGID (util::systemDefaultLangId() in the programs).
    void load(const std::string &exeDir, std::uint16_t systemLangId);

    // Paths, all without trailing separator.
    const std::string &exeDir() const { return m_exeDir; }
    // Where the INI files, Project/ and Alarm/ are: exeDir() for a build folder, the user's data
    // folder for an installed one (util::userDataDir).
    const std::string &userDir() const { return m_userDir; }
    const std::string &projectDir() const { return m_projectDir; }
    const std::string &appIni() const { return m_appIni; }
    const std::string &plcIni() const { return m_plcIni; }
    const std::string &guiIni() const { return m_guiIni; }
    const std::string &alarmDbPath() const { return m_alarmDbPath; }
    void setAlarmDbPath(std::string path) { m_alarmDbPath = std::move(path); }
    // The alarm database of a project: <user>/Alarm/<project name without extension>.mdb.
    std::string alarmDbPathFor(const std::string &projectFile) const;
    const std::string &currentProjectDir() const { return m_currentProjectDir; }
    void setCurrentProjectDir(std::string dir) { m_currentProjectDir = std::move(dir); }
    const std::string &connectDir() const { return m_connectDir; }
    const std::string &connectFile() const { return m_connectFile; }
    const std::string &imagesDir() const { return m_imagesDir; }
    const std::string &panelPictureFile() const { return m_panelPicture; }
    std::string protocolsDir() const { return m_exeDir + "/Protocols"; }
    std::string fontsDir() const { return m_exeDir + "/Fonts"; }

    // Catalogues.
    const PlcCatalogue &plcList(int channel) const { return m_plcLists[channel == 2 ? 1 : 0]; }
    const CPlcInfo *findPlc(int channel, std::uint16_t type) const;
    const CPlcInfo *findPlc(int channel, const std::string &name) const;
    const CLangInfo &languages() const { return m_languages; }
    const CResInfo &resources() const { return m_resources; }
    std::uint16_t systemLangId() const { return m_systemLangId; }
    std::uint16_t resourceLang() const { return m_resourceLang; }
    // The panel text font of a size, from the resource entry of the system default LANGID.
    util::CLogFont panelFont(PanelFontSize size) const;

    // Panel picture geometry from GUI.INI.
    const Rect &screenRect() const { return m_screenRect; }
    const Rect &functionKeyRect(int key) const; // key 1 to 8

    // What load() found wrong, in the order it was read. Empty for a sound program folder.
    const std::vector<ConfigProblem> &problems() const { return m_problems; }

    // Options.
    const CommSetup &commSetup() const { return m_comm; }
    const EditorColors &colors() const { return m_colors; }
    const GridSettings &grid() const { return m_grid; }
    int autoSaveInterval() const { return m_autoSave; }

    // Write-backs, each of the section the matching dialog confirms. They return false when
    // APP.INI could not be written.
    bool setCommSetup(const CommSetup &comm);
    // The download/upload dialog stores only the port number.
    bool setCommPort(int port);
    // The download/upload dialog's port waits here until a transfer has opened it, so that a
    // port that cannot be opened never replaces the stored one (0: none waits).
    void setPendingCommPort(int port) { m_pendingPort = port; }
    int pendingCommPort() const { return m_pendingPort; }
    // A transfer opened port `port`: a waiting choice of that port is stored. False only when
    // APP.INI could not be written.
    bool commPortOpened(int port);
    // The device file behind "COMn": [comm_ports] of APP.INI, else the serial adapter's default.
    std::string commPortDevice(int port) const;
    // Maps "COMn" to a device file in [comm_ports] (an empty path goes back to the default).
    bool setCommPortDevice(int port, const std::string &device);
    bool setColors(const EditorColors &colors);
    bool setGrid(const GridSettings &grid);
    // Applies and writes a new interval (capped at 120); the same value again writes nothing.
    // Returns true when the interval changed (the caller restarts its timer).
    bool setAutoSaveInterval(int minutes);
    // The options dialog's language choice: when `langId` is non-zero and differs from the
    // running resource language, LoadResource is written as "0x%X" and true is returned (the
    // caller shows message 50900). The running language does not change.
    bool chooseResourceLanguage(std::uint32_t langId);

private:
    void readPaths();
    void readPlcLists();
    void readLanguages();
    void readResources();
    void readGui();
    void readOptions();
    // False when a bad entry emptied both lists.
    bool readPlcList(const util::CIniFile &ini, int channel);
    void checkDrivers();
    // A list count or a size, bounded by what the program holds; a value outside is reported.
    int readCount(const util::CIniFile &ini, const std::string &file, const std::string &section,
                  const std::string &key);
    int readSize(const util::CIniFile &ini, const std::string &file, const std::string &section,
                 const std::string &key, int defaultValue, int min, int max);
    void report(int id, std::vector<std::string> args);

    std::string m_exeDir, m_userDir, m_projectDir, m_appIni, m_plcIni, m_guiIni, m_alarmDbPath;
    std::string m_currentProjectDir, m_connectDir, m_connectFile, m_imagesDir, m_panelPicture;
    std::array<PlcCatalogue, 2> m_plcLists;
    CLangInfo m_languages;
    CResInfo m_resources;
    std::uint16_t m_systemLangId = 0x409;
    std::uint16_t m_resourceLang = kFallbackResourceLang;
    Rect m_screenRect;
    std::array<Rect, 8> m_keyRects{};
    CommSetup m_comm;
    EditorColors m_colors;
    GridSettings m_grid;
    int m_autoSave = 0;
    int m_pendingPort = 0;
    std::vector<ConfigProblem> m_problems;
};

} // namespace core
