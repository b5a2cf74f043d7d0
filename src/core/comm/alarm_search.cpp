#include "core/comm/alarm_search.h"

#include "core/comm/comm_text.h"
#include "util/messages.h"

#include <charconv>

namespace comm {

namespace {

std::string compactTime(const ClockTime &t)
{
    return util::formatText("%04d%02d%02d%02d%02d%02d", t.year, t.month, t.day, t.hour, t.minute,
                            t.second);
}

} // namespace

void AlarmSearch::setUseDate(bool checked)
{
    useDate = checked || !useMessage;
}

void AlarmSearch::setUseMessage(bool checked)
{
    useMessage = checked || !useDate;
}

std::optional<CommTextId> validateSearch(const AlarmSearch &search)
{
    if (compactTime(search.end) < compactTime(search.start))
        return CommTextId::SearchEndBeforeStart;
    return std::nullopt;
}

std::string searchTimeText(const ClockTime &t)
{
    return util::formatText("%4.4d-%2.2d-%2.2d %2.2d:%2.2d:%2.2d", t.year, t.month, t.day, t.hour,
                            t.minute, t.second);
}

SqlStatement buildSearchStatement(const AlarmSearch &search)
{
    SqlStatement s;
    s.sql = "SELECT *  FROM Alarm WHERE";
    // With neither condition (the dialog never allows it) every row matches.
    const bool useDate = search.useDate || !search.useMessage;
    if (useDate) {
        s.sql += " AlarmDate >= ? AND AlarmDate <= ?";
        s.parameters.push_back(searchTimeText(search.start));
        s.parameters.push_back(searchTimeText(search.end));
    }
    if (search.useMessage) {
        if (useDate)
            s.sql += " AND";
        s.sql += " Message = ?";
        s.parameters.push_back(search.message);
    }
    s.sql += " ORDER BY AlarmDate DESC";
    return s;
}

std::optional<ClockTime> parseSearchTime(std::string_view text)
{
    // Fixed columns: digits at every place but the separators "-", "-", " ", ":", ":".
    constexpr std::string_view kPattern = "0000-00-00 00:00:00";
    if (text.size() != kPattern.size())
        return std::nullopt;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool digit = text[i] >= '0' && text[i] <= '9';
        if (kPattern[i] == '0' ? !digit : text[i] != kPattern[i])
            return std::nullopt;
    }
    const auto number = [&](std::size_t at, std::size_t count) {
        int value = 0;
        std::from_chars(text.data() + at, text.data() + at + count, value);
        return value;
    };
    ClockTime t;
    t.year = number(0, 4);
    t.month = number(5, 2);
    t.day = number(8, 2);
    t.hour = number(11, 2);
    t.minute = number(14, 2);
    t.second = number(17, 2);
    if (!isValidClockTime(t))
        return std::nullopt;
    return t;
}

void widenSpan(std::optional<TimeSpan> &span, std::string_view when)
{
    const std::optional<ClockTime> t = parseSearchTime(when);
    if (!t)
        return;
    if (!span) {
        span = TimeSpan{*t, *t};
        return;
    }
    if (compactTime(*t) < compactTime(span->first))
        span->first = *t;
    if (compactTime(span->last) < compactTime(*t))
        span->last = *t;
}

} // namespace comm
