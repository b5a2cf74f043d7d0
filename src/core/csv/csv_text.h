#pragma once

// Comma-separated text as RFC 4180 writes it and as spreadsheets save it: UTF-8, optionally
// behind a byte-order mark; lines ended by CRLF, LF or CR; fields in double quotes may hold the
// separator, line breaks and doubled quotes. Spreadsheets set to a decimal comma separate by
// ';', so the reader takes whichever of ',' and ';' the first line holds more of outside quotes.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace core::csv {

using Row = std::vector<std::string>;

struct ReadResult
{
    std::vector<Row> rows; // row i is the file's row i + 1 (a blank line is a row of one "")
    char separator = ',';
    std::optional<std::size_t> unclosedRow; // the row whose quoted field runs to the end

    bool Ok() const { return !unclosedRow; }
};

ReadResult read(std::string_view text);

// UTF-8 with a byte-order mark (spreadsheets then read it as UTF-8), ',' between fields, CRLF
// after every row; a field is quoted when it holds a separator, a quote, a line break or a
// blank at either end.
std::string write(const std::vector<Row> &rows);

} // namespace core::csv
