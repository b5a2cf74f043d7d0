// The document and the project file: header check with each refusal, screens, function-key
// sharing, new-project values and the order of the save and open steps.

#include "core/model/dorvane_doc.h"
#include "core/model/img_res_mgr.h"
#include "core/model/memory_monitor.h"
#include "core/model/project_file.h"
#include "core/model/str_res_mgr.h"
#include "core/plc/plc_slots.h"

#include "test_helpers.h"
#include "util/file_io.h"
#include "util/message_ids.h"
#include "util/messages.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <unistd.h>

using namespace core;
using testing_model::StubTag;

namespace fs = std::filesystem;

namespace {

util::Bytes area(std::initializer_list<int> body)
{
    util::Bytes a(6, 0);
    for (int b : body)
        a.push_back(std::uint8_t(b));
    util::setBe32(a, 0, std::uint32_t(a.size()));
    return a;
}

util::Bytes validFile()
{
    return buildProjectFile({area({1}), area({2, 3}), area({}), area({4, 5, 6})});
}

} // namespace

TEST(ProjectHeader, WrittenLayout)
{
    const util::Bytes file = validFile();
    ASSERT_EQ(file.size(), 122u + 7 + 8 + 6 + 9);
    EXPECT_EQ(std::string(file.begin(), file.begin() + 4), "VLMR");
    EXPECT_EQ(util::le16(file, 4), 0x0100);
    EXPECT_EQ(util::le32(file, 6), file.size());
    EXPECT_EQ(util::fixedText(file, 10, 60), "Tarvossa Mechanikas Works, Ltd.");
    EXPECT_EQ(file[10 + 31], 0);
    EXPECT_EQ(file[69], 0);
    const std::uint32_t table[] = {122, 7, 129, 8, 137, 6, 143, 9};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(util::le32(file, 74 + 4 * std::size_t(i)), table[i]) << i;
    for (std::size_t i = 106; i < 122; ++i)
        EXPECT_EQ(file[i], 0) << i;
    EXPECT_TRUE(checkProjectBytes(file).ok);
}

TEST(ProjectHeader, EachRefusalWithItsMessage)
{
    EXPECT_EQ(checkProjectFile("/nonexistent/dir/x.kvr").messageId, 52001);

    const util::Bytes good = validFile();
    const util::Bytes shortFile(good.begin(), good.begin() + 121);
    const ProjectFileCheck tooShort = checkProjectBytes(shortFile);
    EXPECT_FALSE(tooShort.ok);
    EXPECT_EQ(tooShort.messageId, 52001) << "refused with the message of every refusal";

    util::Bytes headerOnly(good.begin(), good.begin() + 122);
    util::setLe32(headerOnly, 6, 122);
    EXPECT_EQ(checkProjectBytes(headerOnly).messageId, 52001) << "area offset 122 is not inside";

    util::Bytes trailing = good;
    trailing.push_back(0);
    EXPECT_EQ(checkProjectBytes(trailing).messageId, 52001);
    util::setLe32(trailing, 6, std::uint32_t(trailing.size()));
    EXPECT_EQ(checkProjectBytes(trailing).messageId, 52001) << "area sum short by one";

    util::Bytes maker = good;
    maker[10 + 40] = 'x'; // after the maker string's terminating zero
    EXPECT_EQ(checkProjectBytes(maker).messageId, 52001);

    util::Bytes magic = good;
    magic[3] = 'N';
    EXPECT_EQ(checkProjectBytes(magic).messageId, 52001);

    util::Bytes badOffset = good;
    util::setLe32(badOffset, 74 + 24, std::uint32_t(good.size()));
    EXPECT_EQ(checkProjectBytes(badOffset).messageId, 52001);

    util::Bytes overSum = good;
    util::setLe32(overSum, 74 + 4, 500);
    EXPECT_EQ(checkProjectBytes(overSum).messageId, 52001);
}

