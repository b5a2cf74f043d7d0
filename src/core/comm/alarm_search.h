#pragma once

// The alarm search range and the statement it builds: a date range and/or a message, newest
// first. Values are bound as parameters, never pasted into the statement.

#include "core/comm/clock_record.h"
#include "core/comm/comm_text.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace comm {

struct AlarmSearch
{
    bool useDate = true;
    bool useMessage = true;
    ClockTime start;
    ClockTime end;
    std::string message;

    // The check boxes: at least one stays checked, so clearing one while the other is clear
    // checks it again.
    void setUseDate(bool checked);
    void setUseMessage(bool checked);
};

struct SqlStatement
{
    std::string sql;
    std::vector<std::string> parameters;
};

// Why OK is refused (the end lies before the start), or nothing.
std::optional<CommTextId> validateSearch(const AlarmSearch &search);
// "YYYY-MM-DD hh:mm:ss", the form the occurrence times are stored in.
std::string searchTimeText(const ClockTime &time);
SqlStatement buildSearchStatement(const AlarmSearch &search);
// The time of a "YYYY-MM-DD hh:mm:ss" text; nothing for a text that is no valid time.
std::optional<ClockTime> parseSearchTime(std::string_view text);

// The earliest and the latest occurrence of a history.
struct TimeSpan
{
    ClockTime first;
    ClockTime last;
};
// Widens `span` to take in the occurrence time text `when`; a text that is no time is left out.
void widenSpan(std::optional<TimeSpan> &span, std::string_view when);

inline constexpr std::size_t kMaxSearchRows = 65535;

} // namespace comm
