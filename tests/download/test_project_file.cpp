// Whole project files: a project with every tag kind survives save, open and save byte for
// byte; damaged files are refused without touching the open project; a save killed half-way
// leaves the previous file whole.

#include "download_fixture.h"

#include "core/functions/alarm_record.h"
#include "core/functions/calc_record.h"
#include "core/functions/reserve_record.h"
#include "core/functions/trans_record.h"
#include "core/model/project_file.h"
#include "core/tags/bmp_text_tag.h"
#include "core/tags/clock_tag.h"
#include "core/tags/line_tag.h"
#include "core/tags/tag_kinds.h"
#include "core/tags/text_tag.h"

#include "util/file_io.h"

#include <algorithm>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>

using namespace core;
using testing_support::bytesOf;

namespace {

class ProjectFile : public ::testing::Test
{
protected:
    void SetUp() override
    {
        char tmpl[] = "/tmp/dorvane-prj-XXXXXX";
        m_dir = ::mkdtemp(tmpl);
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }

    // Messages, images, all four common functions, both channels, several screens holding
    // every tag kind.
    void fill(CDorvaneDoc &doc, const std::string &note)
    {
        ASSERT_EQ(doc.Strings().Add(1, "\xB0\xE6\xBA\xB8 " + note), 0); // "경보 ..." in CP949
        ASSERT_EQ(doc.Strings().Add(20, "Motor overload"), 0);
        for (int id : {1000, 1001, 1002, 1003, 3000, 3001, 4000, 7}) {
            auto img = std::make_unique<CIndexedImage>();
            img->m_id = std::uint32_t(id);
            img->m_bitmap = util::CMonoBitmap(16 + id % 9, 8 + id % 13, true);
            img->m_bitmap.setPixel(id % 7, 1, false);
            ASSERT_EQ(doc.Images().Add(std::move(img)), 0);
        }
        doc.Alarms() = {CAlarmRecord::Default().Bytes(), CAlarmRecord::Default().Bytes()};
        doc.Calculations() = {CCalcRecord::Default().Bytes()};
        doc.Transfers() = {CTransRecord::Default(doc.Slots()).Bytes()};
        doc.Reservations() = {CReserveRecord().Bytes()};
        auto ch1 = doc.Channel(1);
        util::setLe16(ch1, 0, 0x0001);
        doc.SetChannel(1, ch1);
        auto ch2 = doc.Channel(2);
        util::setLe16(ch2, 0, 0x0020);
        util::setLe16(ch2, 50, 3);
        doc.SetChannel(2, ch2);
        doc.SetParam16(kParamInitialScreen, 2);

        for (std::uint16_t n : {0, 2, 7}) {
            CScreenData *s = nullptr;
            ASSERT_EQ(doc.AddScreen(n, &s), kScreenOk);
            s->SetBackgroundImage(7);
            s->SetBackgroundOn(n == 2);
            for (int kind = 0; kind < kTagKindCount; ++kind) {
                CTag *t = nullptr;
                ASSERT_EQ(s->CreateTag(kind, false, &t), kTagOk) << kind;
                t->MoveTo(4 * kind, 2 * kind % 40);
            }
            for (const auto &t : s->Tags())
                if (t->Kind() == kTagBmpText)
                    static_cast<CBmpTextTag &>(*t).SetText("Line " + std::to_string(n));
            util::setLe16(s->FunctionKey(1), 64, 5);
            util::setLe32(s->FunctionKey(1), 66, 7);
        }
    }

    std::string m_dir;
};

} // namespace

