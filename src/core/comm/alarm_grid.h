#pragma once

// The alarm-history dialog's grid as data: rows with their "No.", the rule that a row with an
// existing occurrence time and message is not added twice, and removal of selected rows.

#include "core/comm/alarm_history.h"

#include <set>
#include <string>
#include <utility>
#include <vector>

namespace comm {

class CAlarmGrid
{
public:
    struct Row
    {
        int number = 0; // "No.": the data row's index when it was added, from 0
        AlarmRow alarm;
    };

    // False when a row with the same occurrence time and message exists.
    bool addRow(const AlarmRow &row);
    // Empties the grid down to its header.
    void clear()
    {
        m_rows.clear();
        m_keys.clear();
    }
    // Removes the rows at the given indices (from the last upwards).
    void removeRows(const std::set<std::size_t> &indices);

    std::size_t size() const { return m_rows.size(); }
    const std::vector<Row> &rows() const { return m_rows; }
    std::vector<AlarmRow> alarms() const;

private:
    std::vector<Row> m_rows;
    std::set<std::pair<std::string, std::string>> m_keys; // (occurrence time, message)
};

} // namespace comm