// Each refusal says which file and why: missing, a folder, unreadable, not a project, cut
// short, damaged at a byte of the area table.
TEST(ProjectHeader, RefusalsNameTheFileAndTheReason)
{
    EXPECT_EQ(checkProjectFile("/nonexistent/dir/x.kvr").reasonId, util::msg::kFileMissing);
    const auto dir = std::filesystem::temp_directory_path() / "dorvane-reasons";
    std::filesystem::create_directories(dir);
    EXPECT_EQ(checkProjectFile(dir.string()).reasonId, util::msg::kFileIsFolder);

    const util::Bytes good = validFile();
    util::Bytes foreign = good;
    foreign[0] = 'X';
    EXPECT_EQ(checkProjectBytes(foreign).reasonId, util::msg::kNotProjectFile);
    EXPECT_EQ(checkProjectBytes(util::Bytes(good.begin(), good.begin() + 50)).reasonId,
              util::msg::kNotProjectFile);

    const util::Bytes cut(good.begin(), good.end() - 3);
    const ProjectFileCheck shortCheck = checkProjectBytes(cut);
    EXPECT_EQ(shortCheck.reasonId, util::msg::kFileCutShort);
    EXPECT_EQ(shortCheck.size, good.size() - 3);
    EXPECT_EQ(shortCheck.expected, good.size());

    util::Bytes overSum = good;
    util::setLe32(overSum, 74 + 4, 500); // the global area's size
    const ProjectFileCheck damaged = checkProjectBytes(overSum);
    EXPECT_EQ(damaged.reasonId, util::msg::kFileDamagedAt);
    EXPECT_EQ(damaged.at, 78u);

    const auto path = dir / "damaged.kvr";
    ASSERT_TRUE(util::writeFileAtomic(path.string(), overSum));
    const std::string text = projectCheckMessage(checkProjectFile(path.string()));
    EXPECT_NE(text.find(util::messageText(util::msg::kFileNotReadable)), std::string::npos);
    EXPECT_NE(text.find(path.string()), std::string::npos);
    EXPECT_NE(text.find(util::formatMessage(util::msg::kFileDamagedAt, "78")), std::string::npos);
    if (::geteuid() != 0) { // root reads whatever the mode says
        std::filesystem::permissions(path, std::filesystem::perms::none);
        EXPECT_EQ(checkProjectFile(path.string()).reasonId, util::msg::kFileNoPermission);
    }
    std::filesystem::remove_all(dir);
}

TEST(ProjectHeader, NewerVersionsAreRefusedAfterTheHeaderButBeforeTheTable)
{
    util::Bytes file = validFile();
    util::setLe16(file, 4, 0x01FF);
    EXPECT_TRUE(checkProjectBytes(file).ok);
    util::setLe16(file, 4, 0x0203);
    util::setLe32(file, 74 + 4, 500); // broken table: the version is reported first
    const ProjectFileCheck check = checkProjectBytes(file);
    EXPECT_EQ(check.messageId, 52002);
    EXPECT_EQ(check.needMajor, 2);
    EXPECT_EQ(check.needMinor, 3);
    EXPECT_NE(projectCheckMessage(check).find("[2.03]"), std::string::npos);
    file[0] = 'X'; // a foreign header is reported before the version
    EXPECT_EQ(checkProjectBytes(file).messageId, 52001);
}

TEST(ProjectHeader, SplitFollowsEachAreasOwnLength)
{
    std::array<util::Bytes, 4> areas;
    ASSERT_TRUE(splitProjectFile(validFile(), areas));
    EXPECT_EQ(areas[1], area({2, 3}));
    EXPECT_EQ(areas[3], area({4, 5, 6}));
    util::Bytes lying = validFile();
    util::setBe32(lying, 122 + 7 + 8 + 6, 100); // screen area claims more than the file holds
    EXPECT_FALSE(splitProjectFile(lying, areas));
}

