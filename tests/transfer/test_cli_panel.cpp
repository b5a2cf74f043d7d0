// dorvane-cli against velmar-panel-sim over a pseudo-terminal: a project with every tag kind goes
// to the panel and comes back byte for byte; a password-protected panel; the clock; an erased
// panel; and each injected fault ends with its text, leaving files as they were.

#include "comm/sim_process.h"
#include "download/download_fixture.h"

#include "core/app/app_services.h"
#include "core/comm/alarm_history.h"
#include "core/comm/comm_thread.h"
#include "core/functions/alarm_record.h"
#include "core/tags/tag_kinds.h"
#include "util/code_page.h"
#include "util/file_io.h"
#include "util/message_ids.h"
#include "util/messages.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <sys/wait.h>
#include <unistd.h>

using namespace core;

namespace {

const std::string kDir = DORVANE_RUNTIME_DIR;

struct Run
{
    int status = -1;
    std::string out; // standard output and standard error together
};

// The locales the command line chooses its language by; the texts these tests look for are the
// Korean ones unless a test says otherwise.
const std::string kKoreanLocale = "LC_ALL= LC_MESSAGES= LANG=ko_KR.UTF-8";
const std::string kEnglishLocale = "LC_ALL= LC_MESSAGES= LANG=C";

Run cli(const std::string &args, const std::string &locale = kKoreanLocale)
{
    Run r;
    const std::string cmd = "env " + locale + " '" + kDir + "/dorvane-cli' " + args + " 2>&1";
    FILE *p = ::popen(cmd.c_str(), "r");
    std::array<char, 4096> buf{};
    while (p && std::fgets(buf.data(), int(buf.size()), p))
        r.out += buf.data();
    const int s = p ? ::pclose(p) : -1;
    r.status = WIFEXITED(s) ? WEXITSTATUS(s) : -1;
    return r;
}

class CliPanel : public ::testing::Test
{
protected:
    void SetUp() override
    {
        char tmpl[] = "/tmp/dorvane-clipanel-XXXXXX";
        m_dir = ::mkdtemp(tmpl);
        m_project = m_dir + "/all.kvr";
        writeProject();
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }

    // Every tag kind on two screens, messages, images and an alarm; channel 1 on Modbus.
    void writeProject()
    {
        CAppServices app;
        app.Load(kDir, 0x412);
        auto doc = app.NewDocument();
        ASSERT_TRUE(doc->NewProject(app.NewProjectDefaults(m_project)));
        ASSERT_EQ(doc->Strings().Add(1, "\xB0\xE6\xBA\xB8"), 0);
        ASSERT_EQ(doc->Images().AddFromLibrary(1000), 0);
        ASSERT_EQ(doc->Images().AddFromLibrary(3000), 0);
        doc->Alarms().push_back(CAlarmRecord::Default().Bytes());
        CScreenData *s1 = nullptr;
        ASSERT_EQ(doc->AddScreen(1, &s1), kScreenOk);
        for (auto *s : {doc->FindScreen(0), s1})
            for (int kind = 0; kind < kTagKindCount; ++kind) {
                CTag *t = nullptr;
                ASSERT_EQ(s->CreateTag(kind, false, &t), kTagOk) << kind;
                t->MoveTo(3 * kind, kind % 50);
            }
        doc->FindScreen(0)->SetBackgroundImage(3000);
        std::string error;
        ASSERT_TRUE(doc->SaveDocument(m_project, app.Areas(), &error)) << error;
    }

    std::string port() const { return "--port '" + m_sim.port() + "'"; }

    testsupport::SimProcess m_sim;
    std::string m_dir, m_project;
};

} // namespace

TEST_F(CliPanel, DownloadThenUploadGivesTheSameProject)
{
    ASSERT_TRUE(m_sim.start());
    const auto down = cli("download '" + m_project + "' --yes " + port());
    ASSERT_EQ(down.status, 0) << down.out;
    const std::string back = m_dir + "/back.kvr";
    const auto up = cli("upload -o '" + back + "' --yes " + port());
    ASSERT_EQ(up.status, 0) << up.out;
    EXPECT_NE(up.out.find("통신성공"), std::string::npos);
    EXPECT_NE(down.out.find("통신성공"), std::string::npos) << "a download says it ended well too";
    EXPECT_EQ(util::readFile(back), util::readFile(m_project));
}

