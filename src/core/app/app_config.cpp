#include "core/app/app_config.h"

#include "core/comm/serial_port.h"

#include "util/file_io.h"
#include "util/ini_file.h"
#include "util/message_ids.h"
#include "util/messages.h"
#include "util/user_data.h"

#include <algorithm>
#include <set>

namespace core {

namespace {

// Each path value is read into a 100-character buffer, as the start-up always did.
constexpr std::size_t kPathBuffer = 100;

std::string fmtHex(std::uint32_t v)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%X", v);
    return text;
}

} // namespace

std::string ConfigProblem::text() const
{
    std::vector<std::string> all = args;
    if (driver)
        all.push_back(driver.text());
    return messageWithTexts(id, all);
}

void CAppConfig::report(int id, std::vector<std::string> args)
{
    m_problems.push_back(ConfigProblem{id, std::move(args), {}});
}

int CAppConfig::readCount(const util::CIniFile &ini, const std::string &file,
                          const std::string &section, const std::string &key)
{
    const int total = ini.getInt(section, key, 0);
    if (total < 0) {
        report(util::msg::kIniCountNegative, {file, section, key, std::to_string(total)});
        return 0;
    }
    if (total > kMaxIniListEntries) {
        report(util::msg::kIniCountTooLarge,
               {file, section, key, std::to_string(total), std::to_string(kMaxIniListEntries)});
        return kMaxIniListEntries;
    }
    return total;
}

int CAppConfig::readSize(const util::CIniFile &ini, const std::string &file,
                         const std::string &section, const std::string &key, int defaultValue,
                         int min, int max)
{
    const int value = ini.getInt(section, key, defaultValue);
    if (value >= min && value <= max)
        return value;
    report(util::msg::kIniSizeOutOfRange,
           {file, section, key, std::to_string(value), std::to_string(min), std::to_string(max),
            std::to_string(defaultValue)});
    return defaultValue;
}

void CAppConfig::load(const std::string &exeDir, std::uint16_t systemLangId)
{
    *this = CAppConfig();
    m_exeDir = exeDir;
    while (m_exeDir.size() > 1 && m_exeDir.back() == '/')
        m_exeDir.pop_back();
    // An installed program folder is read-only: the user's copies are read and written instead.
    m_userDir = util::userDataDir(m_exeDir);
    if (m_userDir != m_exeDir && !util::prepareUserData(m_exeDir, m_userDir))
        m_userDir = m_exeDir;
    m_systemLangId = systemLangId;
    readPaths();
    readPlcLists();
    m_alarmDbPath = m_userDir + "/Alarm/Alarm.mdb";
    readLanguages();
    readResources();
    readGui();
    readOptions();
}

void CAppConfig::readPaths()
{
    m_projectDir = m_userDir + "/Project";
    m_currentProjectDir = m_projectDir;
    m_appIni = m_userDir + "/APP.INI";
    m_plcIni = m_userDir + "/PLC.INI";
    m_guiIni = m_userDir + "/GUI.INI";
    const util::CIniFile app(m_appIni);
    const util::CIniFile gui(m_guiIni);
    m_connectDir = util::nativePath(app.getString("DIR_INFO", "CONNECT_DIR", "", kPathBuffer));
    // The INI value carries its own leading separator: it is appended as it is.
    m_imagesDir
            = m_exeDir + util::nativePath(app.getString("DIR_INFO", "IMAGES_DIR", "", kPathBuffer));
    m_panelPicture = m_exeDir + "/"
            + util::nativePath(gui.getString("SCREEN_IMAGE", "IMAGEFILE", "", kPathBuffer));
}

void CAppConfig::readPlcLists()
{
    const util::CIniFile ini(m_plcIni);
    const bool sound = readPlcList(ini, 1) && readPlcList(ini, 2);
    // Without PLC types no project's PLC addresses can be read: say which file to mend.
    if (!ini.exists())
        report(util::msg::kPlcIniMissing, {m_plcIni});
    else if (sound && m_plcLists[0].empty() && m_plcLists[1].empty())
        report(util::msg::kPlcIniNoList, {m_plcIni});
    checkDrivers();
}