namespace {

// Builds and parses toy areas and records the order of the calls.
class RecordingCodec : public CAreaCodec
{
public:
    util::Bytes BuildArea(ProjectArea a, const CDorvaneDoc &doc) override
    {
        calls.push_back("build" + std::to_string(a));
        util::Bytes out;
        out.reserve(6 + kParamBlockSize);
        out.assign(6, 0);
        if (a == kAreaGlobal)
            out.insert(out.end(), doc.Parameters().begin(), doc.Parameters().end());
        if (a == kAreaString)
            for (const auto &s : doc.Strings().Strings())
                out.push_back(std::uint8_t(s->m_id));
        if (a == kAreaImage)
            for (const auto &i : doc.Images().Images())
                out.push_back(std::uint8_t(i->m_id));
        if (a == kAreaScreen)
            for (const auto &s : doc.Screens())
                out.push_back(std::uint8_t(s->Number()));
        util::setBe32(out, 0, std::uint32_t(out.size()));
        return out;
    }
    bool ParseArea(ProjectArea a, CDorvaneDoc &doc, util::ConstByteSpan image) override
    {
        calls.push_back("parse" + std::to_string(a));
        if (a == failOn)
            return false;
        const auto body = image.subspan(6);
        if (a == kAreaGlobal)
            std::copy(body.begin(), body.end(), doc.Parameters().begin());
        for (std::uint8_t b : body) {
            if (a == kAreaString)
                doc.Strings().Add(b, "m");
            if (a == kAreaImage) {
                auto img = std::make_unique<CIndexedImage>();
                img->m_id = b;
                img->m_bitmap = util::CMonoBitmap(8, 8);
                doc.Images().Add(std::move(img));
            }
            if (a == kAreaScreen)
                doc.AddScreen(b);
        }
        return true;
    }
    std::vector<std::string> calls;
    int failOn = -1;
};

class Project : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_dir = fs::temp_directory_path()
                / ("dorvane_project_" + std::to_string(::getpid()) + "_"
                   + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    NewProjectSettings settings(const std::string &name)
    {
        NewProjectSettings s;
        s.path = "  " + (m_dir / name).string() + " ";
        s.channel1[0] = 1; // PLC type 1, everything else 0
        s.panelLanguage = 2;
        s.executableDir = "/opt/dorvane";
        return s;
    }

    CDorvaneDoc m_doc;
    CMemoryMonitor &m_monitor = m_doc.Monitor();
    CStrResMgr &m_strings = m_doc.Strings();
    CImgResMgr &m_images = m_doc.Images();
    fs::path m_dir;
};

} // namespace

TEST_F(Project, NewProjectValuesOfTheParameterBlock)
{
    const ParamBlock p = CDorvaneDoc::NewProjectParameters(3);
    std::array<std::uint8_t, 314> expected{};
    expected[0] = 0xFA;
    expected[1] = 0xF5;
    expected[16] = 20;
    expected[18] = 3;
    expected[28] = '0';
    expected[74] = '0';
    expected[210] = 1;
    expected[210 + 10] = 500 & 0xFF;
    expected[210 + 11] = 500 >> 8;
    expected[210 + 12] = 5;
    expected[262 + 10] = 500 & 0xFF;
    expected[262 + 11] = 500 >> 8;
    expected[262 + 12] = 5;
    EXPECT_EQ(p, expected);
    EXPECT_EQ(m_doc.Param16(kParamSignature), 0xF5FA) << "set at construction too";
    EXPECT_EQ(m_doc.ScreenMemoryUsed(), 10u);
}

TEST_F(Project, PanelLanguageFollowsTheSystemLanguage)
{
    const std::vector<std::uint16_t> langs{0x0409, 0x0412, 0x0411};
    EXPECT_EQ(CDorvaneDoc::PanelLanguageIndex(langs, 0x0412), 1);
    EXPECT_EQ(CDorvaneDoc::PanelLanguageIndex(langs, 0x0804), 0);
    EXPECT_EQ(CDorvaneDoc::PanelLanguageIndex({}, 0x0412), 0);
}

TEST_F(Project, AddScreenResultsDefaultsAndOrder)
{
    CScreenData *s5 = nullptr;
    EXPECT_EQ(m_doc.AddScreen(5, &s5), kScreenOk);
    EXPECT_EQ(m_doc.AddScreen(999), kScreenOk);
    EXPECT_EQ(m_doc.AddScreen(0), kScreenOk);
    EXPECT_EQ(m_doc.AddScreen(3), kScreenOk);
    CScreenData *again = nullptr;
    EXPECT_EQ(m_doc.AddScreen(5, &again), kScreenExists);
    EXPECT_EQ(again, s5);
    std::vector<int> order;
    for (const auto &s : m_doc.Screens())
        order.push_back(s->Number());
    EXPECT_EQ(order, (std::vector<int>{0, 3, 5, 999}));
    EXPECT_EQ(m_doc.FindScreen(999)->NextScreen(), 999);
    EXPECT_EQ(m_doc.FindScreen(0)->PrevScreen(), 0);
    EXPECT_EQ(m_doc.FindScreen(4), nullptr);
    EXPECT_EQ(m_doc.NextFreeScreenNumber(), 999);
    EXPECT_EQ(m_doc.ScreenMemoryUsed(), 10u + 4 * 704);
}

