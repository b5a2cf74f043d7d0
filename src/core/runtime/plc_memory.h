#pragma once

// Where the running panel finds the devices of the PLC on one channel. The simulated store keeps
// whatever was written (the preview's and simulator's default); an online store polls a real PLC
// and may report a point as failed when its last request was not answered.

#include "core/runtime/memory_key.h"

#include <cstdint>
#include <map>

namespace core {

class IPlcMemory
{
public:
    virtual ~IPlcMemory() = default;
    // Raw bits as CDeviceMemory::Read gives them; unknown cells read 0.
    virtual std::uint32_t Read(const MemoryKey &key) const = 0;
    // The value already cut to the cell's width.
    virtual void Write(const MemoryKey &key, std::uint32_t value) = 0;
    // True while the point's value is not known from the device (no answer, an error).
    virtual bool Failed(const MemoryKey &) const { return false; }
};

// Cells that hold what was written to them.
class CSimulatedPlcMemory final : public IPlcMemory
{
public:
    std::uint32_t Read(const MemoryKey &key) const override
    {
        const auto it = m_cells.find(key);
        return it == m_cells.end() ? 0 : it->second;
    }
    void Write(const MemoryKey &key, std::uint32_t value) override { m_cells[key] = value; }

private:
    std::map<MemoryKey, std::uint32_t> m_cells;
};

} // namespace core
