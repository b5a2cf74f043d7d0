// The configuration read from a program folder, in start-up order with its defaults.

#include "core/app/app_config.h"
#include "util/ini_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <unistd.h>

using namespace core;

namespace {

class AppConfigTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        char tmpl[] = "/tmp/dorvane-cfg-XXXXXX";
        m_dir = ::mkdtemp(tmpl);
    }
    void TearDown() override { std::system(("rm -rf " + m_dir).c_str()); }
    void write(const std::string &name, const std::string &text)
    {
        std::ofstream(m_dir + "/" + name, std::ios::binary) << text;
    }
    std::string read(const std::string &name) const
    {
        std::ifstream in(m_dir + "/" + name, std::ios::binary);
        std::stringstream ss;
        ss << in.rdbuf();
        return ss.str();
    }
    CAppConfig load(std::uint16_t langId = 0x412)
    {
        CAppConfig c;
        c.load(m_dir, langId);
        return c;
    }

    std::string m_dir;
};

const char *kPlcIni = "[LANGUAGE]\n"
                      "TOTAL_LANGUAGE=4\n"
                      "LANGUAGE0=Korean,kor.mnu,412\n"
                      "LANGUAGE1=NoComma\n"
                      "LANGUAGE2=English,eng.mnu,409\n"
                      "LANGUAGE3=,x.mnu,411\n"
                      "[CH1_PLC_LIST]\n"
                      "TOTAL_PLC=2\n"
                      "PLC0=Modbus,0001\n"
                      "PLC1=Link,8002\n"
                      "Modbus=libmodbus.so,modbus.drv,wire.bmp\n"
                      "Link=liblink.so,link.drv,a,b\n"
                      "[CH2_PLC_LIST]\n"
                      "TOTAL_PLC=1\n"
                      "PLC0=Modbus,1\n"
                      "Modbus=libmodbus.so\n";

} // namespace

TEST_F(AppConfigTest, EmptyFolderGivesEveryDefault)
{
    const auto c = load();
    EXPECT_EQ(c.projectDir(), m_dir + "/Project");
    EXPECT_EQ(c.appIni(), m_dir + "/APP.INI");
    EXPECT_EQ(c.alarmDbPath(), m_dir + "/Alarm/Alarm.mdb");
    EXPECT_EQ(c.imagesDir(), m_dir);
    EXPECT_TRUE(c.plcList(1).empty());
    EXPECT_TRUE(c.plcList(2).empty());
    EXPECT_TRUE(c.languages().entries().empty());
    EXPECT_EQ(c.resourceLang(), 1033); // no entry for the system language
    EXPECT_EQ(c.commSetup(), CommSetup{});
    EXPECT_EQ(c.commSetup().baudRate, 115200);
    EXPECT_EQ(c.colors().back, 2509065u);
    EXPECT_EQ(c.colors().select, 8421504u);
    EXPECT_EQ(c.grid(), GridSettings{});
    EXPECT_EQ(c.autoSaveInterval(), 0);
    EXPECT_EQ(c.screenRect(), Rect{});
    EXPECT_TRUE(c.connectFile().empty());
    const auto f = c.panelFont(PanelFontSize::Font6x8);
    EXPECT_EQ(f.faceName(), "Arial");
    EXPECT_EQ(f.height(), 8);
    EXPECT_EQ(f.charSet(), 1);
    EXPECT_EQ(f.pitchAndFamily(), 17);
}

TEST_F(AppConfigTest, PlcCatalogueOfBothChannels)
{
    write("PLC.INI", kPlcIni);
    const auto c = load();
    ASSERT_EQ(c.plcList(1).size(), 2u);
    ASSERT_EQ(c.plcList(2).size(), 1u);
    const auto *link = c.findPlc(1, std::uint16_t(0x8002));
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(link->name, "Link");
    EXPECT_EQ(link->flag, 1u);
    EXPECT_EQ(link->driverDll, "liblink.so");
    EXPECT_EQ(link->panelDriver, "link.drv");
    EXPECT_EQ(link->wiringDiagram, "a,b"); // split at two commas only
    const auto *modbus = c.findPlc(2, std::string("Modbus"));
    ASSERT_NE(modbus, nullptr);
    EXPECT_EQ(modbus->type, 1);
    EXPECT_EQ(modbus->panelDriver, "");
    EXPECT_EQ(c.findPlc(2, std::uint16_t(0x8002)), nullptr);
}