TEST_F(Project, NextFreeScreenNumberAndNoRoom)
{
    EXPECT_EQ(m_doc.NextFreeScreenNumber(), 0);
    m_doc.AddScreen(7);
    EXPECT_EQ(m_doc.NextFreeScreenNumber(), 8);
    int added = 1;
    while (m_doc.AddScreen(std::uint16_t(added + 7)) == kScreenOk)
        ++added;
    EXPECT_EQ(added, (65536 - 10) / 704);
    EXPECT_LE(m_doc.ScreenMemoryUsed() + 0, 65536u);
    EXPECT_GT(m_doc.ScreenMemoryUsed() + 704, 65536u);
    EXPECT_EQ(m_doc.FindScreen(std::uint16_t(added + 7)), nullptr) << "nothing created";
}

TEST_F(Project, RemoveScreenReturnsItsBytesAndItsUnsharedBackground)
{
    CScreenData *a = nullptr;
    CScreenData *b = nullptr;
    m_doc.AddScreen(1, &a);
    m_doc.AddScreen(2, &b);
    for (std::uint32_t id : {4u, 5u}) {
        auto img = std::make_unique<CIndexedImage>();
        img->m_id = id;
        img->m_bitmap = util::CMonoBitmap(8, 8);
        m_images.Add(std::move(img));
    }
    a->SetBackgroundImage(4);
    b->SetBackgroundImage(4);
    a->CreateTag(kTagDigit, false);
    EXPECT_TRUE(m_doc.RemoveScreen(1));
    EXPECT_TRUE(m_images.Find(4)) << "screen 2 still shows it";
    EXPECT_EQ(m_doc.ScreenMemoryUsed(), 10u + 704);
    b->SetBackgroundImage(5);
    EXPECT_TRUE(m_doc.RemoveScreen(2));
    EXPECT_FALSE(m_images.Find(5));
    EXPECT_FALSE(m_doc.RemoveScreen(2));
    EXPECT_EQ(m_doc.ScreenMemoryUsed(), 10u);
}

TEST_F(Project, RenumberingToAUsedNumberChangesNothing)
{
    CScreenData *a = nullptr;
    CScreenData *b = nullptr;
    m_doc.AddScreen(1, &a);
    m_doc.AddScreen(2, &b);
    EXPECT_EQ(m_doc.RenumberScreen(*a, 2), 52603);
    EXPECT_EQ(a->Number(), 1);
    EXPECT_EQ(m_doc.FindScreen(1), a);
    EXPECT_EQ(m_doc.FindScreen(2), b);
    EXPECT_EQ(m_doc.RenumberScreen(*a, 1000), 52300);
    EXPECT_EQ(m_doc.RenumberScreen(*a, 9), 0);
    EXPECT_EQ(m_doc.FindScreen(9), a);
    EXPECT_EQ(m_doc.FindScreen(1), nullptr);
    EXPECT_EQ(m_doc.Screens().back().get(), a) << "kept in ascending order";
    EXPECT_EQ(CDorvaneDoc::CheckScreenName(""), 52200);
    EXPECT_EQ(CDorvaneDoc::CheckScreenName(std::string(24, 'a')), 52200);
    EXPECT_EQ(CDorvaneDoc::CheckScreenName(std::string(23, 'a')), 0);
}

TEST_F(Project, SharedFunctionKeys)
{
    m_doc.AddScreen(1);
    m_doc.AddScreen(2);
    FunctionKeyRecord key = defaultFunctionKey();
    util::setLe16(key, 64, 4);
    m_doc.ShareFunctionKey(3, key);
    m_doc.SetCommonKey(3, true);
    for (const auto &s : m_doc.Screens())
        EXPECT_EQ(s->FunctionKey(3), key);
    util::setLe16(m_doc.FindScreen(1)->FunctionKey(5), 64, 9); // not shared
    CScreenData *fresh = nullptr;
    m_doc.AddScreen(0, &fresh);
    EXPECT_EQ(fresh->FunctionKey(3), key) << "a shared key is copied into a new screen";
    EXPECT_EQ(fresh->FunctionKey(5), defaultFunctionKey());
}

