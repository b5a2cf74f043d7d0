// The link against the panel simulator over a pseudo-terminal: areas, password, clock, erase,
// faults, the worker's statuses and stopping.

#include "core/comm/comm_message_queue.h"
#include "core/comm/comm_thread.h"
#include "core/comm/progress_model.h"
#include "fake_ui.h"
#include "sim_process.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <numeric>

using namespace comm;
using testsupport::SimProcess;

namespace {

// An area image: length in the first four bytes, a pattern after the header.
util::Bytes areaImage(std::size_t length)
{
    util::Bytes image(length);
    for (std::size_t i = 6; i < length; ++i)
        image[i] = static_cast<std::uint8_t>(i * 7 + 3);
    util::setBe32(image, 0, static_cast<std::uint32_t>(length));
    return image;
}

class PanelLink : public ::testing::Test
{
protected:
    void startPanel(const std::vector<std::string> &args = {})
    {
        ASSERT_TRUE(m_sim.start(args));
        m_link.SetDevicePath(m_sim.port());
        m_link.SetReceiveTimeout(300);
        m_link.SetCommandPause(20);
    }
    bool connect()
    {
        std::uint8_t status = 0xEE;
        const bool ok = m_link.Connect(status);
        m_status = status;
        return ok;
    }
    bool writeArea(std::uint8_t sub, util::Bytes &image)
    {
        COMM_CMD c{'w', sub, image, static_cast<std::uint32_t>(image.size()), 0, 0};
        return m_link.Run(c);
    }
    bool readArea(std::uint8_t sub, util::Bytes &out, std::uint32_t &size)
    {
        out.assign(areaLengthLimit(sub), 0);
        COMM_CMD c{'r', sub, out, 0, 0, 0};
        const bool ok = m_link.Run(c);
        size = c.size;
        return ok;
    }
    // Runs a list on the worker and collects (message, status, sub) until status 4 or a failure.
    std::vector<std::tuple<std::uint32_t, std::uint32_t, std::uint8_t>>
    runWorker(const std::vector<COMM_CMD> &list)
    {
        CCommMessageQueue queue;
        m_link.SetNotifyWnd(&queue);
        EXPECT_TRUE(m_link.Start(list.data(), static_cast<int>(list.size()), false));
        std::vector<std::tuple<std::uint32_t, std::uint32_t, std::uint8_t>> seen;
        while (auto m = queue.wait(std::chrono::seconds(5))) {
            seen.emplace_back(m->message, m->status, m->command->sub);
            if (m->status == StatusAllDone || m->status == StatusFailed)
                break;
        }
        m_link.Stop();
        m_link.SetNotifyWnd(nullptr);
        return seen;
    }

    SimProcess m_sim;
    CCommThread m_link;
    std::uint8_t m_status = 0;
};

using Seen = std::vector<std::tuple<std::uint32_t, std::uint32_t, std::uint8_t>>;

} // namespace

TEST_F(PanelLink, AreasWrittenAreReadBackWhateverTheirBlockCount)
{
    startPanel();
    ASSERT_TRUE(connect());
    EXPECT_EQ(m_status, 0);
    for (const std::size_t length : {std::size_t{10}, std::size_t{1024}, std::size_t{1025},
                                     std::size_t{5000}, std::size_t{0x8000}}) {
        util::Bytes image = areaImage(length);
        ASSERT_TRUE(writeArea('S', image)) << length << " " << m_link.GetErrorText();
        util::Bytes back;
        std::uint32_t size = 0;
        ASSERT_TRUE(readArea('S', back, size)) << length << " " << m_link.GetErrorText();
        EXPECT_EQ(size, length);
        EXPECT_TRUE(std::equal(image.begin(), image.end(), back.begin())) << length;
    }
    EXPECT_TRUE(m_link.Disconnect());
    EXPECT_FALSE(m_link.IsPortOpen());
}

