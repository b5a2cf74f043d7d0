// The program folder the build lays out: coherent configuration and readable sample data.

#include "core/app/app_config.h"
#include "util/bmp_file.h"
#include "util/file_io.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <memory>

using namespace core;

namespace {

std::string run(const std::string &cmd)
{
    std::string out;
    std::unique_ptr<FILE, int (*)(FILE *)> p(::popen(cmd.c_str(), "r"), ::pclose);
    std::array<char, 4096> buf{};
    while (p && std::fgets(buf.data(), int(buf.size()), p.get()))
        out += buf.data();
    return out;
}

const std::string kDir = DORVANE_RUNTIME_DIR;

} // namespace

TEST(RuntimeFolder, ConfigurationIsCoherent)
{
    CAppConfig c;
    c.load(kDir, 0x412);
    EXPECT_GE(c.plcList(1).size(), 2u);
    EXPECT_EQ(c.plcList(1).size(), c.plcList(2).size());
    EXPECT_NE(c.findPlc(1, std::uint16_t(1)), nullptr);
    bool kind2 = false;
    for (const auto &p : c.plcList(1))
        kind2 = kind2 || (p.type & 0x8000);
    EXPECT_TRUE(kind2);
    EXPECT_EQ(c.languages().entries().size(), 2u);
    EXPECT_EQ(c.resourceLang(), 0x412);
    EXPECT_EQ(c.screenRect().width(), 384);
    EXPECT_EQ(c.screenRect().height(), 128);
    for (int k = 1; k <= 8; ++k)
        EXPECT_GT(c.functionKeyRect(k).width(), 0) << k;
    EXPECT_EQ(c.panelFont(PanelFontSize::Font16x16).charSet(), 0x81);
}

TEST(RuntimeFolder, SampleImagesFitThePanel)
{
    const auto picture = util::readBmpFile(kDir + "/Panel.bmp");
    ASSERT_TRUE(picture.ok) << picture.error;
    CAppConfig c;
    c.load(kDir, 0x412);
    EXPECT_LE(c.screenRect().right, picture.bitmap.width());
    EXPECT_LE(c.functionKeyRect(8).bottom, picture.bitmap.height());
    for (int id : {1000, 1001, 1002, 1003, 3000, 3001, 3002, 3003, 4000}) {
        const auto r = util::readBmpFile(c.imagesDir() + "/" + std::to_string(id) + ".bmp");
        ASSERT_TRUE(r.ok) << id << ": " << r.error;
        EXPECT_LE(r.bitmap.width(), 192);
        EXPECT_LE(r.bitmap.height(), 64);
    }
}

TEST(RuntimeFolder, PanelSideFilesKeepTheirLayout)
{
    for (const char *name : {"ch1_nouse.drv", "ch2_nouse.drv"}) {
        const auto d = util::readFile(kDir + "/Protocols/" + name);
        ASSERT_TRUE(d) << name;
        ASSERT_GE(d->size(), 30u);
        EXPECT_EQ(std::string(d->begin() + 6, d->begin() + 13), std::string("NO USE\0", 7));
    }
    const auto kor = util::readFile(kDir + "/Protocols/menu_kor.mnu");
    const auto eng = util::readFile(kDir + "/Protocols/menu_eng.mnu");
    ASSERT_TRUE(kor && eng);
    for (const auto *m : {&*kor, &*eng}) {
        EXPECT_LE(m->size(), 8192u);
        EXPECT_EQ(std::string(m->begin(), m->begin() + 6), std::string(6, '\0'));
        EXPECT_EQ(std::string(m->begin() + 20, m->begin() + 24), "1.00");
    }
    EXPECT_EQ(std::string(kor->begin() + 12, kor->begin() + 15), "KOR");
    EXPECT_EQ(std::string(eng->begin() + 12, eng->begin() + 15), "ENG");
    const auto font = util::readFile(kDir + "/Fonts/SAMPLE.BMA");
    ASSERT_TRUE(font);
    EXPECT_LE(font->size(), 262138u);
}

TEST(RuntimeFolder, AlarmTemplateIsAnEmptySqliteTable)
{
    const std::string db = kDir + "/AlarmHist.MAC";
    EXPECT_EQ(run("sqlite3 '" + db + "' 'PRAGMA table_info(Alarm);'"),
              "0|AlarmDate|TEXT|0||0\n1|ClearDate|TEXT|0||0\n2|Message|TEXT|0||0\n");
    EXPECT_EQ(run("sqlite3 '" + db + "' 'SELECT COUNT(*) FROM Alarm;'"), "0\n");
}

TEST(RuntimeFolder, CliPrintsTheConfiguration)
{
    const std::string out = run("'" + kDir + "/dorvane-cli' config");
    EXPECT_NE(out.find("\"channel1\""), std::string::npos);
    EXPECT_NE(out.find("MODBUS RTU"), std::string::npos);
    EXPECT_NE(out.find("\"panelLanguages\""), std::string::npos);
    EXPECT_NE(out.find("\"grid\""), std::string::npos);
}