TEST_F(Project, ProposedNameSkipsExistingUntitledFiles)
{
    const std::string dir = m_dir.string();
    EXPECT_EQ(CDorvaneDoc::ProposeNewProjectPath(dir), dir + "/제목없음1.kvr");
    for (int n : {1, 2})
        std::fclose(std::fopen((dir + "/제목없음" + std::to_string(n) + ".kvr").c_str(), "w"));
    EXPECT_EQ(CDorvaneDoc::ProposeNewProjectPath(dir), dir + "/제목없음3.kvr");
    // The English interface proposes English names.
    util::setMessageLanguage(util::kResEnglish);
    EXPECT_EQ(CDorvaneDoc::ProposeNewProjectPath(dir), dir + "/Untitled1.kvr");
    util::setMessageLanguage(0x412);
    EXPECT_EQ(CDorvaneDoc::CheckProjectName("  "), 52000);
    EXPECT_EQ(CDorvaneDoc::CheckProjectName("a"), 0);
    EXPECT_EQ(CDorvaneDoc::AlarmDatabasePathFor("/opt/d", "/home/u/Project/line1.kvr"),
              "/opt/d/Alarm/line1.mdb");
}

TEST_F(Project, NewProjectStartsWithScreenZeroAndEmptyManagers)
{
    m_strings.Add(1, "old");
    m_doc.AddScreen(4);
    m_doc.SetCommonKey(1, true);
    ASSERT_TRUE(m_doc.NewProject(settings("p.kvr")));
    EXPECT_EQ(m_doc.Path(), (m_dir / "p.kvr").string()) << "trimmed";
    EXPECT_EQ(m_doc.AlarmDatabasePath(), "/opt/dorvane/Alarm/p.mdb");
    ASSERT_EQ(m_doc.Screens().size(), 1u);
    EXPECT_EQ(m_doc.Screens()[0]->Number(), 0);
    EXPECT_EQ(m_doc.ScreenMemoryUsed(), 714u);
    EXPECT_EQ(m_monitor.Total(MemoryGauge::Screen), 714u);
    EXPECT_EQ(m_strings.Count(), 0u);
    EXPECT_FALSE(m_doc.IsCommonKey(1));
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_EQ(m_doc.Param16(kParamLanguage), 2);
    EXPECT_EQ(m_doc.Param16(kParamChannel1 + 10), 0) << "the dialog's channel block was taken";
    NewProjectSettings blank;
    blank.path = "   ";
    EXPECT_FALSE(m_doc.NewProject(blank));
    EXPECT_EQ(m_doc.Screens().size(), 1u) << "a refused new project changes nothing";
}

TEST_F(Project, SaveThenOpenRunsTheAreasInOrder)
{
    ASSERT_TRUE(m_doc.NewProject(settings("p.kvr")));
    m_doc.AddScreen(3);
    m_strings.Add(9, "m");
    for (std::uint32_t id : {4u, 6u}) {
        auto img = std::make_unique<CIndexedImage>();
        img->m_id = id;
        img->m_bitmap = util::CMonoBitmap(8, 8);
        m_images.Add(std::move(img));
    }
    m_doc.FindScreen(3)->SetBackgroundImage(6);
    auto text = std::make_unique<StubTag>(kTagBmpText);
    StubTag *textTag = text.get();
    m_doc.FindScreen(3)->AddTag(std::move(text), false);
    m_doc.SetParam16(kParamInitialScreen, 3);

    RecordingCodec codec;
    const std::string path = (m_dir / "saved.kvr").string();
    ASSERT_TRUE(m_doc.SaveDocument(path, codec));
    // Built, then read back into a scratch project before anything is written.
    EXPECT_EQ(codec.calls,
              (std::vector<std::string>{"build0", "build1", "build2", "build3", "parse0", "parse1",
                                        "parse2", "parse3"}));
    EXPECT_EQ(textTag->m_textId, 5000);
    EXPECT_FALSE(m_doc.IsModified());
    EXPECT_TRUE(checkProjectFile(path).ok);

    codec.calls.clear();
    CDorvaneDoc other;
    const OpenResult opened = other.OpenDocument(path, codec);
    ASSERT_TRUE(opened.ok);
    // Once into a scratch project, then for real.
    EXPECT_EQ(codec.calls,
              (std::vector<std::string>{"parse0", "parse1", "parse2", "parse3", "parse0", "parse1",
                                        "parse2", "parse3"}));
    EXPECT_EQ(other.Param16(kParamInitialScreen), 3);
    EXPECT_EQ(other.Screens().size(), 2u);
    EXPECT_TRUE(other.Strings().Exists(9));
    EXPECT_FALSE(other.Images().Find(4)) << "no screen or tag shows image 4";
    EXPECT_FALSE(other.Images().Find(6)) << "screen 3 came back without its background in this toy";
    EXPECT_EQ(other.Path(), path);
    EXPECT_FALSE(other.IsModified());
}

