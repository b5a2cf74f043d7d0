// The configuration read from a program folder, in start-up order with its defaults.

#include "core/app/app_config.h"
#include "util/ini_file.h"
#include "util/messages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
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

namespace {

// Every problem text of a load, one a line.
std::string problemTexts(const CAppConfig &c)
{
    std::string out;
    for (const ConfigProblem &p : c.problems())
        out += p.text() + "\n";
    return out;
}

bool mentions(const std::string &text, std::initializer_list<const char *> parts)
{
    return std::all_of(parts.begin(), parts.end(),
                       [&](const char *p) { return text.find(p) != std::string::npos; });
}

} // namespace

// A damaged count used to be read to its end, one missing entry after another: every program
// then looped for minutes before its window or its output appeared.
TEST_F(AppConfigTest, ListCountsAreBoundedByWhatTheProgramHolds)
{
    write("APP.INI", "[RESOURCE]\nTOTAL_RES=2000000000\nRES0=한국어,ko.qm,412,ko.html\n");
    write("PLC.INI",
          "[LANGUAGE]\nTOTAL_LANGUAGE=2000000000\nLANGUAGE0=English,eng.mnu,409\n"
          "[CH1_PLC_LIST]\nTOTAL_PLC=-5\n"
          "[CH2_PLC_LIST]\nTOTAL_PLC=2000000000\nPLC0=Modbus,0001\n");
    const auto t0 = std::chrono::steady_clock::now();
    const auto c = load();
    EXPECT_LT(std::chrono::steady_clock::now() - t0, std::chrono::seconds(5));
    EXPECT_EQ(c.resources().entries().size(), 1u);
    EXPECT_EQ(c.languages().entries().size(), 1u);
    EXPECT_TRUE(c.plcList(2).empty()); // PLC1 is missing: the lists go, as for any bad entry
    util::setMessageLanguage(util::kResEnglish);
    const std::string text = problemTexts(c);
    const std::string most = std::to_string(kMaxIniListEntries);
    EXPECT_TRUE(mentions(text, {"APP.INI [RESOURCE] TOTAL_RES=2000000000", most.c_str()})) << text;
    EXPECT_TRUE(mentions(text, {"PLC.INI [LANGUAGE] TOTAL_LANGUAGE=2000000000"})) << text;
    EXPECT_TRUE(mentions(text, {"PLC.INI [CH2_PLC_LIST] TOTAL_PLC=2000000000"})) << text;
    EXPECT_TRUE(mentions(text, {"[CH2_PLC_LIST] PLC1="})) << text;
    EXPECT_TRUE(mentions(text, {"PLC.INI [CH1_PLC_LIST] TOTAL_PLC=-5 is no number"})) << text;
    util::setMessageLanguage(0x412);

    // The most the program holds is still read whole.
    std::string plc = "[LANGUAGE]\nTOTAL_LANGUAGE=" + most + "\n";
    for (int i = 0; i < kMaxIniListEntries; ++i)
        plc += "LANGUAGE" + std::to_string(i) + "=L" + std::to_string(i) + ",m.mnu,409\n";
    write("PLC.INI", plc);
    write("APP.INI", "");
    const auto full = load();
    EXPECT_EQ(full.languages().entries().size(), std::size_t(kMaxIniListEntries));
    EXPECT_EQ(problemTexts(full).find("TOTAL_LANGUAGE"), std::string::npos);
}

// Font sizes drive the size of every character drawn and the picture geometry the size of the
// editor's panel: a value no display can show takes the default, and the user is told.
TEST_F(AppConfigTest, SizesOutsideWhatThePanelShowsTakeTheDefault)
{
    write("APP.INI",
          "[RESOURCE]\nTOTAL_RES=1\nRES0=한국어,ko.qm,412,ko.html\n"
          "[한국어]\n16x16=Gulim\nHeight(16x16)=100000\nWidth(16x16)=2000000000\n"
          "8x16=Gulim\nHeight(8x16)=-12\nWidth(8x16)=8\n");
    write("GUI.INI",
          "[SCREEN]\nLEFT=88\nTOP=40\nWIDTH=2000000000\nHEIGHT=128\n"
          "[FUNCTIONKEY1]\nLEFT=2147483647\nTOP=-3\nWIDTH=48\nHEIGHT=32\n");
    const auto c = load();
    const util::CLogFont wide = c.panelFont(PanelFontSize::Font16x16);
    EXPECT_EQ(wide.height(), 16);
    EXPECT_EQ(wide.width(), 0);
    const util::CLogFont normal = c.panelFont(PanelFontSize::Font8x16);
    EXPECT_EQ(normal.height(), -12); // a character height, as LOGFONT takes it
    EXPECT_EQ(normal.width(), 8);
    EXPECT_EQ(c.screenRect(), (Rect{88, 40, 88, 168}));
    EXPECT_EQ(c.functionKeyRect(1), (Rect{0, 0, 48, 32}));
    util::setMessageLanguage(util::kResEnglish);
    const std::string text = problemTexts(c);
    EXPECT_TRUE(mentions(text, {"APP.INI [한국어] Height(16x16)=100000", "; 16 is used"})) << text;
    EXPECT_TRUE(mentions(text, {"[한국어] Width(16x16)=2000000000"})) << text;
    EXPECT_TRUE(mentions(text, {"GUI.INI [SCREEN] WIDTH=2000000000"})) << text;
    EXPECT_TRUE(mentions(text, {"GUI.INI [FUNCTIONKEY1] LEFT=2147483647"})) << text;
    EXPECT_TRUE(mentions(text, {"[FUNCTIONKEY1] TOP=-3"})) << text;
    EXPECT_EQ(text.find("8x16)"), std::string::npos) << text;
    util::setMessageLanguage(0x412);
}

// Without PLC types no project address on a PLC can be read; the user is sent to PLC.INI rather
// than to the project that reads wrong because of it.
TEST_F(AppConfigTest, PlcIniMissingEmptyOrGarbageIsNamed)
{
    util::setMessageLanguage(util::kResEnglish);
    const std::string plcIni = m_dir + "/PLC.INI";
    EXPECT_TRUE(mentions(problemTexts(load()), {"The PLC list file is missing", plcIni.c_str()}));
    for (const char *text : {"", "\x01\x02\xFFjunk\n[[[\n=\n", "[LANGUAGE]\nTOTAL_LANGUAGE=0\n"}) {
        write("PLC.INI", text);
        EXPECT_TRUE(mentions(problemTexts(load()), {"lists no PLC type", plcIni.c_str()})) << text;
    }
    std::string ini = kPlcIni;
    ini.replace(ini.find("PLC0=Modbus,1"), 13, "PLC0=Modbus 1");
    write("PLC.INI", ini);
    const std::string bad = problemTexts(load());
    EXPECT_TRUE(mentions(bad, {plcIni.c_str(), "[CH2_PLC_LIST] PLC0=Modbus 1"})) << bad;
    EXPECT_EQ(bad.find("lists no PLC type"), std::string::npos) << bad;
    util::setMessageLanguage(0x412);
}