TEST_F(PanelLink, UploadedLengthAboveTheLimitIsAFrameError)
{
    startPanel();
    ASSERT_TRUE(connect());
    util::Bytes header(6, 0);
    util::setBe32(header, 0, 0x8001);
    ASSERT_TRUE(writeArea('S', header)); // only the header: the length now claims 0x8001
    util::Bytes back;
    std::uint32_t size = 0;
    EXPECT_FALSE(readArea('S', back, size));
    EXPECT_EQ(testsupport::korean(m_link.GetErrorText()), "Frame 에러");
}

TEST_F(PanelLink, WorkerReportsBlocksCommandsAndTheEndThenClosesTheConnection)
{
    startPanel();
    ASSERT_TRUE(connect());
    util::Bytes exact = areaImage(1024);
    util::Bytes oneMore = areaImage(1025);
    util::Bytes none;
    const std::vector<COMM_CMD> list{
            {'w', 'G', exact, 1024, 0, 0},
            {'w', 'C', oneMore, 1025, 0, 0},
            {'w', 'R', none, 0, 0, 0},
    };
    const Seen seen = runWorker(list);
    const Seen expected{
            {WM_COMM_STATUS, 2, 'G'}, {WM_COMM_STATUS, 3, 'G'}, {WM_COMM_STATUS, 2, 'C'},
            {WM_COMM_STATUS, 1, 'C'}, {WM_COMM_STATUS, 3, 'C'}, {WM_COMM_STATUS, 2, 'R'},
            {WM_COMM_STATUS, 3, 'R'}, {WM_COMM_STATUS, 4, 'G'},
    };
    EXPECT_EQ(seen, expected);
    EXPECT_FALSE(m_link.IsPortOpen()); // the worker sent the end request
    EXPECT_TRUE(m_link.IsIdle());

    // Uploading the same areas reports their lengths.
    ASSERT_TRUE(connect());
    util::Bytes g(0x4000), c(0x10000);
    const std::vector<COMM_CMD> up{{'r', 'G', g, 0, 0, 0}, {'r', 'C', c, 0, 0, 0}};
    const Seen upSeen = runWorker(up);
    ASSERT_FALSE(upSeen.empty());
    EXPECT_EQ(std::get<1>(upSeen.back()), 4u);
    EXPECT_EQ(m_link.Commands()[0].size, 1024u);
    EXPECT_EQ(m_link.Commands()[1].size, 1025u);
    EXPECT_TRUE(std::equal(oneMore.begin(), oneMore.end(), c.begin()));
}

TEST_F(PanelLink, PasswordProtectedPanelRefusesUntilThePasswordIsSent)
{
    startPanel({"--password", "Abc123"});
    ASSERT_TRUE(connect());
    EXPECT_EQ(m_status, 1);

    // A refused write gets a 7-byte NAK where 6 bytes were expected.
    util::Bytes image = areaImage(20);
    EXPECT_FALSE(writeArea('G', image));
    EXPECT_EQ(testsupport::korean(m_link.GetErrorText()), "NAK 수신 : Command 에러");

    std::uint8_t wrong[10] = {'A', 'b', 'c'};
    COMM_CMD a{'y', 'A', wrong, 10, 0, 0};
    ASSERT_TRUE(m_link.Run(a));
    EXPECT_EQ(wrong[0], 0);

    std::uint8_t right[10] = {'A', 'b', 'c', '1', '2', '3'};
    COMM_CMD b{'y', 'A', right, 10, 0, 0};
    ASSERT_TRUE(m_link.Run(b));
    EXPECT_EQ(right[0], 1);
    EXPECT_TRUE(writeArea('G', image)) << m_link.GetErrorText();

    // A new connection asks again.
    ASSERT_TRUE(m_link.Disconnect());
    ASSERT_TRUE(connect());
    EXPECT_EQ(m_status, 1);
}