TEST_F(Project, RefusedFileLeavesTheProjectAsItWas)
{
    m_doc.AddScreen(1);
    m_strings.Add(2, "keep");
    const std::string path = (m_dir / "bad.kvr").string();
    util::Bytes file = validFile();
    util::setLe16(file, 4, 0x0200);
    ASSERT_TRUE(util::writeFileAtomic(path, file));
    RecordingCodec codec;
    const OpenResult result = m_doc.OpenDocument(path, codec);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.check.messageId, 52002);
    EXPECT_TRUE(codec.calls.empty());
    EXPECT_TRUE(m_doc.FindScreen(1));
    EXPECT_TRUE(m_strings.Exists(2));
}

TEST_F(Project, AFileLargerThanAnyProjectIsRefusedUnread)
{
    m_doc.AddScreen(1);
    const std::string path = (m_dir / "huge.kvr").string();
    ASSERT_TRUE(util::writeFileAtomic(path, validFile()));
    // A valid header followed by a gigabyte of holes: no allocation of its size is made.
    fs::resize_file(path, std::uintmax_t(1) << 30);
    RecordingCodec codec;
    const OpenResult result = m_doc.OpenDocument(path, codec);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.check.messageId, 52001);
    EXPECT_TRUE(codec.calls.empty());
    EXPECT_TRUE(m_doc.FindScreen(1));
}

TEST_F(Project, AreaThatDoesNotParseLeavesTheProjectAsItWas)
{
    m_doc.AddScreen(1);
    m_strings.Add(3, "m");
    const std::string path = (m_dir / "p.kvr").string();
    RecordingCodec codec;
    ASSERT_TRUE(m_doc.SaveDocument(path, codec));
    const auto memory = m_doc.ScreenMemoryUsed();
    codec.failOn = kAreaImage;
    const OpenResult result = m_doc.OpenDocument(path, codec);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.check.messageId, 52001);
    EXPECT_TRUE(m_doc.FindScreen(1));
    EXPECT_TRUE(m_strings.Exists(3)) << "the open project's messages stay";
    EXPECT_EQ(m_doc.ScreenMemoryUsed(), memory);
    EXPECT_EQ(m_doc.Path(), path);
}

TEST_F(Project, SaveThatWouldNotOpenAgainWritesNothing)
{
    ASSERT_TRUE(m_doc.NewProject(settings("p.kvr")));
    const std::string path = (m_dir / "kept.kvr").string();
    RecordingCodec codec;
    ASSERT_TRUE(m_doc.SaveDocument(path, codec));
    const auto before = util::readFile(path);
    codec.failOn = kAreaScreen; // the screens it builds would not read back
    std::string error;
    EXPECT_FALSE(m_doc.SaveDocument(path, codec, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(util::readFile(path), before) << "the good file stays";
    EXPECT_FALSE(m_doc.SaveDocument((m_dir / "new.kvr").string(), codec));
    EXPECT_FALSE(std::filesystem::exists(m_dir / "new.kvr"));
}

TEST_F(Project, SaveToAnUnwritablePlaceFailsAndKeepsTheProject)
{
    ASSERT_TRUE(m_doc.NewProject(settings("p.kvr")));
    RecordingCodec codec;
    std::string error;
    EXPECT_FALSE(m_doc.SaveDocument((m_dir / "missing" / "x.kvr").string(), codec, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_EQ(m_doc.Screens().size(), 1u);
}
