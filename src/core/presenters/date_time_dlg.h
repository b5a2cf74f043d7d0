#pragma once

// The panel clock dialog: the panel's time read continuously while the dialog is open, and the
// choice of what "set the time" sends (the PC's clock, or the date and time fields).

#include "core/comm/clock_record.h"
#include "core/comm/comm_cmd.h"
#include "core/comm/panel_clock.h"

#include <optional>
#include <string>

namespace comm {
class CCommThread;
class IPanelUi;
} // namespace comm

namespace core {

class CDateTimeDlg
{
public:
    explicit CDateTimeDlg(comm::CCommThread &link);
    // The worker must be gone before the notify target it reports to.
    ~CDateTimeDlg();
    CDateTimeDlg(const CDateTimeDlg &) = delete;
    CDateTimeDlg &operator=(const CDateTimeDlg &) = delete;

    // Starts reading the panel's clock; its messages go to `notify` until Close().
    bool Open(comm::ICommNotify *notify);
    // A worker message handed over to the dialog's thread: true when the panel text changed.
    bool OnMessage(const comm::CommMessage &message);
    // "Set the time": stops the reading, writes the chosen time and reads on.
    bool SetTime(comm::IPanelUi &ui);
    // Stops the reading, ends the connection and gives the link its previous target back.
    void Close();
    bool IsOpen() const { return m_open; }

    // The panel's last valid reading (date, day, time), empty before the first.
    const comm::CommText &PanelText() const { return m_panelText; }
    static comm::CommText PcText(const comm::ClockTime &now) { return comm::clockText(now); }

    bool UsePcClock() const { return m_usePcClock; }
    void SetUsePcClock(bool use) { m_usePcClock = use; }
    // The date and time pickers only matter for the second choice.
    bool PickersEnabled() const { return !m_usePcClock; }
    const comm::ClockTime &Fields() const { return m_fields; }
    void SetFields(const comm::ClockTime &time) { m_fields = time; }
    // What SetTime() sends: the fields, or nothing for the PC's time at that moment.
    std::optional<comm::ClockTime> TimeToSend() const;

private:
    comm::CPanelClock m_clock;
    bool m_open = false;
    bool m_usePcClock = true;
    comm::ClockTime m_fields = comm::localClockNow();
    comm::CommText m_panelText;
};

} // namespace core