bool CAppConfig::readPlcList(const util::CIniFile &ini, int channel)
{
    const std::string section = "CH" + std::to_string(channel) + "_PLC_LIST";
    const int total = readCount(ini, m_plcIni, section, "TOTAL_PLC");
    auto &list = m_plcLists[std::size_t(channel - 1)];
    for (int i = 0; i < total; ++i) {
        const std::string key = "PLC" + std::to_string(i);
        const std::string value = ini.getString(section, key);
        const auto comma = value.find(',');
        if (comma == std::string::npos || comma == 0) {
            // One bad entry voids the whole catalogue of both channels.
            m_plcLists[0].clear();
            m_plcLists[1].clear();
            report(util::msg::kPlcIniBadEntry, {m_plcIni, section, key, value});
            return false;
        }
        CPlcInfo info;
        info.name = value.substr(0, comma);
        info.type = std::uint16_t(util::parseHex(value.substr(comma + 1)));
        info.flag = (info.type >> 15) & 1;
        const auto fields = util::splitFields(ini.getString(section, info.name), 3);
        info.driverDll = fields.size() > 0 ? fields[0] : std::string();
        info.panelDriver = fields.size() > 1 ? fields[1] : std::string();
        info.wiringDiagram = fields.size() > 2 ? fields[2] : std::string();
        list.push_back(std::move(info));
    }
    return true;
}

// Each driver named by the lists is checked once, so that a damaged one is named at start-up
// rather than found when a project is bound to it.
void CAppConfig::checkDrivers()
{
    std::set<std::string> seen;
    for (const PlcCatalogue &list : m_plcLists)
        for (const CPlcInfo &info : list) {
            if (info.driverDll.empty() || !seen.insert(info.driverDll).second)
                continue;
            if (DriverFileFault fault = CheckDriverFile(protocolsDir() + "/" + info.driverDll))
                m_problems.push_back(ConfigProblem{util::msg::kDriverNotLoadable,
                                                   {info.name, info.driverDll},
                                                   std::move(fault)});
        }
}

void CAppConfig::readLanguages()
{
    const util::CIniFile ini(m_plcIni);
    const int total = readCount(ini, m_plcIni, "LANGUAGE", "TOTAL_LANGUAGE");
    for (int i = 0; i < total; ++i) {
        const std::string value = ini.getString("LANGUAGE", "LANGUAGE" + std::to_string(i));
        const auto first = value.find(',');
        if (first == std::string::npos || first == 0)
            continue;
        const auto second = value.find(',', first + 1);
        if (second == std::string::npos)
            continue;
        CIndexedLang lang;
        lang.index = std::uint32_t(i);
        lang.name = value.substr(0, first);
        lang.constFile = value.substr(first + 1, second - first - 1);
        lang.langId = std::uint32_t(util::parseHex(value.substr(second + 1)));
        m_languages.add(std::move(lang));
    }
}

