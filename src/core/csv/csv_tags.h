#pragma once

// The tag list as CSV: one row per tag of every screen, with its position and device columns.
// Import changes only the device columns (channel, station, address) of the tags it names.

#include "core/csv/csv_tables.h"

namespace core::csv {

std::vector<Row> exportTagRows(const CDorvaneDoc &doc);
ImportResult importTagRows(CDorvaneDoc &doc, const std::vector<Row> &rows);

} // namespace core::csv
