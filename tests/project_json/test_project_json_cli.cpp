// dorvane-cli export and import as a user runs them: a project file survives the trip through
// JSON byte for byte, and a refused document writes nothing and names the bad field (also when
// only the channel's driver can tell that an address is bad).

#include "util/file_io.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sys/wait.h>

namespace {

const std::string kCli = std::string(DORVANE_RUNTIME_DIR) + "/dorvane-cli";

struct CliRun
{
    int status = -1;
    std::string out; // standard output and error
};

CliRun run(const std::string &args)
{
    CliRun r;
    const std::string cmd = "'" + kCli + "' " + args + " 2>&1";
    std::unique_ptr<FILE, int (*)(FILE *)> p(::popen(cmd.c_str(), "r"), ::pclose);
    std::array<char, 4096> buf{};
    while (p && std::fgets(buf.data(), int(buf.size()), p.get()))
        r.out += buf.data();
    const int status = ::pclose(p.release());
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

std::string readText(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class ProjectJsonCli : public ::testing::Test
{
protected:
    void SetUp() override
    {
        char tmpl[] = "/tmp/dorvane-jsoncli-XXXXXX";
        m_dir = ::mkdtemp(tmpl);
        ASSERT_EQ(run("new " + path("a.kvr")).status, 0);
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }
    std::string path(const char *name) const { return m_dir + "/" + name; }

    std::string m_dir;
};

} // namespace

TEST_F(ProjectJsonCli, ExportThenImportGivesTheSameFile)
{
    ASSERT_EQ(run("export " + path("a.kvr") + " -o " + path("a.json")).status, 0);
    const CliRun toStdout = run("export " + path("a.kvr"));
    EXPECT_EQ(toStdout.status, 0);
    EXPECT_EQ(toStdout.out, readText(path("a.json")));

    ASSERT_EQ(run("import " + path("a.json") + " -o " + path("b.kvr")).status, 0);
    EXPECT_EQ(util::readFile(path("b.kvr")), util::readFile(path("a.kvr")));

    // An existing file is replaced only on request.
    EXPECT_EQ(run("import " + path("a.json") + " -o " + path("b.kvr")).status, 1);
    EXPECT_EQ(run("import " + path("a.json") + " -o " + path("b.kvr") + " --force").status, 0);
}

TEST_F(ProjectJsonCli, RefusedDocumentWritesNothing)
{
    ASSERT_EQ(run("export " + path("a.kvr") + " -o " + path("a.json")).status, 0);
    std::string json = readText(path("a.json"));
    const std::string from = "\"backlightWait\": 20";
    ASSERT_NE(json.find(from), std::string::npos);
    json.replace(json.find(from), from.size(), "\"backlightWait\": 70000");
    std::ofstream(path("bad.json")) << json;

    const CliRun r = run("import " + path("bad.json") + " -o " + path("bad.kvr"));
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.out.find("parameters.fields.backlightWait: expected an integer 0-65535"),
              std::string::npos)
            << r.out;
    EXPECT_FALSE(util::fileExists(path("bad.kvr")));

    std::ofstream(path("broken.json")) << "{ \"format\": ";
    EXPECT_EQ(run("import " + path("broken.json") + " -o " + path("bad.kvr")).status, 1);
    EXPECT_FALSE(util::fileExists(path("bad.kvr")));
}

TEST_F(ProjectJsonCli, AddressTheDriverRefusesFailsAndKeepsTheExistingFile)
{
    // The demo talks Modbus on channel 1; holding register 0 does not exist (they count from 1).
    const auto demo = util::readFile(std::string(DORVANE_SOURCE_DIR) + "/demo/demo_project.json");
    ASSERT_TRUE(demo);
    auto j = nlohmann::ordered_json::parse(demo->begin(), demo->end());
    std::string where;
    for (std::size_t s = 0; s < j["screens"].size() && where.empty(); ++s) {
        auto &tags = j["screens"][s]["tags"];
        for (std::size_t t = 0; t < tags.size() && where.empty(); ++t) {
            auto &tag = tags[t];
            if (tag["kind"] == "numeric" && tag["fields"]["point"]["channel"] == 1) {
                tag["fields"]["point"]["address"] = "4x";
                tag["fields"]["point"]["second"] = "0";
                where = "screens[" + std::to_string(s) + "].tags[" + std::to_string(t)
                        + "].fields.point.address: channel 1's driver refuses the word address "
                          "(area \"4x\", number \"0\"); it expects one of the areas 3x, 4x";
            }
        }
    }
    ASSERT_FALSE(where.empty()) << "the demo has a numeric tag on channel 1";
    std::ofstream(path("bad.json")) << j.dump(2);

    const auto before = util::readFile(path("a.kvr"));
    const CliRun r = run("import " + path("bad.json") + " -o " + path("a.kvr") + " --force");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.out.find(where), std::string::npos) << r.out;
    EXPECT_EQ(util::readFile(path("a.kvr")), before);

    EXPECT_EQ(run("import " + path("bad.json") + " -o " + path("new.kvr")).status, 1);
    EXPECT_FALSE(util::fileExists(path("new.kvr")));
}
