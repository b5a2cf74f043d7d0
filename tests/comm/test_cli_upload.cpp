// dorvane-cli upload against the panel simulator: like every command that writes a project, it
// replaces an existing file only when told to with --force.

#include "comm/sim_process.h"

#include "util/file_io.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Outcome
{
    int status = -1;
    std::string out; // standard output and standard error together
};

Outcome cli(const std::string &args)
{
    Outcome r;
    const std::string cmd = "'" DORVANE_RUNTIME_DIR "/dorvane-cli' " + args + " 2>&1";
    FILE *p = ::popen(cmd.c_str(), "r");
    std::array<char, 4096> buf{};
    while (p && std::fgets(buf.data(), int(buf.size()), p))
        r.out += buf.data();
    const int s = p ? ::pclose(p) : -1;
    r.status = WIFEXITED(s) ? WEXITSTATUS(s) : -1;
    return r;
}

} // namespace

TEST(CliUpload, ExistingProjectIsReplacedOnlyWithForce)
{
    char tmpl[] = "/tmp/dorvane-cliupload-XXXXXX";
    const std::string dir = ::mkdtemp(tmpl);
    const std::string project = dir + "/plant.kvr", kept = dir + "/kept.kvr";
    ASSERT_EQ(cli("new '" + project + "'").status, 0);
    testsupport::SimProcess sim;
    ASSERT_TRUE(sim.start());
    const std::string port = " --yes --port '" + sim.port() + "'";
    ASSERT_EQ(cli("download '" + project + "'" + port).status, 0);

    std::ofstream(kept) << "keep";
    const Outcome refused = cli("upload -o '" + kept + "'" + port);
    EXPECT_EQ(refused.status, 1) << refused.out;
    EXPECT_NE(refused.out.find("--force"), std::string::npos) << refused.out;
    EXPECT_EQ(util::readFile(kept), util::Bytes({'k', 'e', 'e', 'p'}));

    const Outcome forced = cli("upload -o '" + kept + "' --force" + port);
    EXPECT_EQ(forced.status, 0) << forced.out;
    EXPECT_EQ(util::readFile(kept), util::readFile(project));

    const std::string fresh = dir + "/fresh.kvr";
    EXPECT_EQ(cli("upload -o '" + fresh + "'" + port).status, 0);
    EXPECT_EQ(util::readFile(fresh), util::readFile(project));
    std::filesystem::remove_all(dir);
}
