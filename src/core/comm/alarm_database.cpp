#include "core/comm/alarm_database.h"

#include "core/comm/alarm_grid.h"
#include "core/comm/comm_text.h"
#include "core/comm/panel_ui.h"
#include "util/file_io.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <memory>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

namespace comm {

namespace {

struct DbClose
{
    void operator()(sqlite3 *db) const { sqlite3_close(db); }
};
struct StmtFinalize
{
    void operator()(sqlite3_stmt *s) const { sqlite3_finalize(s); }
};
using DbHandle = std::unique_ptr<sqlite3, DbClose>;
using Statement = std::unique_ptr<sqlite3_stmt, StmtFinalize>;

// One opened database for the span of one command.
class Session
{
public:
    explicit Session(std::string &error)
        : m_error(error)
    { }

    bool open(const std::string &path, bool readOnly = false)
    {
        sqlite3 *db = nullptr;
        const int rc
                = sqlite3_open_v2(path.c_str(), &db,
                                  readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE, nullptr);
        m_db.reset(db);
        if (rc != SQLITE_OK)
            return fail();
        sqlite3_busy_timeout(db, 2000);
        return true;
    }

    Statement prepare(const std::string &sql, const std::vector<std::string> &parameters)
    {
        sqlite3_stmt *raw = nullptr;
        if (sqlite3_prepare_v2(m_db.get(), sql.c_str(), -1, &raw, nullptr) != SQLITE_OK) {
            fail();
            return nullptr;
        }
        Statement stmt(raw);
        for (std::size_t i = 0; i < parameters.size(); ++i) {
            if (sqlite3_bind_text(raw, static_cast<int>(i + 1), parameters[i].c_str(),
                                  static_cast<int>(parameters[i].size()), SQLITE_TRANSIENT)
                != SQLITE_OK) {
                fail();
                return nullptr;
            }
        }
        return stmt;
    }

    // Runs a statement that returns no rows.
    bool execute(const std::string &sql, const std::vector<std::string> &parameters = {})
    {
        Statement stmt = prepare(sql, parameters);
        if (!stmt)
            return false;
        return sqlite3_step(stmt.get()) == SQLITE_DONE || fail();
    }

    // 1 a row exists, 0 none, -1 error.
    int exists(const std::string &sql, const std::vector<std::string> &parameters)
    {
        Statement stmt = prepare(sql, parameters);
        if (!stmt)
            return -1;
        const int rc = sqlite3_step(stmt.get());
        if (rc == SQLITE_ROW)
            return 1;
        if (rc == SQLITE_DONE)
            return 0;
        fail();
        return -1;
    }

    bool fail()
    {
        m_error = m_db ? sqlite3_errmsg(m_db.get()) : "out of memory";
        return false;
    }

