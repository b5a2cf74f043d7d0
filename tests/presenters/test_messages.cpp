// The message manager on the message store, and the message-table editor of a message tag.

#include "functions_test_support.h"

#include "core/model/str_res_mgr.h"
#include "core/presenters/dlg_edit_strs.h"
#include "core/presenters/message_tag_table.h"
#include "core/presenters/msg_edit.h"
#include "core/tags/message_tag.h"
#include "core/tags/tag_resources.h"

#include <gtest/gtest.h>

using namespace core;

namespace {

class Messages : public ::testing::Test
{
protected:
    fntest::Env t;
    CStrResMgr strings;
    int refreshed = 0;
    CDlgEditStrs d{t.env, strings, [this] { ++refreshed; }};

    bool add(const std::string &id, const std::string &text)
    {
        d.SetIdText(id);
        d.SetText(text);
        return d.Add();
    }
};

// A tag table that takes at most `limit` rows.
class FakeTable : public CMessageTable
{
public:
    std::vector<MessageTableRow> Rows() const override { return rows; }
    void Clear() override { rows.clear(); }
    bool Add(const MessageTableRow &row) override
    {
        if (rows.size() >= limit)
            return false;
        rows.push_back(row);
        return true;
    }
    std::vector<MessageTableRow> rows;
    std::size_t limit = 50;
};

} // namespace

TEST_F(Messages, AddKeepsTheListSortedAndRefusesUsedIds)
{
    EXPECT_EQ(d.Text(), "text");
    ASSERT_TRUE(add("20", "twenty"));
    ASSERT_TRUE(add("3", "three"));
    ASSERT_EQ(d.Rows().size(), 2u);
    EXPECT_EQ(d.Rows()[0].id, 3);
    EXPECT_FALSE(add("20", "again"));
    EXPECT_EQ(t.prompt.last(), 52607);
    EXPECT_EQ(strings.Text(20), "twenty");
    EXPECT_EQ(d.Rows().size(), 2u);
    EXPECT_FALSE(add("7", ""));
    EXPECT_EQ(t.prompt.last(), 52613);
    EXPECT_FALSE(add("65536", "x"));
    EXPECT_FALSE(strings.Exists(0));
    d.SortBy(CDlgEditStrs::kColText);
    EXPECT_EQ(d.Rows()[0].text, "three");
    EXPECT_EQ(CDlgEditStrs::ColumnTitles()[1], "메시지");
}

TEST_F(Messages, TextLimitIsTwentyFourBytes)
{
    d.SetText(std::string(25, 'x'));
    EXPECT_EQ(d.Text(), std::string(24, 'x'));
}

TEST_F(Messages, FullStringAreaIsReported)
{
    int id = 0;
    while (strings.UsedBytes() + 32 <= CStrResMgr::kAreaSize)
        ASSERT_TRUE(add(std::to_string(id++), std::string(24, 'm')));
    const std::size_t count = strings.Count();
    EXPECT_FALSE(add(std::to_string(id), std::string(24, 'm')));
    EXPECT_EQ(t.prompt.last(), 52302);
    EXPECT_EQ(strings.Count(), count);
}

TEST_F(Messages, DeleteAndChangeNeedASelection)
{
    EXPECT_FALSE(d.Delete());
    EXPECT_EQ(t.prompt.last(), 52606);
    EXPECT_FALSE(d.Change());
    EXPECT_EQ(t.prompt.last(), 52606);
    add("1", "one");
    add("2", "two");
    add("3", "three");
    d.Select(1);
    EXPECT_EQ(d.IdText(), "2");
    EXPECT_EQ(d.Text(), "two");
    d.SetIdText("3");
    EXPECT_FALSE(d.Change());
    EXPECT_EQ(t.prompt.last(), 52607);
    EXPECT_EQ(strings.Text(2), "two");
    d.SetText("");
    EXPECT_FALSE(d.Change());
    EXPECT_EQ(t.prompt.last(), 52613);
    d.SetIdText("9");
    d.SetText("nine");
    ASSERT_TRUE(d.Change());
    EXPECT_FALSE(strings.Exists(2));
    EXPECT_EQ(strings.Text(9), "nine");
    EXPECT_EQ(d.Rows().back().id, 9);
    d.Select(0);
    ASSERT_TRUE(d.Delete());
    EXPECT_FALSE(strings.Exists(1));
    EXPECT_EQ(d.Rows().size(), 2u);
    EXPECT_GE(refreshed, 1);
    d.SetIdText("65535");
    d.Spin(1);
    EXPECT_EQ(d.IdText(), "65535");
    d.Spin(-2);
    EXPECT_EQ(d.IdText(), "65533");
}

