// dorvane-cli watch against the pymodbus slave: the demo's points read once as the tag list
// names them, as JSON, one screen's points, a failed read named with status 1, a channel that
// cannot go online refused with status 2, and the changes printed scan after scan.

#include "slave_process.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct CliRun
{
    std::string out;
    int status = -1;
};

CliRun runCli(const std::string &args)
{
    const std::string command = std::string(DORVANE_RUNTIME_DIR) + "/dorvane-cli watch "
            + DORVANE_RUNTIME_DIR + "/Project/Demo.kvr " + args + " 2>&1";
    CliRun r;
    FILE *p = ::popen(command.c_str(), "r");
    if (!p)
        return r;
    char buf[4096];
    std::size_t n = 0;
    while ((n = std::fread(buf, 1, sizeof buf, p)) > 0)
        r.out.append(buf, n);
    const int status = ::pclose(p);
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

class Watch : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_slave.running());
        m_slave.command("set hr 0 2 1234 55 7");
        m_slave.command("set hr 5 65535");
        m_slave.command("set hr 9 1 57920");
        m_slave.command("set di 0 1");
        m_slave.command("set co 1 1");
    }
    std::string plc() const { return "--plc 1=" + m_slave.tcp() + " --timeout 100"; }

    onlinetest::SlaveProcess m_slave{"tcp"};
};

TEST_F(Watch, ReadsEveryPointOnceAsTheTagListNamesIt)
{
    const CliRun r = runCli(plc() + " --once");
    EXPECT_EQ(r.status, 0) << r.out;
    EXPECT_NE(r.out.find("1-1-4x2  1234\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("1-1-4x10  123456\n"), std::string::npos) << "a double word, high first";
    EXPECT_NE(r.out.find("1-1-1x1  1\n"), std::string::npos);
    EXPECT_NE(r.out.find("1-1-0x2  1\n"), std::string::npos);
    EXPECT_NE(r.out.find("1-1-4x5  0\n"), std::string::npos) << "screen 4's entry is listed too";
    const CliRun screen = runCli(plc() + " --once --json --screen 0");
    EXPECT_EQ(screen.status, 0) << screen.out;
    EXPECT_NE(screen.out.find("\"1-1-4x2\":1234"), std::string::npos) << screen.out;
    EXPECT_EQ(screen.out.find("1-1-4x5"), std::string::npos) << "not read while screen 0 shows";
}

TEST(WatchRtu, ReadsOverASerialLineWithTheChannelsSettingsOrTheChosenOnes)
{
    onlinetest::SlaveProcess slave("rtu");
    ASSERT_TRUE(slave.running());
    slave.command("set hr 1 4321");
    // The demo's channel 1 runs at 38400 baud, no parity; a pseudo-terminal takes any setting.
    for (const std::string &line : {slave.where(), slave.where() + ":19200:E"}) {
        const CliRun r = runCli("--plc 1=" + line + " --timeout 200 --once --screen 0");
        EXPECT_EQ(r.status, 0) << r.out;
        EXPECT_NE(r.out.find("1-1-4x2  4321\n"), std::string::npos) << r.out;
    }
}

TEST_F(Watch, NamesFailedPointsAndRefusesChannelsThatCannotGoOnline)
{
    m_slave.command("silent on");
    const CliRun silent = runCli(plc() + " --once --screen 0");
    EXPECT_EQ(silent.status, 1);
    EXPECT_NE(silent.out.find("1-1-4x2  failed: station 1, 4x1-11: no answer"), std::string::npos)
            << silent.out;
    const CliRun json = runCli(plc() + " --once --json --screen 0");
    EXPECT_EQ(json.status, 1);
    EXPECT_NE(json.out.find("\"1-1-4x2\":null"), std::string::npos) << json.out;
    const CliRun unused = runCli("--plc 2=" + m_slave.tcp() + " --once");
    EXPECT_EQ(unused.status, 2);
    EXPECT_NE(unused.out.find("channel 2 has no PLC"), std::string::npos) << unused.out;
    const CliRun bad = runCli("--plc 1=/dev/null:12345 --once");
    EXPECT_EQ(bad.status, 2);
    EXPECT_NE(bad.out.find("unknown baud rate \"12345\""), std::string::npos) << bad.out;
}

TEST_F(Watch, PrintsWhatChangesScanAfterScanUntilInterrupted)
{
    int out[2];
    ASSERT_EQ(::pipe(out), 0);
    const std::string cli = std::string(DORVANE_RUNTIME_DIR) + "/dorvane-cli";
    const std::string demo = std::string(DORVANE_RUNTIME_DIR) + "/Project/Demo.kvr";
    const std::string choice = "1=" + m_slave.tcp();
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(out[1], 1);
        ::close(out[0]);
        ::execl(cli.c_str(), cli.c_str(), "watch", demo.c_str(), "--plc", choice.c_str(),
                "--screen", "0", "--cycle", "20", static_cast<char *>(nullptr));
        ::_exit(127);
    }
    ::close(out[1]);
    FILE *p = ::fdopen(out[0], "r");
    ASSERT_TRUE(p);
    char line[256];
    // The whole screen first: screen 0 reads 12 points.
    for (int i = 0; i < 12 && std::fgets(line, sizeof line, p); ++i) { }
    m_slave.command("set hr 1 999");
    std::string next;
    if (std::fgets(line, sizeof line, p))
        next = line;
    EXPECT_EQ(next, "1-1-4x2  999\n") << "only the point that changed";
    ::kill(pid, SIGINT);
    int status = 0;
    ::waitpid(pid, &status, 0);
    std::fclose(p);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
}

} // namespace
