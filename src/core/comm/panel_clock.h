#pragma once

// The panel clock dialog's logic: a continuous worker run reading the clock, the text of each
// reading, and setting the clock (stop the reading, connect, check the password, write, read on).

#include "core/comm/clock_record.h"
#include "core/comm/comm_cmd.h"

#include <optional>
#include <string>

namespace comm {

class CCommThread;
class IPanelUi;

class CPanelClock
{
public:
    explicit CPanelClock(CCommThread &link);

    // Dialog opening: `notify` becomes the link's target (the previous one is kept) and the
    // reading starts.
    bool open(ICommNotify *notify);
    // A worker message: the panel time text when it carries a valid reading.
    std::optional<CommText> onMessage(const CommMessage &message);
    // "Set the time": the given time, or the PC's local time when none is given.
    bool setTime(IPanelUi &ui, std::optional<ClockTime> time);
    // Dialog closing.
    void close();

    const ClockRecord &record() const { return m_record; }

private:
    bool startReading();

    CCommThread &m_link;
    ICommNotify *m_notify = nullptr;
    ICommNotify *m_previous = nullptr;
    ClockRecord m_record{};
};

} // namespace comm