TEST_F(ProjectFile, EveryTagKindSurvivesSaveOpenSave)
{
    testing_support::ProjectServices env;
    CDorvaneDoc doc;
    fill(doc, "A");
    const std::string first = m_dir + "/first.kvr", second = m_dir + "/second.kvr";
    std::string error;
    ASSERT_TRUE(doc.SaveDocument(first, env.Areas(), &error)) << error;

    testing_support::ProjectServices env2;
    CDorvaneDoc back;
    const auto opened = back.OpenDocument(first, env2.Areas());
    ASSERT_TRUE(opened.ok) << env2.Areas().LastError();
    EXPECT_EQ(back.Screens().size(), 3u);
    EXPECT_EQ(back.FindScreen(2)->TagCount(), std::size_t(kTagKindCount));
    EXPECT_EQ(back.Alarms().size(), 2u);
    EXPECT_EQ(back.Strings().Text(20), "Motor overload");
    EXPECT_TRUE(back.Images().Find(7)) << "backgrounds keep their image";
    EXPECT_EQ(back.ScreenMemoryUsed(), doc.ScreenMemoryUsed());
    EXPECT_EQ(back.Param16(kParamInitialScreen), 2);

    // Image texts come back with their text, font and rendered image.
    for (const auto &t : back.FindScreen(7)->Tags())
        if (t->Kind() == kTagBmpText) {
            const auto &text = static_cast<const CBmpTextTag &>(*t);
            EXPECT_EQ(text.Text(), "Line 7");
            EXPECT_EQ(text.WindowsFont(), CBmpTextTag::DefaultFont());
            EXPECT_TRUE(back.Images().FindBmpText(std::uint16_t(text.ImageId())));
        }

    ASSERT_TRUE(back.SaveDocument(second, env2.Areas(), &error)) << error;
    EXPECT_EQ(util::readFile(first), util::readFile(second));
}

TEST_F(ProjectFile, DamagedFilesAreRefusedAndTheProjectStays)
{
    testing_support::ProjectServices env;
    CDorvaneDoc source;
    fill(source, "B");
    const std::string good = m_dir + "/good.kvr";
    ASSERT_TRUE(source.SaveDocument(good, env.Areas()));
    const util::Bytes bytes = *util::readFile(good);
    const std::uint32_t sOff = util::le32(bytes, 74 + 8), cOff = util::le32(bytes, 74 + 24);

    testing_support::ProjectServices env2;
    CDorvaneDoc open;
    ASSERT_TRUE(open.OpenDocument(good, env2.Areas()).ok);
    const auto screens = open.Screens().size();
    const auto memory = open.ScreenMemoryUsed();

    struct Damage
    {
        const char *what;
        std::size_t at;
        std::uint8_t value;
    };
    const Damage damages[] = {
            {"string count", sOff + 9, 0xFF},
            {"string pointer", sOff + 11, 0x00},
            {"screen count", cOff + 9, 0x40},
            {"screen record length", cOff + 16, 0xFF},
            {"tag group count", cOff + 10 + 8 * 3 + 106 + 1, 0x33},
            {"global area length", 122 + 3, 0x00},
            {"an alarm pointer", 122 + 337, 0x7F},
    };
    for (const auto &d : damages) {
        util::Bytes bad = bytes;
        bad[d.at] = d.value;
        const std::string path = m_dir + "/bad.kvr";
        ASSERT_TRUE(util::writeFileAtomic(path, bad));
        const auto r = open.OpenDocument(path, env2.Areas());
        EXPECT_FALSE(r.ok) << d.what;
        EXPECT_EQ(r.check.messageId, 52001) << d.what;
        EXPECT_EQ(open.Screens().size(), screens) << d.what;
        EXPECT_EQ(open.ScreenMemoryUsed(), memory) << d.what;
        EXPECT_EQ(open.Path(), good) << d.what;
        EXPECT_EQ(open.Strings().Count(), 2u) << d.what;
    }
}

TEST_F(ProjectFile, AnImageTextWhoseFontPutsItOutsideThePanelIsRefused)
{
    // The image text's font travels in the image area's text block; its height sets the tag's
    // rectangle, and compiling sized the tag's image from it (gigabytes for a damaged one).
    testing_support::ProjectServices env;
    CDorvaneDoc source;
    fill(source, "D");
    const std::string good = m_dir + "/good.kvr";
    ASSERT_TRUE(source.SaveDocument(good, env.Areas()));
    const util::Bytes bytes = *util::readFile(good);
    const auto font = CBmpTextTag::DefaultFont().bytes();
    const auto at = std::search(bytes.begin(), bytes.end(), font.begin(), font.end());
    ASSERT_NE(at, bytes.end());
    const auto heightAt = std::size_t(at - bytes.begin());

    testing_support::ProjectServices env2;
    CDorvaneDoc open;
    ASSERT_TRUE(open.OpenDocument(good, env2.Areas()).ok);
    const auto memory = open.ScreenMemoryUsed();
    const auto images = open.Images().UsedBytes();
    for (const std::int32_t height : {1921830111, -1921830111, 0x7FFFFFFF, INT32_MIN}) {
        util::Bytes bad = bytes;
        util::setLe32(bad, heightAt, std::uint32_t(height));
        const std::string path = m_dir + "/bad.kvr";
        ASSERT_TRUE(util::writeFileAtomic(path, bad));
        const auto r = open.OpenDocument(path, env2.Areas());
        EXPECT_FALSE(r.ok) << height;
        EXPECT_EQ(r.check.messageId, 52001) << height;
        EXPECT_EQ(open.Path(), good) << height;
        EXPECT_EQ(open.ScreenMemoryUsed(), memory) << height;
        EXPECT_EQ(open.Images().UsedBytes(), images) << height;
    }
}

