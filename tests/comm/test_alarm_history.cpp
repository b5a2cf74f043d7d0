// Alarm history: decoding of the panel blocks, the grid rule, the search statement and the
// SQLite database (template made with the sqlite3 shell, results read back with it too).

#include "core/comm/alarm_database.h"
#include "core/comm/alarm_grid.h"
#include "core/comm/alarm_history.h"
#include "core/comm/alarm_search.h"
#include "fake_ui.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <sys/stat.h>

using namespace comm;

namespace {

// A BCD time field: year word, month, day, hour, minute, second.
void setTime(util::ByteSpan f, std::uint16_t year, std::uint8_t mo, std::uint8_t d, std::uint8_t h,
             std::uint8_t mi, std::uint8_t s)
{
    util::setBe16(f, 0, year);
    f[2] = mo;
    f[3] = d;
    f[4] = h;
    f[5] = mi;
    f[6] = s;
}

util::Bytes emptyHistory()
{
    return util::Bytes(kHistoryLength, 0xFF);
}

util::ByteSpan wholeEntry(util::Bytes &h, std::size_t i)
{
    return util::ByteSpan(h).subspan(i * kWholeEntrySize, kWholeEntrySize);
}

util::Bytes alarmBlock(std::uint16_t count, const std::vector<std::string> &messages)
{
    util::Bytes block(kAlarmBlockLength, 0);
    util::setBe16(block, 0, count);
    for (std::size_t i = 0; i < messages.size(); ++i)
        util::setFixedText(block, kAlarmTableSize + i * kAlarmRecordSize + kAlarmMessageOffset, 38,
                           messages[i]);
    return block;
}

std::string shell(const std::string &command)
{
    std::string out;
    if (FILE *p = ::popen(command.c_str(), "r")) {
        char buf[256];
        while (std::fgets(buf, sizeof buf, p))
            out += buf;
        ::pclose(p);
    }
    return out;
}

} // namespace

TEST(HistoryDecode, TimeTextsAndTheEmptyYear)
{
    std::array<std::uint8_t, 7> f{};
    setTime(f, 0x2026, 0x12, 0x08, 0x09, 0x05, 0x59);
    EXPECT_EQ(historyTimeText(f), "2026-12-08 09:05:59");
    setTime(f, 0xFFFF, 0, 0, 0, 0, 0);
    EXPECT_FALSE(historyTimeText(f).has_value());
}

TEST(HistoryDecode, WholeHistoryEntriesSkipEmptyOnesAndMayBeUncleared)
{
    util::Bytes h = emptyHistory();
    auto e0 = wholeEntry(h, 0);
    util::setFixedText(e0, 2, 37, "PUMP OVERLOAD");
    setTime(e0.subspan(40), 0x2026, 0x01, 0x02, 0x03, 0x04, 0x05);
    setTime(e0.subspan(47), 0x2026, 0x01, 0x02, 0x04, 0x00, 0x00);
    auto e2 = wholeEntry(h, 2);
    // A text of 37 characters runs into offset 39, which is taken as its end.
    std::fill(e2.begin() + 2, e2.begin() + 40, std::uint8_t{'X'});
    setTime(e2.subspan(40), 0x2026, 0x02, 0x03, 0x04, 0x05, 0x06); // clear year stays 0xFFFF

    const auto rows = decodeAlarmHistory(alarmBlock(0, {}), h);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0], (AlarmRow{"2026-01-02 03:04:05", "2026-01-02 04:00:00", "PUMP OVERLOAD"}));
    EXPECT_EQ(rows[1].alarmDate, "2026-02-03 04:05:06");
    EXPECT_EQ(rows[1].clearDate, "");
    EXPECT_EQ(rows[1].message, std::string(37, 'X'));
}

