#include "core/presenters/message_tag_table.h"

#include "core/tags/message_tag.h"

namespace core {

std::vector<MessageTableRow> CMessageTagTable::Rows() const
{
    std::vector<MessageTableRow> rows;
    for (const MessageEntry &e : m_tag.Entries())
        rows.push_back({e.value, e.message});
    return rows;
}

// The tag shows the message of its first entry: its text and size follow every change.
void CMessageTagTable::Clear()
{
    m_tag.ClearEntries();
    m_tag.RecalcRect(0);
}

bool CMessageTagTable::Add(const MessageTableRow &row)
{
    if (m_tag.AddEntry(row.value, row.id) != kEntryAdded)
        return false;
    m_tag.RecalcRect(0);
    return true;
}

} // namespace core
