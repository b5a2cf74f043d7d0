// Damaged project files: a value no editor writes (function number, channel, station, data size,
// base, font, count, position) refuses the file with message 52001 and says where; what the editor
// writes, at the edges of every range, still opens; and a run of bit-flipped and truncated copies
// of the demo ends without a crash, every copy that opens compiling to areas the panel simulator
// takes.

#include "core/app/app_services.h"
#include "core/download/record_checks.h"
#include "core/functions/alarm_record.h"
#include "core/functions/calc_record.h"
#include "core/functions/func_key_record.h"
#include "core/functions/reserve_record.h"
#include "core/functions/trans_record.h"
#include "core/model/project_file.h"
#include "core/project_json/project_json.h"
#include "core/runtime/area_project.h"
#include "core/tags/tag.h"
#include "core/tags/tag_factory.h"
#include "core/tags/tag_kinds.h"
#include "core/tags/tag_resources.h"

#include "util/file_io.h"
#include "util/message_ids.h"
#include "util/messages.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

using namespace core;
namespace fs = std::filesystem;

namespace {

const std::string kDir = DORVANE_RUNTIME_DIR;
const std::string kDemo = kDir + "/Project/Demo.kvr";

struct Outcome
{
    bool exited = false; // a normal exit, not a signal
    int status = -1;
    std::string out;
};

Outcome run(const std::string &command)
{
    Outcome r;
    FILE *p = ::popen((command + " 2>&1").c_str(), "r");
    std::array<char, 4096> buf{};
    while (p && std::fgets(buf.data(), int(buf.size()), p))
        r.out += buf.data();
    const int s = p ? ::pclose(p) : -1;
    r.exited = WIFEXITED(s) && WEXITSTATUS(s) < 128;
    r.status = WIFEXITED(s) ? WEXITSTATUS(s) : -1;
    return r;
}

// The programs run with their address space capped at 256 MB: a damaged count that made one
// allocate without bound ends it, and the test sees an abnormal end.
const std::string kMemoryCap = "ulimit -v 262144; ";

std::string cli(const std::string &args)
{
    return kMemoryCap + "LC_ALL= LANG=en_US.UTF-8 '" + kDir + "/dorvane-cli' --program-dir '" + kDir
            + "' " + args;
}

// The editor's headless picture export, where this build has the editor.
std::string editorExport(const std::string &file, const std::string &dir)
{
    return kMemoryCap + "QT_QPA_PLATFORM=offscreen '" + kDir + "/dorvane' --export-png '" + file
            + "' '" + dir + "'";
}

// Where things lie in a saved file (offsets from the start of the file).
std::size_t areaAt(const util::Bytes &file, int area)
{
    return util::le32(file, 74 + 8 * std::size_t(area));
}

std::size_t screenAt(const util::Bytes &file, std::uint16_t number)
{
    const std::size_t c = areaAt(file, kAreaScreen);
    for (std::size_t i = 0; i < util::be16(file, c + 8); ++i)
        if (util::be16(file, c + 14 + 8 * i) == number)
            return c + (util::be32(file, c + 10 + 8 * i) - 0x410000);
    return 0;
}

// The first record of tag group `group` (0-based) on the screen at `screen`.
std::size_t groupAt(const util::Bytes &file, std::size_t screen, std::size_t group)
{
    const std::uint32_t pointer = util::be32(file, screen + 46 + 4 * group);
    return pointer ? areaAt(file, kAreaScreen) + (pointer - 0x410000) : 0;
}

std::size_t globalListAt(const util::Bytes &file, std::size_t list)
{
    const std::size_t g = areaAt(file, kAreaGlobal);
    return g + (util::be32(file, g + 336 + 4 * list) - 0x400000);
}

class DamagedProjects : public ::testing::Test
{
protected:
    void SetUp() override
    {
        char tmpl[] = "/tmp/dorvane-damaged-XXXXXX";
        m_dir = ::mkdtemp(tmpl);
        m_app.Load(kDir, 0x409);
        const auto demo = util::readFile(kDemo);
        ASSERT_TRUE(demo) << kDemo;
        m_demo = *demo;
    }
    void TearDown() override { fs::remove_all(m_dir); }

    std::unique_ptr<CDorvaneDoc> newDocument() { return m_app.NewDocument(); }

    std::string write(const util::Bytes &bytes, const std::string &name = "bad.kvr")
    {
        const std::string path = m_dir + "/" + name;
        EXPECT_TRUE(util::writeFileAtomic(path, bytes));
        return path;
    }

    CAppServices m_app;
    util::Bytes m_demo;
    std::string m_dir;
};

} // namespace