TEST_F(CliPanel, DownloadWritesTheAreasInTheirFixedOrder)
{
    // The panel takes the areas in any order; its menu, drivers and screens rely on P, G, R, S,
    // C, Z. The simulator's trace shows the order the writes arrived in.
    const std::string trace = m_dir + "/trace.txt";
    ASSERT_TRUE(m_sim.start({"--trace", trace}));
    const auto down = cli("download '" + m_project + "' --yes " + port());
    ASSERT_EQ(down.status, 0) << down.out;
    m_sim.stop();
    const auto lines = util::readFile(trace);
    ASSERT_TRUE(lines);
    std::string order, requests;
    std::size_t start = 0;
    const std::string text(lines->begin(), lines->end());
    while (start < text.size()) {
        const auto end = text.find('\n', start);
        const std::string line = text.substr(start, end - start);
        requests += line.substr(0, 2) + " ";
        if (line[0] == 'w' && (order.empty() || order.back() != line[1]))
            order += line[1];
        start = end == std::string::npos ? text.size() : end + 1;
    }
    EXPECT_EQ(order, "PGRSCZ") << requests;
}

TEST_F(CliPanel, DriverCheckReadsEachChannelsIdentityWhereItLies)
{
    // The first download sends the drivers; on the second, channel 1's identity matches and
    // channel 2's is read at 0x3000: 30 bytes there, not 1024 from address 0.
    const std::string trace = m_dir + "/trace.txt";
    ASSERT_TRUE(m_sim.start({"--trace", trace}));
    ASSERT_EQ(cli("download '" + m_project + "' --yes " + port()).status, 0);
    const auto second = cli("download '" + m_project + "' --yes " + port());
    ASSERT_EQ(second.status, 0) << second.out;
    m_sim.stop();
    const auto bytes = util::readFile(trace);
    ASSERT_TRUE(bytes);
    const std::string text(bytes->begin(), bytes->end());
    // "rZ <frame in hex>": the frame's bytes 3-5 are the address, 6-7 the length.
    std::vector<std::string> reads;
    for (std::size_t at = text.find("rZ "); at != std::string::npos; at = text.find("rZ ", at + 1))
        reads.push_back(text.substr(at + 3 + 6, 10));
    ASSERT_GE(reads.size(), 3u) << text;
    EXPECT_EQ(reads[reads.size() - 2], "000000001E");
    EXPECT_EQ(reads.back(), "003000001E");
}

TEST_F(CliPanel, PasswordProtectedPanel)
{
    ASSERT_TRUE(m_sim.start({"--password", "Abc123"}));
    const auto refused = cli("download '" + m_project + "' --yes " + port());
    EXPECT_NE(refused.status, 0);
    const auto wrong = cli("clock --password Nope " + port());
    EXPECT_NE(wrong.status, 0);
    EXPECT_NE(wrong.out.find("암호가 일치하지 않습니다."), std::string::npos) << wrong.out;
    const auto ok = cli("download '" + m_project + "' --yes --password Abc123 " + port());
    EXPECT_EQ(ok.status, 0) << ok.out;
}

TEST_F(CliPanel, ClockSetAndRead)
{
    ASSERT_TRUE(m_sim.start());
    const auto set = cli("set-clock --time '2026-03-01 07:08:09' " + port());
    ASSERT_EQ(set.status, 0) << set.out;
    const auto read = cli("clock " + port(), kEnglishLocale);
    ASSERT_EQ(read.status, 0) << read.out;
    EXPECT_EQ(read.out.substr(0, 15), "2026-03-01 Sun ");
    EXPECT_EQ(read.out.substr(15, 5), "07:08");
    // The day's name follows the language, like every other text of the link.
    const auto korean = cli("clock " + port());
    ASSERT_EQ(korean.status, 0) << korean.out;
    EXPECT_EQ(korean.out.substr(0, 15), "2026-03-01 일 ");
}

TEST_F(CliPanel, EraseThenUploadReportsAnErasedMemory)
{
    ASSERT_TRUE(m_sim.start());
    ASSERT_EQ(cli("download '" + m_project + "' --yes " + port()).status, 0);
    const auto erase = cli("erase --yes " + port());
    ASSERT_EQ(erase.status, 0) << erase.out;
    const std::string back = m_dir + "/erased.kvr";
    const auto up = cli("upload -o '" + back + "' --yes " + port());
    EXPECT_NE(up.status, 0);
    EXPECT_NE(up.out.find("패널에 프로젝트가 없습니다."), std::string::npos) << up.out;
    EXPECT_NE(up.out.find("메모리가 지워져 있습니다."), std::string::npos) << up.out;
    EXPECT_FALSE(util::fileExists(back));
    // The English interface says the same sentence, not an area name glued to the error.
    const auto english = cli("upload -o '" + back + "' --yes " + port(), kEnglishLocale);
    EXPECT_NE(english.status, 0);
    EXPECT_NE(english.out.find("The panel holds no project."), std::string::npos) << english.out;
    EXPECT_EQ(english.out.find("global:"), std::string::npos) << english.out;
}

