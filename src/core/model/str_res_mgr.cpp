#include "core/model/str_res_mgr.h"

#include "core/model/memory_monitor.h"

#include <algorithm>

namespace core {

CStrResMgr::CStrResMgr(CMemoryMonitor *monitor)
    : m_monitor(monitor)
{ }

int CStrResMgr::Add(std::uint32_t id, std::string_view text)
{
    const std::uint64_t total = std::uint64_t(m_used) + text.size() + 8;
    if (total > kAreaSize)
        return 1;
    const auto key = std::uint16_t(id & 0xFFFF);
    if (m_map.count(key))
        return 2;
    auto entry = std::make_unique<CIndexedString>();
    entry->m_id = id;
    entry->m_text = std::string(text);
    m_used += entry->Cost();
    m_map[key] = entry.get();
    m_list.push_back(std::move(entry));
    Notify();
    return 0;
}

void CStrResMgr::Remove(std::uint32_t id)
{
    const auto it = m_map.find(std::uint16_t(id & 0xFFFF));
    if (it == m_map.end())
        return;
    const CIndexedString *entry = it->second;
    m_used -= entry->Cost();
    m_map.erase(it);
    std::erase_if(m_list, [entry](const auto &p) { return p.get() == entry; });
    Notify();
}

void CStrResMgr::Clear()
{
    m_list.clear();
    m_map.clear();
    m_used = kEmptyBytes;
    Notify();
}

std::string CStrResMgr::Text(std::uint32_t id) const
{
    const auto it = m_map.find(std::uint16_t(id & 0xFFFF));
    return it == m_map.end() ? std::string() : it->second->m_text;
}

bool CStrResMgr::Exists(std::uint32_t id) const
{
    return m_map.count(std::uint16_t(id & 0xFFFF)) != 0;
}

std::uint32_t CStrResMgr::NextFreeId() const
{
    if (m_list.empty())
        return 0;
    std::uint32_t largest = 0;
    for (const auto &entry : m_list)
        largest = std::max<std::uint32_t>(largest, entry->Key());
    return largest + 1;
}

void CStrResMgr::Notify() const
{
    if (m_monitor)
        m_monitor->Publish(MemoryGauge::String, m_used);
}

} // namespace core
