#pragma once

// The logic of the message manager: the project's messages as a sorted list, an ID and a text
// edit, and add, change and delete on the process-wide message store, each refusal with its
// message (52613, 52302, 52607, 52606).

#include "core/presenters/function_env.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace core {

class CStrResMgr;

class CDlgEditStrs
{
public:
    static constexpr std::size_t kMaxText = 24;

    struct Row
    {
        std::uint16_t id = 0;
        std::string text; // UTF-8
    };
    enum Column { kColId = 0, kColText = 1 };

    // `refresh` tells the main window that a message went away (its views repaint).
    CDlgEditStrs(const FunctionEnv &env, CStrResMgr &strings, std::function<void()> refresh = {});

    static std::vector<std::string> ColumnTitles();
    const std::vector<Row> &Rows() const { return m_rows; }
    void SortBy(int column);
    int SortColumn() const { return m_sortColumn; }

    const std::string &IdText() const { return m_idText; }
    void SetIdText(const std::string &text) { m_idText = text; }
    // The spin control: one up or down within 0 to 65535.
    void Spin(int delta);
    // The text as shown; typing stops at 24 bytes of the panel's code page.
    std::string Text() const;
    void SetText(const std::string &utf8);

    // A click on a row copies its ID and text into the edits; -1 clears the selection.
    void Select(int row);
    int Selected() const { return m_selected; }

    bool Add();
    bool Delete();
    bool Change();

private:
    bool ReadId(std::uint16_t &id) const;
    void Reload();

    FunctionEnv m_env;
    CStrResMgr &m_strings;
    std::function<void()> m_refresh;
    std::vector<Row> m_rows;
    int m_sortColumn = kColId;
    int m_selected = -1;
    std::string m_idText = "0";
    std::string m_text; // panel code page
};

} // namespace core
