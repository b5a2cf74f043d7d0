// Panel commands and the alarm-history upload against the panel simulator, with a scripted UI.

#include "core/comm/alarm_grid.h"
#include "core/comm/alarm_history.h"
#include "core/comm/comm_message_queue.h"
#include "core/comm/comm_thread.h"
#include "core/comm/panel_clock.h"
#include "core/comm/panel_commands.h"
#include "core/comm/system_info.h"
#include "fake_ui.h"
#include "sim_process.h"
#include "util/file_io.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace comm;
using testsupport::FakeUi;
using testsupport::SimProcess;

namespace {

class PanelCommands : public ::testing::Test
{
protected:
    void startPanel(const std::vector<std::string> &args = {})
    {
        ASSERT_TRUE(m_sim.start(args));
        m_link.SetDevicePath(m_sim.port());
        m_link.SetReceiveTimeout(300);
        m_link.SetCommandPause(10);
    }
    // Connects, passing the password when the panel has one.
    std::uint8_t connect(std::string_view password = {})
    {
        std::uint8_t status = 0xEE;
        EXPECT_TRUE(m_link.Connect(status));
        if (status == 1 && !password.empty()) {
            EXPECT_EQ(SendPanelPassword(m_link, password), std::optional<bool>(true));
        }
        return status;
    }
    bool write(std::uint8_t sub, std::uint32_t address, util::Bytes &data)
    {
        COMM_CMD c{'w', sub, data, static_cast<std::uint32_t>(data.size()), address, address};
        return m_link.Run(c);
    }
    bool read(std::uint8_t sub, std::uint32_t address, util::Bytes &data)
    {
        COMM_CMD c{'r', sub, data, static_cast<std::uint32_t>(data.size()), address, address};
        return m_link.Run(c);
    }
    bool hasMessage(const std::string &text) const
    {
        return std::find(m_ui.messages.begin(), m_ui.messages.end(), text) != m_ui.messages.end();
    }

    SimProcess m_sim;
    CCommThread m_link;
    FakeUi m_ui;
};

} // namespace

TEST_F(PanelCommands, PasswordCheckPromptsOnlyAProtectedPanel)
{
    startPanel();
    EXPECT_EQ(connect(), 0);
    EXPECT_EQ(VerifyPanelPassword(m_link, m_ui, 0), PasswordCheck::GoOn);
    EXPECT_EQ(m_ui.prompts, 0);
    m_link.Disconnect();
    m_sim.stop();

    startPanel({"--password", "Secret9"});
    const std::uint8_t status = connect();
    ASSERT_EQ(status, 1);
    m_ui.passwords = {std::nullopt};
    EXPECT_EQ(VerifyPanelPassword(m_link, m_ui, status), PasswordCheck::Cancelled);
    EXPECT_TRUE(m_ui.messages.empty()); // a cancelled prompt says nothing
    m_ui.passwords = {std::string("secret9")};
    EXPECT_EQ(VerifyPanelPassword(m_link, m_ui, status), PasswordCheck::Rejected);
    EXPECT_EQ(m_ui.messages.back(), "암호가 일치하지 않습니다.");
    EXPECT_EQ(m_ui.captions.back(), "암호 입력");
    EXPECT_EQ(m_ui.icons.back(), IPanelUi::Icon::Warning);
    m_ui.passwords = {std::string("Secret9")};
    EXPECT_EQ(VerifyPanelPassword(m_link, m_ui, status), PasswordCheck::GoOn);
    EXPECT_EQ(m_ui.prompts, 3);
}

