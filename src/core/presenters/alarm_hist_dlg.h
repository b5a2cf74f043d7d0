#pragma once

// The alarm-history dialog and its search range: the grid read from the panel, the project's
// alarm database behind the save, search and delete buttons, and the search range that lasts as
// long as the history dialog.

#include "core/comm/alarm_database.h"
#include "core/comm/alarm_grid.h"
#include "core/comm/alarm_history.h"
#include "core/comm/alarm_search.h"

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace comm {
class CCommThread;
class IPanelUi;
} // namespace comm

namespace core {

class CAppConfig;

// The panel's alarm texts are in its own code page, whatever this computer's locale.
comm::TextConverter panelTextConverter(std::uint16_t langId);
// Without a project: the panel language whose menu file names the same language as the panel's
// menu area, else Korean, the panel's own language (never this computer's locale).
comm::PanelTextChooser panelTextChooser(const CAppConfig &config);

class CAlarmSearchDlg
{
public:
    // `stored`: the messages of the database, shown in the drop-down once each.
    CAlarmSearchDlg(const comm::AlarmSearch &range, const std::vector<std::string> &stored);

    const comm::AlarmSearch &Search() const { return m_search; }
    void SetUseDate(bool checked) { m_search.setUseDate(checked); }
    void SetUseMessage(bool checked) { m_search.setUseMessage(checked); }
    bool DateEnabled() const { return m_search.useDate; }
    bool MessageEnabled() const { return m_search.useMessage; }
    void SetStart(const comm::ClockTime &t) { m_search.start = t; }
    void SetEnd(const comm::ClockTime &t) { m_search.end = t; }
    void SetMessage(std::string message) { m_search.message = std::move(message); }
    const std::vector<std::string> &StoredMessages() const { return m_stored; }
    // Choosing a stored message copies it into the message field.
    void ChooseStored(std::size_t index);
    // OK: refuses an end before the start with its message.
    bool Ok(comm::IPanelUi &ui) const;

private:
    comm::AlarmSearch m_search;
    std::vector<std::string> m_stored;
};

class CAlarmHistDlg
{
public:
    // `dbPath`: the application's alarm database; `programDir` holds the empty template.
    // `convert` decodes the panel's texts; without it the panel's menu language decides
    // through `choose`.
    CAlarmHistDlg(std::string dbPath, const std::string &programDir, comm::TextConverter convert,
                  comm::PanelTextChooser choose = {});

    const comm::CAlarmGrid &Grid() const { return m_grid; }
    const std::string &DatabasePath() const { return m_db.path(); }
    void SetDatabasePath(std::string path) { m_db.setPath(std::move(path)); }
    // The folder the file chooser starts in.
    std::string DatabaseFolder() const;
    const comm::AlarmSearch &Range() const { return m_range; }

    // "Upload": the panel's history is added to the grid (no duplicates, nothing cleared).
    bool Upload(comm::CCommThread &link, comm::IPanelUi &ui);
    bool Save(comm::IPanelUi &ui);
    // "Search", first step: the range dialog over the database's messages; nothing when the
    // database cannot be read (its reason shown). Until a range is confirmed it offers the
    // whole history loaded (the database and the grid), any message.
    std::optional<CAlarmSearchDlg> PrepareSearch(comm::IPanelUi &ui);
    // After the range dialog's OK: the range is kept and the grid shows what was found.
    bool Search(comm::IPanelUi &ui, const comm::AlarmSearch &range);
    // "Delete": the rows with a selected cell leave the database and the grid.
    bool Delete(comm::IPanelUi &ui, const std::set<std::size_t> &selectedRows);

    // Preloads rows (a gallery picture, a test) as an upload would.
    void AddRows(const std::vector<comm::AlarmRow> &rows);

private:
    comm::AlarmSearch wholeRange(const std::optional<comm::TimeSpan> &span) const;

    comm::CAlarmGrid m_grid;
    comm::CAlarmDatabase m_db;
    comm::TextConverter m_convert;
    comm::PanelTextChooser m_choose;
    comm::AlarmSearch m_range; // the last confirmed range (now to now before one)
    bool m_rangeConfirmed = false;
};

} // namespace core
