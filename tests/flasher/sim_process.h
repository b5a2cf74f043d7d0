#pragma once

// Starts velmar-flash-sim as a child process and reads the pseudo-terminal path it serves on.
// The destructor ends the child (SIGTERM) and reaps it.

#include <string>
#include <vector>

#include <sys/types.h>

class CSimProcess
{
public:
    CSimProcess(int device, const std::string &outDir, const std::vector<std::string> &extra = {});
    ~CSimProcess();
    CSimProcess(const CSimProcess &) = delete;
    CSimProcess &operator=(const CSimProcess &) = delete;

    bool started() const { return !m_port.empty(); }
    const std::string &port() const { return m_port; }
    // Waits up to `ms` for the child to end by itself; true when it did.
    bool waitExit(int ms);
    // SIGTERM and reap.
    void stop();

private:
    pid_t m_pid = -1;
    std::string m_port;
};

std::vector<unsigned char> readFileBytes(const std::string &path);
void writeFileBytes(const std::string &path, const std::vector<unsigned char> &bytes);
std::string readFileText(const std::string &path);
// Runs a shell command; its exit status.
int runCommand(const std::string &command);