TEST_F(PanelCommands, SettingChangingAndRemovingThePassword)
{
    startPanel();
    // The dialog's own checks come first and keep it open.
    EXPECT_FALSE(SetPanelPassword(m_link, m_ui, {"", "", "abc"}));
    EXPECT_EQ(m_ui.messages.back(), "암호가 입력되지 않았습니다.");
    EXPECT_FALSE(SetPanelPassword(m_link, m_ui, {"", "a-c", "a-c"}));
    EXPECT_EQ(m_ui.messages.back(), "암호는 A-Z, a-z, or 0-9 만 입력가능합니다.");
    EXPECT_FALSE(SetPanelPassword(m_link, m_ui, {"", "abc", "abd"}));
    EXPECT_EQ(m_ui.messages.back(), "암호가 일치하지 않습니다.");
    EXPECT_FALSE(m_link.IsPortOpen());

    // A panel without a password ignores the old field.
    EXPECT_TRUE(SetPanelPassword(m_link, m_ui, {"whatever!", "abc", "abc"}));
    EXPECT_EQ(m_ui.messages.back(), "새로운 암호로 변경했습니다.");
    EXPECT_EQ(m_ui.icons.back(), IPanelUi::Icon::Information);
    EXPECT_FALSE(m_link.IsPortOpen());
    EXPECT_EQ(connect(), 1);
    EXPECT_EQ(SendPanelPassword(m_link, "abc"), std::optional<bool>(true));
    m_link.Disconnect();

    EXPECT_FALSE(SetPanelPassword(m_link, m_ui, {"abd", "XYZ0123456", "XYZ0123456"}));
    EXPECT_EQ(m_ui.messages.back(), "암호가 일치하지 않습니다.");
    EXPECT_TRUE(SetPanelPassword(m_link, m_ui, {"abc", "XYZ0123456", "XYZ0123456"}));
    EXPECT_EQ(connect(), 1);
    EXPECT_EQ(SendPanelPassword(m_link, "XYZ0123456"), std::optional<bool>(true));
    m_link.Disconnect();

    m_ui.passwords = {std::string("XYZ0123456")};
    RemovePanelPassword(m_link, m_ui);
    EXPECT_EQ(m_ui.messages.back(), "암호를 삭제했습니다.");
    EXPECT_FALSE(m_link.IsPortOpen());
    EXPECT_EQ(connect(), 0);
    m_link.Disconnect();

    // Removing the password of an unprotected panel only says so.
    const int prompts = m_ui.prompts;
    const std::size_t messages = m_ui.messages.size();
    RemovePanelPassword(m_link, m_ui);
    EXPECT_EQ(m_ui.prompts, prompts);
    ASSERT_EQ(m_ui.messages.size(), messages + 1);
    EXPECT_EQ(m_ui.messages.back(), "암호를 삭제했습니다.");
    EXPECT_EQ(m_ui.busyDepth, 0);
}

TEST_F(PanelCommands, AlarmHistoryDeleteEmptiesThePanelHistory)
{
    startPanel({"--password", "pw"});
    connect("pw");
    util::Bytes history(kHistoryLength, 0x00);
    ASSERT_TRUE(write('W', kHistoryAddress, history)) << m_link.GetErrorText();
    m_link.Disconnect();

    m_ui.answers = {false};
    DeletePanelAlarmHistory(m_link, m_ui);
    EXPECT_EQ(m_ui.questions.back(),
              "전체 경보이력과 특정경보이력이 모두 삭제됩니다. 계속하시겠습니까?");
    EXPECT_TRUE(m_ui.messages.empty());

    m_ui.passwords = {std::string("pw")};
    DeletePanelAlarmHistory(m_link, m_ui);
    EXPECT_EQ(m_ui.messages.back(), "경보이력을 지우는데 성공했습니다.");
    EXPECT_FALSE(m_link.IsPortOpen());

    connect("pw");
    util::Bytes back(kHistoryLength, 0);
    ASSERT_TRUE(read('W', kHistoryAddress, back));
    EXPECT_EQ(std::count(back.begin(), back.end(), 0xFF), static_cast<long>(kHistoryLength));
}

TEST_F(PanelCommands, EraseAsksFirstThenLeavesAnErasedPanel)
{
    startPanel();
    connect();
    util::Bytes image(100, 1);
    util::setBe32(image, 0, 100);
    ASSERT_TRUE(write('G', 0, image));
    m_link.Disconnect();

    m_ui.answers = {false};
    ErasePanelMemory(m_link, m_ui);
    EXPECT_EQ(m_ui.questions.back(), "Velmar Panel의 전체 메모리가 삭제됩니다. 계속하시겠습니까?");
    EXPECT_FALSE(m_link.IsPortOpen());

    ErasePanelMemory(m_link, m_ui);
    EXPECT_EQ(m_ui.messages.back(), "전체 메모리를 삭제하는데 성공했습니다.");
    util::Bytes g(0x4000);
    COMM_CMD c{'r', 'G', g, 0, 0, 0};
    EXPECT_FALSE(m_link.Run(c)); // the connection stays open: no end request after an erase
    EXPECT_EQ(testsupport::korean(m_link.GetErrorText()), "메모리가 지워져 있습니다.");
}

