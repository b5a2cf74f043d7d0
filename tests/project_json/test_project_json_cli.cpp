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
#include <functional>
#include <memory>
#include <sys/wait.h>
#include <vector>

namespace {

const std::string kCli = std::string(DORVANE_RUNTIME_DIR) + "/dorvane-cli";

struct CliRun
{
    int status = -1;
    std::string out; // standard output and error
};

// `shellPrefix` runs before the program in the same shell, for limits such as "ulimit -v N; ".
CliRun run(const std::string &args, const std::string &shellPrefix = "")
{
    CliRun r;
    const std::string cmd = shellPrefix + "'" + kCli + "' " + args + " 2>&1";
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

TEST_F(ProjectJsonCli, ChannelTwoAddressesAreJudgedByItsOwnDriver)
{
    // Channel 2 talks to a letter-area PLC; the demo's Modbus addresses, moved to channel 2, are
    // no addresses of that driver. Each place a device address is held is refused on its own.
    const auto demo = util::readFile(std::string(DORVANE_SOURCE_DIR) + "/demo/demo_project.json");
    ASSERT_TRUE(demo);
    auto base = nlohmann::ordered_json::parse(demo->begin(), demo->end());
    base["parameters"]["fields"]["channel2"]["plcType"] = 0x0020;
    // The tag at (screen, tag) of a kind, and its point under `key`.
    const auto point = [](nlohmann::ordered_json &j, const char *kind, const char *key,
                          std::string &where) -> nlohmann::ordered_json & {
        for (std::size_t s = 0; s < j["screens"].size(); ++s) {
            auto &tags = j["screens"][s]["tags"];
            for (std::size_t t = 0; t < tags.size(); ++t)
                if (tags[t]["kind"] == kind && tags[t]["fields"][key]["channel"] == 1) {
                    where = "screens[" + std::to_string(s) + "].tags[" + std::to_string(t)
                            + "].fields." + key;
                    return tags[t]["fields"][key];
                }
        }
        ADD_FAILURE() << "the demo has a " << kind << " on channel 1";
        return j;
    };
    using Edit = std::function<std::string(nlohmann::ordered_json &)>;
    const std::vector<Edit> edits{
            [&](auto &j) {
                std::string where;
                point(j, "numeric", "point", where)["channel"] = 2;
                return where
                        + ".address: channel 2's driver refuses the word address (area "
                          "\"4x\", number \"2\"); it expects one of the areas D, W, SD";
            },
            [&](auto &j) {
                std::string where;
                point(j, "moving", "yPoint", where)["channel"] = 2;
                return where + ".address: channel 2's driver refuses the word address (area \"4x\"";
            },
            [](auto &j) {
                j["alarms"][0]["fields"]["device"]["channel"] = 2;
                return std::string("alarms[0].fields.device.address: channel 2's driver does not "
                                   "read this field as a bit address it builds");
            },
            [](auto &j) {
                j["transfers"][0]["fields"]["plc"]["channel"] = 2;
                return std::string("transfers[0].fields.plc.address: channel 2's driver does not "
                                   "read this field as a word address it builds");
            },
            [](auto &j) {
                auto &keys = j["screens"][1]["functionKeys"];
                for (std::size_t k = 0; k < keys.size(); ++k)
                    if (keys[k]["fields"]["target"]["channel"] == 1) {
                        keys[k]["fields"]["target"]["channel"] = 2;
                        return "screens[1].functionKeys[" + std::to_string(k)
                                + "].fields.target.address: channel 2's driver does not read";
                    }
                ADD_FAILURE() << "the demo's screen 1 has a key acting on channel 1";
                return std::string();
            },
    };

    std::ofstream(path("base.json")) << base.dump(2);
    ASSERT_EQ(run("import " + path("base.json") + " -o " + path("base.kvr")).status, 0)
            << "the letter-area PLC on channel 2 alone is accepted";
    for (const Edit &edit : edits) {
        auto j = base;
        const std::string where = edit(j);
        std::ofstream(path("bad.json")) << j.dump(2);
        const CliRun r = run("import " + path("bad.json") + " -o " + path("bad.kvr"));
        EXPECT_EQ(r.status, 1) << where;
        EXPECT_NE(r.out.find("bad.json: " + where), std::string::npos) << r.out;
        EXPECT_FALSE(util::fileExists(path("bad.kvr"))) << where;
    }
}

TEST_F(ProjectJsonCli, HostileDocumentsEndWithAMessageWithinLittleMemory)
{
    const auto import = [&](const std::string &name, const std::string &text) {
        {
            std::ofstream out(path(name.c_str()), std::ios::binary);
            out << text;
        }
        // 512 MB of address space: the program and its libraries take a small part of it.
        const CliRun r = run("import " + path(name.c_str()) + " -o " + path("out.kvr"),
                             "ulimit -v 524288; ");
        EXPECT_EQ(r.status, 1) << name << ": " << r.out.substr(0, 300);
        EXPECT_FALSE(util::fileExists(path("out.kvr")));
        return r.out;
    };
    const std::size_t levels = 50000;
    EXPECT_NE(import("deep.json",
                     "{\"a\":" + std::string(levels, '[') + std::string(levels, ']') + ",\"b\":1}")
                      .find("nested deeper than 64 levels"),
              std::string::npos);
    // Within the size cap, empty objects took 30 times their size in memory.
    std::string objects = "{\"messages\":[{}";
    while (objects.size() < 15u << 20)
        objects += ",{}";
    EXPECT_NE(import("objects.json", objects + "]}").find("messages: a list of more than 65536"),
              std::string::npos);
    EXPECT_NE(import("large.json", std::string(17u << 20, ' ') + "{}")
                      .find("large.json: the document has 17825794 bytes, at most 16777216"),
              std::string::npos);
}