TEST_F(CliPanel, PanelCommandsFailOnAnyLinkError)
{
    // Response 1 answers the command's own check of the panel, response 2 the connection of the
    // command itself; the faults hit that one.
    struct Case
    {
        const char *command;
        const char *fault;
        const char *text;
    };
    const Case cases[] = {{"erase --yes", "bcc:2", "BCC 에러"},
                          {"erase --yes", "nak:2:3", "NAK 수신"},
                          {"erase --yes", "drop:2", "타임아웃 에러입니다."},
                          {"clear-password", "bcc:2", "BCC 에러"},
                          {"clear-password", "nak:2:3", "NAK 수신"},
                          {"clear-alarm-history --yes", "bcc:2", "BCC 에러"},
                          {"clear-alarm-history --yes", "nak:2:3", "NAK 수신"},
                          {"clear-alarm-history --yes", "nak:3:3", "NAK 수신"}};
    for (const auto &c : cases) {
        testsupport::SimProcess sim;
        ASSERT_TRUE(sim.start({"--fault", c.fault})) << c.fault;
        const auto r = cli(std::string(c.command) + " --port '" + sim.port() + "'");
        EXPECT_EQ(r.status, 1) << c.command << " " << c.fault << ": " << r.out;
        EXPECT_NE(r.out.find(c.text), std::string::npos)
                << c.command << " " << c.fault << ": " << r.out;
    }
    // Without the faults each succeeds; a question not answered is no success.
    ASSERT_TRUE(m_sim.start());
    for (const char *command : {"erase --yes", "clear-password", "clear-alarm-history --yes"})
        EXPECT_EQ(cli(std::string(command) + " " + port()).status, 0) << command;
    for (const char *command : {"erase", "clear-alarm-history"})
        EXPECT_EQ(cli(std::string(command) + " " + port()).status, 1) << command;
}

// The font command checks the file before the panel is reached and says what it sent; a port that
// cannot be opened is named with the reason. Numbered messages come in the interface language.
TEST_F(CliPanel, FontCommandSendsOnlyFontFilesAndAPortThatCannotOpenIsNamed)
{
    // `reason`: a second argument given by its message number.
    const auto says
            = [](const std::string &out, int id, const std::string &argument, int reason = 0) {
                  for (const std::uint16_t lang : {std::uint16_t(0x412), util::kResEnglish}) {
                      const std::string more(reason ? util::messageText(reason, lang) : "");
                      const std::string text
                              = util::formatText(std::string(util::messageText(id, lang)).c_str(),
                                                 argument.c_str(), more.c_str());
                      if (out.find(text) != std::string::npos)
                          return true;
                  }
                  return false;
              };
    const std::string trace = m_dir + "/trace.txt";
    ASSERT_TRUE(m_sim.start({"--trace", trace}));
    const std::string ini = kDir + "/APP.INI";
    const auto refused = cli("font '" + ini + "' --yes " + port());
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(says(refused.out, util::msg::kNotFontFile, ini)) << refused.out;
    const auto served = util::readFile(trace);
    EXPECT_TRUE(!served || served->empty()) << "nothing reaches the panel";

    const std::string font = kDir + "/Fonts/SAMPLE.BMA";
    const auto sent = cli("font '" + font + "' --yes " + port());
    EXPECT_EQ(sent.status, 0) << sent.out;
    EXPECT_TRUE(says(sent.out, util::msg::kFontDownloaded, font)) << sent.out;

    const auto missing = cli("clock --port /nonexistent/ttyPanel");
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(says(missing.out, util::msg::kPortOpenFailed, "/nonexistent/ttyPanel",
                     util::msg::kPortNoDevice))
            << missing.out;
}

namespace {

// UTF-8 Hangul syllables (U+AC00-U+D7AF) and compatibility jamo (U+3130-U+318F).
bool hasHangul(const std::string &text)
{
    for (std::size_t i = 0; i + 2 < text.size(); ++i) {
        const auto b0 = static_cast<unsigned char>(text[i]);
        const auto b1 = static_cast<unsigned char>(text[i + 1]);
        if ((b0 >= 0xEA && b0 <= 0xED) || (b0 == 0xE3 && b1 >= 0x84 && b1 <= 0x86))
            return true;
    }
    return false;
}

} // namespace

