// The command-line programs as a user meets them: versions and help, options after the command
// name, option values that are no numbers, and project files that are too short or far too
// large (sparse files: the size costs no disk).

#include "core/app/app_services.h"
#include "core/model/project_file.h"
#include "util/file_io.h"
#include "util/message_ids.h"
#include "util/messages.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <array>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const std::string kDir = DORVANE_RUNTIME_DIR;
const std::string kCli = "'" + kDir + "/dorvane-cli'";
const std::string kQuillet = "'" + kDir + "/Quillet/quillet-cli'";

struct Outcome
{
    bool exited = false; // a normal exit, not a signal
    int status = -1;
    std::string out; // standard output and standard error together
};

Outcome run(const std::string &command)
{
    Outcome r;
    FILE *p = ::popen((command + " 2>&1").c_str(), "r");
    std::array<char, 4096> buf{};
    while (p && std::fgets(buf.data(), int(buf.size()), p))
        r.out += buf.data();
    const int s = p ? ::pclose(p) : -1;
    // The shell reports a child killed by a signal as 128 + the signal.
    r.exited = WIFEXITED(s) && WEXITSTATUS(s) < 128;
    r.status = WIFEXITED(s) ? WEXITSTATUS(s) : -1;
    return r;
}

class CliPrograms : public ::testing::Test
{
protected:
    void SetUp() override
    {
        char tmpl[] = "/tmp/dorvane-cliprog-XXXXXX";
        m_dir = ::mkdtemp(tmpl);
        m_project = m_dir + "/plant.kvr";
        ASSERT_EQ(run(kCli + " new '" + m_project + "'").status, 0);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    std::string m_dir, m_project;
};

} // namespace

TEST_F(CliPrograms, EveryProgramTellsItsVersionAndHelp)
{
    const std::pair<const char *, std::string> programs[]
            = {{"dorvane-cli", kCli},
               {"quillet-cli", kQuillet},
               {"velmar-panel-sim", "'" + kDir + "/velmar-panel-sim'"},
               {"velmar-flash-sim", "'" + kDir + "/velmar-flash-sim'"}};
    for (const auto &[name, path] : programs) {
        const Outcome version = run(path + " --version");
        EXPECT_EQ(version.status, 0) << name;
        EXPECT_EQ(version.out, std::string(name) + " " + DORVANE_VERSION + "\n");
        const Outcome help = run(path + " --help");
        EXPECT_EQ(help.status, 0) << name;
        EXPECT_NE(help.out.find("--version"), std::string::npos) << name << ": " << help.out;
    }
}

TEST_F(CliPrograms, SharedOptionsAreTakenAfterTheCommandToo)
{
    const Outcome after
            = run(kCli + " info --json '" + m_project + "' --program-dir '" + kDir + "'");
    ASSERT_EQ(after.status, 0) << after.out;
    const auto json = nlohmann::json::parse(after.out);
    EXPECT_EQ(json["file"], m_project);
    EXPECT_EQ(run(kCli + " --json info '" + m_project + "'").out, after.out);
    EXPECT_NE(run(kCli + " info --program-dir").status, 0) << "the option still needs its value";
}

TEST_F(CliPrograms, OptionValuesThatAreNoNumbersAreRefusedWithAMessage)
{
    const std::string port = " --port /nonexistent/tty";
    const std::string cases[] = {
            kCli + " address --channel 1 --ch1-type zz D100",
            kCli + " address --channel 1 --ch1-type '' D100",
            kCli + " address --channel 1 --ch2-type 123456789012345678901 D100",
            kCli + " address --channel 1 --ch1-type -1 D100",
            kCli + " address --channel x D100",
            kCli + " address --channel 99999999999 D100",
            kCli + " download '" + m_project + "' --port COM99999999999999999999",
            kCli + " download '" + m_project + "' --port COM0",
            kCli + " download '" + m_project + "' --port ''",
            kCli + " clock --port /dev/null --baud 12ab",
            kCli + " alarm-history --db x.mdb --upload --port COM99999999999999999999",
            kCli + " alarm-history --db x.mdb --upload --port /dev/null --baud 1e99",
            kCli + " alarm-history --db x.mdb --upload --port /dev/null --baud 1200",
            kQuillet + " --device 9" + port,
            kQuillet + " --device -1" + port,
            kQuillet + " --device abc" + port,
            kQuillet + " --timeout -5" + port,
            kQuillet + " --timeout 99999999999999" + port,
    };
    for (const auto &command : cases) {
        const Outcome r = run(command);
        EXPECT_TRUE(r.exited) << command << "\n" << r.out;
        EXPECT_NE(r.status, 0) << command;
        EXPECT_EQ(r.out.find("terminate called"), std::string::npos) << command << "\n" << r.out;
        EXPECT_NE(r.out.find("--"), std::string::npos) << "names the option: " << command;
    }
}