TEST_F(Messages, TableCellRules)
{
    strings.Add(5, "five");
    CMsgEdit e(t.env, strings);
    EXPECT_TRUE(e.EditValue(0, "10"));
    EXPECT_FALSE(e.EditValue(1, "10"));
    EXPECT_EQ(t.prompt.last(), 52602);
    EXPECT_TRUE(e.Cells()[1].value.empty());
    EXPECT_FALSE(e.EditValue(1, "65536"));
    EXPECT_EQ(t.prompt.last(), 52601);
    EXPECT_FALSE(e.EditValue(1, "-1"));
    EXPECT_TRUE(e.EditValue(1, "65535"));
    EXPECT_TRUE(e.EditValue(0, "10")); // its own value again
    EXPECT_TRUE(e.EditValue(0, ""));

    EXPECT_TRUE(e.EditId(0, "5"));
    EXPECT_EQ(e.Cells()[0].message, "five");
    EXPECT_TRUE(e.EditId(0, "6")); // not registered yet: accepted without text
    EXPECT_EQ(e.Cells()[0].message, "");
    for (const char *bad : {"0", "x", "65536"}) {
        EXPECT_FALSE(e.EditId(0, bad)) << bad;
        EXPECT_EQ(t.prompt.last(), 52614);
        EXPECT_EQ(e.Cells()[0].id, "6");
    }
    EXPECT_TRUE(e.EditId(0, ""));
    EXPECT_EQ(e.Cells()[0].message, "");
    EXPECT_TRUE(e.CopyMessage(3, 5));
    EXPECT_EQ(e.Cells()[3].id, "5");
    EXPECT_EQ(e.Cells()[3].message, "five");
}

TEST_F(Messages, TableOkRebuildsTheTagsTable)
{
    strings.Add(5, "five");
    strings.Add(6, "six");
    FakeTable table;
    table.rows = {{1, 5}};
    CMsgEdit e(t.env, strings);
    e.Load(table.rows);
    EXPECT_EQ(e.Cells()[0].message, "five");
    e.EditValue(2, "7"); // a value without an ID
    EXPECT_FALSE(e.Ok(table));
    EXPECT_EQ(t.prompt.last(), 52600);
    EXPECT_EQ(table.rows, (std::vector<MessageTableRow>{{1, 5}}));
    e.EditId(2, "6");
    e.EditValue(4, "3");
    e.EditId(4, "5");
    e.Sort();
    EXPECT_EQ(e.Cells()[0].value, "1");
    EXPECT_EQ(e.Cells()[1].value, "3");
    EXPECT_EQ(e.Cells()[2].value, "7");
    EXPECT_EQ(e.Cells()[2].message, "six");

    table.limit = 2; // the tag refuses the third row: the old table comes back
    EXPECT_FALSE(e.Ok(table));
    EXPECT_EQ(table.rows, (std::vector<MessageTableRow>{{1, 5}}));
    table.limit = 50;
    ASSERT_TRUE(e.Ok(table));
    EXPECT_EQ(table.rows, (std::vector<MessageTableRow>{{1, 5}, {3, 5}, {7, 6}}));
}

TEST_F(Messages, TableOkFillsARealMessageTag)
{
    strings.Add(5, "five");
    CMessageTag tag;
    ASSERT_EQ(tag.AddEntry(40, 5), kEntryAdded);
    CMessageTagTable table(tag);
    CMsgEdit e(t.env, strings);
    e.Load(table.Rows());
    EXPECT_EQ(e.Cells()[0].value, "40");
    e.EditValue(1, "2");
    e.EditId(1, "5");
    ASSERT_TRUE(e.Ok(table));
    ASSERT_EQ(tag.Entries().size(), 2u);
    EXPECT_EQ(tag.Entries()[0], (MessageEntry{2, 5})); // the tag keeps its entries by value
    EXPECT_EQ(tag.Entries()[1], (MessageEntry{40, 5}));
}

TEST_F(Messages, TableFollowsTheMessageManager)
{
    strings.Add(5, "five");
    strings.Add(2, "two");
    CMsgEdit e(t.env, strings);
    const auto registered = e.Registered();
    ASSERT_EQ(registered.size(), 2u);
    EXPECT_EQ(registered[0].id, 5);
    EXPECT_EQ(registered[1].text, "two");
    e.EditValue(0, "1");
    e.EditId(0, "5");
    e.EditValue(1, "2");
    e.EditId(1, "9"); // not registered yet
    strings.Remove(5);
    strings.Add(9, "nine");
    e.RefreshMessages();
    EXPECT_EQ(e.Cells()[0].message, "");
    EXPECT_EQ(e.Cells()[1].message, "nine");
    EXPECT_EQ(e.Cells()[0].id, "5");
}

TEST_F(Messages, RebuiltTagShowsItsNewFirstMessage)
{
    strings.Add(5, "five");
    strings.Add(6, "a much longer message");
    const TagResources project{nullptr, &strings};
    CMessageTag tag;
    tag.BindResources(project);
    tag.AddEntry(1, 5);
    tag.RecalcRect(0);
    ASSERT_EQ(tag.ShownText(), "five");
    const int narrow = tag.Rect().Width();
    CMessageTagTable table(tag);
    CMsgEdit e(t.env, strings);
    e.Load(table.Rows());
    e.EditValue(1, "0");
    e.EditId(1, "6");
    ASSERT_TRUE(e.Ok(table));
    EXPECT_EQ(tag.ShownText(), "a much longer message");
    EXPECT_GT(tag.Rect().Width(), narrow);
}