void CAppConfig::readResources()
{
    const util::CIniFile ini(m_appIni);
    const int total = readCount(ini, m_appIni, "RESOURCE", "TOTAL_RES");
    const auto size = [&](const std::string &section, const char *key, int defaultValue) {
        return readSize(ini, m_appIni, section, key, defaultValue, -kMaxFontPixels, kMaxFontPixels);
    };
    for (int i = 0; i < total; ++i) {
        const auto fields
                = util::splitFields(ini.getString("RESOURCE", "RES" + std::to_string(i)), 4);
        if (fields.size() < 4)
            continue;
        CIndexedRes res;
        res.name = fields[0];
        res.dllFile = fields[1];
        res.langId = std::uint32_t(util::parseHex(fields[2]));
        res.helpFile = fields[3];
        const std::string &s = res.name;
        res.dbcs = std::uint32_t(ini.getInt(s, "DBCS", 0));
        res.charSet16x16 = std::uint8_t(util::parseHex(ini.getString(s, "CharSet(16x16)", "0")));
        res.charSet8x16 = std::uint8_t(util::parseHex(ini.getString(s, "CharSet(8x16)", "0")));
        res.charSet6x8 = std::uint8_t(util::parseHex(ini.getString(s, "CharSet(6x8)", "0")));
        res.face16x16 = ini.getString(s, "16x16");
        res.face8x16 = ini.getString(s, "8x16");
        res.face6x8 = ini.getString(s, "6x8");
        res.height16x16 = size(s, "Height(16x16)", 16);
        res.width16x16 = size(s, "Width(16x16)", 0);
        res.height8x16 = size(s, "Height(8x16)", 16);
        res.width8x16 = size(s, "Width(8x16)", 0);
        res.height6x8 = size(s, "Height(6x8)", 8);
        res.width6x8 = size(s, "Width(6x8)", 0);
        m_resources.add(std::move(res));
    }
    m_resourceLang = m_systemLangId;
    const std::string chosen = ini.getString("RESOURCE", "LoadResource");
    if (!chosen.empty())
        m_resourceLang = std::uint16_t(util::parseHex(chosen));
    if (m_resources.dllOf(m_resourceLang).empty())
        m_resourceLang = kFallbackResourceLang;
}

void CAppConfig::readGui()
{
    const util::CIniFile ini(m_guiIni);
    const auto rect = [&](const std::string &section) {
        const auto value = [&](const char *key) {
            return readSize(ini, m_guiIni, section, key, 0, 0, kMaxPictureCoordinate);
        };
        Rect r;
        r.left = value("LEFT");
        r.top = value("TOP");
        r.right = r.left + value("WIDTH");
        r.bottom = r.top + value("HEIGHT");
        return r;
    };
    m_screenRect = rect("SCREEN");
    for (int key = 1; key <= 8; ++key)
        m_keyRects[std::size_t(key - 1)] = rect("FUNCTIONKEY" + std::to_string(key));
}

void CAppConfig::readOptions()
{
    const util::CIniFile ini(m_appIni);
    m_comm.port = ini.getInt("comm_setup", "Port", 1);
    m_comm.baudRate = ini.getInt("comm_setup", "BaudRate", 115200);
    m_comm.stopBit = ini.getInt("comm_setup", "StopBit", 0);
    m_comm.parity = ini.getInt("comm_setup", "Parity", 0);
    m_comm.dataBit = ini.getInt("comm_setup", "DataBit", 8);
    m_comm.connect = ini.getString("comm_setup", "Connect", "", 251);
    if (!m_comm.connect.empty())
        m_connectFile = m_exeDir + m_connectDir + "/" + m_comm.connect;

    // The interval is an unsigned count of minutes; anything above 120 is used as 120.
    const auto interval = static_cast<unsigned int>(ini.getInt("AutoSave", "Interval", 0));
    m_autoSave = int(std::min<unsigned int>(interval, kMaxAutoSaveMinutes));

    const auto color = [&](const char *key, std::uint32_t def) {
        return static_cast<std::uint32_t>(ini.getInt("Color", key, int(def)));
    };
    const EditorColors d;
    m_colors.grid = color("Grid", d.grid);
    m_colors.back = color("Back", d.back);
    m_colors.outline = color("Outline", d.outline);
    m_colors.fill = color("Fill", d.fill);
    m_colors.select = color("Select", d.select);
    m_colors.focus = color("Focus", d.focus);

    m_grid.snap = ini.getInt("GridSnap", "Snap", 0) != 0;
    m_grid.showGrid = ini.getInt("GridSnap", "ShowGrid", 1) != 0;
    m_grid.xDot = ini.getInt("GridSnap", "XDot", 8);
    m_grid.yDot = ini.getInt("GridSnap", "YDot", 8);
    m_grid.style = ini.getInt("GridSnap", "Style", 0);
}

