#pragma once

// What the table importers share: the header row read into column positions, and the refusals
// that name a row and a column.

#include "core/csv/csv_text.h"
#include "core/xref/notice.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace core::csv {

class CColumns
{
public:
    // Finds each of `required` in the header (row 1); a missing one is refused.
    CColumns(const Row &header, const std::vector<std::string> &required,
             std::vector<Notice> &refusals);

    // The field of `name` in `row` ("" when the row is short).
    const std::string &Field(const Row &row, const std::string &name) const;

private:
    std::map<std::string, std::size_t> m_index;
};

// A row whose fields are all empty (a spreadsheet's blank line).
bool isBlank(const Row &row);

Notice rowNotice(int id, std::size_t row, const std::string &column,
                 std::vector<std::string> more = {});

// `utf8` in the panel's code page, at most `maxBytes` bytes and without a zero byte; refused
// with the row and column otherwise.
std::optional<std::string> panelText(const std::string &utf8, std::uint16_t langId,
                                     std::size_t maxBytes, std::size_t row,
                                     const std::string &column, std::vector<Notice> &refusals);

// A decimal number 0-max; refused with the row and column otherwise.
std::optional<std::uint32_t> numberField(const std::string &text, std::uint32_t max,
                                         std::size_t row, const std::string &column,
                                         std::vector<Notice> &refusals);

} // namespace core::csv
