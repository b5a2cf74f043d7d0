// The panel clock, alarm-history and alarm-search dialogs' rules, without a panel.

#include "comm/fake_ui.h"

#include "core/comm/comm_message_queue.h"
#include "core/comm/comm_text.h"
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
    EXPECT_EQ(ui.texts[0], comm::CommText(comm::CommTextId::SearchEndBeforeStart));
}

TEST_F(AlarmHistDlgTest, SaveSearchAndDeleteGoThroughTheDatabase)
{
    CAlarmHistDlg dlg(dbPath(), m_dir.string(), {});
    EXPECT_EQ(dlg.DatabaseFolder(), (m_dir / "Alarm").string());

    dlg.AddRows(kRows);
    dlg.AddRows(kRows); // the same occurrence and message only once
    ASSERT_EQ(dlg.Grid().size(), 3u);
    ASSERT_TRUE(dlg.Save(m_ui));
    EXPECT_TRUE(std::filesystem::exists(dbPath())); // made from the template

    auto search = dlg.PrepareSearch(m_ui);
    ASSERT_TRUE(search.has_value());
    EXPECT_EQ(search->StoredMessages(), (std::vector<std::string>{"PRESSURE HIGH", "TANK LOW"}));
    search->SetUseMessage(true);
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
    EXPECT_EQ(m_ui.texts.back(), comm::CommText(comm::CommTextId::SearchEndBeforeStart));
    EXPECT_EQ(dlg.Grid().size(), 2u);
    EXPECT_FALSE(dlg.Range().useDate);

    EXPECT_FALSE(dlg.Delete(m_ui, {}));
    EXPECT_EQ(m_ui.texts.back(), comm::CommText(comm::CommTextId::NoLineSelected));
    m_ui.answers = {true};
    ASSERT_TRUE(dlg.Delete(m_ui, {0}));
    EXPECT_EQ(m_ui.questions.back(), testsupport::korean(comm::CommTextId::AskDeleteRows));
    ASSERT_EQ(dlg.Grid().size(), 1u);
    EXPECT_EQ(dlg.Grid().rows()[0].alarm, kRows[1]);
    ASSERT_TRUE(dlg.Search(m_ui, dlg.Range()));
    EXPECT_EQ(dlg.Grid().size(), 1u); // gone from the database too
}

// Until a range is confirmed the search offers the whole history loaded (the database and the
// grid) with any message, so that accepting it finds every stored alarm; a confirmed range then
// comes back as it was.
TEST_F(AlarmHistDlgTest, TheFirstSearchOffersTheWholeHistoryLoaded)
{
    CAlarmHistDlg dlg(dbPath(), m_dir.string(), {});
    auto empty = dlg.PrepareSearch(m_ui);
    ASSERT_TRUE(empty.has_value());
    EXPECT_TRUE(empty->Search().useDate);
    EXPECT_FALSE(empty->Search().useMessage);

    dlg.AddRows({kRows[1], kRows[0]});
    ASSERT_TRUE(dlg.Save(m_ui));
    dlg.AddRows({kRows[2], {"20A6-13-01 00:00:00", "", "NOT A TIME"}}); // in the grid only
    auto search = dlg.PrepareSearch(m_ui);
    ASSERT_TRUE(search.has_value());
    EXPECT_EQ(comm::searchTimeText(search->Search().start), kRows[0].alarmDate);
    EXPECT_EQ(comm::searchTimeText(search->Search().end), kRows[2].alarmDate);
    EXPECT_TRUE(search->Search().useDate);
    EXPECT_FALSE(search->Search().useMessage);
    ASSERT_TRUE(search->Ok(m_ui));
    ASSERT_TRUE(dlg.Search(m_ui, search->Search()));
    ASSERT_EQ(dlg.Grid().size(), 2u); // every stored alarm, newest first
    EXPECT_EQ(dlg.Grid().rows()[0].alarm, kRows[1]);

    comm::AlarmSearch narrow = search->Search();
    narrow.start = ClockTime{2026, 12, 1};
    ASSERT_TRUE(dlg.Search(m_ui, narrow));
    dlg.AddRows({{"2030-01-01 00:00:00", "", "LATER"}});
    EXPECT_EQ(comm::searchTimeText(dlg.PrepareSearch(m_ui)->Search().start), "2026-12-01 00:00:00");
    EXPECT_EQ(comm::searchTimeText(dlg.PrepareSearch(m_ui)->Search().end), kRows[2].alarmDate);
}

TEST(AlarmSearchTimes, OnlyWholeValidTimesWidenTheSpan)
{
    EXPECT_EQ(comm::searchTimeText(*comm::parseSearchTime("2026-02-28 23:59:59")),
              "2026-02-28 23:59:59");
    for (const char *bad : {"", "2026-02-30 00:00:00", "2026-1-01 00:00:00", "2026-01-01 00:00:00 ",
                            "2026-01-01T00:00:00", "20A6-01-01 00:00:00"})
        EXPECT_FALSE(comm::parseSearchTime(bad).has_value()) << bad;
    std::optional<comm::TimeSpan> span;
    comm::widenSpan(span, "garbage");
    EXPECT_FALSE(span.has_value());
    for (const char *t : {"2026-05-01 10:00:00", "2025-12-31 23:59:59", "2026-05-01 10:00:01"})
        comm::widenSpan(span, t);
    ASSERT_TRUE(span.has_value());
    EXPECT_EQ(comm::searchTimeText(span->first), "2025-12-31 23:59:59");
    EXPECT_EQ(comm::searchTimeText(span->last), "2026-05-01 10:00:01");
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
        EXPECT_EQ(ui.texts.back(), link.GetErrorText());
        EXPECT_NE(ui.messages.back().find("/nonexistent/panel-port"), std::string::npos);
        EXPECT_FALSE(link.IsIdle()); // reading again
        EXPECT_TRUE(dlg.PanelText().empty());
    } // closing stops the reading and gives the link its target back
    EXPECT_TRUE(link.IsIdle());
    EXPECT_EQ(link.SetNotifyWnd(nullptr), &before);
}