std::string CAppConfig::alarmDbPathFor(const std::string &projectFile) const
{
    return m_userDir + "/Alarm/" + util::baseNameNoExt(projectFile) + ".mdb";
}

const CPlcInfo *CAppConfig::findPlc(int channel, std::uint16_t type) const
{
    return findPlcByType(plcList(channel), type);
}

const CPlcInfo *CAppConfig::findPlc(int channel, const std::string &name) const
{
    return findPlcByName(plcList(channel), name);
}

util::CLogFont CAppConfig::panelFont(PanelFontSize size) const
{
    return m_resources.panelFont(m_systemLangId, size);
}

const Rect &CAppConfig::functionKeyRect(int key) const
{
    return m_keyRects[std::size_t(std::clamp(key, 1, 8) - 1)];
}

bool CAppConfig::setCommSetup(const CommSetup &comm)
{
    util::CIniFile ini(m_appIni);
    const bool ok = ini.writeInt("comm_setup", "Port", comm.port)
            && ini.writeInt("comm_setup", "BaudRate", comm.baudRate)
            && ini.writeInt("comm_setup", "StopBit", comm.stopBit)
            && ini.writeInt("comm_setup", "Parity", comm.parity)
            && ini.writeInt("comm_setup", "DataBit", comm.dataBit);
    const std::string connect = m_comm.connect;
    m_comm = comm;
    m_comm.connect = connect; // the port dialog never changes the connect file
    return ok;
}

bool CAppConfig::setCommPort(int port)
{
    util::CIniFile ini(m_appIni);
    m_comm.port = port;
    return ini.writeInt("comm_setup", "Port", port);
}

bool CAppConfig::commPortOpened(int port)
{
    if (m_pendingPort == 0 || m_pendingPort != port)
        return true;
    m_pendingPort = 0;
    return setCommPort(port);
}

std::string CAppConfig::commPortDevice(int port) const
{
    const util::CIniFile ini(m_appIni);
    return comm::CSerialPort::devicePath(std::uint32_t(port), &ini);
}

bool CAppConfig::setCommPortDevice(int port, const std::string &device)
{
    util::CIniFile ini(m_appIni);
    return ini.writeString("comm_ports", "COM" + std::to_string(port), device);
}

bool CAppConfig::setColors(const EditorColors &colors)
{
    util::CIniFile ini(m_appIni);
    const auto put = [&](const char *key, std::uint32_t v) {
        return ini.writeString("Color", key, std::to_string(static_cast<unsigned long>(v)));
    };
    m_colors = colors;
    return put("Grid", colors.grid) && put("Back", colors.back) && put("Outline", colors.outline)
            && put("Fill", colors.fill) && put("Select", colors.select)
            && put("Focus", colors.focus);
}

bool CAppConfig::setGrid(const GridSettings &grid)
{
    util::CIniFile ini(m_appIni);
    m_grid = grid;
    return ini.writeInt("GridSnap", "Snap", grid.snap ? 1 : 0)
            && ini.writeInt("GridSnap", "ShowGrid", grid.showGrid ? 1 : 0)
            && ini.writeInt("GridSnap", "XDot", grid.xDot)
            && ini.writeInt("GridSnap", "YDot", grid.yDot)
            && ini.writeInt("GridSnap", "Style", grid.style);
}

bool CAppConfig::setAutoSaveInterval(int minutes)
{
    minutes = std::clamp(minutes, 0, kMaxAutoSaveMinutes);
    if (minutes == m_autoSave)
        return false;
    m_autoSave = minutes;
    util::CIniFile ini(m_appIni);
    ini.writeInt("AutoSave", "Interval", minutes);
    return true;
}

bool CAppConfig::chooseResourceLanguage(std::uint32_t langId)
{
    if (langId == 0 || langId == m_resourceLang)
        return false;
    util::CIniFile ini(m_appIni);
    ini.writeString("RESOURCE", "LoadResource", fmtHex(langId));
    return true;
}

} // namespace core
