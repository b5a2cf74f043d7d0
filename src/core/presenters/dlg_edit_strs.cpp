#include "core/presenters/dlg_edit_strs.h"

#include "core/functions/user_text.h"
#include "core/model/str_res_mgr.h"

#include "util/message_ids.h"

#include <algorithm>
#include <charconv>

namespace core {

CDlgEditStrs::CDlgEditStrs(const FunctionEnv &env, CStrResMgr &strings,
                           std::function<void()> refresh)
    : m_env(env)
    , m_strings(strings)
    , m_refresh(std::move(refresh))
    , m_text("text")
{
    Reload();
}

std::vector<std::string> CDlgEditStrs::ColumnTitles()
{
    return {"ID", std::string(util::messageText(util::msg::kMessageColumn))};
}

void CDlgEditStrs::Reload()
{
    m_rows.clear();
    for (const auto &s : m_strings.Strings())
        m_rows.push_back({s->Key(), usertext::ToUser(s->m_text, m_env.panelLang)});
    SortBy(m_sortColumn);
}

void CDlgEditStrs::SortBy(int column)
{
    m_sortColumn = column == kColText ? kColText : kColId;
    const auto byId = [](const Row &a, const Row &b) { return a.id < b.id; };
    const auto byText = [](const Row &a, const Row &b) {
        return a.text != b.text ? a.text < b.text : a.id < b.id;
    };
    if (m_sortColumn == kColId)
        std::sort(m_rows.begin(), m_rows.end(), byId);
    else
        std::sort(m_rows.begin(), m_rows.end(), byText);
    m_selected = -1;
}

bool CDlgEditStrs::ReadId(std::uint16_t &id) const
{
    unsigned value = 0;
    const char *end = m_idText.data() + m_idText.size();
    const auto [ptr, ec] = std::from_chars(m_idText.data(), end, value);
    if (ec != std::errc() || ptr != end || value > 65535) {
        m_env.Show(util::msg::kIntegerRange, "0", "65535");
        return false;
    }
    id = std::uint16_t(value);
    return true;
}

void CDlgEditStrs::Spin(int delta)
{
    unsigned value = 0;
    std::from_chars(m_idText.data(), m_idText.data() + m_idText.size(), value);
    const long next = std::clamp<long>(long(std::min(value, 65535u)) + delta, 0, 65535);
    m_idText = std::to_string(next);
}

std::string CDlgEditStrs::Text() const
{
    return usertext::ToUser(m_text, m_env.panelLang);
}

void CDlgEditStrs::SetText(const std::string &utf8)
{
    m_text = usertext::FromUser(utf8, m_env.panelLang, kMaxText);
}

void CDlgEditStrs::Select(int row)
{
    if (row < 0 || std::size_t(row) >= m_rows.size()) {
        m_selected = -1;
        return;
    }
    m_selected = row;
    m_idText = std::to_string(m_rows[std::size_t(row)].id);
    SetText(m_rows[std::size_t(row)].text);
}

bool CDlgEditStrs::Add()
{
    if (m_text.empty()) {
        m_env.Show(util::msg::kNoStringEntered);
        return false;
    }
    std::uint16_t id = 0;
    if (!ReadId(id))
        return false;
    switch (m_strings.Add(id, m_text)) {
    case 0:
        m_rows.push_back({id, Text()});
        SortBy(m_sortColumn);
        return true;
    case 1:
        m_env.Show(util::msg::kMemoryFull);
        return false;
    default:
        m_env.Show(util::msg::kStringIdTaken);
        return false;
    }
}

bool CDlgEditStrs::Delete()
{
    if (m_selected < 0) {
        m_env.Show(util::msg::kNoStringSelected);
        return false;
    }
    m_strings.Remove(m_rows[std::size_t(m_selected)].id);
    m_rows.erase(m_rows.begin() + m_selected);
    m_selected = -1;
    if (m_refresh)
        m_refresh();
    return true;
}

bool CDlgEditStrs::Change()
{
    if (m_selected < 0) {
        m_env.Show(util::msg::kNoStringSelected);
        return false;
    }
    if (m_text.empty()) {
        m_env.Show(util::msg::kNoStringEntered);
        return false;
    }
    std::uint16_t id = 0;
    if (!ReadId(id))
        return false;
    const std::uint16_t old = m_rows[std::size_t(m_selected)].id;
    if (id != old && m_strings.Exists(id)) {
        m_env.Show(util::msg::kStringIdTaken);
        return false;
    }
    // Check the room first, so a refused change leaves the old message in place.
    const std::string oldText = m_strings.Text(old);
    if (m_strings.UsedBytes() - oldText.size() + m_text.size() > CStrResMgr::kAreaSize) {
        m_env.Show(util::msg::kMemoryFull);
        return false;
    }
    m_strings.Remove(old);
    if (m_strings.Add(id, m_text) != 0) {
        m_strings.Add(old, oldText);
        m_env.Show(util::msg::kMemoryFull);
        return false;
    }
    Reload();
    if (m_refresh)
        m_refresh();
    return true;
}

} // namespace core
