#pragma once

// The link's daily log: one text file per local date ("<base>_YYYY-MM-DD.txt"), opened, appended
// and closed per line so the UI thread and the worker never hold it at the same time. Nothing is
// written while logging is disabled.

#include "util/byte_order.h"

#include <ctime>
#include <functional>
#include <string>

namespace comm {

class CCommLog
{
public:
    // Local time source; replaceable so tests can pin the date.
    using TimeSource = std::function<std::tm()>;

    void setEnabled(bool enabled) { m_enabled = enabled; }
    bool enabled() const { return m_enabled; }
    void setBasePath(std::string path) { m_basePath = std::move(path); }
    const std::string &basePath() const { return m_basePath; }
    void setTimeSource(TimeSource source) { m_time = std::move(source); }

    // The file for the current date.
    std::string currentFile() const;

    // Appends `text` (cut to 1024 characters), behind a "[date time] " stamp when asked.
    void write(bool stamp, const std::string &text) const;
    void writeF(bool stamp, const char *format, ...) const __attribute__((format(printf, 3, 4)));
    // Hex dump of a request (send) or of what arrived (receive).
    void dump(bool send, util::ConstByteSpan bytes) const;

    // The dump text alone, as it goes into the file.
    static std::string dumpText(bool send, util::ConstByteSpan bytes);

private:
    std::tm now() const;
    void append(const std::string &text) const;

    bool m_enabled = false;
    std::string m_basePath;
    TimeSource m_time;
};

} // namespace comm