TEST_F(AppConfigTest, OneBadPlcEntryEmptiesBothChannels)
{
    std::string ini = kPlcIni;
    ini.replace(ini.find("PLC0=Modbus,1"), 13, "PLC0=Modbus 1");
    write("PLC.INI", ini);
    auto c = load();
    EXPECT_TRUE(c.plcList(1).empty()); // read before the bad entry, and still gone
    EXPECT_TRUE(c.plcList(2).empty());
    EXPECT_EQ(c.languages().entries().size(), 2u); // languages are read on their own

    // A name of length 0 (comma at position 0) and a missing entry count the same.
    ini = kPlcIni;
    ini.replace(ini.find("PLC1=Link,8002"), 14, "PLC1=,8002");
    write("PLC.INI", ini);
    EXPECT_TRUE(load().plcList(1).empty());
    ini = kPlcIni;
    ini.replace(ini.find("TOTAL_PLC=1"), 11, "TOTAL_PLC=2");
    write("PLC.INI", ini);
    EXPECT_TRUE(load().plcList(1).empty());
}

TEST_F(AppConfigTest, PanelLanguagesSkipIncompleteEntries)
{
    write("PLC.INI", kPlcIni);
    const auto c = load();
    const auto &langs = c.languages();
    ASSERT_EQ(langs.entries().size(), 2u);
    EXPECT_EQ(langs.nameOf(0), "Korean");
    EXPECT_EQ(langs.nameOf(2), "English"); // the index is the INI position
    EXPECT_EQ(langs.constFileOf(2), "eng.mnu");
    EXPECT_EQ(langs.nameOf(1), "");
    EXPECT_EQ(langs.indexOfLangId(0x409), 2u);
    EXPECT_EQ(langs.indexOfLangId(0x411), 0u); // none: 0
}

TEST_F(AppConfigTest, ResourceLanguagesAndTheirFonts)
{
    write("APP.INI", "[RESOURCE]\nTOTAL_RES=4\n"
                     "RES0=Korean,ko.qm,412,ko.html\n"
                     "RES1=Broken,x.qm,411\n"
                     "RES2=English,en.qm,409,en.html\n"
                     "RES3=Again,again.qm,412,again.html\n"
                     "[Korean]\nDBCS=1\nCharSet(16x16)=81\n16x16=Gulim\n8x16=\nHeight(16x16)=15\n"
                     "Width(16x16)=7\n"
                     "[Broken]\nDBCS=1\n");
    const auto c = load(0x412);
    const auto &res = c.resources();
    ASSERT_EQ(res.entries().size(), 2u); // two commas only, and a duplicate LANGID
    EXPECT_EQ(res.nameOf(0x412), "Korean"); // the first entry of a LANGID stays
    EXPECT_EQ(res.dllOf(0x409), "en.qm");
    EXPECT_EQ(res.helpOf(0x412), "ko.html");
    EXPECT_EQ(res.langIdOf("English"), 0x409u);
    EXPECT_EQ(res.langIdOf("Broken"), 0u);
    EXPECT_EQ(c.resourceLang(), 0x412);
    EXPECT_EQ(res.find(0x412)->dbcs, 1u);

    const auto big = c.panelFont(PanelFontSize::Font16x16);
    EXPECT_EQ(big.faceName(), "Gulim");
    EXPECT_EQ(big.height(), 15);
    EXPECT_EQ(big.width(), 7);
    EXPECT_EQ(big.charSet(), 0x81);
    EXPECT_EQ(big.pitchAndFamily(), 17);
    // An empty face falls back to Arial, height 16, character set 1.
    const auto normal = c.panelFont(PanelFontSize::Font8x16);
    EXPECT_EQ(normal.faceName(), "Arial");
    EXPECT_EQ(normal.height(), 16);
    EXPECT_EQ(normal.charSet(), 1);
}

TEST_F(AppConfigTest, LoadResourceChoosesTheLanguageIfKnown)
{
    write("APP.INI", "[RESOURCE]\nTOTAL_RES=1\nRES0=English,en.qm,409,en.html\n"
                     "LoadResource=0x409\n");
    EXPECT_EQ(load(0x412).resourceLang(), 0x409);
    write("APP.INI", "[RESOURCE]\nTOTAL_RES=1\nRES0=English,en.qm,409,en.html\n"
                     "LoadResource=0x411\n");
    EXPECT_EQ(load(0x409).resourceLang(), 1033);
    write("APP.INI", "[RESOURCE]\nTOTAL_RES=1\nRES0=English,en.qm,409,en.html\n");
    EXPECT_EQ(load(0x409).resourceLang(), 0x409); // the system language
}

