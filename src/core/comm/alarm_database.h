#pragma once

// The alarm-history database of a project: an SQLite file with the table
// Alarm (AlarmDate, ClearDate, Message), created from the program folder's empty template when
// missing. A row is identified by (AlarmDate, Message). Each command opens the file, runs in one
// transaction and closes it; a failure ends the command and leaves its reason in lastError().

#include "core/comm/alarm_history.h"
#include "core/comm/alarm_search.h"

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace comm {

class CAlarmGrid;
class IPanelUi;

// "<program folder>/Alarm/<base><n>.mdb".
std::string alarmDatabasePath(const std::string &programDir, const std::string &base, int n);

class CAlarmDatabase
{
public:
    CAlarmDatabase(std::string path, std::string templatePath);

    const std::string &path() const { return m_path; }
    void setPath(std::string path) { m_path = std::move(path); }
    const std::string &lastError() const { return m_error; }

    // The empty template is a few kilobytes; a larger file is no template.
    static constexpr std::uint64_t kMaxTemplate = 1024 * 1024;

    // Copies the template to the path when the file is missing (never over an existing file);
    // for a command that writes, also clears a read-only attribute.
    bool prepareFile(bool forWriting);

    // Updates the clear time of rows that exist, inserts the others.
    bool save(const std::vector<AlarmRow> &rows);
    // Newest first, at most 65535 rows.
    std::optional<std::vector<AlarmRow>> search(const AlarmSearch &search);
    std::optional<std::vector<std::string>> distinctMessages();
    // Widens `span` to the occurrence times of every stored row; false when the file cannot be
    // read.
    bool widenToStored(std::optional<TimeSpan> &span);
    bool remove(const std::vector<AlarmRow> &rows);

private:
    std::string m_path;
    std::string m_templatePath;
    std::string m_error;
};

// The dialog's database buttons. A database failure shows its reason and ends the command.
// "Save": every grid row into the database.
bool SaveAlarmGrid(CAlarmDatabase &db, IPanelUi &ui, const CAlarmGrid &grid);
// "Search" after the range dialog's OK: the grid is emptied and filled with the found rows.
// An end before the start is refused with its message and nothing changes.
bool SearchAlarmsIntoGrid(CAlarmDatabase &db, IPanelUi &ui, const AlarmSearch &search,
                          CAlarmGrid &grid);
// "Delete": the selected rows leave the database and the grid, after the user agrees.
bool DeleteAlarmRows(CAlarmDatabase &db, IPanelUi &ui, CAlarmGrid &grid,
                     const std::set<std::size_t> &selected);

} // namespace comm