TEST_F(PanelCommands, FailedConnectionShowsOnlyTheLinkError)
{
    m_link.SetDevicePath("/nonexistent/tty");
    ErasePanelMemory(m_link, m_ui);
    ASSERT_EQ(m_ui.messages.size(), 1u);
    EXPECT_EQ(m_ui.messages[0].rfind("통신 포트를 열 수 없습니다.[/nonexistent/tty]\n", 0), 0u);
}

TEST_F(PanelCommands, SystemInformationTexts)
{
    startPanel({"--os-version", "0x0102", "--no-rtc"});
    connect();
    util::Bytes menu(25, 0);
    std::copy_n("KOR", 3, menu.begin() + 12);
    std::copy_n("1.00", 4, menu.begin() + 20);
    ASSERT_TRUE(write('P', 0, menu));
    util::Bytes slot1(30, 0), slot2(30, 0);
    std::copy_n("NO USE", 7, slot1.begin() + 6);
    util::setBe16(slot2, 8, 0x0110);
    std::copy_n("CNET", 4, slot2.begin() + 10);
    ASSERT_TRUE(write('Z', 0, slot1));
    ASSERT_TRUE(write('Z', 0x3000, slot2));
    m_link.Disconnect();

    const auto info = ReadSystemInfo(m_link, m_ui);
    ASSERT_TRUE(info.has_value()) << (m_ui.messages.empty() ? "" : m_ui.messages.back());
    EXPECT_EQ(info->osVersion, "1.02");
    EXPECT_EQ(info->osDate, "2026-12-08");
    EXPECT_EQ(info->clockType, "Type A: No RTC Type");
    EXPECT_EQ(testsupport::korean(info->menuLanguage), "KOR");
    EXPECT_EQ(testsupport::korean(info->menuVersion), "1.00");
    EXPECT_EQ(testsupport::korean(info->driver1Name), "미사용");
    EXPECT_EQ(testsupport::korean(info->driver2Name), "CNET");
    EXPECT_EQ(info->driver2Version, "1.10");
    EXPECT_FALSE(m_link.IsPortOpen());
}

TEST_F(PanelCommands, FontDownloadSendsTheFileBehindItsHeader)
{
    startPanel();
    const std::string dir = ::testing::TempDir() + "/fonts";
    std::filesystem::create_directories(dir);
    util::Bytes file(3000);
    for (std::size_t i = 0; i < file.size(); ++i)
        file[i] = static_cast<std::uint8_t>(i ^ 0x5A);
    {
        std::ofstream out(dir + "/SMALL.BMA", std::ios::binary);
        out.write(reinterpret_cast<const char *>(file.data()), std::streamsize(file.size()));
    }
    util::Bytes area(kFontAreaCapacity);
    EXPECT_FALSE(DownloadFont(m_link, m_ui, dir + "/MISSING.BMA", area));
    EXPECT_EQ(m_ui.messages.back(), "파일을 열 수 없습니다.[Font File: " + dir + "/MISSING.BMA]");
    {
        std::ofstream big(dir + "/BIG.BMA", std::ios::binary);
        big.write(std::string(kMaxFontFile + 1, 'x').data(), std::streamsize(kMaxFontFile + 1));
    }
    EXPECT_FALSE(DownloadFont(m_link, m_ui, dir + "/BIG.BMA", area));
    EXPECT_EQ(m_ui.messages.back(), "파일이 너무 커서 다운로드 할 수 없습니다.");

    ASSERT_TRUE(DownloadFont(m_link, m_ui, dir + "/SMALL.BMA", area));
    EXPECT_EQ(m_ui.questions.back(), "정말로 다운로드하시겠습니까?");
    EXPECT_EQ(m_ui.messages.back(), "폰트를 다운로드했습니다.[" + dir + "/SMALL.BMA]");
    EXPECT_EQ(m_ui.icons.back(), IPanelUi::Icon::Information);
    EXPECT_FALSE(m_link.IsPortOpen());

    connect();
    util::Bytes back(kFontAreaCapacity);
    COMM_CMD c{'r', 'F', back, 0, 0, 0};
    ASSERT_TRUE(m_link.Run(c)) << m_link.GetErrorText();
    EXPECT_EQ(c.size, 3006u);
    EXPECT_TRUE(std::equal(file.begin(), file.end(), back.begin() + 6));
}

