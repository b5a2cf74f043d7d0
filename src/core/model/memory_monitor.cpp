#include "core/model/memory_monitor.h"

#include <algorithm>

namespace core {

int CMemoryMonitor::Subscribe(Listener listener)
{
    const int id = m_nextId++;
    m_listeners.emplace_back(id, std::move(listener));
    return id;
}

void CMemoryMonitor::Unsubscribe(int id)
{
    std::erase_if(m_listeners, [id](const auto &entry) { return entry.first == id; });
}

void CMemoryMonitor::Publish(MemoryGauge gauge, std::uint32_t bytes)
{
    m_totals[std::size_t(gauge)] = bytes;
    // A listener may unsubscribe while we notify: iterate over a copy.
    const auto listeners = m_listeners;
    for (const auto &entry : listeners)
        if (entry.second)
            entry.second(gauge, bytes);
}

std::uint32_t CMemoryMonitor::Capacity(MemoryGauge gauge)
{
    switch (gauge) {
    case MemoryGauge::String:
        return kStringAreaSize;
    case MemoryGauge::Image:
        return kImageAreaSize;
    default:
        return kScreenAreaSize;
    }
}

int CMemoryMonitor::Percent(MemoryGauge gauge, std::uint32_t bytes)
{
    const double percent = double(bytes) * 100.0 / double(Capacity(gauge));
    return int(std::clamp(percent, 0.0, 100.0));
}

} // namespace core
