// The panel clock, alarm-history and alarm-search dialogs' rules, without a panel.

#include "comm/fake_ui.h"

#include "core/comm/comm_message_queue.h"
#include "core/comm/comm_texts.h"
#include "core/comm/comm_thread.h"
#include "core/presenters/alarm_hist_dlg.h"
#include "core/presenters/date_time_dlg.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sqlite3.h>
#include <unistd.h>

using namespace core;
using comm::AlarmRow;
using comm::ClockTime;
using testsupport::FakeUi;

namespace {

class AlarmHistDlgTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_dir = std::filesystem::temp_directory_path()
                / ("alarm_hist_dlg_" + std::to_string(::getpid()));
        std::filesystem::create_directories(m_dir);
        sqlite3 *db = nullptr;
        ASSERT_EQ(sqlite3_open((m_dir / "AlarmHist.MAC").c_str(), &db), SQLITE_OK);
        sqlite3_exec(db, "CREATE TABLE Alarm (AlarmDate TEXT, ClearDate TEXT, Message TEXT)",
                     nullptr, nullptr, nullptr);
        sqlite3_close(db);
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }
    std::string dbPath() const { return (m_dir / "Alarm" / "Project1.mdb").string(); }

    std::filesystem::path m_dir;
    FakeUi m_ui;
};

const std::vector<AlarmRow> kRows = {
        {"2026-11-30 09:15:00", "2026-11-30 09:20:00", "PRESSURE HIGH"},
        {"2026-12-01 10:00:00", "", "TANK LOW"},
        {"2026-12-02 08:00:00", "", "TANK LOW"},
};

} // namespace

TEST(AlarmSearchDlg, OneConditionStaysCheckedAndStoredMessagesAreCopied)
{
    comm::AlarmSearch range;
    range.start = ClockTime{2026, 1, 1};
    range.end = ClockTime{2026, 12, 31};
    CAlarmSearchDlg dlg(range, {"A", "B", "A"});
    EXPECT_EQ(dlg.StoredMessages(), (std::vector<std::string>{"A", "B"}));
    dlg.ChooseStored(1);
    EXPECT_EQ(dlg.Search().message, "B");
    dlg.ChooseStored(7); // no such entry: nothing changes
    EXPECT_EQ(dlg.Search().message, "B");

    dlg.SetUseDate(false);
    EXPECT_FALSE(dlg.DateEnabled());
    dlg.SetUseMessage(false); // the last checked one cannot be cleared
    EXPECT_TRUE(dlg.MessageEnabled());
    EXPECT_FALSE(dlg.DateEnabled());

    FakeUi ui;
    EXPECT_TRUE(dlg.Ok(ui));
    dlg.SetEnd(ClockTime{2025, 12, 31, 23, 59, 59});
    EXPECT_FALSE(dlg.Ok(ui));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0], comm::text::kSearchEndBeforeStart);
}