// A font file is named *.BMA and holds glyph bitmaps; anything else is refused with its name
// before the question, and the panel is never reached (its port here does not exist).
TEST_F(PanelCommands, FontDownloadRefusesFilesThatAreNoFont)
{
    const std::string dir = ::testing::TempDir() + "/nofonts";
    std::filesystem::create_directories(dir);
    const auto write = [&](const std::string &name, const std::string &bytes) {
        std::ofstream(dir + "/" + name, std::ios::binary) << bytes;
        return dir + "/" + name;
    };
    const std::string ini = "[comm_setup]\r\nPort=1\r\nBaudRate=115200\r\n\t; 한글 주석\r\n";
    const std::string glyphs("\0\0\x18\x3C\x66\x66\x7E\x66\0\0", 10);
    m_link.SetDevicePath("/nonexistent/tty");
    util::Bytes area(kFontAreaCapacity);
    for (const std::string &path : {write("APP.INI", ini), write("TEXT.BMA", ini),
                                    write("EMPTY.BMA", ""), write("GLYPHS.INI", glyphs)}) {
        m_ui.messages.clear();
        EXPECT_FALSE(DownloadFont(m_link, m_ui, path, area)) << path;
        EXPECT_EQ(m_ui.messages,
                  (std::vector<std::string>{"폰트 파일(*.BMA)이 아니므로 다운로드할 수 없습니다.["
                                            + path + "]"}));
        EXPECT_TRUE(m_ui.questions.empty());
    }
    EXPECT_EQ(m_link.GetLastError(), 0u);

    // The font shipped with the program (where this build has a program folder; the
    // sanitizer build has none), and any case of the extension, pass.
    if (const auto sample
        = util::readFile(std::string(DORVANE_RUNTIME_DIR) + "/Fonts/SAMPLE.BMA")) {
        EXPECT_TRUE(isFontFile("Fonts/SAMPLE.BMA", *sample));
    }
    EXPECT_TRUE(isFontFile("small.bma", util::Bytes(glyphs.begin(), glyphs.end())));
    m_ui.messages.clear();
    m_ui.answers = {false};
    EXPECT_FALSE(DownloadFont(m_link, m_ui, write("Mixed.Bma", glyphs), area));
    EXPECT_EQ(m_ui.questions.size(), 1u); // accepted: the question comes, answered no
    EXPECT_TRUE(m_ui.messages.empty());
}

TEST_F(PanelCommands, ClockDialogReadsContinuouslyAndSetsTheChosenTime)
{
    startPanel({"--password", "pw"});
    CCommMessageQueue queue;
    CPanelClock clock(m_link);
    m_ui.passwords = {std::string("pw")};
    ASSERT_TRUE(clock.open(&queue));
    // Reading fails while the panel waits for its password, so set the time first.
    ASSERT_TRUE(clock.setTime(m_ui, ClockTime{2031, 7, 15, 8, 30, 0, 0}));
    EXPECT_EQ(m_ui.prompts, 1);
    // The reading starts again; a fresh connection asks the password again, which a clock
    // read cannot give, so read with a panel that has none.
    clock.close();
    m_sim.stop();

    startPanel();
    m_ui.passwords.clear();
    ASSERT_TRUE(clock.open(&queue));
    ASSERT_TRUE(clock.setTime(m_ui, ClockTime{2031, 7, 15, 8, 30, 0, 0}));
    std::optional<CommText> text;
    for (int i = 0; i < 20 && !text; ++i) {
        if (const auto m = queue.wait(std::chrono::seconds(3)))
            text = clock.onMessage(*m);
    }
    clock.close();
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(testsupport::english(*text).substr(0, 20), "2031-07-15 Tue 08:30");
    EXPECT_EQ(testsupport::korean(*text).substr(0, 20), "2031-07-15 화 08:30");
    EXPECT_TRUE(m_link.IsIdle());
    EXPECT_FALSE(m_link.IsPortOpen());
}

