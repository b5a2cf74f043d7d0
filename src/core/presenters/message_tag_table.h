#pragma once

// The message-table editor's view of a real message tag: its entries as table rows.

#include "core/presenters/msg_edit.h"

namespace core {

class CMessageTag;

class CMessageTagTable : public CMessageTable
{
public:
    explicit CMessageTagTable(CMessageTag &tag)
        : m_tag(tag)
    { }

    std::vector<MessageTableRow> Rows() const override;
    void Clear() override;
    bool Add(const MessageTableRow &row) override;

private:
    CMessageTag &m_tag;
};

} // namespace core
