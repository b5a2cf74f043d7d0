#pragma once

// The project's messages, in area order, with the bytes they will take in the panel's string
// area. The application owns one manager for the process and hands it to the document, which
// clears and refills it when a project is created or opened. Every change is published to the
// memory monitor (string gauge).

#include "core/model/indexed_string.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace core {

class CMemoryMonitor;

class CStrResMgr
{
public:
    static constexpr std::uint32_t kEmptyBytes = 10;
    static constexpr std::uint32_t kAreaSize = 32768;

    explicit CStrResMgr(CMemoryMonitor *monitor = nullptr);
    virtual ~CStrResMgr() = default;
    CStrResMgr(const CStrResMgr &) = delete;
    CStrResMgr &operator=(const CStrResMgr &) = delete;

    // 0 added at the end; 1 the string area would overflow; 2 the identifier exists (the old
    // text stays). The capacity is checked first.
    virtual int Add(std::uint32_t id, std::string_view text);
    // Unknown identifiers are ignored.
    virtual void Remove(std::uint32_t id);

    void Clear();
    // The text, or "" for an unknown identifier.
    std::string Text(std::uint32_t id) const;
    bool Exists(std::uint32_t id) const;
    // 0 for an empty table, else the largest identifier + 1 (the caller checks the 16-bit range).
    std::uint32_t NextFreeId() const;

    std::uint32_t UsedBytes() const { return m_used; }
    std::size_t Count() const { return m_list.size(); }
    // The entries in area order.
    const std::vector<std::unique_ptr<CIndexedString>> &Strings() const { return m_list; }

    void SetMonitor(CMemoryMonitor *monitor) { m_monitor = monitor; }

private:
    void Notify() const;

    std::vector<std::unique_ptr<CIndexedString>> m_list;
    std::unordered_map<std::uint16_t, CIndexedString *> m_map;
    std::uint32_t m_used = kEmptyBytes;
    CMemoryMonitor *m_monitor = nullptr;
};

} // namespace core
