// Byte records and texts of the panel commands: password block, clock record, system
// information texts, font area, the password entry rule and the progress model.

#include "core/comm/clock_record.h"
#include "core/comm/comm_thread.h"
#include "core/comm/panel_commands.h"
#include "core/comm/panel_ui.h"
#include "core/comm/progress_model.h"
#include "core/comm/system_info.h"

#include "fake_ui.h"

#include <gtest/gtest.h>

using namespace comm;

TEST(PasswordBlock, SettingCarriesTheMarkerAndTheZeroPaddedPassword)
{
    const util::Bytes block = passwordBlock("abc");
    // 0xF5 + 0xFA + 'a' + 'b' + 'c' = 0x315.
    EXPECT_EQ(
            block,
            (util::Bytes{0, 0, 0, 18, 0x03, 0x15, 0xF5, 0xFA, 'a', 'b', 'c', 0, 0, 0, 0, 0, 0, 0}));
    const util::Bytes ten = passwordBlock("ABCDEFGHIJ");
    EXPECT_EQ(ten.size(), 18u);
    EXPECT_EQ(ten[17], 'J'); // ten characters fill the field, no terminator
}

TEST(PasswordBlock, RemovalIsTwelveZeroBytes)
{
    EXPECT_EQ(passwordBlock(""),
              (util::Bytes{0, 0, 0, 18, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(passwordField("abc"), (util::Bytes{'a', 'b', 'c', 0, 0, 0, 0, 0, 0, 0}));
}

TEST(PasswordEntry, OnlyLettersAndDigitsAreAccepted)
{
    EXPECT_EQ(testsupport::korean(passwordEntryError("").value()), "암호가 입력되지 않았습니다.");
    EXPECT_EQ(testsupport::korean(passwordEntryError("ab c").value()),
              "암호는 A-Z, a-z, or 0-9 만 입력가능합니다.");
    EXPECT_EQ(testsupport::korean(passwordEntryError("é").value()),
              "암호는 A-Z, a-z, or 0-9 만 입력가능합니다.");
    EXPECT_FALSE(passwordEntryError("Az09").has_value());
}

TEST(ClockRecord, EncodesPackedBcdWithCenturyAndDayOfWeek)
{
    const ClockTime t{2026, 12, 8, 14, 5, 9, 0};
    EXPECT_EQ(encodeClock(t), (ClockRecord{0x26, 0x12, 0x08, 0x14, 0x05, 0x09, 0x20, 0x02}));
    const ClockTime sunday{2000, 1, 2, 0, 0, 0, 3};
    EXPECT_EQ(encodeClock(sunday)[7], 0x00);

    const auto back = decodeClock(encodeClock(t));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->year, 2026);
    EXPECT_EQ(back->second, 9);
    EXPECT_EQ(testsupport::english(clockText(*back)), "2026-12-08 Tue 14:05:09");
    EXPECT_EQ(testsupport::korean(clockText(*back)), "2026-12-08 화 14:05:09");
}

TEST(ClockRecord, InvalidReadingsGiveNothing)
{
    const ClockRecord notBcd{0x2A, 0x01, 0x01, 0, 0, 0, 0x20, 0};
    EXPECT_FALSE(decodeClock(notBcd).has_value());
    const ClockRecord feb30{0x26, 0x02, 0x30, 0, 0, 0, 0x20, 0};
    EXPECT_FALSE(decodeClock(feb30).has_value());
    const ClockRecord leap{0x24, 0x02, 0x29, 0x23, 0x59, 0x59, 0x20, 4};
    EXPECT_TRUE(decodeClock(leap).has_value());
}

TEST(SystemInfo, TextsFromTheRecords)
{
    util::Bytes m(28, 0);
    const std::uint16_t words[14]
            = {0x2026, 0x12, 0x08, 0x09, 0x05, 0x07, 2, 15, 0, 7, 1, 0x0102, 0x2025, 0x0315};
    for (std::size_t i = 0; i < 14; ++i)
        util::setBe16(m, i * 2, words[i]);
    util::Bytes menu(25, 0);
    std::copy_n("KOR", 3, menu.begin() + 12);
    std::copy_n("1.05", 4, menu.begin() + 20);
    util::Bytes z1(30, 0);
    std::copy_n("NO USE", 7, z1.begin() + 6);
    util::Bytes z2(30, 0);
    util::setBe16(z2, 8, 0x0203);
    std::copy_n("MASTER-K CNET DRIVER", 20, z2.begin() + 10); // fills the field, no terminator
    const SystemInfoTexts t = formatSystemInfo(m, menu, z1, z2);
    EXPECT_EQ(t.osVersion, "1.02");
    EXPECT_EQ(t.osDate, "2025-03-15");
    EXPECT_EQ(t.clockType, "Type B: RTC Type");
    EXPECT_EQ(testsupport::korean(t.clockTime), "2026-12-08 화 09:05:07");
    EXPECT_EQ(t.scanMax, "15");
    EXPECT_EQ(t.scanCurrent, "7");
    EXPECT_EQ(testsupport::korean(t.menuLanguage), "KOR");
    EXPECT_EQ(testsupport::korean(t.menuVersion), "1.05");
    EXPECT_EQ(testsupport::korean(t.driver1Name), "미사용");
    EXPECT_EQ(t.driver1Version, "");
    EXPECT_EQ(testsupport::korean(t.driver2Name), "MASTER-K CNET DRIVER"); // at most 20 characters
    EXPECT_EQ(t.driver2Version, "2.03");

    util::setBe16(m, 20, 0);
    util::setBe16(m, 12, 7);
    const SystemInfoTexts noRtc = formatSystemInfo(m, menu, z1, z2);
    EXPECT_EQ(noRtc.clockType, "Type A: No RTC Type");
    EXPECT_EQ(testsupport::korean(noRtc.clockTime), "2026-12-08  09:05:07");
}

// A panel with nothing loaded answers with erased memory: its fields read "none", not as
// escaped 0xFF bytes.
TEST(SystemInfo, ErasedFieldsReadNone)
{
    const util::Bytes m(28, 0), menu(25, 0xFF), z1(30, 0xFF);
    util::Bytes z2(30, 0);
    std::copy_n("CNET", 4, z2.begin() + 10);
    const SystemInfoTexts t = formatSystemInfo(m, menu, z1, z2);
    EXPECT_EQ(testsupport::korean(t.menuLanguage), "(없음)");
    EXPECT_EQ(testsupport::english(t.menuVersion), "(none)");
    EXPECT_EQ(testsupport::english(t.driver1Name), "(none)");
    EXPECT_EQ(t.driver1Version, "");
    EXPECT_EQ(testsupport::english(t.driver2Name), "CNET");
}

TEST(FontArea, HeaderLengthAndChecksumAndTheSizeLimit)
{
    util::Bytes area(kFontAreaCapacity, 0xEE);
    const util::Bytes file{1, 2, 3, 0xFF};
    ASSERT_EQ(buildFontArea(file, area), 10u);
    EXPECT_EQ(util::Bytes(area.begin(), area.begin() + 11),
              (util::Bytes{0, 0, 0, 10, 0x01, 0x05, 1, 2, 3, 0xFF, 0}));
    const util::Bytes largest(kMaxFontFile, 1);
    EXPECT_EQ(buildFontArea(largest, area), kFontAreaCapacity);
    EXPECT_EQ(util::be32(area, 0), 0x40000u);
    const util::Bytes tooLarge(kMaxFontFile + 1, 1);
    EXPECT_EQ(buildFontArea(tooLarge, area), 0u);
}

TEST(ProgressModel, StatusesDriveTextBarAndResult)
{
    CCommThread link;
    CProgressModel model;
    model.setDownload(false);
    EXPECT_EQ(testsupport::korean(model.title()), "업로드 중.....");
    model.setDownload(true);
    EXPECT_EQ(testsupport::korean(model.title()), "다운로드 중.....");

    // The messages carry the record's figures as the worker posted them.
    COMM_CMD c{'w', 'S', {}, 3000, 0, 0};
    EXPECT_FALSE(model.onMessage(link, {WM_COMM_STATUS, StatusCommandStart, &c, 0, 3000, 0, 0})
                         .has_value());
    EXPECT_EQ(testsupport::korean(model.areaText()), "스트링");
    EXPECT_EQ(model.rangeMax(), 3000u);
    EXPECT_EQ(model.position(), 0u);
    c.current = 2048; // the worker has gone on since
    model.onMessage(link, {WM_COMM_STATUS, StatusBlockDone, &c, 0, 3000, 1024, 0});
    EXPECT_EQ(model.position(), 1024u);
    EXPECT_FALSE(model.done());

    const auto text = model.onMessage(link, {WM_COMM_STATUS, StatusFailed, &c, (5u << 16)});
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(testsupport::korean(*text),
              "스트링 영역을 패널로 보내는 중에 통신이 실패했습니다.\r\nBCC 에러");
    EXPECT_EQ(model.result(), ProgressResult::Failed);
    EXPECT_TRUE(model.done());

    CProgressModel other;
    COMM_CMD g{'w', 'G', {}, 10, 0, 0};
    const auto plain = other.onMessage(link, {WM_COMM_SENDFAIL, StatusFailed, &g, 0});
    ASSERT_TRUE(plain.has_value());
    EXPECT_EQ(testsupport::korean(*plain), "통신실패\r\n\r\n글로벌 송수신에 실패했습니다.");
}

TEST(ProgressModel, AWorkerThatCannotStartFailsAtOnce)
{
    CCommThread link;
    CProgressModel model;
    const auto text = model.start(link, nullptr); // an empty list
    EXPECT_FALSE(text.has_value());
    EXPECT_EQ(model.result(), ProgressResult::Failed);
    EXPECT_TRUE(model.done());
}

// Texts the panel sends are shown, never obeyed: a terminal escape, a line break or a byte of no
// character set in a driver's name or the menu language is written out as an escape.
TEST(SystemInfo, PanelTextsAreShownEscaped)
{
    const util::Bytes m(28, 0);
    util::Bytes menu(25, 0);
    std::copy_n("\x1B[2", 3, menu.begin() + 12);
    std::copy_n("1\r\n\\", 4, menu.begin() + 20);
    util::Bytes z1(30, 0);
    std::copy_n("MODBUS\x1B]0;owned\x07\xFF", 17, z1.begin() + 10);
    util::Bytes z2(30, 0);
    std::copy_n("LX PLC", 6, z2.begin() + 10);
    const SystemInfoTexts t = formatSystemInfo(m, menu, z1, z2);
    EXPECT_EQ(testsupport::korean(t.menuLanguage), "\\x1B[2");
    EXPECT_EQ(testsupport::korean(t.menuVersion), "1\\x0D\\x0A\\\\");
    EXPECT_EQ(testsupport::korean(t.driver1Name), "MODBUS\\x1B]0;owned\\x07\\xFF");
    EXPECT_EQ(testsupport::korean(t.driver2Name), "LX PLC");
    // Comparisons with the panel's language go on reading the raw bytes.
    EXPECT_EQ(menuLanguageText(menu), "\x1B[2");
}
