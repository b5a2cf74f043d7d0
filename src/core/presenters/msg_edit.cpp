#include "core/presenters/msg_edit.h"

#include "core/functions/user_text.h"
#include "core/model/str_res_mgr.h"

#include "util/message_ids.h"

#include <algorithm>
#include <charconv>
#include <optional>

namespace core {

namespace {

std::optional<std::uint16_t> number(const std::string &text)
{
    unsigned value = 0;
    const char *end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end || value > 65535)
        return std::nullopt;
    return std::uint16_t(value);
}

bool validRow(int row)
{
    return row >= 0 && row < CMsgEdit::kRows;
}

} // namespace

CMsgEdit::CMsgEdit(const FunctionEnv &env, const CStrResMgr &strings)
    : m_env(env)
    , m_strings(strings)
{ }

std::vector<std::string> CMsgEdit::ColumnTitles()
{
    return {std::string(util::messageText(util::msg::kValueColumn)), "ID",
            std::string(util::messageText(util::msg::kMessageColumn))};
}

std::string CMsgEdit::MessageText(std::uint16_t id) const
{
    return usertext::ToUser(m_strings.Text(id), m_env.panelLang);
}

void CMsgEdit::Load(const std::vector<MessageTableRow> &rows)
{
    m_cells.fill(Cell{});
    for (std::size_t i = 0; i < rows.size() && i < m_cells.size(); ++i)
        m_cells[i] = {std::to_string(rows[i].value), std::to_string(rows[i].id),
                      MessageText(rows[i].id)};
}

std::vector<CMsgEdit::RegisteredMessage> CMsgEdit::Registered() const
{
    std::vector<RegisteredMessage> out;
    for (const auto &s : m_strings.Strings())
        out.push_back({s->Key(), usertext::ToUser(s->m_text, m_env.panelLang)});
    return out;
}

void CMsgEdit::RefreshMessages()
{
    for (Cell &cell : m_cells) {
        const auto id = number(cell.id);
        cell.message = id && m_strings.Exists(*id) ? MessageText(*id) : std::string();
    }
}

bool CMsgEdit::EditValue(int row, const std::string &text)
{
    if (!validRow(row))
        return false;
    if (text.empty()) {
        m_cells[std::size_t(row)].value.clear();
        return true;
    }
    const auto value = number(text);
    if (!value) {
        m_env.Show(util::msg::kBadValue);
        return false;
    }
    for (int r = 0; r < kRows; ++r) {
        if (r == row)
            continue;
        const auto other = number(m_cells[std::size_t(r)].value);
        if (other && *other == *value) {
            m_env.Show(util::msg::kDuplicateValue);
            return false;
        }
    }
    m_cells[std::size_t(row)].value = std::to_string(*value);
    return true;
}

bool CMsgEdit::EditId(int row, const std::string &text)
{
    if (!validRow(row))
        return false;
    Cell &cell = m_cells[std::size_t(row)];
    if (text.empty()) {
        cell.id.clear();
        cell.message.clear();
        return true;
    }
    const auto id = number(text);
    if (!id || (*id == 0 && !m_strings.Exists(0))) {
        m_env.Show(util::msg::kStringIdUnknown);
        return false;
    }
    cell.id = std::to_string(*id);
    cell.message = m_strings.Exists(*id) ? MessageText(*id) : std::string();
    return true;
}

bool CMsgEdit::CopyMessage(int row, std::uint16_t id)
{
    if (!validRow(row) || !m_strings.Exists(id))
        return false;
    m_cells[std::size_t(row)].id = std::to_string(id);
    m_cells[std::size_t(row)].message = MessageText(id);
    return true;
}

void CMsgEdit::Sort()
{
    std::stable_sort(m_cells.begin(), m_cells.end(), [](const Cell &a, const Cell &b) {
        const auto va = number(a.value);
        const auto vb = number(b.value);
        if (va && vb)
            return *va < *vb;
        return va.has_value() && !vb.has_value();
    });
}

bool CMsgEdit::Ok(CMessageTable &table)
{
    std::vector<MessageTableRow> rows;
    for (const Cell &cell : m_cells) {
        if (cell.value.empty() && cell.id.empty())
            continue;
        const auto value = number(cell.value);
        const auto id = number(cell.id);
        if (!value || !id) {
            m_env.Show(util::msg::kBadMessageTable);
            return false;
        }
        rows.push_back({*value, *id});
    }
    const std::vector<MessageTableRow> before = table.Rows();
    table.Clear();
    for (const MessageTableRow &row : rows) {
        if (!table.Add(row)) {
            table.Clear();
            for (const MessageTableRow &old : before)
                table.Add(old);
            m_env.Show(util::msg::kBadMessageTable);
            return false;
        }
    }
    return true;
}

} // namespace core
