#include "core/comm/comm_message_queue.h"

namespace comm {

void CCommMessageQueue::post(const CommMessage &message)
{
    {
        const std::lock_guard lock(m_mutex);
        m_queue.push_back(message);
    }
    m_cv.notify_one();
}

std::optional<CommMessage> CCommMessageQueue::wait(std::chrono::milliseconds timeout)
{
    std::unique_lock lock(m_mutex);
    if (!m_cv.wait_for(lock, timeout, [this] { return !m_queue.empty(); }))
        return std::nullopt;
    const CommMessage message = m_queue.front();
    m_queue.pop_front();
    return message;
}

std::size_t CCommMessageQueue::pending() const
{
    const std::lock_guard lock(m_mutex);
    return m_queue.size();
}

} // namespace comm
