#pragma once

// Runs velmar-panel-sim as a child process for a test and stops it at the end.

#include <string>
#include <sys/types.h>
#include <vector>

namespace testsupport {

class SimProcess
{
public:
    SimProcess() = default;
    ~SimProcess() { stop(); }
    SimProcess(const SimProcess &) = delete;
    SimProcess &operator=(const SimProcess &) = delete;

    // Starts the simulator with `args` and reads its "PORT <path>" line.
    bool start(const std::vector<std::string> &args = {});
    void stop();
    const std::string &port() const { return m_port; }

private:
    pid_t m_pid = -1;
    std::string m_port;
};

} // namespace testsupport
