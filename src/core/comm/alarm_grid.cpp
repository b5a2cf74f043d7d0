#include "core/comm/alarm_grid.h"

namespace comm {

bool CAlarmGrid::addRow(const AlarmRow &row)
{
    if (!m_keys.emplace(row.alarmDate, row.message).second)
        return false;
    m_rows.push_back({static_cast<int>(m_rows.size()), row});
    return true;
}

void CAlarmGrid::removeRows(const std::set<std::size_t> &indices)
{
    for (auto it = indices.rbegin(); it != indices.rend(); ++it) {
        if (*it >= m_rows.size())
            continue;
        const AlarmRow &alarm = m_rows[*it].alarm;
        m_keys.erase({alarm.alarmDate, alarm.message});
        m_rows.erase(m_rows.begin() + static_cast<std::ptrdiff_t>(*it));
    }
}

std::vector<AlarmRow> CAlarmGrid::alarms() const
{
    std::vector<AlarmRow> out;
    out.reserve(m_rows.size());
    for (const Row &r : m_rows)
        out.push_back(r.alarm);
    return out;
}

} // namespace comm
