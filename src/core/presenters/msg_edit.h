#pragma once

// The logic of the message-table editor of a message tag: up to 50 rows of a device value and a
// message ID, with the message's text beside it. Cells are checked as they are edited (52601,
// 52602, 52614) and the whole table at OK (52600) before the tag's table is rebuilt.

#include "core/presenters/function_env.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace core {

class CStrResMgr;

struct MessageTableRow
{
    std::uint16_t value = 0;
    std::uint16_t id = 0;
    bool operator==(const MessageTableRow &) const = default;
};

// The message tag's table as the editor sees it.
class CMessageTable
{
public:
    virtual ~CMessageTable() = default;
    virtual std::vector<MessageTableRow> Rows() const = 0;
    virtual void Clear() = 0;
    // False when the tag refuses the row.
    virtual bool Add(const MessageTableRow &row) = 0;
};

class CMsgEdit
{
public:
    static constexpr int kRows = 50;

    struct Cell
    {
        std::string value;
        std::string id;
        std::string message; // shown, never edited
    };

    CMsgEdit(const FunctionEnv &env, const CStrResMgr &strings);

    // Fills the grid from the tag's table.
    void Load(const std::vector<MessageTableRow> &rows);
    const std::array<Cell, kRows> &Cells() const { return m_cells; }
    static std::vector<std::string> ColumnTitles();

    struct RegisteredMessage
    {
        std::uint16_t id = 0;
        std::string text; // UTF-8
    };
    // The right grid: the registered messages, in the store's order.
    std::vector<RegisteredMessage> Registered() const;
    // The message column again, after the message manager changed the store.
    void RefreshMessages();

    // Edits of one cell; false (with the message) when the edit is refused and the cell keeps
    // its old text.
    bool EditValue(int row, const std::string &text);
    bool EditId(int row, const std::string &text);
    // "<-추가": puts the registered message `id` into the row.
    bool CopyMessage(int row, std::uint16_t id);
    // Rows with values first, ascending by value; empty rows last.
    void Sort();

    // False (52600) when a row is half filled or the tag refuses a row; the tag's table is then
    // as it was.
    bool Ok(CMessageTable &table);

private:
    std::string MessageText(std::uint16_t id) const;

    FunctionEnv m_env;
    const CStrResMgr &m_strings;
    std::array<Cell, kRows> m_cells;
};

} // namespace core