TEST_F(AlarmHistDlgTest, SaveSearchAndDeleteGoThroughTheDatabase)
{
    CAlarmHistDlg dlg(dbPath(), m_dir.string(), {});
    EXPECT_EQ(dlg.DatabaseFolder(), (m_dir / "Alarm").string());
    // The range starts at the dialog's creation for both ends.
    EXPECT_EQ(comm::searchTimeText(dlg.Range().start), comm::searchTimeText(dlg.Range().end));

    dlg.AddRows(kRows);
    dlg.AddRows(kRows); // the same occurrence and message only once
    ASSERT_EQ(dlg.Grid().size(), 3u);
    ASSERT_TRUE(dlg.Save(m_ui));
    EXPECT_TRUE(std::filesystem::exists(dbPath())); // made from the template

    auto search = dlg.PrepareSearch(m_ui);
    ASSERT_TRUE(search.has_value());
    EXPECT_EQ(search->StoredMessages(), (std::vector<std::string>{"PRESSURE HIGH", "TANK LOW"}));
    search->SetUseDate(false);
    search->ChooseStored(1);
    ASSERT_TRUE(dlg.Search(m_ui, search->Search()));
    ASSERT_EQ(dlg.Grid().size(), 2u);
    EXPECT_EQ(dlg.Grid().rows()[0].alarm, kRows[2]); // newest first
    EXPECT_EQ(dlg.Grid().rows()[0].number, 0);
    // The confirmed range is what the next search starts from.
    EXPECT_FALSE(dlg.PrepareSearch(m_ui)->Search().useDate);
    EXPECT_EQ(dlg.PrepareSearch(m_ui)->Search().message, "TANK LOW");

    // A refused range keeps the grid and the last confirmed range.
    comm::AlarmSearch backwards = search->Search();
    backwards.useDate = true;
    backwards.start = ClockTime{2027, 1, 1};
    backwards.end = ClockTime{2026, 1, 1};
    EXPECT_FALSE(dlg.Search(m_ui, backwards));
    EXPECT_EQ(m_ui.messages.back(), comm::text::kSearchEndBeforeStart);
    EXPECT_EQ(dlg.Grid().size(), 2u);
    EXPECT_FALSE(dlg.Range().useDate);

    EXPECT_FALSE(dlg.Delete(m_ui, {}));
    EXPECT_EQ(m_ui.messages.back(), comm::text::kNoLineSelected);
    m_ui.answers = {true};
    ASSERT_TRUE(dlg.Delete(m_ui, {0}));
    EXPECT_EQ(m_ui.questions.back(), comm::text::kAskDeleteRows);
    ASSERT_EQ(dlg.Grid().size(), 1u);
    EXPECT_EQ(dlg.Grid().rows()[0].alarm, kRows[1]);
    ASSERT_TRUE(dlg.Search(m_ui, dlg.Range()));
    EXPECT_EQ(dlg.Grid().size(), 1u); // gone from the database too
}

TEST_F(AlarmHistDlgTest, AnUnreadableDatabaseEndsTheSearchWithItsReason)
{
    CAlarmHistDlg dlg((m_dir / "none" / "x.mdb").string(), (m_dir / "missing").string(), {});
    EXPECT_FALSE(dlg.PrepareSearch(m_ui).has_value());
    ASSERT_EQ(m_ui.messages.size(), 1u);
    EXPECT_FALSE(m_ui.messages[0].empty());
    EXPECT_EQ(m_ui.icons[0], comm::IPanelUi::Icon::Warning);
}

TEST(DateTimeDlg, SetsTheFieldsOrThePcTimeAndStopsReadingWhenClosed)
{
    comm::CCommThread link;
    link.SetDevicePath("/nonexistent/panel-port");
    comm::CCommMessageQueue before;
    link.SetNotifyWnd(&before);
    FakeUi ui;
    {
        CDateTimeDlg dlg(link);
        EXPECT_TRUE(dlg.UsePcClock());
        EXPECT_FALSE(dlg.PickersEnabled());
        EXPECT_FALSE(dlg.TimeToSend().has_value());
        const ClockTime when{2031, 7, 15, 8, 30, 0};
        dlg.SetFields(when);
        dlg.SetUsePcClock(false);
        EXPECT_TRUE(dlg.PickersEnabled());
        ASSERT_TRUE(dlg.TimeToSend().has_value());
        EXPECT_EQ(comm::searchTimeText(*dlg.TimeToSend()), "2031-07-15 08:30:00");

        // Not reading yet: setting would leave a reading behind that nothing stops.
        EXPECT_FALSE(dlg.SetTime(ui));
        EXPECT_TRUE(link.IsIdle());

        comm::CCommMessageQueue mine;
        ASSERT_TRUE(dlg.Open(&mine));
        EXPECT_FALSE(link.IsIdle());
        EXPECT_FALSE(dlg.SetTime(ui)); // the port cannot be opened
        ASSERT_FALSE(ui.messages.empty());
        EXPECT_EQ(ui.messages.back(), comm::text::kErrPortOpen);
        EXPECT_FALSE(link.IsIdle()); // reading again
        EXPECT_TRUE(dlg.PanelText().empty());
    } // closing stops the reading and gives the link its target back
    EXPECT_TRUE(link.IsIdle());
    EXPECT_EQ(link.SetNotifyWnd(nullptr), &before);
}