TEST_F(DamagedProjects, TheReportedDamageIsRefusedAndNamed)
{
    // Screen 2's first function key: function 254 on channel 65281, as the damaged demo held.
    const std::size_t key = screenAt(m_demo, 2) + 136;
    ASSERT_GT(key, 136u);
    util::Bytes bad = m_demo;
    util::setBe16(bad, key + 64, 254);
    util::setBe16(bad, key + 58, 65281);
    const std::string path = write(bad);

    auto doc = newDocument();
    ASSERT_TRUE(doc->OpenDocument(kDemo, m_app.Areas()).ok) << m_app.Areas().LastError();
    const auto screens = doc->Screens().size();
    const auto r = doc->OpenDocument(path, m_app.Areas());
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.check.messageId, util::msg::kFileNotReadable);
    EXPECT_NE(m_app.Areas().LastError().find("screen 2, key F1: function 254"), std::string::npos)
            << m_app.Areas().LastError();
    EXPECT_EQ(doc->Path(), kDemo) << "the open project stays";
    EXPECT_EQ(doc->Screens().size(), screens);

    // check runs the parse that opening runs, and says what it found after the 52001 text.
    const Outcome c = run(cli("check '" + path + "'"));
    EXPECT_EQ(c.status, 1) << c.out;
    EXPECT_EQ(c.out.rfind(util::messageText(util::msg::kFileNotReadable, 0x409), 0), 0u) << c.out;
    EXPECT_NE(c.out.find("function 254"), std::string::npos) << c.out;
    for (const char *command : {"info", "export"})
        EXPECT_EQ(run(cli(std::string(command) + " '" + path + "'")).status, 1) << command;
    EXPECT_EQ(run(cli("check '" + kDemo + "'")).status, 0);
}

TEST_F(DamagedProjects, EachOutOfRangeFieldRefusesTheFile)
{
    const std::size_t s2 = screenAt(m_demo, 2), s6 = screenAt(m_demo, 6), s0 = screenAt(m_demo, 0);
    const std::size_t g = areaAt(m_demo, kAreaGlobal);
    const std::size_t numeric = groupAt(m_demo, s2, 0), message = groupAt(m_demo, s2, 3);
    const std::size_t button = groupAt(m_demo, s2, 2), motor = groupAt(m_demo, s2, 8);
    const std::size_t mobile = groupAt(m_demo, s2, 9), image = groupAt(m_demo, s6, 5);
    const std::size_t line = groupAt(m_demo, s6, 12), clock = groupAt(m_demo, s0, 11);
    for (const std::size_t at : {numeric, message, button, motor, mobile, image, line, clock})
        ASSERT_NE(at, 0u) << "the demo holds every tag kind used here";

    struct Damage
    {
        std::size_t at;
        std::uint16_t value;
        const char *named; // what the refusal says
    };
    const Damage damages[] = {
            {s2 + 136 + 70 * 3 + 64, 6, "key F4: function 6"},
            {s2 + 136 + 70 * 7 + 60, 32, "key right: station 32"},
            {s2 + 40, 1000, "next screen 1000"},
            {numeric + 58, 3, "channel 3"},
            {numeric + 60, 40, "station 40"},
            {numeric + 40, 4, "data size 4"},
            {numeric + 40, 0, "data size 0"},
            {numeric + 44, 0, "base 0"},
            {numeric + 66, 3, "font 3"},
            {numeric + 74, 11, "digits 11"},
            {numeric + 62, std::uint16_t(400), "x 400"},
            {numeric + 64, std::uint16_t(-200), "y -200"},
            {message + 70, 51, "entry count 51"},
            {button + 78, 4, "action 4"},
            {motor + 72, 9, "image count 9"},
            {mobile + 62 + 58, 7, "y point channel 7"},
            {image + 6, 0x0200, "image marker 2"},
            {line + 4, std::uint16_t(-1000), "end x -1000"},
            {clock + 4, 0x0100, "font 256"},
            {g + 232 + 12, 8, "channel 1 baud rate index 8"},
            {g + 264 + 16, 33, "channel 2 master count 33"},
            {g + 6 + 68, 3, "screen change device 3"},
            {g + 328, 21, "alarm count 21"},
            {globalListAt(m_demo, 0) + 62, 0x0300, "alarm 1: buzzer mode 3"},
            {globalListAt(m_demo, 0) + 104 + 58, 65281, "alarm 2: channel 65281"},
            {globalListAt(m_demo, 1) + 186, 13, "calculation 1: operator 13"},
            {globalListAt(m_demo, 1) + 124 + 58, 3, "result channel 3"},
            {globalListAt(m_demo, 2) + 126, 900, "block transfer 1: data size 900"},
            {globalListAt(m_demo, 3) + 62, 4, "reservation 1: repeat mode 4"},
    };
    for (const auto &d : damages) {
        util::Bytes bad = m_demo;
        util::setBe16(bad, d.at, d.value);
        auto doc = newDocument();
        const auto r = doc->OpenDocument(write(bad), m_app.Areas());
        EXPECT_FALSE(r.ok) << d.named;
        EXPECT_EQ(r.check.messageId, util::msg::kFileNotReadable) << d.named;
        EXPECT_NE(m_app.Areas().LastError().find(d.named), std::string::npos)
                << d.named << " / " << m_app.Areas().LastError();
        EXPECT_TRUE(doc->Screens().empty()) << d.named << ": nothing is applied";
    }
}

