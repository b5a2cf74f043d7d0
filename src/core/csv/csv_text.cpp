#include "core/csv/csv_text.h"

namespace core::csv {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

char detectSeparator(std::string_view text)
{
    std::size_t commas = 0;
    std::size_t semicolons = 0;
    bool quoted = false;
    for (const char c : text) {
        if (c == '"')
            quoted = !quoted;
        else if (!quoted && (c == '\n' || c == '\r'))
            break;
        else if (!quoted && c == ',')
            ++commas;
        else if (!quoted && c == ';')
            ++semicolons;
    }
    return semicolons > commas ? ';' : ',';
}

class Reader
{
public:
    Reader(std::string_view text, char separator)
        : m_text(text)
        , m_sep(separator)
    { }

    void Run(ReadResult &out)
    {
        while (m_pos < m_text.size()) {
            Row row;
            if (!ReadRow(row)) {
                out.unclosedRow = out.rows.size() + 1;
                return;
            }
            out.rows.push_back(std::move(row));
        }
    }

private:
    // One row up to and including its line end.
    bool ReadRow(Row &row)
    {
        for (;;) {
            std::string field;
            if (!ReadField(field))
                return false;
            row.push_back(std::move(field));
            if (m_pos >= m_text.size())
                return true;
            const char c = m_text[m_pos++];
            if (c == m_sep)
                continue;
            if (c == '\r' && m_pos < m_text.size() && m_text[m_pos] == '\n')
                ++m_pos;
            return true;
        }
    }

    // Leaves m_pos on the separator or line end after the field.
    bool ReadField(std::string &field)
    {
        if (m_pos < m_text.size() && m_text[m_pos] == '"') {
            ++m_pos;
            if (!ReadQuoted(field))
                return false;
        }
        // Unquoted text, or what a lenient writer left after the closing quote, is taken as is.
        while (m_pos < m_text.size() && !IsEnd(m_text[m_pos]))
            field += m_text[m_pos++];
        return true;
    }

    bool ReadQuoted(std::string &field)
    {
        while (m_pos < m_text.size()) {
            const char c = m_text[m_pos++];
            if (c != '"') {
                field += c;
                continue;
            }
            if (m_pos < m_text.size() && m_text[m_pos] == '"') {
                field += '"';
                ++m_pos;
                continue;
            }
            return true;
        }
        return false;
    }

    bool IsEnd(char c) const { return c == m_sep || c == '\n' || c == '\r'; }

    std::string_view m_text;
    char m_sep;
    std::size_t m_pos = 0;
};

bool needsQuotes(const std::string &field)
{
    return field.find_first_of(",;\"\r\n") != std::string::npos
            || (!field.empty() && (field.front() == ' ' || field.back() == ' '));
}

} // namespace

ReadResult read(std::string_view text)
{
    if (text.substr(0, kBom.size()) == kBom)
        text.remove_prefix(kBom.size());
    ReadResult out;
    out.separator = detectSeparator(text);
    Reader(text, out.separator).Run(out);
    return out;
}

std::string write(const std::vector<Row> &rows)
{
    std::string out(kBom);
    for (const Row &row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (i > 0)
                out += ',';
            if (!needsQuotes(row[i])) {
                out += row[i];
                continue;
            }
            out += '"';
            for (const char c : row[i])
                out += c == '"' ? std::string("\"\"") : std::string(1, c);
            out += '"';
        }
        out += "\r\n";
    }
    return out;
}

} // namespace core::csv
