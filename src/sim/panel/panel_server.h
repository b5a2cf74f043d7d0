#pragma once

// Serves the panel's side of the frame protocol on the master of a pseudo-terminal: reassembles
// requests, answers them from CPanelMemory, paces both directions at a wire speed when asked,
// and injects faults at chosen responses for tests.

#include "sim/panel/panel_memory.h"
#include "util/byte_order.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace sim {

struct Fault
{
    enum class Kind { Drop, Bcc, Nak, Silent, Cut, Frame, Letters };
    Kind kind = Kind::Drop;
    unsigned response = 1; // 1-based count of responses
    std::uint8_t code = 0; // NAK code
};

// "drop:N", "bcc:N", "nak:N:CODE", "silent:N", "cut:N", "frame:N", "letters:N".
bool parseFault(const std::string &text, Fault &out);

class CPanelServer
{
public:
    using Clock = std::chrono::steady_clock;

    CPanelServer(CPanelMemory &memory, unsigned baud, std::vector<Fault> faults);
    ~CPanelServer();

    // Records every request served from now on into `path`, a line each (see traceLine).
    bool setTrace(const std::string &path);
    // "wG 02..." : main and sub letter, a blank, then the whole frame in hexadecimal.
    static std::string traceLine(util::ConstByteSpan request);

    // Opens the pseudo-terminal; its device path is the port to use.
    bool open(std::string &slavePath);
    // Serves until the process is killed or stop() is called (from another thread).
    void serve();
    void stop() { m_stop = true; }

    // The answer to one complete request frame (empty: none).
    util::Bytes answer(util::ConstByteSpan request);
    // Length of the request frame at the start of `data`, 0 while unknown.
    static std::size_t requestLength(util::ConstByteSpan data);

private:
    util::Bytes handle(std::uint8_t main, std::uint8_t sub, util::ConstByteSpan payload);
    util::Bytes handleControl(std::uint8_t sub, util::ConstByteSpan payload);
    util::Bytes handleClock(std::uint8_t main, util::ConstByteSpan payload);
    util::Bytes handleArea(std::uint8_t main, std::uint8_t sub, util::ConstByteSpan payload);
    void respond(util::Bytes frame, Clock::time_point arrived);
    void sendPaced(util::ConstByteSpan bytes, Clock::time_point start);
    Clock::duration byteTime(std::size_t count) const;

    CPanelMemory &m_memory;
    unsigned m_baud = 0;
    std::vector<Fault> m_faults;
    int m_master = -1;
    int m_slave = -1; // held open so the master never sees a hang-up between host sessions
    std::atomic<bool> m_stop{false};
    static constexpr int kStopCheckMs = 100;
    bool m_authorized = true;
    bool m_silent = false;
    unsigned m_responses = 0;
    std::FILE *m_trace = nullptr;
};

} // namespace sim