TEST_F(PanelLink, ClockIsSetAndReadBack)
{
    startPanel();
    ASSERT_TRUE(connect());
    std::uint8_t set[8] = {0x99, 0x12, 0x31, 0x23, 0x59, 0x58, 0x19, 0x05}; // 1999-12-31 23:59:58
    COMM_CMD w{'w', 'T', set, 8, 0, 0};
    ASSERT_TRUE(m_link.Run(w)) << m_link.GetErrorText();
    std::uint8_t got[8] = {};
    COMM_CMD r{'r', 'T', got, 8, 0, 0};
    ASSERT_TRUE(m_link.Run(r)) << m_link.GetErrorText();
    EXPECT_EQ(got[0], 0x99);
    EXPECT_EQ(got[6], 0x19);
    EXPECT_EQ(got[1], 0x12);
    EXPECT_TRUE(got[5] == 0x58 || got[5] == 0x59 || got[0] == 0x00); // a second may pass
}

TEST_F(PanelLink, PanelWithoutClockAnswersWithItsNakCodes)
{
    startPanel({"--no-rtc"});
    ASSERT_TRUE(connect());
    std::uint8_t rec[8] = {0x26, 0x01, 0x01, 0, 0, 0, 0x20, 4};
    COMM_CMD w{'w', 'T', rec, 8, 0, 0};
    EXPECT_FALSE(m_link.Run(w));
    EXPECT_EQ(testsupport::korean(m_link.GetErrorText()),
              "NAK 수신 : 이 타입은 날짜/시간 설정 기능을 제공하지 "
              "않습니다. HMI 타입을 확인하시기 바랍니다.");
    COMM_CMD r{'r', 'T', rec, 8, 0, 0};
    EXPECT_FALSE(m_link.Run(r));
    EXPECT_EQ(testsupport::korean(m_link.GetErrorText()), "NAK 수신 : RTC Read 에러");
}

TEST_F(PanelLink, EraseMakesEveryAreaReportErasedMemory)
{
    startPanel();
    ASSERT_TRUE(connect());
    util::Bytes image = areaImage(300);
    ASSERT_TRUE(writeArea('C', image));
    COMM_CMD z{'y', 'Z', {}, 0, 0, 0};
    ASSERT_TRUE(m_link.Run(z)) << m_link.GetErrorText();
    for (const std::uint8_t sub : {'C', 'G', 'S', 'R', 'F'}) {
        util::Bytes back;
        std::uint32_t size = 0;
        EXPECT_FALSE(readArea(sub, back, size)) << sub;
        EXPECT_EQ(testsupport::korean(m_link.GetErrorText()), "메모리가 지워져 있습니다.") << sub;
    }
}

TEST_F(PanelLink, AddressesOutsideAnAreaGetTheAddressNak)
{
    startPanel();
    ASSERT_TRUE(connect());
    util::Bytes buffer(100);
    COMM_CMD r{'r', 'M', buffer, 100, 1800, 1800}; // the system record is 28 bytes
    EXPECT_FALSE(m_link.Run(r));
    EXPECT_EQ(testsupport::korean(m_link.GetErrorText()), "NAK 수신 : Address 에러");
    COMM_CMD ok{'r', 'M', buffer, 28, 1800, 1800};
    ASSERT_TRUE(m_link.Run(ok)) << m_link.GetErrorText();
    EXPECT_EQ(util::be16(buffer, 22), 0x0101);
}

TEST_F(PanelLink, MemorySurvivesARestartWithAStateFolder)
{
    const std::string dir = ::testing::TempDir() + "/panel_state";
    std::filesystem::remove_all(dir);
    startPanel({"--state", dir});
    ASSERT_TRUE(connect());
    util::Bytes image = areaImage(3000);
    ASSERT_TRUE(writeArea('R', image));
    ASSERT_TRUE(m_link.Disconnect());
    m_sim.stop();

    startPanel({"--state", dir});
    ASSERT_TRUE(connect());
    util::Bytes back;
    std::uint32_t size = 0;
    ASSERT_TRUE(readArea('R', back, size)) << m_link.GetErrorText();
    EXPECT_EQ(size, 3000u);
    EXPECT_TRUE(std::equal(image.begin(), image.end(), back.begin()));
}