// Under an English locale (or none: "C") the link's texts, the panel's weekday and the transfer's
// outcome are English; under a Korean one they are the program's Korean texts.
TEST_F(CliPanel, LinkTextsFollowTheLocale)
{
    for (const std::string &locale : {kEnglishLocale, std::string("LC_ALL=en_US.UTF-8")}) {
        const auto missing = cli("clock --port /nonexistent/ttyPanel", locale);
        EXPECT_EQ(missing.status, 1);
        EXPECT_NE(missing.out.find("/nonexistent/ttyPanel"), std::string::npos) << missing.out;
        EXPECT_FALSE(hasHangul(missing.out)) << locale << ": " << missing.out;

        testsupport::SimProcess silent;
        ASSERT_TRUE(silent.start({"--fault", "drop:2"}));
        const auto timeout = cli("erase --yes --port '" + silent.port() + "'", locale);
        EXPECT_EQ(timeout.status, 1);
        EXPECT_NE(timeout.out.find("Time-out error."), std::string::npos) << timeout.out;
        EXPECT_FALSE(hasHangul(timeout.out)) << locale << ": " << timeout.out;
    }

    ASSERT_TRUE(m_sim.start());
    const auto down = cli("download '" + m_project + "' --yes " + port(), kEnglishLocale);
    ASSERT_EQ(down.status, 0) << down.out;
    EXPECT_NE(down.out.find("Communication succeeded"), std::string::npos) << down.out;
    EXPECT_FALSE(hasHangul(down.out)) << down.out;
    ASSERT_EQ(cli("set-clock --time '2026-12-09 07:08:09' " + port()).status, 0);
    const auto english = cli("sysinfo " + port(), kEnglishLocale);
    ASSERT_EQ(english.status, 0) << english.out;
    EXPECT_NE(english.out.find(" Wed "), std::string::npos) << english.out;
    EXPECT_FALSE(hasHangul(english.out)) << english.out;
    const auto korean = cli("sysinfo " + port());
    ASSERT_EQ(korean.status, 0) << korean.out;
    EXPECT_NE(korean.out.find(" 수 "), std::string::npos) << korean.out;
}

// The command line's own words around a panel command (a question left unanswered, the password
// it was not given) read in the interface language, like the panel's texts beside them.
TEST_F(CliPanel, ItsOwnNotesFollowTheLocaleToo)
{
    ASSERT_TRUE(m_sim.start());
    testsupport::SimProcess locked;
    ASSERT_TRUE(locked.start({"--password", "Abc123"}));
    const std::string lockedPort = "--port '" + locked.port() + "'";

    const auto asked = cli("erase " + port());
    EXPECT_NE(asked.status, 0);
    EXPECT_NE(asked.out.find("계속하시겠습니까? [아니요: 예로 답하려면 --yes]"), std::string::npos)
            << asked.out;
    const auto refused = cli("clock " + lockedPort);
    EXPECT_NE(refused.status, 0);
    EXPECT_NE(refused.out.find("패널이 암호를 묻습니다."), std::string::npos) << refused.out;

    const auto askedEnglish = cli("erase " + port(), kEnglishLocale);
    EXPECT_NE(askedEnglish.out.find("Continue? [no: use --yes]"), std::string::npos)
            << askedEnglish.out;
    const auto refusedEnglish = cli("clock " + lockedPort, kEnglishLocale);
    EXPECT_NE(refusedEnglish.out.find("The panel asks for its password (use --password)."),
              std::string::npos)
            << refusedEnglish.out;
    for (const ::Run &english : {askedEnglish, refusedEnglish})
        EXPECT_FALSE(hasHangul(english.out)) << english.out;
}

namespace {

// Writes one block into the simulated panel as a panel tool would.
void writePanel(const std::string &port, std::uint8_t area, std::uint32_t address, util::Bytes data)
{
    comm::CCommThread link;
    link.SetDevicePath(port);
    std::uint8_t status = 0;
    ASSERT_TRUE(link.Connect(status));
    comm::COMM_CMD c{'w', area, data, std::uint32_t(data.size()), address, address};
    ASSERT_TRUE(link.Run(c));
    link.Disconnect();
}

// A history of one alarm whose text is in the Korean code page.
util::Bytes koreanHistory(const std::string &utf8)
{
    util::Bytes h(comm::kHistoryLength, 0xFF);
    const auto entry = util::ByteSpan(h).first(comm::kWholeEntrySize);
    util::setFixedText(entry, 2, 37, util::fromUtf8Lossy(utf8, 0x412));
    const std::uint8_t when[7] = {0x20, 0x26, 0x12, 0x01, 0x10, 0x00, 0x00};
    std::copy_n(when, 7, entry.begin() + 40);
    return h;
}

util::Bytes menuFile(const char *name)
{
    auto menu = *util::readFile(kDir + "/Protocols/" + name);
    menu.resize(comm::kMenuHeaderLength);
    return menu;
}

} // namespace

