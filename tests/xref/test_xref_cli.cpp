// dorvane-cli xref, replace-address and csv as a user runs them on the demo project: JSON of a
// point, a refused replace that writes nothing, and CSV out and back in to the same file.

#include "util/file_io.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const std::string kCli = std::string(DORVANE_RUNTIME_DIR) + "/dorvane-cli";
const std::string kDemo = std::string(DORVANE_RUNTIME_DIR) + "/Project/Demo.kvr";

struct CliRun
{
    int status = -1;
    std::string out; // standard output and error
};

CliRun run(const std::string &args)
{
    CliRun r;
    const std::string cmd = "LANG=C.UTF-8 '" + kCli + "' " + args + " 2>&1";
    std::unique_ptr<FILE, int (*)(FILE *)> p(::popen(cmd.c_str(), "r"), ::pclose);
    std::array<char, 4096> buf{};
    while (p && std::fgets(buf.data(), int(buf.size()), p.get()))
        r.out += buf.data();
    const int status = ::pclose(p.release());
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

class XrefCli : public ::testing::Test
{
protected:
    void SetUp() override
    {
        char tmpl[] = "/tmp/dorvane-xrefcli-XXXXXX";
        m_dir = ::mkdtemp(tmpl);
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }
    std::string path(const char *name) const { return m_dir + "/" + name; }

    std::string m_dir;
};

TEST_F(XrefCli, PrintsAPointWithItsUsersAsJson)
{
    const CliRun r = run("xref " + kDemo + " --json --point 1-1-1x2");
    ASSERT_EQ(r.status, 0) << r.out;
    const auto j = nlohmann::json::parse(r.out);
    ASSERT_EQ(j["points"].size(), 1u);
    const auto &p = j["points"][0];
    EXPECT_EQ(p["access"], "R");
    ASSERT_EQ(p["users"].size(), 2u);
    EXPECT_EQ(p["users"][0]["kind"], "tag");
    EXPECT_EQ(p["users"][0]["screen"], 3);
    EXPECT_EQ(p["users"][1]["kind"], "alarm");
    EXPECT_EQ(p["users"][1]["number"], 1);

    EXPECT_EQ(run("xref " + kDemo + " --point 9-9-none").status, 1);
    const CliRun all = run("xref " + kDemo);
    EXPECT_EQ(all.status, 0);
    EXPECT_NE(all.out.find("RTC_C_Y"), std::string::npos);
}

TEST_F(XrefCli, ReplaceWritesNothingWhenTheDriverRefuses)
{
    const CliRun refused = run("replace-address " + kDemo
                               + " --channel 1 --from 4x1-4x10 --to 4x65530 -o " + path("a.kvr"));
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.out.find("4x65539"), std::string::npos) << refused.out;
    EXPECT_FALSE(std::filesystem::exists(path("a.kvr")));

    ASSERT_EQ(run("replace-address " + kDemo + " --channel 1 --from 4x1-4x10 --to 4x65530 -o "
                  + path("a.kvr") + " --skip-refused")
                      .status,
              0);
    // An existing file stays unless asked, and moving back gives the demo again.
    EXPECT_EQ(run("replace-address " + path("a.kvr")
                  + " --channel 1 --from 4x65530-4x65536 --to "
                    "4x1 -o "
                  + path("a.kvr"))
                      .status,
              1);
    ASSERT_EQ(run("replace-address " + path("a.kvr")
                  + " --channel 1 --from 4x65530-4x65536 --to "
                    "4x1 --kind tag --kind key --kind calculation --kind transfer -o "
                  + path("b.kvr"))
                      .status,
              0);
    EXPECT_EQ(util::readFile(path("b.kvr")), util::readFile(kDemo));
}

TEST_F(XrefCli, ReplaceByAnOffsetAndBack)
{
    ASSERT_EQ(run("replace-address " + kDemo + " --channel 1 --from 4x1-4x10 --offset 1000 -o "
                  + path("up.kvr"))
                      .status,
              0);
    EXPECT_NE(util::readFile(path("up.kvr")), util::readFile(kDemo));
    ASSERT_EQ(run("replace-address " + path("up.kvr")
                  + " --channel 1 --from 4x1001-4x1010 --offset -1000 -o " + path("back.kvr"))
                      .status,
              0);
    EXPECT_EQ(util::readFile(path("back.kvr")), util::readFile(kDemo));
    // One target only, and one is needed.
    EXPECT_NE(run("replace-address " + kDemo + " --channel 1 --from 4x1 --to 4x2 --offset 1 -o "
                  + path("c.kvr"))
                      .status,
              0);
    EXPECT_EQ(run("replace-address " + kDemo + " --channel 1 --from 4x1 -o " + path("c.kvr")).status,
              1);
    EXPECT_FALSE(std::filesystem::exists(path("c.kvr")));
}

TEST_F(XrefCli, CsvOutAndBackInGivesTheSameProject)
{
    for (const char *table : {"tags", "alarms", "messages"}) {
        const std::string csv = path("t.csv");
        ASSERT_EQ(run("csv export " + kDemo + " --table " + table + " -o " + csv).status, 0);
        const util::Bytes written = util::readFile(csv).value_or(util::Bytes{});
        EXPECT_EQ(run("csv export " + kDemo + " --table " + table).out,
                  std::string(written.begin(), written.end()));
        const CliRun in = run("csv import " + kDemo + " --table " + table + " " + csv + " -o "
                              + path("r.kvr") + " --force");
        ASSERT_EQ(in.status, 0) << in.out;
        EXPECT_EQ(util::readFile(path("r.kvr")), util::readFile(kDemo)) << table;
    }
    std::ofstream(path("bad.csv")) << "number,message\n7,x\n";
    const CliRun bad = run("csv import " + kDemo + " --table alarms " + path("bad.csv") + " -o "
                           + path("bad.kvr"));
    EXPECT_EQ(bad.status, 1);
    EXPECT_NE(bad.out.find("row 2"), std::string::npos) << bad.out;
    EXPECT_FALSE(std::filesystem::exists(path("bad.kvr")));
    EXPECT_EQ(run("csv export " + kDemo + " --table screens").status, 1);
    // The shared options come after the command as after any other.
    EXPECT_EQ(run("csv export " + kDemo + " --table messages --program-dir " DORVANE_RUNTIME_DIR)
                      .status,
              0);
}

} // namespace