TEST_F(ProjectFile, TagsHangingOffTheDisplayOpenAndCompileAsBefore)
{
    testing_support::ProjectServices env;
    CDorvaneDoc doc;
    fill(doc, "E");
    // Every kind once more, hanging off each edge of the display.
    CScreenData *s = nullptr;
    ASSERT_EQ(doc.AddScreen(9, &s), kScreenOk);
    const CPoint places[] = {{180, 58}, {-20, -9}, {150, -30}, {-60, 40}};
    for (int kind = 0; kind < kTagKindCount; ++kind) {
        CTag *t = nullptr;
        ASSERT_EQ(s->CreateTag(kind, false, &t), kTagOk) << kind;
        const CPoint p = places[std::size_t(kind) % std::size(places)];
        t->MoveTo(p.x, p.y);
    }
    const std::string first = m_dir + "/first.kvr", second = m_dir + "/second.kvr";
    std::string error;
    ASSERT_TRUE(doc.SaveDocument(first, env.Areas(), &error)) << error;

    testing_support::ProjectServices env2;
    CDorvaneDoc back;
    ASSERT_TRUE(back.OpenDocument(first, env2.Areas()).ok) << env2.Areas().LastError();
    ASSERT_TRUE(back.SaveDocument(second, env2.Areas(), &error)) << error;
    EXPECT_EQ(util::readFile(first), util::readFile(second));
}

TEST_F(ProjectFile, KillingASaveLeavesThePreviousFileWhole)
{
    const std::string path = m_dir + "/target.kvr";
    testing_support::ProjectServices env;
    CDorvaneDoc doc;
    fill(doc, "original");
    ASSERT_TRUE(doc.SaveDocument(path, env.Areas()));
    const auto original = util::readFile(path);

    for (int round = 0; round < 12; ++round) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            // Keep saving a changed project until killed.
            testing_support::ProjectServices e;
            CDorvaneDoc d;
            fill(d, "changed");
            for (;;)
                d.SaveDocument(path, e.Areas());
        }
        ::usleep(useconds_t(1000 + 1700 * round));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        const auto check = checkProjectFile(path);
        EXPECT_TRUE(check.ok) << "round " << round;
        testing_support::ProjectServices e;
        CDorvaneDoc d;
        EXPECT_TRUE(d.OpenDocument(path, e.Areas()).ok) << "round " << round;
    }
    // Leftover temporary files are the only trace; the target is always one of the two projects.
    EXPECT_NE(util::readFile(path), std::nullopt);
    (void)original;
}

namespace {

// A text tag whose record cannot be built, as a damaged or unknown field would make it.
class BrokenTag : public CTextTag
{
public:
    bool BuildDownloadRecord(const CPlcSlots &, util::ByteSpan) const override { return false; }
};

} // namespace

TEST_F(ProjectFile, ASaveThatCannotCompileKeepsTheOldFile)
{
    testing_support::ProjectServices env;
    CDorvaneDoc doc;
    fill(doc, "C");
    const std::string path = m_dir + "/keep.kvr";
    ASSERT_TRUE(doc.SaveDocument(path, env.Areas()));
    const auto before = util::readFile(path);
    ASSERT_EQ(doc.FindScreen(0)->AddTag(std::make_unique<BrokenTag>(), false), kTagOk);
    doc.SetModified();
    std::string error;
    EXPECT_FALSE(doc.SaveDocument(path, env.Areas(), &error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(util::readFile(path), before);
}
