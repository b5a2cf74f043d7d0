#pragma once

// Shared pieces of the parameter and address dialog tests: a prompt that records what it was
// asked, and a throw-away program folder with its own APP.INI, PLC.INI and the real driver
// plugins, so that dialogs that write the configuration never touch the build's program folder.

#include "plc/plc_test_support.h"

#include "core/app/app_config.h"
#include "support/recording_prompt.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace plctest {

// Questions are answered Yes unless a test says otherwise.
struct RecordingPrompt : support::RecordingPrompt
{
    RecordingPrompt()
        : support::RecordingPrompt(true)
    { }
};

inline constexpr std::uint16_t kModbusType = 0x0001;
inline constexpr std::uint16_t kLetterType = 0x0020;
inline constexpr std::uint16_t kLetterNetType = 0x8020; // bit 15: device kind 2

// A program folder in the temporary directory; removed again when the object goes.
class ProgramFolder
{
public:
    explicit ProgramFolder(const std::string &tag, const std::string &appIni = "")
        : m_dir(std::filesystem::temp_directory_path()
                / ("dorvane_params_" + tag + "_" + std::to_string(::getpid())))
    {
        namespace fs = std::filesystem;
        fs::remove_all(m_dir);
        fs::create_directories(m_dir / "Protocols");
        fs::create_directories(m_dir / "Project");
        for (const char *plugin : {kModbusPlugin, kLetterPlugin})
            fs::create_symlink(fs::path(kProtocols) / plugin, m_dir / "Protocols" / plugin);
        write("APP.INI", "[DIR_INFO]\nCONNECT_DIR=\\Connect\n" + appIni);
        std::string plc = "[LANGUAGE]\nTOTAL_LANGUAGE=2\nLANGUAGE0=한국어,menu_kor.mnu,412\n"
                          "LANGUAGE1=English,menu_eng.mnu,409\n";
        for (const char *section : {"[CH1_PLC_LIST]\n", "[CH2_PLC_LIST]\n"})
            plc += std::string(section)
                    + "TOTAL_PLC=3\nPLC0=MODBUS RTU,0001\nPLC1=LX LETTER PLC,0020\n"
                      "PLC2=LX NET,8020\n"
                      "MODBUS RTU=libvelmar_modbus.so,velmar_modbus.drv,modbus_rtu.bmp\n"
                      "LX LETTER PLC=libvelmar_letterplc.so,velmar_letterplc.drv,letterplc.bmp\n"
                      "LX NET=libvelmar_letterplc.so,velmar_letterplc.drv,letterplc.bmp\n";
        write("PLC.INI", plc);
        config.load(m_dir.string(), 0x412);
    }
    ~ProgramFolder() { std::filesystem::remove_all(m_dir); }
    ProgramFolder(const ProgramFolder &) = delete;
    ProgramFolder &operator=(const ProgramFolder &) = delete;

    std::string path(const std::string &name) const { return (m_dir / name).string(); }
    void write(const std::string &name, const std::string &text) const
    {
        std::ofstream(m_dir / name, std::ios::binary) << text;
    }
    std::string read(const std::string &name) const
    {
        std::ifstream in(m_dir / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    core::CAppConfig config;

private:
    std::filesystem::path m_dir;
};

} // namespace plctest