TEST_F(DamagedProjects, ValuesAtTheEdgesOfTheirRangesStillOpen)
{
    const std::size_t s2 = screenAt(m_demo, 2);
    const std::size_t numeric = groupAt(m_demo, s2, 0), message = groupAt(m_demo, s2, 3);
    const std::size_t g = areaAt(m_demo, kAreaGlobal);
    struct Edge
    {
        std::size_t at;
        std::uint16_t value;
        const char *what;
    };
    const Edge edges[] = {
            {s2 + 136 + 64, 0, "function 0 over whatever block the key had"},
            {s2 + 136 + 70 + 60, 31, "key station 31"},
            {s2 + 42, 999, "previous screen 999"},
            {numeric + 60, 31, "station 31"},
            {numeric + 58, 0, "channel 0"},
            {numeric + 40, 3, "data size 3"},
            {numeric + 44, 3, "base 3 (BCD)"},
            {numeric + 66, 0xAB02, "font 2 with a high byte (only the low byte is the font)"},
            {numeric + 74, 10, "digits 10"},
            {numeric + 62, std::uint16_t(-150), "x -150: hanging off the left edge"},
            {numeric + 64, 100, "y 100: hanging off the bottom"},
            {message + 70, 50, "entry count 50"},
            {g + 232 + 12, 7, "baud rate index 7"},
            {g + 264 + 50, 31, "remote station 31"},
            {g + 6 + 70, 200, "screen change station 200 (its combo shows 0)"},
    };
    for (const auto &e : edges) {
        util::Bytes edge = m_demo;
        util::setBe16(edge, e.at, e.value);
        auto doc = newDocument();
        EXPECT_TRUE(doc->OpenDocument(write(edge), m_app.Areas()).ok)
                << e.what << ": " << m_app.Areas().LastError();
    }
}

TEST_F(DamagedProjects, WhatTheEditorWritesPasses)
{
    // Fresh records of every kind, as the editor's dialogs start them.
    CPlcSlots slots;
    EXPECT_EQ(checkFunctionKeyRecord(CFuncKeyRecord::Default().Bytes()), "");
    EXPECT_EQ(checkFunctionKeyRecord(CFuncKeyRecord::Raw{}), "") << "a cleared key";
    EXPECT_EQ(checkAlarmRecord(CAlarmRecord::Default().Bytes()), "");
    EXPECT_EQ(checkCalcRecord(CCalcRecord::Default().Bytes()), "");
    EXPECT_EQ(checkTransferRecord(CTransRecord::Default(slots).Bytes()), "");
    EXPECT_EQ(checkReservationRecord(CReserveRecord().Bytes()), "");
    EXPECT_EQ(checkParameterBlock(CDorvaneDoc::NewProjectParameters(0)), "");
    for (int kind = 0; kind < kTagKindCount; ++kind) {
        const auto tag = createTag(kind);
        ASSERT_TRUE(tag);
        util::Bytes record(tagKindInfo(kind).recordSize, 0);
        ASSERT_TRUE(tag->BuildDownloadRecord(slots, record)) << kind;
        EXPECT_EQ(checkTagRecord(kind, record), "") << kind;
    }

    // The demo, and every project file kept with the sources, opens and passes check.
    std::vector<std::string> files{kDemo};
    for (const char *dir : {"/tests", "/fuzz/corpus"})
        for (const auto &entry :
             fs::recursive_directory_iterator(std::string(DORVANE_SOURCE_DIR) + dir))
            if (entry.path().extension() == ".kvr")
                files.push_back(entry.path().string());
    for (const auto &file : files) {
        auto doc = newDocument();
        EXPECT_TRUE(doc->OpenDocument(file, m_app.Areas()).ok)
                << file << ": " << m_app.Areas().LastError();
        EXPECT_EQ(run(cli("check '" + file + "'")).status, 0) << file;
    }
}

