#pragma once

// Three tables of a project as CSV, for spreadsheets and translators: the tag list (screen, tag,
// kind, position, size and the device columns), the alarms and the messages. Export writes a
// header row and one row per record; import reads the columns a user may change (message and
// alarm texts by number, the tags' channel, station and address by screen and tag number),
// checks every value first as the JSON import does (the panel's code page, lengths, the
// channel's driver) and changes the document only when nothing is refused. Unchanged values
// are left as they are, so exporting and importing gives back the same project.

#include "core/csv/csv_text.h"
#include "core/xref/notice.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace core {
class CDorvaneDoc;
}

namespace core::csv {

enum class Table { Tags, Alarms, Messages };

// "tags", "alarms", "messages".
std::optional<Table> tableFromWord(std::string_view word);
std::string_view tableWord(Table table);

std::vector<Row> exportRows(const CDorvaneDoc &doc, Table table);
std::string exportTable(const CDorvaneDoc &doc, Table table);

struct ImportResult
{
    std::vector<Notice> refusals; // each names its row and column
    std::size_t changed = 0; // records changed

    bool Ok() const { return refusals.empty(); }
};

// All or nothing: on any refusal the document is left untouched.
ImportResult importTable(CDorvaneDoc &doc, Table table, std::string_view text);

} // namespace core::csv