TEST_F(CliPrograms, AddressTakesModbusReferencesAndTheShownForm)
{
    const std::string word = kCli + " address --json --channel 1 --kind word ";
    for (const char *typed : {"40001", "400001", "4x1", "4X00001", "--area 3x 400001"}) {
        const Outcome r = run(word + typed);
        ASSERT_EQ(r.status, 0) << typed << "\n" << r.out;
        const auto json = nlohmann::json::parse(r.out);
        EXPECT_EQ(json["area"], "4x") << typed;
        EXPECT_EQ(json["normalised"], "1") << typed;
        EXPECT_EQ(json["reference"], "40001") << typed;
        EXPECT_EQ(json["downloadAddress"].get<std::string>().substr(0, 18), "4D0306020000000134")
                << typed;
    }
    const Outcome shown = run(kCli + " address --channel 1 --kind bit 10017");
    EXPECT_EQ(shown.status, 0) << shown.out;
    EXPECT_NE(shown.out.find("normalised: 1x17\nreference: 10017\n"), std::string::npos)
            << shown.out;

    // In an area, 40001 may be register 40001 or register 1: refused, naming both.
    const Outcome ambiguous = run(word + "--area 4x 40001");
    EXPECT_EQ(ambiguous.status, 1);
    EXPECT_NE(ambiguous.out.find("4x40001 = 440001"), std::string::npos) << ambiguous.out;
    EXPECT_NE(ambiguous.out.find("4x1 = 40001"), std::string::npos) << ambiguous.out;
    const Outcome high = run(word + "4x40001");
    ASSERT_EQ(high.status, 0) << high.out;
    EXPECT_EQ(nlohmann::json::parse(high.out)["normalised"], "40001");
}

// A tag that hangs off the display (older files, or a hand-made JSON) still passes the check,
// with a warning line that names it; tags on the display give none.
TEST_F(CliPrograms, CheckWarnsOfEachTagThatRunsOffTheDisplay)
{
    const std::string json = m_dir + "/plant.json";
    ASSERT_EQ(run(kCli + " export '" + m_project + "' -o '" + json + "'").status, 0);
    std::ifstream in(json);
    nlohmann::ordered_json j = nlohmann::ordered_json::parse(in);
    auto text = [](int x, const char *t) {
        return nlohmann::ordered_json{
                {"kind", "text"},
                {"x", x},
                {"y", 4},
                {"fields", {{"font", 0}, {"inverse", 0}, {"text", t}, {"border", 0}}}};
    };
    j["screens"][0]["tags"] = nlohmann::ordered_json::array({text(10, "Pump"), text(190, "Tank")});
    std::ofstream(json) << j.dump(2);
    const std::string off = m_dir + "/off.kvr";
    const Outcome imported = run(kCli + " import '" + json + "' -o '" + off + "'");
    ASSERT_EQ(imported.status, 0) << imported.out;

    const Outcome check = run(kCli + " check '" + off + "'");
    EXPECT_EQ(check.status, 0) << check.out;
    EXPECT_NE(check.out.find("warning: screen 0, tag 2 (text) at (190, 4), 32 x 16, runs off "
                             "the 192 x 64 display"),
              std::string::npos)
            << check.out;
    EXPECT_EQ(check.out.find("tag 1"), std::string::npos) << check.out;
    EXPECT_EQ(run(kCli + " check '" + m_project + "'").out, "");
}