TEST(HistoryDecode, PerAlarmEntriesUseTheAlarmsOwnMessagesOnlyForCountsOneToTwenty)
{
    util::Bytes h = emptyHistory();
    const util::ByteSpan a1 = util::ByteSpan(h).subspan(kPerAlarmStart + 140, 140);
    setTime(a1.subspan(14 * 3), 0x2025, 0x11, 0x30, 0x23, 0x59, 0x00);
    setTime(a1.subspan(14 * 3 + 7), 0x2025, 0x12, 0x01, 0x00, 0x01, 0x00);

    const auto rows = decodeAlarmHistory(alarmBlock(2, {"FIRST", "SECOND"}), h);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0], (AlarmRow{"2025-11-30 23:59:00", "2025-12-01 00:01:00", "SECOND"}));

    EXPECT_TRUE(decodeAlarmHistory(alarmBlock(0, {"FIRST", "SECOND"}), h).empty());
    EXPECT_TRUE(decodeAlarmHistory(alarmBlock(21, {"FIRST", "SECOND"}), h).empty());
    // An alarm beyond the count is not read.
    EXPECT_TRUE(decodeAlarmHistory(alarmBlock(1, {"FIRST", "SECOND"}), h).empty());
}

TEST(AlarmGrid, RowsAreNumberedFromZeroAndNeverDuplicated)
{
    CAlarmGrid grid;
    EXPECT_TRUE(grid.addRow({"2026-01-01 00:00:00", "", "A"}));
    EXPECT_TRUE(grid.addRow({"2026-01-01 00:00:00", "", "B"}));
    EXPECT_FALSE(grid.addRow({"2026-01-01 00:00:00", "2026-01-01 00:01:00", "A"}));
    EXPECT_TRUE(grid.addRow({"2026-01-01 00:00:01", "", "A"}));
    ASSERT_EQ(grid.size(), 3u);
    EXPECT_EQ(grid.rows()[0].number, 0);
    EXPECT_EQ(grid.rows()[2].number, 2);
    grid.removeRows({0, 2});
    ASSERT_EQ(grid.size(), 1u);
    EXPECT_EQ(grid.rows()[0].alarm.message, "B");
    EXPECT_TRUE(grid.addRow({"2026-01-01 00:00:00", "", "A"})); // gone, so it may come back
}

TEST(AlarmSearchStatement, DateMessageAndBoth)
{
    AlarmSearch s;
    s.start = {2026, 1, 2, 3, 4, 5, 0};
    s.end = {2026, 12, 31, 23, 59, 59, 0};
    s.message = "it's hot";
    SqlStatement both = buildSearchStatement(s);
    EXPECT_EQ(both.sql,
              "SELECT *  FROM Alarm WHERE AlarmDate >= ? AND AlarmDate <= ? AND "
              "Message = ? ORDER BY AlarmDate DESC");
    EXPECT_EQ(both.parameters,
              (std::vector<std::string>{"2026-01-02 03:04:05", "2026-12-31 23:59:59", "it's hot"}));

    s.useDate = false;
    const SqlStatement messageOnly = buildSearchStatement(s);
    EXPECT_EQ(messageOnly.sql, "SELECT *  FROM Alarm WHERE Message = ? ORDER BY AlarmDate DESC");
    EXPECT_EQ(messageOnly.parameters, (std::vector<std::string>{"it's hot"}));

    s.useDate = true;
    s.useMessage = false;
    EXPECT_EQ(buildSearchStatement(s).sql,
              "SELECT *  FROM Alarm WHERE AlarmDate >= ? AND "
              "AlarmDate <= ? ORDER BY AlarmDate DESC");
}

TEST(AlarmSearchStatement, OneConditionStaysCheckedAndTheEndMayNotPrecedeTheStart)
{
    AlarmSearch s;
    s.setUseDate(false);
    EXPECT_FALSE(s.useDate);
    s.setUseMessage(false);
    EXPECT_TRUE(s.useMessage); // the other one is clear: checked again
    s.setUseDate(true);
    s.setUseMessage(false);
    EXPECT_FALSE(s.useMessage);

    s.start = {2026, 5, 5, 10, 0, 1, 0};
    s.end = {2026, 5, 5, 10, 0, 0, 0};
    EXPECT_EQ(testsupport::korean(validateSearch(s).value()),
              "검색 종료일은 시작일보다 작을 수 없습니다.");
    s.end = s.start;
    EXPECT_FALSE(validateSearch(s).has_value());
}

