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

void CMessageTagTable::Clear()
{
    m_tag.ClearEntries();
}

bool CMessageTagTable::Add(const MessageTableRow &row)
{
    return m_tag.AddEntry(row.value, row.id) == kEntryAdded;
}

} // namespace core