// Each injected fault ends the exchange with its own error text. Response 1 answers the
// connection request, so the faults hit the second response (the first write block).
TEST_F(PanelLink, InjectedFaultsGiveTheirErrorTexts)
{
    const struct
    {
        const char *fault;
        const char *text;
    } rows[] = {
            {"drop:2", "타임아웃 에러입니다."}, {"silent:2", "타임아웃 에러입니다."},
            {"cut:2", "타임아웃 에러입니다."},  {"bcc:2", "BCC 에러"},
            {"frame:2", "Frame 에러"},          {"nak:2:4", "NAK 수신 : Address 에러"},
            {"nak:2:0", "NAK 수신 : BCC 에러"}, {"nak:2:9", "NAK 수신 : "},
            {"letters:2", "Frame 에러"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.fault);
        CCommThread link;
        SimProcess sim;
        ASSERT_TRUE(sim.start({"--fault", row.fault}));
        link.SetDevicePath(sim.port());
        link.SetReceiveTimeout(200);
        std::uint8_t status = 0;
        ASSERT_TRUE(link.Connect(status));
        util::Bytes image = areaImage(2000);
        COMM_CMD c{'w', 'S', image, 2000, 0, 0};
        EXPECT_FALSE(link.Run(c));
        EXPECT_EQ(testsupport::korean(link.GetErrorText()), row.text);
        EXPECT_EQ(c.current, 0u); // the failed block is not counted
    }
}

// An answer for another area is refused on every block of an upload, the first one (which
// carries the area's length) as well as a later one, and nothing of it is filed as the area read.
TEST_F(PanelLink, AnswerWithAnotherAreasLettersIsAFrameError)
{
    // Response 1 answers the connection, 2 to 4 the write, 5 and 6 the two blocks read.
    const struct
    {
        const char *fault;
        std::uint32_t readBefore;
    } rows[] = {{"letters:5", 0}, {"letters:6", 1024}};
    for (const auto &row : rows) {
        SCOPED_TRACE(row.fault);
        CCommThread link;
        SimProcess sim;
        ASSERT_TRUE(sim.start({"--fault", row.fault}));
        link.SetDevicePath(sim.port());
        link.SetReceiveTimeout(200);
        std::uint8_t status = 0;
        ASSERT_TRUE(link.Connect(status));
        util::Bytes image = areaImage(3000);
        COMM_CMD write{'w', 'G', image, 3000, 0, 0};
        ASSERT_TRUE(link.Run(write)) << link.GetErrorText();
        util::Bytes back(areaLengthLimit('G'), 0);
        COMM_CMD read{'r', 'G', back, 0, 0, 0};
        EXPECT_FALSE(link.Run(read));
        EXPECT_EQ(testsupport::korean(link.GetErrorText()), "Frame 에러");
        EXPECT_EQ(read.current, row.readBefore);
    }
}

TEST_F(PanelLink, WorkerReportsAFailedCommandAndStopsTheList)
{
    startPanel({"--fault", "bcc:3"});
    ASSERT_TRUE(connect());
    util::Bytes a = areaImage(2000), b = areaImage(100);
    const std::vector<COMM_CMD> list{{'w', 'S', a, 2000, 0, 0}, {'w', 'C', b, 100, 0, 0}};
    const Seen seen = runWorker(list);
    const Seen expected{
            {WM_COMM_STATUS, 2, 'S'}, {WM_COMM_STATUS, 1, 'S'}, {WM_COMM_STATUS, 5, 'S'}};
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(m_link.GetLastError() >> 16, 5u);
}