class AlarmDb : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_dir = ::testing::TempDir() + "/alarm_db_"
                + ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::filesystem::remove_all(m_dir);
        std::filesystem::create_directories(m_dir);
        m_template = m_dir + "/AlarmHist.MAC";
        shell("sqlite3 '" + m_template
              + "' 'CREATE TABLE Alarm (AlarmDate TEXT, ClearDate TEXT, Message TEXT);'");
        ASSERT_TRUE(std::filesystem::exists(m_template));
        m_path = alarmDatabasePath(m_dir, "Project", 1);
    }
    std::string query(const std::string &sql)
    {
        return shell("sqlite3 -separator '|' '" + m_path + "' \"" + sql + "\"");
    }

    std::string m_dir, m_template, m_path;
    testsupport::FakeUi m_ui;
};

TEST_F(AlarmDb, MissingFileIsCreatedFromTheTemplateAndNeverOverwritten)
{
    EXPECT_EQ(m_path, m_dir + "/Alarm/Project1.mdb");
    CAlarmDatabase db(m_path, m_template);
    ASSERT_TRUE(db.save({{"2026-01-01 00:00:00", "", "A"}})) << db.lastError();
    EXPECT_EQ(query("SELECT COUNT(*) FROM Alarm"), "1\n");
    ASSERT_TRUE(db.save({{"2026-01-01 00:00:01", "", "B"}}));
    EXPECT_EQ(query("SELECT COUNT(*) FROM Alarm"), "2\n"); // the template did not come back

    ::chmod(m_path.c_str(), 0444);
    ASSERT_TRUE(db.save({{"2026-01-01 00:00:02", "", "C"}})) << db.lastError();
    EXPECT_EQ(query("SELECT COUNT(*) FROM Alarm"), "3\n");

    CAlarmDatabase noTemplate(m_dir + "/other.mdb", m_dir + "/missing.MAC");
    EXPECT_FALSE(noTemplate.save({{"x", "", "y"}}));
    EXPECT_FALSE(noTemplate.lastError().empty());
}

