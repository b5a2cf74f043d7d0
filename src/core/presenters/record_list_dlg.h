#pragma once

// The list half shared by the alarm, calculation, block-transfer and reservation dialogs. The
// dialog works on its own copies of the document's records; adding, modifying and deleting touch
// only those, and OK replaces the document's list with them. The editor presenter lives as long as
// the list dialog, so a new entry starts from the record it last held: the defaults the first
// time, later the last record that was added or loaded for modification.

#include "core/presenters/function_env.h"

#include "core/functions/function_text.h"

#include "util/message_ids.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace core {

template<typename Record, typename Editor>
class CRecordListDlg
{
public:
    static constexpr std::size_t kMaxRecords = 20;
    using Raw = typename Record::Raw;
    // Shows the editor modally; true when it ended with OK (the editor's Ok() accepted).
    using RunEditor = std::function<bool(Editor &)>;

    CRecordListDlg(const FunctionEnv &env, Editor editor)
        : m_env(env)
        , m_editor(std::move(editor))
    { }

    // One item per record of the document's list, in order.
    void Open(const std::vector<Raw> &records)
    {
        m_items.clear();
        for (const Raw &raw : records)
            m_items.emplace_back(raw);
    }

    std::size_t Count() const { return m_items.size(); }
    const Record &At(std::size_t index) const { return m_items.at(index); }
    Editor &EditorPresenter() { return m_editor; }

    // Refused with 50300 when the list is full; otherwise runs the editor from the record it
    // holds and appends the result on OK.
    bool Add(const RunEditor &run)
    {
        if (m_items.size() >= kMaxRecords) {
            m_env.Show(util::msg::kListFull, int(kMaxRecords));
            return false;
        }
        m_editor.Load(m_editor.Held());
        if (!run(m_editor))
            return false;
        m_items.push_back(m_editor.Held());
        return true;
    }

    bool Modify(std::size_t index, const RunEditor &run)
    {
        if (index >= m_items.size())
            return false;
        m_editor.Load(m_items[index]);
        if (!run(m_editor))
            return false;
        m_items[index] = m_editor.Held();
        return true;
    }

    // A double click modifies the selected item, or adds when nothing is selected (-1).
    bool DoubleClick(int selected, const RunEditor &run)
    {
        return selected < 0 ? Add(run) : Modify(std::size_t(selected), run);
    }

    // Removes the item at once, without asking.
    bool Delete(int selected)
    {
        if (selected < 0 || std::size_t(selected) >= m_items.size())
            return false;
        m_items.erase(m_items.begin() + selected);
        return true;
    }

    // Replaces the document's list with the items, in list order.
    void Ok(std::vector<Raw> &records)
    {
        records.clear();
        for (const Record &item : m_items)
            records.push_back(item.Bytes());
        m_items.clear();
    }

    // The document's list stays as it was.
    void Cancel() { m_items.clear(); }

protected:
    FunctionEnv m_env;
    std::vector<Record> m_items;
    Editor m_editor;
};

} // namespace core
