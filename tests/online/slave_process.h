#pragma once

// The pymodbus slave of tests/online/modbus_slave.py as a child process: started on TCP loopback
// or on a pseudo-terminal, driven through its standard input.

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace onlinetest {

class SlaveProcess
{
public:
    // `mode` "tcp" or "rtu"; `extra` further arguments (--units, --hole).
    explicit SlaveProcess(const std::string &mode, const std::vector<std::string> &extra = {})
    {
        // A slave that died must fail the checks that talk to it, not end the test program
        // with SIGPIPE on the next command.
        ::signal(SIGPIPE, SIG_IGN);
        int in[2], out[2];
        if (::pipe(in) != 0 || ::pipe(out) != 0)
            return;
        m_pid = ::fork();
        if (m_pid == 0) {
            ::dup2(in[0], 0);
            ::dup2(out[1], 1);
            ::close(in[1]);
            ::close(out[0]);
            std::vector<std::string> args{DORVANE_SYSTEM_PYTHON, DORVANE_MODBUS_SLAVE, mode};
            args.insert(args.end(), extra.begin(), extra.end());
            std::vector<char *> argv;
            for (std::string &a : args)
                argv.push_back(a.data());
            argv.push_back(nullptr);
            ::execv(argv[0], argv.data());
            ::_exit(127);
        }
        ::close(in[0]);
        ::close(out[1]);
        m_in = in[1];
        m_out = out[0];
        const std::string first = line(std::chrono::seconds(10));
        const std::size_t space = first.find(' ');
        if (space != std::string::npos)
            m_where = first.substr(space + 1);
    }
    ~SlaveProcess()
    {
        if (m_pid > 0) {
            send("quit");
            ::close(m_in);
            ::close(m_out);
            for (int i = 0; i < 100; ++i) {
                if (::waitpid(m_pid, nullptr, WNOHANG) == m_pid)
                    return;
                ::usleep(20000);
            }
            ::kill(m_pid, SIGKILL);
            ::waitpid(m_pid, nullptr, 0);
        }
    }
    SlaveProcess(const SlaveProcess &) = delete;
    SlaveProcess &operator=(const SlaveProcess &) = delete;

    bool running() const { return !m_where.empty(); }
    // The TCP port or the pseudo-terminal's path.
    const std::string &where() const { return m_where; }
    std::string tcp() const { return "tcp:127.0.0.1:" + m_where; }

    // Sends a command and returns its answer line.
    std::string command(const std::string &text)
    {
        send(text);
        return line(std::chrono::seconds(5));
    }
    int value(const std::string &table, int address)
    {
        const std::string answer = command("get " + table + " " + std::to_string(address));
        return answer.rfind("VALUE ", 0) == 0 ? std::stoi(answer.substr(6)) : -1;
    }

private:
    void send(const std::string &text)
    {
        const std::string l = text + "\n";
        [[maybe_unused]] const auto n = ::write(m_in, l.data(), l.size());
    }
    std::string line(std::chrono::milliseconds timeout)
    {
        std::string out;
        const auto until = std::chrono::steady_clock::now() + timeout;
        for (;;) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                    until - std::chrono::steady_clock::now());
            pollfd p{m_out, POLLIN, 0};
            if (left.count() <= 0 || ::poll(&p, 1, int(left.count())) <= 0)
                return out;
            char c = 0;
            if (::read(m_out, &c, 1) != 1 || c == '\n')
                return out;
            out.push_back(c);
        }
    }

    pid_t m_pid = -1;
    int m_in = -1;
    int m_out = -1;
    std::string m_where;
};

} // namespace onlinetest