// What a hand-made JSON brings in must open again: a function-key function no panel knows is
// refused when the file would be written, and no file is left.
TEST_F(CliPrograms, ImportNeverWritesAFileThatWouldNotOpen)
{
    const std::string json = m_dir + "/plant.json";
    ASSERT_EQ(run(kCli + " export '" + m_project + "' -o '" + json + "'").status, 0);
    std::ifstream in(json);
    nlohmann::ordered_json j = nlohmann::ordered_json::parse(in);
    j["screens"][0]["functionKeys"][0]["fields"]["function"] = 254;
    j["screens"][0]["functionKeys"][0].erase("raw");
    std::ofstream(json) << j.dump(2);
    const std::string out = m_dir + "/bad.kvr";
    const Outcome imported = run(kCli + " import '" + json + "' -o '" + out + "'");
    EXPECT_EQ(imported.status, 1) << imported.out;
    EXPECT_NE(imported.out.find("function 254"), std::string::npos) << imported.out;
    EXPECT_FALSE(fs::exists(out));
}

TEST_F(CliPrograms, ProjectFilesLargerThanAnyProjectAreRefusedUnread)
{
    const std::string refused(util::messageText(util::msg::kFileNotReadable, 0x409));
    // The refusal, the file and the reason: too large for any project.
    const std::string tooLarge(util::messageText(util::msg::kFileTooLarge, 0x409));
    const auto refusedAsTooLarge = [&](const std::string &out, const std::string &file) {
        return out.rfind(refused + "\n\nFile: " + file + "\n", 0) == 0
                && out.find(tooLarge.substr(0, tooLarge.find('%'))) != std::string::npos;
    };
    // A real project with zeros behind it, and a header that claims them as part of the screen
    // area: each area still parses, but no project can be this large.
    auto bytes = *util::readFile(m_project);
    const std::uint64_t size = core::kMaxProjectFileSize + 1;
    util::setLe32(bytes, 6, std::uint32_t(size));
    util::setLe32(bytes, 78 + 24, util::le32(bytes, 78 + 24) + std::uint32_t(size - bytes.size()));
    const std::string large = m_dir + "/large.kvr";
    ASSERT_TRUE(util::writeFileAtomic(large, bytes));
    fs::resize_file(large, size);
    for (const char *command : {"info", "check", "export"}) {
        const Outcome r
                = run("LANG=en_US.UTF-8 LC_ALL= " + kCli + " " + command + " '" + large + "'");
        EXPECT_EQ(r.status, 1) << command << ": " << r.out;
        EXPECT_TRUE(refusedAsTooLarge(r.out, large)) << command << ": " << r.out;
    }
    // One byte less is a size a project may have (this one's areas are consistent).
    fs::resize_file(large, size - 1);
    util::setLe32(bytes, 6, std::uint32_t(size - 1));
    util::setLe32(bytes, 78 + 24, util::le32(bytes, 78 + 24) - 1);
    std::fstream(large, std::ios::in | std::ios::out | std::ios::binary)
            .write(reinterpret_cast<const char *>(bytes.data()), 122);
    EXPECT_EQ(run(kCli + " info '" + large + "'").status, 0);

    // 2 GiB: refused at once, not after reading it all.
    const std::string huge = m_dir + "/huge.kvr";
    fs::copy_file(m_project, huge);
    fs::resize_file(huge, 2ull << 30);
    const auto start = std::chrono::steady_clock::now();
    const Outcome r = run("LANG=en_US.UTF-8 LC_ALL= " + kCli + " info '" + huge + "'");
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(refusedAsTooLarge(r.out, huge)) << r.out;
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));
}