namespace {

// One damaged copy of `good`: bits flipped across the areas, a run of 64 inverted bytes, or a
// truncation (with or without a header that agrees with it).
util::Bytes mutate(const util::Bytes &good, std::mt19937 &rng)
{
    util::Bytes bad = good;
    const auto pick = [&rng](std::size_t lo, std::size_t hi) {
        return std::uniform_int_distribution<std::size_t>(lo, hi)(rng);
    };
    switch (pick(0, 4)) {
    case 0:
    case 1: // a few bits anywhere behind the header
        for (std::size_t n = pick(1, 16); n > 0; --n)
            bad[pick(kProjectHeaderSize, bad.size() - 1)] ^= std::uint8_t(1u << pick(0, 7));
        break;
    case 2: { // 64 bytes inverted in one run
        const std::size_t at = pick(kProjectHeaderSize, bad.size() - 64);
        for (std::size_t i = at; i < at + 64; ++i)
            bad[i] = std::uint8_t(~bad[i]);
        break;
    }
    case 3: // cut short
        bad.resize(pick(0, bad.size() - 1));
        break;
    default: { // cut inside the last area, the header and that area's size made to agree
        const std::size_t keep = pick(areaAt(good, kAreaScreen), bad.size() - 1);
        bad.resize(keep);
        util::setLe32(bad, 6, std::uint32_t(keep));
        util::setLe32(bad, 74 + 8 * 3 + 4, std::uint32_t(keep - areaAt(good, kAreaScreen)));
        break;
    }
    }
    return bad;
}

} // namespace

TEST_F(DamagedProjects, AThousandDamagedDemosEndWithoutACrash)
{
    std::mt19937 rng(20260512);
    constexpr int kCopies = 1000;
    constexpr int kCliEvery = 50; // the real program for a sample
    int accepted = 0;
    CAppServices panel;
    panel.Load(kDir, 0x409);
    const auto started = std::chrono::steady_clock::now();
    for (int i = 0; i < kCopies; ++i) {
        const util::Bytes bad = mutate(m_demo, rng);
        const std::string path = write(bad);
        auto doc = newDocument();
        const bool opened = doc->OpenDocument(path, m_app.Areas()).ok;
        if (opened) {
            ++accepted;
            // What info, export and areas do with an opened project.
            (void)exportProjectJson(*doc, doc->PanelLangId());
            auto &areas = m_app.Areas();
            areas.AssignTextImageIds(*doc);
            AreaImages images;
            const AreaId ids[] = {AreaId::Global, AreaId::String, AreaId::Image, AreaId::Screen};
            const AreaResult built[]
                    = {areas.BuildGlobalArea(*doc), areas.BuildStringArea(doc->Strings()),
                       areas.BuildImageArea(*doc), areas.BuildScreenArea(*doc)};
            for (std::size_t a = 0; a < 4; ++a) {
                ASSERT_TRUE(built[a].ok) << "copy " << i << ": " << built[a].error;
                const auto image = areas.Image(ids[a]);
                images[a].assign(image.begin(), image.end());
            }
            // The panel simulator rebuilds the project from the areas it was sent.
            std::string why;
            EXPECT_TRUE(projectFromAreas(panel, images, why)) << "copy " << i << ": " << why;
        }
        if (i % kCliEvery == 0) {
            const Outcome check = run(cli("check '" + path + "'"));
            ASSERT_TRUE(check.exited) << "copy " << i << ": " << check.out;
            EXPECT_EQ(check.status, opened ? 0 : 1) << "copy " << i << ": " << check.out;
            for (const std::string &command : {"info '" + path + "'", "export '" + path + "'",
                                               "areas '" + path + "' -o '" + m_dir + "/areas'"}) {
                const Outcome r = run(cli(command));
                ASSERT_TRUE(r.exited) << command << ": " << r.out;
                EXPECT_EQ(r.status, check.status) << command << ": " << r.out;
            }
            if (std::filesystem::exists(kDir + "/dorvane")) {
                const Outcome pictures = run(editorExport(path, m_dir + "/pictures"));
                ASSERT_TRUE(pictures.exited) << "copy " << i << ": " << pictures.out;
                EXPECT_EQ(pictures.status, check.status) << "copy " << i << ": " << pictures.out;
            }
        }
    }
    std::printf("%d of %d damaged copies opened; %.1f s\n", accepted, kCopies,
                std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count());
}
