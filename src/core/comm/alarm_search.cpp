#include "core/comm/alarm_search.h"

#include "core/comm/comm_texts.h"
#include "util/messages.h"

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

std::optional<std::string_view> validateSearch(const AlarmSearch &search)
{
    if (compactTime(search.end) < compactTime(search.start))
        return text::kSearchEndBeforeStart;
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

} // namespace comm