namespace {

util::Bytes historyWithEntries()
{
    util::Bytes h(kHistoryLength, 0xFF);
    auto entry = util::ByteSpan(h).subspan(0, kWholeEntrySize);
    util::setFixedText(entry, 2, 37, "TANK LOW");
    const std::uint8_t when[7] = {0x20, 0x26, 0x12, 0x01, 0x10, 0x00, 0x00};
    std::copy_n(when, 7, entry.begin() + 40);
    auto own = util::ByteSpan(h).subspan(kPerAlarmStart, kPerAlarmEntrySize);
    const std::uint8_t first[7] = {0x20, 0x26, 0x11, 0x30, 0x09, 0x15, 0x00};
    const std::uint8_t cleared[7] = {0x20, 0x26, 0x11, 0x30, 0x09, 0x20, 0x00};
    std::copy_n(first, 7, own.begin());
    std::copy_n(cleared, 7, own.begin() + 7);
    return h;
}

} // namespace

TEST_F(PanelCommands, AlarmHistoryUploadAddsEachRowOnce)
{
    startPanel();
    connect();
    util::Bytes alarms(kAlarmBlockLength, 0);
    util::setBe16(alarms, 0, 1);
    util::setFixedText(alarms, kAlarmTableSize + kAlarmMessageOffset, 38, "PRESSURE HIGH");
    ASSERT_TRUE(write('G', kAlarmBlockAddress, alarms));
    util::Bytes history = historyWithEntries();
    ASSERT_TRUE(write('W', kHistoryAddress, history));
    m_link.Disconnect();

    CAlarmGrid grid;
    ASSERT_TRUE(UploadAlarmHistory(m_link, m_ui, grid));
    ASSERT_EQ(grid.size(), 2u);
    EXPECT_EQ(grid.rows()[0].alarm, (AlarmRow{"2026-12-01 10:00:00", "", "TANK LOW"}));
    EXPECT_EQ(grid.rows()[1].alarm,
              (AlarmRow{"2026-11-30 09:15:00", "2026-11-30 09:20:00", "PRESSURE HIGH"}));
    EXPECT_FALSE(m_link.IsPortOpen());

    ASSERT_TRUE(UploadAlarmHistory(m_link, m_ui, grid));
    EXPECT_EQ(grid.size(), 2u);
    EXPECT_TRUE(m_ui.messages.empty());
}

TEST_F(PanelCommands, AlarmHistoryOfAnOlderOsIsRefused)
{
    startPanel({"--os-version", "0x0100"});
    CAlarmGrid grid;
    EXPECT_FALSE(UploadAlarmHistory(m_link, m_ui, grid));
    EXPECT_EQ(grid.size(), 0u);
    ASSERT_EQ(m_ui.messages.size(), 2u);
    EXPECT_EQ(m_ui.messages[0],
              "버전 1.1 이전에 저장된 경보이력이므로 업로드할 수 없습니다. "
              "\n\nOS를 최근 버전으로 업그레이드하시기 바랍니다.");
    EXPECT_EQ(m_ui.messages[1], "경보이력 읽기 실패");
}

TEST_F(PanelCommands, AlarmHistoryReadFailureShowsBothTexts)
{
    // Responses: connect, version, then the alarm block read is dropped.
    startPanel({"--fault", "drop:3"});
    CAlarmGrid grid;
    EXPECT_FALSE(UploadAlarmHistory(m_link, m_ui, grid));
    EXPECT_EQ(m_ui.messages,
              (std::vector<std::string>{"경보이력 읽기 실패", "타임아웃 에러입니다."}));
}
