#include "core/csv/csv_columns.h"

#include "util/code_page.h"
#include "util/message_ids.h"

#include <algorithm>
#include <cctype>

namespace core::csv {

CColumns::CColumns(const Row &header, const std::vector<std::string> &required,
                   std::vector<Notice> &refusals)
{
    for (std::size_t i = 0; i < header.size(); ++i)
        m_index.emplace(header[i], i);
    for (const std::string &name : required)
        if (!m_index.count(name))
            refusals.push_back({util::msg::kCsvMissingColumn, {name}});
}

const std::string &CColumns::Field(const Row &row, const std::string &name) const
{
    static const std::string empty;
    const auto it = m_index.find(name);
    return it != m_index.end() && it->second < row.size() ? row[it->second] : empty;
}

bool isBlank(const Row &row)
{
    return std::all_of(row.begin(), row.end(), [](const std::string &f) { return f.empty(); });
}

Notice rowNotice(int id, std::size_t row, const std::string &column, std::vector<std::string> more)
{
    Notice n{id, {std::to_string(row), column}};
    n.args.insert(n.args.end(), more.begin(), more.end());
    return n;
}

std::optional<std::string> panelText(const std::string &utf8, std::uint16_t langId,
                                     std::size_t maxBytes, std::size_t row,
                                     const std::string &column, std::vector<Notice> &refusals)
{
    auto bytes = util::fromUtf8(utf8, langId);
    if (!bytes || bytes->find('\0') != std::string::npos) {
        refusals.push_back(
                rowNotice(util::msg::kCsvCodePage, row, column, {util::codePageName(langId)}));
        return std::nullopt;
    }
    if (bytes->size() > maxBytes) {
        refusals.push_back(rowNotice(util::msg::kCsvTooLong, row, column,
                                     {std::to_string(bytes->size()), std::to_string(maxBytes)}));
        return std::nullopt;
    }
    return bytes;
}

std::optional<std::uint32_t> numberField(const std::string &text, std::uint32_t max,
                                         std::size_t row, const std::string &column,
                                         std::vector<Notice> &refusals)
{
    const bool digits = !text.empty() && text.size() <= 9
            && std::all_of(text.begin(), text.end(),
                           [](unsigned char c) { return std::isdigit(c) != 0; });
    if (!digits || std::stoul(text) > max) {
        refusals.push_back(rowNotice(util::msg::kCsvBadValue, row, column, {text}));
        return std::nullopt;
    }
    return std::uint32_t(std::stoul(text));
}

} // namespace core::csv
