// The CSV reader on what spreadsheets write (a byte-order mark, CRLF, quoted quotes, separators
// and line breaks, ';' as the separator) and the writer's quoting, which reads back the same.

#include "core/csv/csv_text.h"

#include <gtest/gtest.h>

using core::csv::Row;

namespace {

TEST(CsvText, ReadsWhatSpreadsheetsSave)
{
    const auto r = core::csv::read("\xEF\xBB\xBFnumber,text\r\n"
                                   "1,\"say \"\"hi\"\", then go\"\r\n"
                                   "2,\"two\r\nlines\"\r\n"
                                   "3,\r\n");
    ASSERT_TRUE(r.Ok());
    EXPECT_EQ(r.separator, ',');
    EXPECT_EQ(r.rows,
              (std::vector<Row>{{"number", "text"},
                                {"1", "say \"hi\", then go"},
                                {"2", "two\r\nlines"},
                                {"3", ""}}));
}

TEST(CsvText, TakesSemicolonsWhenTheHeaderIsSeparatedByThem)
{
    const auto r = core::csv::read("number;text\n1;\"a;b\"\n2;c,d\r\r\n4;e");
    ASSERT_TRUE(r.Ok());
    EXPECT_EQ(r.separator, ';');
    // A lone CR ends a line too, and a blank line stays a row so row numbers match the sheet.
    EXPECT_EQ(r.rows,
              (std::vector<Row>{{"number", "text"}, {"1", "a;b"}, {"2", "c,d"}, {""}, {"4", "e"}}));
}

TEST(CsvText, NamesTheRowOfAnUnclosedQuote)
{
    const auto r = core::csv::read("a,b\n1,2\n3,\"open\n4,5\n");
    EXPECT_FALSE(r.Ok());
    EXPECT_EQ(r.unclosedRow, 3u);
    // Text after a closing quote is kept, as spreadsheets keep it.
    EXPECT_EQ(core::csv::read("\"a\"b,c").rows, (std::vector<Row>{{"ab", "c"}}));
    EXPECT_TRUE(core::csv::read("").rows.empty());
}

TEST(CsvText, QuotesOnlyWhatNeedsIt)
{
    const std::vector<Row> rows{{"plain", "a,b", "say \"x\"", "two\nlines", " pad", "a;b", ""}};
    const std::string text = core::csv::write(rows);
    EXPECT_EQ(text,
              "\xEF\xBB\xBFplain,\"a,b\",\"say \"\"x\"\"\",\"two\nlines\",\" pad\",\"a;b\","
              "\r\n");
    EXPECT_EQ(core::csv::read(text).rows, rows);
}

} // namespace