TEST_F(PanelLink, SilentPanelFailsTheConnectionAfterTheFixedSecond)
{
    startPanel({"--fault", "silent:1"});
    m_link.SetReceiveTimeout(100); // the end request after the failure uses the configured time
    const auto t0 = std::chrono::steady_clock::now();
    EXPECT_FALSE(connect());
    const auto elapsed = std::chrono::steady_clock::now() - t0;
    EXPECT_EQ(testsupport::korean(m_link.GetErrorText()), "타임아웃 에러입니다.");
    // Pulses and settle (about 120 ms), 1000 ms for the answer, then the end request's 100 ms.
    EXPECT_GE(elapsed, std::chrono::milliseconds(1100));
    EXPECT_LT(elapsed, std::chrono::milliseconds(2500));
    EXPECT_FALSE(m_link.IsPortOpen());
}

TEST_F(PanelLink, ConnectionFailureKeepsItsOwnErrorOverTheEndRequest)
{
    startPanel({"--fault", "nak:1:1"});
    EXPECT_FALSE(connect());
    EXPECT_EQ(testsupport::korean(m_link.GetErrorText()), "NAK 수신 : Frame 에러");
}

TEST_F(PanelLink, StopEndsAContinuousClockReadAndNothingArrivesAfterwards)
{
    startPanel();
    m_link.SetCommandPause(0);
    std::uint8_t clock[8] = {};
    const COMM_CMD list[] = {{'r', 'T', clock, 8, 0, 0}};
    CCommMessageQueue queue;
    m_link.SetNotifyWnd(&queue);
    ASSERT_TRUE(m_link.Start(list, 1, false, true));
    int allDone = 0;
    while (allDone < 2) {
        const auto m = queue.wait(std::chrono::seconds(5));
        ASSERT_TRUE(m.has_value());
        if (m->status == StatusAllDone)
            ++allDone;
    }
    m_link.Stop();
    EXPECT_TRUE(m_link.IsIdle());
    while (queue.wait(std::chrono::milliseconds(0))) { }
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_EQ(queue.pending(), 0u);
    EXPECT_NE(clock[6], 0); // a century was read
    // The clock run leaves the connection to its owner.
    EXPECT_TRUE(m_link.IsPortOpen());
    EXPECT_TRUE(m_link.Disconnect());
}

// The simulator's own answers to malformed requests, sent as raw bytes.
TEST(PanelSimulator, MalformedRequestsGetTheMatchingNakCodes)
{
    SimProcess sim;
    ASSERT_TRUE(sim.start());
    CSerialPort port;
    ASSERT_TRUE(port.open(sim.port(), PORT_SETTING{}));
    const auto exchange = [&](util::Bytes request) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
        EXPECT_TRUE(port.write(request, deadline));
        util::Bytes got;
        std::uint8_t buf[64];
        while (got.size() < 7 && std::chrono::steady_clock::now() < deadline) {
            bool readable = false;
            port.waitReadable(deadline, readable);
            const long n = port.readSome(buf);
            if (n > 0)
                got.insert(got.end(), buf, buf + n);
        }
        return got;
    };
    util::Bytes badSum = buildRequest('r', 'T', {});
    badSum[3] ^= 1;
    EXPECT_EQ(exchange(badSum), buildNak('r', 'T', NakBcc));
    util::Bytes badEnd = buildRequest('y', 'B', {});
    badEnd.back() = 0x04;
    EXPECT_EQ(exchange(badEnd), buildNak('y', 'B', NakFrame));
    EXPECT_EQ(exchange(buildRequest('q', 'B', {})), buildNak('q', 'B', NakCommand));
    EXPECT_EQ(exchange(buildRequest('r', 'Q', util::Bytes{0, 0, 0, 0, 1})),
              buildNak('r', 'Q', NakSubCommand));
    EXPECT_EQ(exchange(buildRequest('w', 'A', util::Bytes{0, 0, 17, 0, 2, 1, 2})),
              buildNak('w', 'A', NakAddress));
    EXPECT_EQ(exchange(buildRequest('y', 'Z', util::Bytes{0x55, 0xAA})),
              buildNak('y', 'Z', NakFrame));
}

