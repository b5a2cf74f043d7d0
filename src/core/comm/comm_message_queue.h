#pragma once

// A notify target that queues the worker's messages for a thread without an event loop (the
// command line, tests, blocking procedures): the owner takes them with wait().

#include "core/comm/comm_cmd.h"

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>

namespace comm {

class CCommMessageQueue : public ICommNotify
{
public:
    void post(const CommMessage &message) override;
    // The next message, or nothing when none arrives within the timeout.
    std::optional<CommMessage> wait(std::chrono::milliseconds timeout);
    std::size_t pending() const;

private:
    mutable std::mutex m_mutex;
    std::condition_variable m_cv;
    std::deque<CommMessage> m_queue;
};

} // namespace comm
