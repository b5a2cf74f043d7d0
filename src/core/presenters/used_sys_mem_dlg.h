#pragma once

// The logic of the used-system-memory window: which of the panel's 1000 internal words the
// project reads, writes or both, shown as 50 rows of 20. A word is marked by the tags of every
// screen, the function keys, the two screen-number links of the panel settings and the four
// common-function lists; only addresses on the panel's own memory (channel 0) count.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace core {

class CDorvaneDoc;

class CUsedSysMemDlg
{
public:
    static constexpr int kWords = 1000;
    static constexpr int kColumns = 20;
    static constexpr int kRows = kWords / kColumns;

    enum Access : std::uint8_t { kNone = 0, kRead = 1, kWrite = 2, kReadWrite = kRead | kWrite };
    // Data sizes of a marked address: 1 bit, 2 word, 3 double word.
    enum Size : std::uint16_t { kBit = 1, kWord = 2, kDWord = 3 };

    explicit CUsedSysMemDlg(const CDorvaneDoc &doc);
    CUsedSysMemDlg() = default;

    Access At(int word) const;
    // "", "R", "W" or "R/W".
    std::string CellText(int word) const;
    // The cell of row 0-49 and column 0-19.
    std::string CellText(int row, int column) const { return CellText(row * kColumns + column); }
    static std::string RowHeader(int row); // "S%03d" of the row's first word
    static std::string ColumnHeader(int column); // "+%02d"

    // Marks the word that the panel address text names (for a bit, the text without its bit
    // digit), and the next word too for a double word; words outside 0-999 are ignored.
    void Mark(std::string_view text, std::uint16_t size, Access access);

private:
    void MarkScreens(const CDorvaneDoc &doc);
    void MarkParameters(const CDorvaneDoc &doc);
    void MarkLists(const CDorvaneDoc &doc);

    std::array<Access, kWords> m_cells{};
};

} // namespace core
