#pragma once

// How full the panel's areas are, and which of the panel's 1000 internal words a project reads
// or writes: the status-bar gauge labels, the memory-usage dialog's texts and the system-memory
// map.

#include "core/model/memory_monitor.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace core {

class CDorvaneDoc;

// "화면  45%": the gauge's label with as many characters cut from its end as the formatted
// percentage ("%2d%%") has, then the percentage; the label keeps its length.
std::string gaugeLabel(MemoryGauge gauge, std::uint32_t bytes, std::uint16_t resourceLang);

struct MemoryUseRow
{
    std::string name, capacity, used, ratio;
};
// The memory-usage dialog's rows for screens, messages and images.
std::vector<MemoryUseRow> memoryUseRows(std::uint32_t screenBytes, std::uint32_t stringBytes,
                                        std::uint32_t imageBytes, std::uint16_t resourceLang);

// The panel's internal words 0 to 999 and how the project uses them.
class CSystemMemoryMap
{
public:
    static constexpr int kWords = 1000;
    static constexpr int kColumns = 20;
    static constexpr int kRows = 50;
    enum Access : std::uint8_t { kNone = 0, kRead = 1, kWrite = 2 };

    // Marks an address given as the point's panel-internal text with its data size (1 bit,
    // 2 word, 3 double word).
    void Mark(const std::string &text, int dataSize, Access access);
    void MarkWord(long word, Access access);

    std::uint8_t At(int word) const { return m_cells.at(std::size_t(word)); }
    // "", "R", "W" or "R/W".
    std::string CellText(int word) const;
    static std::string RowHeader(int row); // row 1-50: "S%03d"
    static std::string ColumnHeader(int column); // column 1-20: "+%02d"

private:
    std::array<std::uint8_t, kWords> m_cells{};
};

CSystemMemoryMap buildSystemMemoryMap(const CDorvaneDoc &doc);

} // namespace core