TEST_F(AppConfigTest, PathsAppendTheIniValuesAsGiven)
{
    write("APP.INI", "[DIR_INFO]\nCONNECT_DIR=\\Connect\nIMAGES_DIR=\\Images\\Lib\n"
                     "[comm_setup]\nConnect=cable.bmp\n");
    write("GUI.INI", "[SCREEN_IMAGE]\nIMAGEFILE=Pics\\Panel.bmp\n");
    auto c = load();
    EXPECT_EQ(c.imagesDir(), m_dir + "/Images/Lib");
    EXPECT_EQ(c.connectFile(), m_dir + "/Connect/cable.bmp");
    EXPECT_EQ(c.panelPictureFile(), m_dir + "/Pics/Panel.bmp");
    // Without its own leading separator the value runs into the folder name.
    write("APP.INI", "[DIR_INFO]\nIMAGES_DIR=Images\n");
    c = load();
    EXPECT_EQ(c.imagesDir(), m_dir + "Images");
    EXPECT_EQ(c.alarmDbPathFor("/x/Project/Line 2.kvr"), m_dir + "/Alarm/Line 2.mdb");
}

TEST_F(AppConfigTest, PanelPictureGeometry)
{
    write("GUI.INI", "[SCREEN]\nLEFT=88\nTOP=40\nWIDTH=384\nHEIGHT=128\n"
                     "[FUNCTIONKEY8]\nLEFT=476\nTOP=200\nWIDTH=48\nHEIGHT=32\n");
    const auto c = load();
    EXPECT_EQ(c.screenRect(), (Rect{88, 40, 472, 168}));
    EXPECT_EQ(c.functionKeyRect(8), (Rect{476, 200, 524, 232}));
    EXPECT_EQ(c.functionKeyRect(1), Rect{});
}

TEST_F(AppConfigTest, AutoSaveIsCappedAndWrittenOnlyWhenChanged)
{
    write("APP.INI", "[AutoSave]\nInterval=500\n");
    auto c = load();
    EXPECT_EQ(c.autoSaveInterval(), 120);
    write("APP.INI", "[AutoSave]\nInterval=-3\n");
    EXPECT_EQ(load().autoSaveInterval(), 120); // an unsigned count

    write("APP.INI", "[AutoSave]\nInterval=5\n");
    c = load();
    EXPECT_FALSE(c.setAutoSaveInterval(5));
    EXPECT_EQ(read("APP.INI"), "[AutoSave]\nInterval=5\n"); // untouched
    EXPECT_TRUE(c.setAutoSaveInterval(0));
    EXPECT_EQ(c.autoSaveInterval(), 0);
    EXPECT_EQ(load().autoSaveInterval(), 0);
}

TEST_F(AppConfigTest, OptionsAreWrittenBackBySection)
{
    write("APP.INI", "[comm_setup]\nPort=1\nConnect=c.bmp\n[Other]\nKeep=yes\n");
    auto c = load();
    CommSetup comm = c.commSetup();
    comm.port = 4;
    comm.baudRate = 38400;
    comm.connect = "ignored";
    ASSERT_TRUE(c.setCommSetup(comm));
    EditorColors colors;
    colors.back = 0xFFFFFF;
    ASSERT_TRUE(c.setColors(colors));
    GridSettings grid;
    grid.snap = true;
    grid.xDot = 4;
    ASSERT_TRUE(c.setGrid(grid));

    const auto again = load();
    EXPECT_EQ(again.commSetup().port, 4);
    EXPECT_EQ(again.commSetup().baudRate, 38400);
    EXPECT_EQ(again.commSetup().connect, "c.bmp");
    EXPECT_EQ(again.colors().back, 16777215u);
    EXPECT_TRUE(again.grid().snap);
    EXPECT_EQ(again.grid().xDot, 4);
    EXPECT_EQ(util::CIniFile(m_dir + "/APP.INI").getString("Other", "Keep"), "yes");
    EXPECT_NE(read("APP.INI").find("Back=16777215"), std::string::npos);
}

TEST_F(AppConfigTest, ChoosingTheRunningResourceLanguageWritesNothing)
{
    const std::string ini = "[RESOURCE]\nTOTAL_RES=2\nRES0=Korean,ko.qm,412,ko.html\n"
                            "RES1=English,en.qm,409,en.html\n";
    write("APP.INI", ini);
    auto c = load(0x412);
    EXPECT_FALSE(c.chooseResourceLanguage(0x412));
    EXPECT_FALSE(c.chooseResourceLanguage(0));
    EXPECT_EQ(read("APP.INI"), ini);
    EXPECT_TRUE(c.chooseResourceLanguage(0x409));
    EXPECT_EQ(c.resourceLang(), 0x412); // takes effect at the next start
    EXPECT_EQ(util::CIniFile(m_dir + "/APP.INI").getString("RESOURCE", "LoadResource"), "0x409");
    EXPECT_EQ(load(0x412).resourceLang(), 0x409);
}