TEST_F(AlarmDb, SearchingLeavesAReadOnlyFileReadOnly)
{
    CAlarmDatabase db(m_path, m_template);
    ASSERT_TRUE(db.save({{"2026-01-01 00:00:00", "", "A"}, {"2026-01-02 00:00:00", "", "B"}}));
    ::chmod(m_path.c_str(), 0444);
    const auto before = std::filesystem::last_write_time(m_path);
    AlarmSearch onlyB;
    onlyB.useDate = false;
    onlyB.message = "B";
    const auto rows = db.search(onlyB);
    ASSERT_TRUE(rows) << db.lastError();
    ASSERT_EQ(rows->size(), 1u);
    EXPECT_EQ((*rows)[0].message, "B");
    const auto messages = db.distinctMessages();
    ASSERT_TRUE(messages) << db.lastError();
    EXPECT_EQ(*messages, (std::vector<std::string>{"A", "B"}));
    struct stat st
    { };
    ASSERT_EQ(::stat(m_path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0444u);
    EXPECT_EQ(std::filesystem::last_write_time(m_path), before);
}

// Both ends of the range are inclusive to the second, in the database itself.
TEST_F(AlarmDb, AnAlarmAtTheEndOrStartSecondIsFound)
{
    CAlarmDatabase db(m_path, m_template);
    ASSERT_TRUE(db.save({{"2026-05-04 12:00:00", "", "Level high"}})) << db.lastError();
    const auto found = [&db](ClockTime start, ClockTime end) {
        AlarmSearch s;
        s.useMessage = false;
        s.start = start;
        s.end = end;
        const auto rows = db.search(s);
        EXPECT_TRUE(rows.has_value()) << db.lastError();
        return rows ? rows->size() : 0u;
    };
    EXPECT_EQ(found({2026, 5, 4, 11, 0, 0, 0}, {2026, 5, 4, 12, 0, 0, 0}), 1u) << "ends there";
    EXPECT_EQ(found({2026, 5, 4, 12, 0, 0, 0}, {2026, 5, 4, 13, 0, 0, 0}), 1u) << "starts there";
    EXPECT_EQ(found({2026, 5, 4, 12, 0, 0, 0}, {2026, 5, 4, 12, 0, 0, 0}), 1u) << "that second";
    EXPECT_EQ(found({2026, 5, 4, 11, 0, 0, 0}, {2026, 5, 4, 11, 59, 59, 0}), 0u);
    EXPECT_EQ(found({2026, 5, 4, 12, 0, 1, 0}, {2026, 5, 4, 13, 0, 0, 0}), 0u);
}

TEST_F(AlarmDb, SaveUpdatesTheClearTimeOfAnExistingPair)
{
    CAlarmDatabase db(m_path, m_template);
    ASSERT_TRUE(db.save({{"2026-01-01 00:00:00", "", "A"}, {"2026-01-01 00:00:00", "", "B"}}));
    ASSERT_TRUE(db.save({{"2026-01-01 00:00:00", "2026-01-01 01:00:00", "A"}}));
    EXPECT_EQ(query("SELECT AlarmDate, ClearDate, Message FROM Alarm ORDER BY Message"),
              "2026-01-01 00:00:00|2026-01-01 01:00:00|A\n2026-01-01 00:00:00||B\n");
}

TEST_F(AlarmDb, SearchBindsMessagesWithApostrophesAndOrdersNewestFirst)
{
    CAlarmDatabase db(m_path, m_template);
    const std::string tricky = "it's '; DROP TABLE Alarm; --";
    ASSERT_TRUE(db.save({{"2026-01-01 00:00:00", "", tricky},
                         {"2026-03-01 00:00:00", "2026-03-01 00:10:00", tricky},
                         {"2026-02-01 00:00:00", "", "other"},
                         {"2025-12-31 23:59:59", "", tricky}}))
            << db.lastError();
    AlarmSearch s;
    s.start = {2026, 1, 1, 0, 0, 0, 0};
    s.end = {2026, 12, 31, 23, 59, 59, 0};
    s.message = tricky;
    const auto rows = db.search(s);
    ASSERT_TRUE(rows.has_value()) << db.lastError();
    ASSERT_EQ(rows->size(), 2u);
    EXPECT_EQ((*rows)[0], (AlarmRow{"2026-03-01 00:00:00", "2026-03-01 00:10:00", tricky}));
    EXPECT_EQ((*rows)[1].alarmDate, "2026-01-01 00:00:00");

    s.useMessage = false;
    EXPECT_EQ(db.search(s)->size(), 3u);

    const auto messages = db.distinctMessages();
    ASSERT_TRUE(messages.has_value());
    EXPECT_EQ(*messages, (std::vector<std::string>{tricky, "other"}));
}

TEST_F(AlarmDb, GridButtonsSearchSaveAndDelete)
{
    CAlarmDatabase db(m_path, m_template);
    CAlarmGrid grid;
    grid.addRow({"2026-01-01 00:00:00", "", "A"});
    grid.addRow({"2026-01-02 00:00:00", "", "B'"});
    grid.addRow({"2026-01-03 00:00:00", "", "C"});
    ASSERT_TRUE(SaveAlarmGrid(db, m_ui, grid));

    EXPECT_FALSE(DeleteAlarmRows(db, m_ui, grid, {}));
    EXPECT_EQ(m_ui.messages.back(), "선택된 라인이 없습니다. 확인하시기 바랍니다.");
    m_ui.answers = {false};
    EXPECT_FALSE(DeleteAlarmRows(db, m_ui, grid, {1}));
    EXPECT_EQ(m_ui.questions.back(), "선택된 라인의 레코드를 정말로 지우시겠습니까?");
    EXPECT_EQ(grid.size(), 3u);
    ASSERT_TRUE(DeleteAlarmRows(db, m_ui, grid, {0, 1}));
    EXPECT_EQ(grid.size(), 1u);
    EXPECT_EQ(query("SELECT Message FROM Alarm"), "C\n");

    AlarmSearch s;
    s.useMessage = false;
    s.start = {2026, 1, 4, 0, 0, 0, 0};
    s.end = {2026, 1, 1, 0, 0, 0, 0};
    EXPECT_FALSE(SearchAlarmsIntoGrid(db, m_ui, s, grid));
    EXPECT_EQ(m_ui.messages.back(), "검색 종료일은 시작일보다 작을 수 없습니다.");
    EXPECT_EQ(grid.size(), 1u);
    s.start = {2000, 1, 1, 0, 0, 0, 0};
    s.end = {2099, 1, 1, 0, 0, 0, 0};
    grid.addRow({"2030-01-01 00:00:00", "", "unsaved"});
    ASSERT_TRUE(SearchAlarmsIntoGrid(db, m_ui, s, grid));
    ASSERT_EQ(grid.size(), 1u); // the grid holds only what the database found
    EXPECT_EQ(grid.rows()[0].alarm.message, "C");
}
