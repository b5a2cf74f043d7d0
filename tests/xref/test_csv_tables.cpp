// The demo project's tag list, alarms and messages through CSV: the round trip gives the same
// project file, translated texts and moved addresses come in, and every refusal names its row
// and column and leaves the project untouched.

#include "test_demo_fixture.h"

#include "core/csv/csv_tables.h"
#include "core/functions/alarm_record.h"
#include "core/model/str_res_mgr.h"

#include "util/message_ids.h"

using namespace core;
using namespace core::csv;

namespace {

class CsvTables : public xreftest::DemoTest
{
protected:
    // The exported table with `from` replaced by `to` in row `row` (1 the header).
    std::string Edited(Table table, std::size_t row, std::size_t column, const std::string &to)
    {
        auto rows = exportRows(*m_doc, table);
        rows.at(row - 1).at(column) = to;
        return write(rows);
    }

    std::vector<std::string> Refusals(const ImportResult &r)
    {
        std::vector<std::string> out;
        for (const Notice &n : r.refusals)
            out.push_back(n.Text());
        return out;
    }
};

TEST_F(CsvTables, RoundTripOfEveryTableGivesTheSameFile)
{
    const util::Bytes before = Saved();
    for (const Table t : {Table::Tags, Table::Alarms, Table::Messages}) {
        const std::string text = exportTable(*m_doc, t);
        const ImportResult r = importTable(*m_doc, t, text);
        EXPECT_TRUE(r.Ok()) << tableWord(t);
        EXPECT_EQ(r.changed, 0u) << tableWord(t);
        EXPECT_EQ(exportTable(*m_doc, t), text) << tableWord(t);
    }
    EXPECT_EQ(Saved(), before);
    EXPECT_FALSE(m_doc->IsModified());
}

TEST_F(CsvTables, ExportWritesAHeaderAndOneRowPerRecord)
{
    const auto tags = exportRows(*m_doc, Table::Tags);
    EXPECT_EQ(tags.front(),
              (Row{"screen", "tag", "kind", "x", "y", "width", "height", "channel", "station",
                   "address", "data size", "base", "limits"}));
    EXPECT_EQ(tags.at(1),
              (Row{"0", "1", "numeric", "36", "32", "40", "16", "Ch1", "1", "4x2", "Word", "DEC",
                   "0 ~ 1000"}));
    const auto alarms = exportRows(*m_doc, Table::Alarms);
    EXPECT_EQ(alarms.at(1), (Row{"1", "1-1-1x2", "모터 과부하"}));
    EXPECT_EQ(exportRows(*m_doc, Table::Messages).at(2), (Row{"2", "운전"}));
}

TEST_F(CsvTables, TranslatedTextsComeInByNumber)
{
    // A spreadsheet's CSV: semicolons, CRLF, a byte-order mark, a quoted separator.
    const ImportResult messages = importTable(
            *m_doc, Table::Messages, "\xEF\xBB\xBFnumber;text\r\n2;\"운전; 자동\"\r\n\r\n");
    ASSERT_TRUE(messages.Ok()) << ::testing::PrintToString(Refusals(messages));
    EXPECT_EQ(messages.changed, 1u);
    EXPECT_EQ(exportRows(*m_doc, Table::Messages).at(2), (Row{"2", "운전; 자동"}));
    EXPECT_EQ(exportRows(*m_doc, Table::Messages).at(1), (Row{"1", "정지"}));

    ASSERT_TRUE(importTable(*m_doc, Table::Alarms, Edited(Table::Alarms, 3, 2, "비상")).Ok());
    EXPECT_EQ(exportRows(*m_doc, Table::Alarms).at(2).at(2), "비상");
    EXPECT_TRUE(m_doc->IsModified());
}

TEST_F(CsvTables, TagAddressesComeInByScreenAndTag)
{
    ASSERT_TRUE(importTable(*m_doc, Table::Tags, Edited(Table::Tags, 2, 9, "4X20")).Ok());
    // The driver's own form is kept.
    EXPECT_EQ(exportRows(*m_doc, Table::Tags).at(1).at(9), "4x20");
}

TEST_F(CsvTables, RefusalsNameRowAndColumnAndChangeNothing)
{
    const util::Bytes before = Saved();
    auto rows = exportRows(*m_doc, Table::Tags);
    rows.at(1).at(9) = "4x99999"; // past the last register
    rows.at(2).at(7) = "Ch9";
    rows.at(3).at(9) = "4x5"; // fine, but not applied while others are refused
    rows.push_back({"0", "99", "numeric"});
    const ImportResult tags = importTable(*m_doc, Table::Tags, write(rows));
    EXPECT_EQ(Refusals(tags),
              (std::vector<std::string>{
                      "CSV row 2, column address: the driver refuses the address 4x99999.",
                      "CSV row 3, column channel: Ch9 is not valid here.",
                      "CSV row " + std::to_string(rows.size()) + ": screen 0 has no tag 99."}));

    const std::string tooLong(40, 'x');
    const ImportResult alarms = importTable(*m_doc, Table::Alarms,
                                            "number,message\n1,ok\n2," + tooLong + "\n9,x\n1,y\n");
    EXPECT_EQ(Refusals(alarms),
              (std::vector<std::string>{
                      "CSV row 3, column message: the text takes 40 bytes, at most 37 fit.",
                      "CSV row 4, column number: there is no entry number 9.",
                      "CSV row 5, column number: 1 comes twice."}));
    const ImportResult messages
            = importTable(*m_doc, Table::Messages, "number,text\n1,\xF0\x9F\x98\x80\n");
    ASSERT_EQ(messages.refusals.size(), 1u);
    EXPECT_EQ(messages.refusals[0].id, util::msg::kCsvCodePage);
    EXPECT_EQ(messages.refusals[0].args[0], "2");
    EXPECT_EQ(messages.refusals[0].args[1], "text");

    EXPECT_EQ(importTable(*m_doc, Table::Messages, "id,text\n").refusals.at(0).Text(),
              "The CSV file has no column number.");
    EXPECT_EQ(importTable(*m_doc, Table::Messages, "number,text\n1,\"open\n").refusals.at(0).Text(),
              "CSV row 2: a quoted value is not closed.");
    EXPECT_EQ(Saved(), before);
}

TEST_F(CsvTables, MessagesThatOverflowTheAreaAreRefused)
{
    const std::string huge(CStrResMgr::kAreaSize - 100, 'x');
    const ImportResult r
            = importTable(*m_doc, Table::Messages, "number,text\n1," + huge + "\n2," + huge + "\n");
    ASSERT_EQ(r.refusals.size(), 1u);
    EXPECT_EQ(r.refusals[0].id, util::msg::kCsvAreaFull);
    EXPECT_EQ(exportRows(*m_doc, Table::Messages).at(1), (Row{"1", "정지"}));
}

} // namespace