TEST_F(CliPanel, AlarmTextsAreDecodedInThePanelsLanguageWhateverTheLocale)
{
    const std::string text = "탱크 수위 낮음";
    const std::string db = m_dir + "/alarms.mdb";
    const auto search = [&] { return cli("alarm-history --db '" + db + "' --search"); };
    const std::string english = "LC_ALL= LANG=en_US.UTF-8 ";
    {
        // The panel's menu is the Korean one: its texts are Korean.
        ASSERT_TRUE(m_sim.start());
        writePanel(m_sim.port(), 'P', 0, menuFile("menu_kor.mnu"));
        writePanel(m_sim.port(), 'W', comm::kHistoryAddress, koreanHistory(text));
        const std::string run = "cd / && " + english + "'" + kDir + "/dorvane-cli' alarm-history "
                + "--db '" + db + "' --upload " + port() + " 2>&1";
        ASSERT_EQ(std::system(run.c_str()), 0);
        const auto found = search();
        ASSERT_EQ(found.status, 0) << found.out;
        EXPECT_NE(found.out.find(text), std::string::npos) << found.out;
        m_sim.stop();
    }
    {
        // A project names the panel's language: it decides, whatever the menu says.
        std::filesystem::remove(db);
        CAppServices app;
        app.Load(kDir, 0x409);
        auto doc = app.NewDocument();
        const std::string project = m_dir + "/korean.kvr";
        ASSERT_TRUE(doc->NewProject(app.NewProjectDefaults(project)));
        doc->SetParam16(kParamLanguage,
                        std::uint16_t(app.Config().languages().indexOfLangId(0x412)));
        std::string error;
        ASSERT_TRUE(doc->SaveDocument(project, app.Areas(), &error)) << error;
        ASSERT_TRUE(m_sim.start());
        writePanel(m_sim.port(), 'P', 0, menuFile("menu_eng.mnu"));
        writePanel(m_sim.port(), 'W', comm::kHistoryAddress, koreanHistory(text));
        const std::string run = english + "'" + kDir + "/dorvane-cli' alarm-history --db '" + db
                + "' --upload --project '" + project + "' " + port() + " 2>&1";
        ASSERT_EQ(std::system(run.c_str()), 0);
        const auto found = search();
        EXPECT_NE(found.out.find(text), std::string::npos) << found.out;
    }
}

TEST_F(CliPanel, InjectedFaultsEndWithTheirTextsAndWriteNothing)
{
    struct Case
    {
        const char *fault;
        const char *text;
    };
    // Response 1 answers "y" "C"; the faults hit the transfer's blocks.
    const Case cases[] = {{"bcc:4", "BCC 에러"},
                          {"nak:4:3", "NAK 수신"},
                          {"drop:4", "타임아웃 에러입니다."},
                          {"frame:4", "Frame 에러"}};
    const auto before = util::readFile(m_project);
    // A panel that holds the project, kept across simulator restarts.
    const std::string state = m_dir + "/panel";
    std::filesystem::create_directories(state);
    {
        testsupport::SimProcess sim;
        ASSERT_TRUE(sim.start({"--state", state}));
        ASSERT_EQ(cli("download '" + m_project + "' --yes --port '" + sim.port() + "'").status, 0);
    }
    for (const auto &c : cases) {
        testsupport::SimProcess sim;
        ASSERT_TRUE(sim.start({"--state", state, "--fault", c.fault})) << c.fault;
        const std::string back = m_dir + "/fault.kvr";
        const auto up = cli("upload -o '" + back + "' --yes --port '" + sim.port() + "'");
        EXPECT_NE(up.status, 0) << c.fault;
        EXPECT_NE(up.out.find(c.text), std::string::npos) << c.fault << ": " << up.out;
        EXPECT_FALSE(util::fileExists(back)) << c.fault;
        sim.stop();
        testsupport::SimProcess sim2;
        ASSERT_TRUE(sim2.start({"--state", state, "--fault", c.fault})) << c.fault;
        const auto down = cli("download '" + m_project + "' --yes --port '" + sim2.port() + "'");
        EXPECT_NE(down.status, 0) << c.fault;
        EXPECT_NE(down.out.find(c.text), std::string::npos) << c.fault << ": " << down.out;
        EXPECT_EQ(util::readFile(m_project), before) << c.fault;
    }
}
