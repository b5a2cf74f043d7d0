// The CSV reader as `dorvane-cli csv import` runs it on a user's file, and the table imports
// behind it. Any text must read without a crash or a hang; what reads must write and read back
// to the same rows, or the export and the import would disagree.

#include "core/csv/csv_tables.h"
#include "core/csv/csv_text.h"
#include "core/model/dorvane_doc.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const core::csv::ReadResult read = core::csv::read(text);
    if (read.Ok()) {
        const core::csv::ReadResult again = core::csv::read(core::csv::write(read.rows));
        if (!again.Ok() || again.rows != read.rows)
            std::abort();
    }
    core::CDorvaneDoc doc;
    for (const auto table :
         {core::csv::Table::Tags, core::csv::Table::Alarms, core::csv::Table::Messages})
        core::csv::importTable(doc, table, text);
    return 0;
}
