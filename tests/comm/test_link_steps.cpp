// The link's frame steps without a panel: request building, block arithmetic, reception over a
// bare pseudo-terminal pair, error texts and the log file.

#include "core/comm/comm_thread.h"
#include "core/comm/frame_codec.h"
#include "util/ini_file.h"

#include "fake_ui.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdlib.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

using namespace comm;

namespace {

util::Bytes readResponse(std::uint8_t main, std::uint8_t sub, const util::Bytes &data)
{
    return buildResponse(main, sub, data);
}

// A pseudo-terminal pair: the link opens the slave, the test plays the panel on the master.
struct PtyPair
{
    int master = -1;
    std::string slave;
    PtyPair()
    {
        master = ::posix_openpt(O_RDWR | O_NOCTTY);
        ::grantpt(master);
        ::unlockpt(master);
        slave = ::ptsname(master);
    }
    ~PtyPair() { ::close(master); }
    void send(const util::Bytes &b) const
    {
        EXPECT_EQ(::write(master, b.data(), b.size()), static_cast<ssize_t>(b.size()));
    }
};

std::string slurp(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

} // namespace

TEST(MakeFrame, AreaReadAsksForTheRemainderOrOneBlock)
{
    std::uint8_t buffer[4000] = {};
    COMM_CMD c{'r', 'S', buffer, 0, 0, 0};
    util::Bytes frame;
    std::size_t expected = 0;
    ASSERT_TRUE(CCommThread::MakeFrame(c, frame, expected));
    // Size unknown: one full block.
    EXPECT_EQ(frame, buildRequest('r', 'S', util::Bytes{0, 0, 0, 0x04, 0x00}));
    EXPECT_EQ(expected, 1030u);

    c = {'r', 'W', buffer, 2000, 440 + 1024, 440};
    ASSERT_TRUE(CCommThread::MakeFrame(c, frame, expected));
    EXPECT_EQ(frame.size(), 11u);
    EXPECT_EQ(be24(frame, 3), 1464u);
    EXPECT_EQ(util::be16(frame, 6), 976u);
    EXPECT_EQ(expected, 982u);
}

TEST(MakeFrame, WritesCarryTheBlockFromTheBufferOffset)
{
    util::Bytes buffer(1025);
    for (std::size_t i = 0; i < buffer.size(); ++i)
        buffer[i] = static_cast<std::uint8_t>(i);
    COMM_CMD c{'w', 'C', buffer, 1025, 0, 0};
    util::Bytes frame;
    std::size_t expected = 0;
    ASSERT_TRUE(CCommThread::MakeFrame(c, frame, expected));
    EXPECT_EQ(frame.size(), 1024u + 11);
    EXPECT_EQ(expected, 6u);
    c.current = 1024;
    ASSERT_TRUE(CCommThread::MakeFrame(c, frame, expected));
    EXPECT_EQ(frame, buildRequest('w', 'C', util::Bytes{0, 0x04, 0x00, 0, 1, buffer[1024]}));

    COMM_CMD empty{'w', 'G', {}, 0, 0, 0};
    ASSERT_TRUE(CCommThread::MakeFrame(empty, frame, expected));
    EXPECT_EQ(frame, buildRequest('w', 'G', util::Bytes{0, 0, 0, 0, 0}));
}

TEST(MakeFrame, ConnectionRequestsHaveTheirFixedLengths)
{
    std::uint8_t pwd[10] = {'a', 'b', 'c'};
    std::uint8_t clock[8] = {0x26, 0x12, 0x08, 0x14, 0x30, 0x00, 0x20, 0x02};
    const struct
    {
        COMM_CMD cmd;
        std::size_t length;
        std::size_t expected;
    } rows[] = {
            {{'r', 'T', clock, 8, 0, 0}, 6, 14}, {{'w', 'T', clock, 8, 0, 0}, 14, 6},
            {{'y', 'A', pwd, 10, 0, 0}, 16, 7},  {{'y', 'B', {}, 0, 0, 0}, 6, 6},
            {{'y', 'C', pwd, 1, 0, 0}, 6, 7},    {{'y', 'Z', {}, 0, 0, 0}, 8, 6},
    };
    for (const auto &row : rows) {
        util::Bytes frame;
        std::size_t expected = 0;
        ASSERT_TRUE(CCommThread::MakeFrame(row.cmd, frame, expected)) << row.cmd.sub;
        EXPECT_EQ(frame.size(), row.length) << row.cmd.main << row.cmd.sub;
        EXPECT_EQ(expected, row.expected) << row.cmd.main << row.cmd.sub;
    }
    util::Bytes frame;
    std::size_t expected = 0;
    ASSERT_TRUE(CCommThread::MakeFrame(rows[2].cmd, frame, expected));
    // The password goes as its 10 bytes, zero padded, no terminator of its own.
    EXPECT_EQ(frame, buildRequest('y', 'A', util::Bytes{'a', 'b', 'c', 0, 0, 0, 0, 0, 0, 0}));
    ASSERT_TRUE(CCommThread::MakeFrame(rows[5].cmd, frame, expected));
    EXPECT_EQ(frame, buildRequest('y', 'Z', util::Bytes{0xAA, 0x55}));
}

TEST(ProcessResponse, AreaReadTakesItsLengthFromTheFirstBlock)
{
    CCommThread link;
    util::Bytes buffer(0x8000);
    COMM_CMD c{'r', 'S', buffer, 0, 0, 0};
    util::Bytes data(1024, 0x11);
    util::setBe32(data, 0, 2049); // 1024 + 1024 + 1
    EXPECT_EQ(link.ProcessResponse(c, readResponse('r', 'S', data)), 1);
    EXPECT_EQ(c.size, 2049u);
    EXPECT_EQ(c.current, 1024u);
    EXPECT_EQ(link.ProcessResponse(c, readResponse('r', 'S', util::Bytes(1024, 0x22))), 1);
    EXPECT_EQ(c.current, 2048u);
    EXPECT_EQ(link.ProcessResponse(c, readResponse('r', 'S', util::Bytes{0x33})), 3);
    EXPECT_EQ(c.current, 2049u);
    EXPECT_EQ(buffer[4], 0x11);
    EXPECT_EQ(buffer[2047], 0x22);
    EXPECT_EQ(buffer[2048], 0x33);
    EXPECT_EQ(buffer[2049], 0x00);
    EXPECT_EQ(link.GetLastError(), 0u);
}

TEST(ProcessResponse, ExactlyOneBlockCompletesAtOnce)
{
    CCommThread link;
    util::Bytes buffer(0x4000);
    COMM_CMD c{'r', 'G', buffer, 0, 0, 0};
    util::Bytes data(1024, 0);
    util::setBe32(data, 0, 1024);
    EXPECT_EQ(link.ProcessResponse(c, readResponse('r', 'G', data)), 3);
    EXPECT_EQ(c.size, 1024u);

    COMM_CMD w{'w', 'C', buffer, 1024, 0, 0};
    EXPECT_EQ(link.ProcessResponse(w, readResponse('w', 'C', {})), 3);
    COMM_CMD w2{'w', 'C', buffer, 1025, 0, 0};
    EXPECT_EQ(link.ProcessResponse(w2, readResponse('w', 'C', {})), 1);
    EXPECT_EQ(w2.current, 1024u);
    EXPECT_EQ(link.ProcessResponse(w2, readResponse('w', 'C', {})), 3);
    EXPECT_EQ(w2.current, 1025u);
}

TEST(ProcessResponse, ReportedLengthsAreCheckedAgainstTheAreaLimits)
{
    CCommThread link;
    util::Bytes buffer(0x40000);
    const struct
    {
        std::uint8_t sub;
        std::uint32_t length;
        int result;
        std::uint16_t errorClass;
    } rows[] = {
            {'S', 0x8000, 1, 0},
            {'S', 0x8001, 5, ErrFrame},
            {'G', 0x4000, 1, 0},
            {'G', 0x4001, 5, ErrFrame},
            {'C', 0x10000, 1, 0},
            {'R', 0x10001, 5, ErrFrame},
            {'F', 0x40000, 1, 0},
            {'F', 0x40001, 5, ErrFrame},
            {'C', 0xFFFFFFFF, 5, ErrErased},
            {'S', 0xFFFFFFFF, 5, ErrErased},
    };
    for (const auto &row : rows) {
        COMM_CMD c{'r', row.sub, buffer, 0, 0, 0};
        util::Bytes data(1024, 0);
        util::setBe32(data, 0, row.length);
        EXPECT_EQ(link.ProcessResponse(c, readResponse('r', row.sub, data)), row.result)
                << row.sub << " " << row.length;
        EXPECT_EQ(link.GetLastError() >> 16, row.errorClass) << row.sub << " " << row.length;
    }
    EXPECT_EQ(testsupport::korean(CCommThread::ErrorText(ErrFrame << 16)), "Frame 에러");
    EXPECT_EQ(testsupport::korean(CCommThread::ErrorText(ErrErased << 16)),
              "메모리가 지워져 있습니다.");

    // A reported length the caller's buffer cannot hold is refused, never copied past its end.
    util::Bytes small(100);
    COMM_CMD c{'r', 'S', small, 0, 0, 0};
    util::Bytes data(1024, 0);
    util::setBe32(data, 0, 2000);
    EXPECT_EQ(link.ProcessResponse(c, readResponse('r', 'S', data)), 5);
}

TEST(ProcessResponse, ConnectionAnswersStoreTheirStatusByte)
{
    CCommThread link;
    std::uint8_t status[1] = {0xEE};
    COMM_CMD c{'y', 'C', status, 0, 0, 0};
    EXPECT_EQ(link.ProcessResponse(c, readResponse('y', 'C', {1})), 3);
    EXPECT_EQ(status[0], 1);
    EXPECT_EQ(c.size, 1u);
    COMM_CMD b{'y', 'B', {}, 0, 0, 0};
    EXPECT_EQ(link.ProcessResponse(b, readResponse('y', 'B', {})), 3);
}

TEST(ErrorTexts, ClassesAndPanelNakCodes)
{
    EXPECT_EQ(testsupport::korean(CCommThread::ErrorText(0)), "");
    EXPECT_EQ(testsupport::korean(CCommThread::ErrorText(1u << 16)), "통신 포트를 열 수 없습니다.");
    EXPECT_EQ(testsupport::korean(CCommThread::ErrorText(2u << 16)), "타임아웃 에러입니다.");
    EXPECT_EQ(testsupport::korean(CCommThread::ErrorText((3u << 16) | 4)),
              "NAK 수신 : Address 에러");
    EXPECT_EQ(testsupport::korean(CCommThread::ErrorText((3u << 16) | 0)), "NAK 수신 : BCC 에러");
    EXPECT_EQ(testsupport::korean(CCommThread::ErrorText((3u << 16) | 8)), "NAK 수신 : ");
    EXPECT_EQ(testsupport::korean(CCommThread::ErrorText(5u << 16)), "BCC 에러");
    EXPECT_EQ(testsupport::korean(CCommThread::ErrorText(6u << 16)),
              "통신 포트에 쓰는데 실패했습니다.");

    CCommThread link;
    EXPECT_EQ(testsupport::korean(link.GetAreaName('S')), "스트링");
    EXPECT_EQ(testsupport::korean(link.GetAreaName('T')), "날짜/시간");
    EXPECT_EQ(testsupport::korean(link.GetAreaName('W')), "");
    EXPECT_EQ(testsupport::korean(link.GetAreaName('Z')), "드라이버: ch1_nouse.drv, ch2_nouse.drv");
    link.SetDriverNames("MASTER_K.drv", "");
    EXPECT_EQ(testsupport::korean(link.GetAreaName('Z')), "드라이버: MASTER_K.drv, ch2_nouse.drv");
}

TEST(ReceiveFrame, ReassemblesPiecesAndTakesASevenByteNakWhereSixWereExpected)
{
    PtyPair pty;
    CCommThread link;
    link.SetDevicePath(pty.slave);
    ASSERT_TRUE(link.OpenPort());
    std::uint8_t rx[kFrameBufferSize];

    // An answer in three pieces.
    const util::Bytes answer = buildResponse('r', 'T', util::Bytes{1, 2, 3, 4, 5, 6, 7, 8});
    std::thread writer([&] {
        for (std::size_t i = 0; i < answer.size(); i += 5) {
            pty.send(util::Bytes(answer.begin() + i,
                                 answer.begin() + std::min(answer.size(), i + 5)));
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    });
    EXPECT_EQ(link.ReceiveFrame(rx, 14, 2000), 14);
    writer.join();
    EXPECT_TRUE(std::equal(answer.begin(), answer.end(), rx));

    // A whole NAK waiting while an ACK of 6 is expected.
    const util::Bytes nak = buildNak('w', 'S', NakAddress);
    pty.send(nak);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    ASSERT_EQ(link.ReceiveFrame(rx, 6, 2000), 7);
    EXPECT_FALSE(link.CheckFrame(util::ConstByteSpan(rx, 7), 'w', 'S'));
    EXPECT_EQ(link.GetLastError(), (3u << 16) | 4);

    // The same NAK arriving in two pieces is not cut at six bytes.
    std::thread slow([&] {
        pty.send(util::Bytes(nak.begin(), nak.begin() + 3));
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
        pty.send(util::Bytes(nak.begin() + 3, nak.end()));
    });
    EXPECT_EQ(link.ReceiveFrame(rx, 6, 2000), 7);
    slow.join();
}

TEST(ReceiveFrame, SilenceEndsWithATimeOutAfterTheGivenTime)
{
    PtyPair pty;
    CCommThread link;
    link.SetDevicePath(pty.slave);
    ASSERT_TRUE(link.OpenPort());
    std::uint8_t rx[kFrameBufferSize];
    const auto t0 = std::chrono::steady_clock::now();
    EXPECT_EQ(link.ReceiveFrame(rx, 6, 150), -1);
    const auto elapsed = std::chrono::steady_clock::now() - t0;
    EXPECT_GE(elapsed, std::chrono::milliseconds(150));
    EXPECT_LT(elapsed, std::chrono::milliseconds(1000));
    EXPECT_EQ(testsupport::korean(link.GetErrorText()), "타임아웃 에러입니다.");
}

// A port that cannot be opened is named with its device and the reason, in words a user can act
// on; the error keeps class 1 with the system's error number as its detail.
TEST(Port, OpenIsExclusiveAndAFailureNamesTheDeviceAndWhy)
{
    PtyPair pty;
    CCommThread a;
    a.SetDevicePath(pty.slave);
    ASSERT_TRUE(a.OpenPort());
    CCommThread b;
    b.SetDevicePath(pty.slave);
    EXPECT_FALSE(b.OpenPort());
    EXPECT_EQ(b.GetLastError() >> 16, 1u);
    EXPECT_EQ(testsupport::korean(b.GetErrorText()),
              "통신 포트를 열 수 없습니다.[" + pty.slave
                      + "]\n다른 프로그램이 이 포트를 사용하고 있습니다. 그 프로그램을 끝낸 후 "
                        "다시 시도하십시오.");
    a.ClosePort();
    EXPECT_TRUE(b.OpenPort());

    CCommThread missing;
    missing.SetDevicePath("/nonexistent/tty");
    EXPECT_FALSE(missing.OpenPort());
    EXPECT_EQ(missing.GetLastError(), (1u << 16) | ENOENT);
    EXPECT_EQ(testsupport::korean(missing.GetErrorText())
                      .rfind("통신 포트를 열 수 없습니다.[/nonexistent/tty]\n장치가 없습니다.", 0),
              0u)
            << missing.GetErrorText();
    // The text names the device that failed, not the one set since.
    missing.SetDevicePath(pty.slave);
    EXPECT_NE(testsupport::korean(missing.GetErrorText()).find("/nonexistent/tty"),
              std::string::npos);

    const std::string plain = ::testing::TempDir() + "/not-a-tty";
    std::ofstream(plain) << "x";
    CCommThread file;
    file.SetDevicePath(plain);
    EXPECT_FALSE(file.OpenPort());
    EXPECT_EQ(testsupport::korean(file.GetErrorText()),
              "통신 포트를 열 수 없습니다.[" + plain
                      + "]\n시리얼 포트가 아닙니다. 포트에 맞는 장치 파일을 "
                        "설정하십시오.");
    std::filesystem::remove(plain);
}

TEST(Port, ReasonsForUsersToActOn)
{
    // Root opens any device, so the permission case is checked on the reason alone.
    EXPECT_NE(portOpenReason(EACCES).find("dialout"), std::string::npos);
    EXPECT_EQ(portOpenReason(EPERM), portOpenReason(EACCES));
    EXPECT_EQ(portOpenReason(ENODEV), portOpenReason(ENOENT));
    EXPECT_EQ(portOpenReason(EBUSY), portOpenReason(EWOULDBLOCK));
    EXPECT_EQ(portOpenReason(EIO), "시스템 오류: " + std::string(std::strerror(EIO)));
    EXPECT_EQ(testsupport::korean(CCommThread::ErrorText(1u << 16)), "통신 포트를 열 수 없습니다.");
}

TEST(Port, NumberedPortsMapThroughTheProgramSettings)
{
    const std::string dir = ::testing::TempDir() + "/comm_ports";
    std::filesystem::create_directories(dir);
    {
        std::ofstream ini(dir + "/APP.INI");
        ini << "[comm_ports]\r\nCOM2=\\dev\\ttyS1\r\n";
    }
    const util::CIniFile ini(dir + "/APP.INI");
    EXPECT_EQ(CSerialPort::devicePath(2, &ini), "/dev/ttyS1");
    EXPECT_EQ(CSerialPort::devicePath(3, &ini), "/dev/ttyUSB2");
    EXPECT_EQ(CSerialPort::devicePath(1, nullptr), "/dev/ttyUSB0");
}

TEST(Log, LinesAreStampedAndDumpsFollowTheFixedLayout)
{
    const std::string dir = ::testing::TempDir() + "/comm_log";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    {
        std::ofstream ini(dir + "/APP.INI");
        ini << "[LOG]\r\nLOG_FILE=" << dir << "/LINK\r\nLOG_ENABLE=1\r\nTIMEOUT=700\r\n";
    }
    const util::CIniFile ini(dir + "/APP.INI");
    CCommThread link(&ini);
    EXPECT_EQ(link.ReceiveTimeout(), 700);
    std::tm day{};
    day.tm_year = 126;
    day.tm_mon = 11;
    day.tm_mday = 8;
    day.tm_hour = 9;
    day.tm_min = 5;
    day.tm_sec = 7;
    link.Log().setTimeSource([&] { return day; });
    link.Log().writeF(true, "!! Send Success [%04d]Bytes\n", 6);
    util::Bytes bytes(21);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(i + 0xF0);
    link.Log().dump(true, bytes);
    link.Log().dump(false, util::Bytes{0x06});

    const std::string file = dir + "/LINK_2026-12-08.txt";
    EXPECT_EQ(slurp(file),
              "[2026-12-08 09:05:07] !! Send Success [0006]Bytes\n"
              "\n\n=======================<< Send Data "
              ">>=======================================\n"
              "OFFSET 0000: F0 F1 F2 F3 F4 F5 F6 F7 F8 F9 FA FB FC FD FE FF 00 01 02 03 \n"
              "OFFSET 0020: 04 \n\n"
              "\n=====================<< Receive Data "
              ">>=========================================\nOFFSET 0000: 06 \n\n");

    // The next day writes a new file.
    day.tm_mday = 9;
    link.Log().write(true, "x\n");
    EXPECT_EQ(slurp(dir + "/LINK_2026-12-09.txt"), "[2026-12-09 09:05:07] x\n");
}

TEST(Log, NothingIsWrittenWhileDisabled)
{
    const std::string dir = ::testing::TempDir() + "/comm_log_off";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    {
        std::ofstream ini(dir + "/APP.INI");
        ini << "[LOG]\r\nLOG_FILE=" << dir << "/LINK\r\nLOG_ENABLE=0\r\n";
    }
    const util::CIniFile ini(dir + "/APP.INI");
    CCommThread link(&ini);
    EXPECT_EQ(link.ReceiveTimeout(), 3000);
    link.Log().write(true, "x\n");
    link.Log().dump(true, util::Bytes{1, 2});
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1); // APP.INI only
}

TEST(Port, SettingsRoundTripThroughTheProgramSettings)
{
    const std::string dir = ::testing::TempDir() + "/comm_setup";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    util::CIniFile ini(dir + "/APP.INI");
    const PORT_SETTING defaults = loadPortSetting(ini);
    EXPECT_EQ(defaults.port, 1u);
    EXPECT_EQ(defaults.baud, 115200u);
    EXPECT_EQ(defaults.dataBits, 8);
    EXPECT_EQ(defaults.stopBits, 0);
    EXPECT_EQ(defaults.parity, 0);

    ASSERT_TRUE(savePortSetting(ini, PORT_SETTING{3, 9600, 7, 2, 2}));
    const std::string text = slurp(dir + "/APP.INI");
    EXPECT_NE(text.find("[comm_setup]"), std::string::npos);
    EXPECT_NE(text.find("BaudRate=9600"), std::string::npos);
    const PORT_SETTING back = loadPortSetting(util::CIniFile(dir + "/APP.INI"));
    EXPECT_EQ(back.port, 3u);
    EXPECT_EQ(back.baud, 9600u);
    EXPECT_EQ(back.dataBits, 7);
    EXPECT_EQ(back.stopBits, 2);
    EXPECT_EQ(back.parity, 2);
}

TEST(Worker, ContinuousRunOnAMissingPortRetriesCalmlyAndStopsAtOnce)
{
    CCommThread link;
    link.SetDevicePath("/nonexistent/tty");
    std::uint8_t clock[8] = {};
    const COMM_CMD list[] = {{'r', 'T', clock, 8, 0, 0}};
    ASSERT_TRUE(link.Start(list, 1, false, true));
    EXPECT_FALSE(link.Start(list, 1, false, true)); // one worker per link
    std::this_thread::sleep_for(std::chrono::milliseconds(120));
    const auto t0 = std::chrono::steady_clock::now();
    link.Stop();
    EXPECT_LT(std::chrono::steady_clock::now() - t0, std::chrono::milliseconds(500));
    EXPECT_TRUE(link.IsIdle());
    EXPECT_EQ(link.GetLastError() >> 16, 1u);
}