TEST_F(CliPrograms, ShortFileGetsTheRefusalOfTheUsersLanguage)
{
    const std::string shortFile = m_dir + "/short.kvr";
    auto bytes = *util::readFile(m_project);
    bytes.resize(core::kProjectHeaderSize - 1);
    ASSERT_TRUE(util::writeFileAtomic(shortFile, bytes));
    for (const auto &[locale, langId] :
         {std::pair<const char *, std::uint16_t>{"ko_KR.UTF-8", 0x412}, {"en_US.UTF-8", 0x409}})
        for (const char *command : {"check", "info"}) {
            const Outcome r = run(std::string("LC_ALL= LANG=") + locale + " " + kCli + " " + command
                                  + " '" + shortFile + "'");
            EXPECT_EQ(r.status, 1);
            // The refusal, the file and why: too short to be a project.
            std::string named(util::messageText(util::msg::kFileNamed, langId));
            named.replace(named.find("%s"), 2, shortFile);
            EXPECT_EQ(r.out,
                      std::string(util::messageText(util::msg::kFileNotReadable, langId)) + "\n\n"
                              + named + "\n"
                              + std::string(util::messageText(util::msg::kNotProjectFile, langId))
                              + "\n")
                    << locale << " " << command;
        }
}

TEST_F(CliPrograms, SavingFollowsLinksAndSaysWhyItFails)
{
    // Over a link: the linked file changes, the link stays.
    const std::string link = m_dir + "/link.kvr";
    fs::create_symlink(m_project, link);
    const auto before = util::readFile(m_project);
    ASSERT_EQ(run(kCli + " new --force '" + link + "'").status, 0);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_TRUE(core::checkProjectFile(m_project).ok);

    // A read-only project is not replaced.
    fs::permissions(m_project, fs::perms::owner_read | fs::perms::group_read);
    const Outcome locked = run(kCli + " new --force '" + m_project + "'");
    EXPECT_EQ(locked.status, 1);
    EXPECT_NE(locked.out.find("read-only"), std::string::npos) << locked.out;
    EXPECT_EQ(util::readFile(m_project), before);

    // Past the file-size limit: a message and a failed save, not a death by signal.
    const std::string limited = m_dir + "/limited.kvr";
    const Outcome full = run("sh -c \"ulimit -f 1; exec " + kCli + " new '" + limited + "'\"");
    EXPECT_TRUE(full.exited) << full.out;
    EXPECT_EQ(full.status, 1);
    EXPECT_NE(full.out.find(std::strerror(EFBIG)), std::string::npos) << full.out;
    EXPECT_FALSE(fs::exists(limited));
}

TEST_F(CliPrograms, AreaImagesAreWrittenAsAWholeSetOrNotAtAll)
{
    // Z.bin (the drivers, 40 KiB) is beyond the limit, the other areas are within it.
    const std::string areas = kCli + " areas '" + m_project + "' --with-files -o ";
    const auto limited = [&](const std::string &dir) {
        return run("sh -c \"trap '' XFSZ; ulimit -f 8; exec " + areas + "'" + dir + "'\"");
    };
    const std::string fresh = m_dir + "/fresh";
    const Outcome none = limited(fresh);
    EXPECT_TRUE(none.exited) << none.out;
    EXPECT_NE(none.status, 0) << none.out;
    EXPECT_NE(none.out.find(std::strerror(EFBIG)), std::string::npos) << none.out;
    EXPECT_FALSE(fs::exists(fresh)) << "no part of the set is left";

    const std::string kept = m_dir + "/kept";
    const char *const names[] = {"G.bin", "S.bin", "R.bin", "C.bin", "P.bin", "Z.bin"};
    fs::create_directory(kept);
    for (const char *name : names)
        std::ofstream(kept + "/" + name) << "old";
    EXPECT_NE(limited(kept).status, 0);
    for (const char *name : names) {
        const auto data = util::readFile(kept + "/" + name);
        EXPECT_EQ(data, util::Bytes({'o', 'l', 'd'})) << name << " of the old set was replaced";
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(kept), fs::directory_iterator()), 6);

    ASSERT_EQ(run(areas + "'" + kept + "'").status, 0);
    EXPECT_EQ(fs::file_size(kept + "/Z.bin"), 40960u);
}