    sqlite3 *db() const { return m_db.get(); }

private:
    DbHandle m_db;
    std::string &m_error;
};

std::string columnText(sqlite3_stmt *stmt, int column)
{
    if (column < 0)
        return {};
    const unsigned char *text = sqlite3_column_text(stmt, column);
    const int size = sqlite3_column_bytes(stmt, column);
    return text ? std::string(reinterpret_cast<const char *>(text), static_cast<std::size_t>(size))
                : std::string();
}

int columnIndex(sqlite3_stmt *stmt, const char *name)
{
    for (int i = 0; i < sqlite3_column_count(stmt); ++i) {
        if (sqlite3_stricmp(sqlite3_column_name(stmt, i), name) == 0)
            return i;
    }
    return -1;
}

} // namespace

std::string alarmDatabasePath(const std::string &programDir, const std::string &base, int n)
{
    return programDir + "/Alarm/" + base + std::to_string(n) + ".mdb";
}

CAlarmDatabase::CAlarmDatabase(std::string path, std::string templatePath)
    : m_path(std::move(path))
    , m_templatePath(std::move(templatePath))
{ }

bool CAlarmDatabase::prepareFile(bool forWriting)
{
    m_error.clear();
    if (!util::fileExists(m_path)) {
        const std::optional<util::Bytes> image = util::readFileCapped(m_templatePath, kMaxTemplate);
        if (!image) {
            m_error = "cannot read " + m_templatePath;
            return false;
        }
        std::error_code ec;
        const std::string dir = util::dirName(m_path);
        if (!dir.empty())
            std::filesystem::create_directories(dir, ec);
        // O_EXCL: a file that appeared meanwhile is never overwritten.
        const int fd = ::open(m_path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd < 0) {
            if (errno == EEXIST)
                return prepareFile(forWriting);
            m_error = std::strerror(errno);
            return false;
        }
        const ssize_t n = ::write(fd, image->data(), image->size());
        ::close(fd);
        if (n != static_cast<ssize_t>(image->size())) {
            m_error = "cannot write " + m_path;
            ::unlink(m_path.c_str());
            return false;
        }
    }
    // Only a command that writes clears the read-only attribute; a search leaves the file as
    // the user set it.
    struct stat st
    { };
    if (forWriting && ::stat(m_path.c_str(), &st) == 0 && !(st.st_mode & S_IWUSR))
        ::chmod(m_path.c_str(), st.st_mode | S_IWUSR);
    return true;
}

bool CAlarmDatabase::save(const std::vector<AlarmRow> &rows)
{
    Session s(m_error);
    if (!prepareFile(true) || !s.open(m_path) || !s.execute("BEGIN"))
        return false;
    for (const AlarmRow &row : rows) {
        const int found = s.exists("SELECT * FROM Alarm WHERE AlarmDate=? AND Message=?",
                                   {row.alarmDate, row.message});
        if (found < 0)
            return false; // the open transaction rolls back when the session closes
        const bool ok = found ? s.execute("UPDATE Alarm SET ClearDate = ?, Message = ? WHERE "
                                          "AlarmDate=? AND Message=?",
                                          {row.clearDate, row.message, row.alarmDate, row.message})
                              : s.execute("INSERT INTO Alarm ( AlarmDate, ClearDate, Message ) "
                                          "VALUES (?, ?, ?)",
                                          {row.alarmDate, row.clearDate, row.message});
        if (!ok)
            return false;
    }
    return s.execute("COMMIT");
}

std::optional<std::vector<AlarmRow>> CAlarmDatabase::search(const AlarmSearch &search)
{
    Session s(m_error);
    if (!prepareFile(false) || !s.open(m_path, true))
        return std::nullopt;
    const SqlStatement statement = buildSearchStatement(search);
    Statement stmt = s.prepare(statement.sql, statement.parameters);
    if (!stmt)
        return std::nullopt;
    const int date = columnIndex(stmt.get(), "AlarmDate");
    const int clear = columnIndex(stmt.get(), "ClearDate");
    const int message = columnIndex(stmt.get(), "Message");
    std::vector<AlarmRow> rows;
    int rc = SQLITE_ROW;
    while (rows.size() < kMaxSearchRows && (rc = sqlite3_step(stmt.get())) == SQLITE_ROW)
        rows.push_back({columnText(stmt.get(), date), columnText(stmt.get(), clear),
                        columnText(stmt.get(), message)});
    if (rc != SQLITE_ROW && rc != SQLITE_DONE) {
        s.fail();
        return std::nullopt;
    }
    return rows;
}

std::optional<std::vector<std::string>> CAlarmDatabase::distinctMessages()
{
    Session s(m_error);
    if (!prepareFile(false) || !s.open(m_path, true))
        return std::nullopt;
    Statement stmt = s.prepare("SELECT DISTINCT Message FROM Alarm ORDER BY Message ASC", {});
    if (!stmt)
        return std::nullopt;
    std::vector<std::string> messages;
    int rc = SQLITE_ROW;
    while ((rc = sqlite3_step(stmt.get())) == SQLITE_ROW)
        messages.push_back(columnText(stmt.get(), 0));
    if (rc != SQLITE_DONE) {
        s.fail();
        return std::nullopt;
    }
    return messages;
}

bool CAlarmDatabase::widenToStored(std::optional<TimeSpan> &span)
{
    Session s(m_error);
    if (!prepareFile(false) || !s.open(m_path, true))
        return false;
    Statement stmt = s.prepare("SELECT AlarmDate FROM Alarm", {});
    if (!stmt)
        return false;
    int rc = SQLITE_ROW;
    while ((rc = sqlite3_step(stmt.get())) == SQLITE_ROW)
        widenSpan(span, columnText(stmt.get(), 0));
    if (rc != SQLITE_DONE) {
        s.fail();
        return false;
    }
    return true;
}

bool CAlarmDatabase::remove(const std::vector<AlarmRow> &rows)
{
    Session s(m_error);
    if (!prepareFile(true) || !s.open(m_path) || !s.execute("BEGIN"))
        return false;
    for (const AlarmRow &row : rows) {
        if (!s.execute("DELETE FROM Alarm WHERE AlarmDate=? AND Message=?",
                       {row.alarmDate, row.message}))
            return false;
    }
    return s.execute("COMMIT");
}

bool SaveAlarmGrid(CAlarmDatabase &db, IPanelUi &ui, const CAlarmGrid &grid)
{
    if (db.save(grid.alarms()))
        return true;
    ui.message(CommText::of(db.lastError()), IPanelUi::Icon::Warning);
    return false;
}

bool SearchAlarmsIntoGrid(CAlarmDatabase &db, IPanelUi &ui, const AlarmSearch &search,
                          CAlarmGrid &grid)
{
    if (const auto refusal = validateSearch(search)) {
        ui.message(*refusal, IPanelUi::Icon::Warning);
        return false;
    }
    const auto rows = db.search(search);
    if (!rows) {
        ui.message(CommText::of(db.lastError()), IPanelUi::Icon::Warning);
        return false;
    }
    grid.clear();
    for (const AlarmRow &row : *rows)
        grid.addRow(row);
    return true;
}

bool DeleteAlarmRows(CAlarmDatabase &db, IPanelUi &ui, CAlarmGrid &grid,
                     const std::set<std::size_t> &selected)
{
    std::vector<AlarmRow> rows;
    for (const std::size_t index : selected) {
        if (index < grid.size())
            rows.push_back(grid.rows()[index].alarm);
    }
    if (rows.empty()) {
        ui.message(CommTextId::NoLineSelected, IPanelUi::Icon::Warning);
        return false;
    }
    if (!ui.ask(CommTextId::AskDeleteRows))
        return false;
    if (!db.remove(rows)) {
        ui.message(CommText::of(db.lastError()), IPanelUi::Icon::Warning);
        return false;
    }
    grid.removeRows(selected);
    return true;
}

} // namespace comm