// Pacing: a request counts as arrived only after its bytes crossed the line at the set speed.
TEST(PanelSimulator, BaudRatePacesBothDirections)
{
    SimProcess sim;
    ASSERT_TRUE(sim.start({"--baud", "9600"}));
    CCommThread link;
    link.SetDevicePath(sim.port());
    std::uint8_t status = 0;
    ASSERT_TRUE(link.Connect(status));
    util::Bytes image(1024, 0);
    util::setBe32(image, 0, 1024);
    COMM_CMD write{'w', 'S', image, 1024, 0, 0};
    const auto t0 = std::chrono::steady_clock::now();
    ASSERT_TRUE(link.Run(write));
    // 1035 + 6 bytes at 960 bytes a second: about 1.08 s.
    const auto elapsed = std::chrono::steady_clock::now() - t0;
    EXPECT_GE(elapsed, std::chrono::milliseconds(1050));
    EXPECT_LT(elapsed, std::chrono::milliseconds(2500));
}

TEST_F(PanelLink, SessionLogHoldsTheExchangeLineByLine)
{
    const std::string dir = ::testing::TempDir() + "/session_log";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    startPanel();
    m_link.Log().setEnabled(true);
    m_link.Log().setBasePath(dir + "/COMM");
    std::tm day{};
    day.tm_year = 126;
    day.tm_mon = 11;
    day.tm_mday = 8;
    m_link.Log().setTimeSource([&] { return day; });
    const std::string stamp = "[2026-12-08 00:00:00] ";
    const std::string file = dir + "/COMM_2026-12-08.txt";
    const auto contents = [&] {
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };

    ASSERT_TRUE(connect());
    EXPECT_EQ(contents(),
              "\n\n=======================<< Send Data "
              ">>=======================================\nOFFSET 0000: 02 79 43 00 BC 03 \n\n"
                      + stamp + "!! Send Success [0006]Bytes\n" + stamp
                      + "!! Receive [0007]Bytes\n"
                        "\n=====================<< Receive Data "
                        ">>=========================================\nOFFSET 0000: 06 79 43 00 00 "
                        "BC 04 \n\n"
                      + stamp + "!! Check Receive Data Success [0007]Bytes\n");

    std::filesystem::remove(file);
    util::Bytes image = areaImage(10);
    const std::vector<COMM_CMD> list{{'w', 'G', image, 10, 0, 0}};
    runWorker(list);
    const std::string log = contents();
    for (const std::string &line :
         {std::string("\n\n*********** Send/Receive Start Main=[77] Sub=[47]\n"),
          stamp + "!! Send complete [0010]Bytes\n", stamp + "!![w] Command Receive complete\n",
          stamp + "!! Total Receive complete\n"}) {
        EXPECT_NE(log.find(line), std::string::npos) << line;
    }
    EXPECT_LT(log.find("Command Receive complete"), log.find("Total Receive complete"));
}