TEST_F(CliPrograms, OutputsThatAreNoRegularFileAreNotReplaced)
{
    // A named pipe gets the output as a shell redirection would give it.
    const std::string fifo = m_dir + "/out.fifo", got = m_dir + "/got";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    const Outcome exported
            = run("sh -c \"cat '" + fifo + "' > '" + got + "' & " + kCli + " export '" + m_project
                  + "' -o '" + fifo + "'; s=\\$?; wait; exit \\$s\"");
    EXPECT_EQ(exported.status, 0) << exported.out;
    EXPECT_TRUE(fs::is_fifo(fifo));
    const auto json = util::readFile(got);
    ASSERT_TRUE(json && !json->empty());
    EXPECT_EQ(json->front(), '{');

    // A folder is refused with the reason, by the exporter and by the simulator's picture.
    const std::string folder = m_dir + "/folder", areas = m_dir + "/areas";
    fs::create_directory(folder);
    ASSERT_EQ(run(kCli + " areas '" + m_project + "' -o '" + areas + "'").status, 0);
    const Outcome commands[] = {run(kCli + " export '" + m_project + "' -o '" + folder + "'"),
                                run("'" + kDir + "/velmar-panel-sim' --render '" + areas
                                    + "' --screen 0 -o '" + folder + "'")};
    for (const Outcome &o : commands) {
        EXPECT_EQ(o.status, 1) << o.out;
        EXPECT_NE(o.out.find(std::strerror(EISDIR)), std::string::npos) << o.out;
    }
    EXPECT_TRUE(fs::is_directory(folder));
    EXPECT_TRUE(fs::is_empty(folder));
}

// A copy of the program folder damaged the ways users' folders were found: the programs name the
// file and go on, instead of looping, blaming the project or dying inside the system loader.
TEST_F(CliPrograms, DamagedProgramFolderIsNamedAndSurvived)
{
    const fs::path folder = fs::path(m_dir) / "program";
    fs::create_directories(folder / "Protocols");
    for (const char *name : {"APP.INI", "GUI.INI", "PLC.INI"})
        fs::copy_file(fs::path(kDir) / name, folder / name);
    for (const auto &file : fs::directory_iterator(fs::path(kDir) / "Protocols"))
        fs::copy_file(file.path(), folder / "Protocols" / file.path().filename());
    const std::string info = "timeout 60 env LC_ALL= LANG=en_US.UTF-8 " + kCli + " info '"
            + m_project + "' --program-dir '" + folder.string() + "'";

    // A driver cut short: mapping it used to end even `info` with SIGBUS.
    const fs::path driver = folder / "Protocols" / "libvelmar_modbus.so";
    fs::resize_file(driver, fs::file_size(driver) / 2);
    Outcome r = run(info);
    EXPECT_TRUE(r.exited) << r.out;
    EXPECT_EQ(r.status, 0) << r.out;
    EXPECT_NE(r.out.find("libvelmar_modbus.so"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("screens: 1"), std::string::npos) << r.out;

    // Counts far beyond any list: read up to what the program holds, at once.
    std::ifstream in(folder / "APP.INI", std::ios::binary);
    std::string app{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    app.replace(app.find("TOTAL_RES=2"), 11, "TOTAL_RES=2000000000");
    std::ofstream(folder / "APP.INI", std::ios::binary) << app;
    const auto t0 = std::chrono::steady_clock::now();
    r = run(info);
    EXPECT_LT(std::chrono::steady_clock::now() - t0, std::chrono::seconds(20));
    EXPECT_EQ(r.status, 0) << r.out;
    EXPECT_NE(r.out.find("TOTAL_RES=2000000000"), std::string::npos) << r.out;

    // No PLC.INI, an empty one, a garbage one: the file is named.
    const std::string plcIni = (folder / "PLC.INI").string();
    for (const char *content : {static_cast<const char *>(nullptr), "", "\x01\xFE garbage\n"}) {
        fs::remove(plcIni);
        if (content)
            std::ofstream(plcIni, std::ios::binary) << content;
        r = run(info);
        EXPECT_EQ(r.status, 0) << r.out;
        EXPECT_NE(r.out.find(plcIni), std::string::npos) << r.out;
    }
}