TEST_F(PanelLink, StopButtonEndsARunningDownload)
{
    startPanel({"--baud", "115200"});
    ASSERT_TRUE(connect());
    util::Bytes image = areaImage(0x10000);
    CProgressModel progress;
    progress.setCommands({{'w', 'C', image, 0x10000, 0, 0}});
    CCommMessageQueue queue;
    ASSERT_FALSE(progress.start(m_link, &queue).has_value());
    EXPECT_EQ(progress.result(), ProgressResult::Running);
    for (int blocks = 0; blocks < 2;) {
        const auto m = queue.wait(std::chrono::seconds(3));
        ASSERT_TRUE(m.has_value());
        progress.onMessage(m_link, *m);
        blocks += m->status == StatusBlockDone ? 1 : 0;
    }
    EXPECT_EQ(testsupport::korean(progress.areaText()), "스크린");
    EXPECT_EQ(progress.position(), 2048u);
    EXPECT_EQ(progress.rangeMax(), 0x10000u);
    const auto t0 = std::chrono::steady_clock::now();
    EXPECT_EQ(testsupport::korean(progress.stop(m_link)), "통신이 중지되었습니다.");
    // The block on the line finishes first, then the end request: well under a second.
    EXPECT_LT(std::chrono::steady_clock::now() - t0, std::chrono::milliseconds(1000));
    EXPECT_EQ(progress.result(), ProgressResult::Stopped);
    EXPECT_TRUE(m_link.IsIdle());
    EXPECT_FALSE(m_link.IsPortOpen());
    while (queue.wait(std::chrono::milliseconds(0))) { }
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_EQ(queue.pending(), 0u);
}

TEST_F(PanelLink, UploadUnderTheProgressModelMarksTheAreasThatArrived)
{
    startPanel();
    ASSERT_TRUE(connect());
    util::Bytes g = areaImage(700), s = areaImage(1500);
    ASSERT_TRUE(writeArea('G', g));
    ASSERT_TRUE(writeArea('S', s));
    util::Bytes gBack(0x4000), sBack(0x8000);
    CProgressModel progress;
    progress.setDownload(false);
    progress.setCommands({{'r', 'G', gBack, 0, 0, 0}, {'r', 'S', sBack, 0, 0, 0}});
    testsupport::FakeUi ui;
    EXPECT_EQ(runProgressBlocking(m_link, progress, ui), ProgressResult::Succeeded);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(progress.uploaded(CProgressModel::GlobalArea));
    EXPECT_EQ(progress.uploadedLength(CProgressModel::GlobalArea), 700u);
    EXPECT_TRUE(progress.uploaded(CProgressModel::StringArea));
    EXPECT_EQ(progress.uploadedLength(CProgressModel::StringArea), 1500u);
    EXPECT_FALSE(progress.uploaded(CProgressModel::ScreenArea));
    EXPECT_FALSE(m_link.IsPortOpen());

    // An erased panel fails the upload saying there is no project, the link's text under it.
    ASSERT_TRUE(connect());
    COMM_CMD erase{'y', 'Z', {}, 0, 0, 0};
    ASSERT_TRUE(m_link.Run(erase));
    CProgressModel again;
    again.setDownload(false);
    again.setCommands({{'r', 'G', gBack, 0, 0, 0}});
    EXPECT_EQ(runProgressBlocking(m_link, again, ui), ProgressResult::Failed);
    EXPECT_EQ(
            ui.messages,
            (std::vector<std::string>{"패널에 프로젝트가 없습니다.\r\n메모리가 지워져 있습니다."}));
    EXPECT_FALSE(again.uploaded(CProgressModel::GlobalArea));
}

TEST_F(PanelLink, NakDuringADownloadNamesTheAreaAndTheReasonInOneLanguage)
{
    // Response 1 answers the connection, response 2 the constant area's first block.
    startPanel({"--fault", "nak:2:2"});
    ASSERT_TRUE(connect());
    util::Bytes image = areaImage(600);
    CProgressModel progress;
    progress.setCommands({{'w', 'P', image, 600, 0, 0}});
    testsupport::FakeUi ui;
    EXPECT_EQ(runProgressBlocking(m_link, progress, ui), ProgressResult::Failed);
    ASSERT_EQ(ui.texts.size(), 1u);
    EXPECT_EQ(testsupport::korean(ui.texts[0]),
              "상수 영역을 패널로 보내는 중에 통신이 실패했습니다.\r\nNAK 수신 : Command 에러");
    EXPECT_EQ(testsupport::english(ui.texts[0]),
              "Sending the constant area to the panel failed.\r\nNAK received: Command error");
}
