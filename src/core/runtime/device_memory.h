#pragma once

// The memory a running panel reads and writes: its own words 0 to 999 and, per channel and
// station, the devices of the PLCs it talks to.
//
// Keying. The panel's own memory is one array of 16-bit words: a bit point "1005" is bit 5 of
// word 100, and a double word at n holds its low half in word n and its high half in word n + 1,
// so bits, words and double words of the panel overlap exactly as their addresses say. A PLC's
// devices are kept sparse, keyed by channel, station, address kind and the download address its
// driver builds for the point (plus the bit number). That field is the driver's own encoding, so
// nothing here can tell which bit lies inside which word: bit, word and double-word points of a
// PLC are separate cells, and two points share a cell exactly when the driver builds the same
// address for them.

#include "core/plc/plc_drv.h"
#include "core/runtime/memory_key.h"
#include "core/runtime/plc_memory.h"

#include "util/byte_order.h"

#include <array>
#include <compare>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace core {

class CDorvaneDoc;
class CPlcSlots;
class CPointInfo;

// One device point of the project, for a device table.
// The values a point is watched over: the limits of the tags that show it (all of them), else
// all its cell holds. With `bcd` the tags read the cell's nibbles as decimal digits.
struct ValueRange
{
    std::int64_t low = 0;
    std::int64_t high = 0;
    bool bcd = false;
};

struct MemoryPoint
{
    std::string text; // "CH-STATION-ADDRESS", or the bare number for the panel's own memory
    MemoryKey key;
    std::uint16_t dataSize = 2; // 1 bit, 2 word, 3 double word
    ValueRange range;
};

enum class MemoryResult { Ok, BadSyntax, UnknownPoint, BadValue };

struct MemoryOutcome
{
    MemoryResult result = MemoryResult::Ok;
    std::string message; // English, for a command line; empty on success
    bool ok() const { return result == MemoryResult::Ok; }
};

inline constexpr std::uint16_t kPanelWords = 1000;

class CDeviceMemory
{
public:
    // The slots turn device points into addresses; they must outlive the memory.
    explicit CDeviceMemory(const CPlcSlots &slots);

    // --- addressing -----------------------------------------------------------------------------
    // The cell of a device point, or nothing when its address is not valid on its channel.
    std::optional<MemoryKey> KeyOf(const CPointInfo &point) const;
    // The cell of the 62-byte address block at `block` of a record in memory form (little-endian
    // numbers), read with address kind `kind`.
    std::optional<MemoryKey> KeyOfBlock(util::ConstByteSpan record, std::size_t block,
                                        std::int32_t kind) const;
    // The cell of a download address on a channel (the form the parameter block keeps).
    std::optional<MemoryKey> KeyOfField(std::uint16_t channel, std::uint16_t station,
                                        std::int32_t kind, const DownAddr &field,
                                        std::uint16_t bit) const;
    // `count` consecutive words (or double words) from the block's address on: panel words
    // n, n+1, ...; on a PLC the driver's address text with its number counted up. The run stops
    // early where an address does not exist.
    std::vector<MemoryKey> KeyRun(util::ConstByteSpan record, std::size_t block, std::int32_t kind,
                                  std::size_t count) const;
    // The cell of a panel word.
    static MemoryKey PanelWord(std::uint16_t word);

    // --- values ---------------------------------------------------------------------------------
    // Raw bits: 0/1 for a bit, a word zero-extended, a double word as stored. Unknown cells and
    // invalid points read 0.
    std::uint32_t Read(const MemoryKey &key) const;
    // Stores the value cut to the cell's width. Panel words beyond 999 are ignored.
    void Write(const MemoryKey &key, std::uint32_t value);
    std::uint32_t Value(const CPointInfo &point) const;
    bool Write(const CPointInfo &point, std::uint32_t value);
    // True when the cell's value is not known: its PLC did not answer the last request for it.
    // The panel's own memory and the simulated PLCs never fail.
    bool Failed(const MemoryKey &key) const;
    bool Failed(const CPointInfo &point) const;

    // --- where the PLC devices live ------------------------------------------------------------
    // Channel 1 or 2 reads and writes `memory` from now on (an online PLC); null goes back to the
    // simulated cells, which kept their values meanwhile.
    void AttachPlc(std::uint16_t channel, std::shared_ptr<IPlcMemory> memory);
    bool IsOnline(std::uint16_t channel) const;

    // --- restart ---------------------------------------------------------------------------------
    // The latch range of the parameters: with latch on, panel words start..end survive Reset().
    void SetLatch(bool on, std::uint16_t start, std::uint16_t end);
    void SetLatchFromParameters(const CDorvaneDoc &doc);
    // A simulated restart of the panel: its own words are cleared except the latched ones. The
    // PLCs keep their memory (they do not restart with the panel).
    void Reset();

    // --- the project's points -------------------------------------------------------------------
    // Lists every device point the project uses once (tags, function keys, alarms,
    // calculations, block transfers, reservations, the screen-change words), first text wins.
    void CollectPoints(const CDorvaneDoc &doc);
    const std::vector<MemoryPoint> &Points() const { return m_points; }
    // The points the panel reads and writes while it shows screen `screen`: that screen's tags
    // and function keys, and every common function and screen-change word, which run on every
    // screen.
    std::vector<MemoryPoint> PointsWhileShowing(const CDorvaneDoc &doc, std::uint16_t screen) const;
    // The text a cell is listed with.
    std::string KeyText(const MemoryKey &key) const;

    // Parses "POINT=VALUE" and writes it. POINT is a listed text, "CH-STATION-ADDRESS" for a PLC
    // or a panel number (a word up to 999, else a bit such as 1005) or system-address name.
    // VALUE is 0/1 for a bit, else decimal (negative for signed) or 0x hexadecimal within the
    // width of the cell.
    MemoryOutcome ApplySet(std::string_view assignment);
    // Only the POINT part, as ApplySet reads it; the data size goes to `dataSize`.
    std::optional<MemoryKey> ParsePoint(std::string_view text, std::uint16_t &dataSize) const;

private:
    void collect(const CDorvaneDoc &doc, std::optional<std::uint16_t> onlyScreen,
                 std::vector<MemoryPoint> &out) const;
    const IPlcMemory &plc(std::uint16_t channel) const;
    IPlcMemory &plc(std::uint16_t channel);

    const CPlcSlots &m_slots;
    std::array<std::uint16_t, kPanelWords> m_words{};
    CSimulatedPlcMemory m_simulated;
    std::array<std::shared_ptr<IPlcMemory>, 3> m_online; // by channel; null: simulated
    bool m_latchOn = false;
    std::uint16_t m_latchStart = 0;
    std::uint16_t m_latchEnd = 0;
    std::vector<MemoryPoint> m_points;
    // Device points resolved so far: the renderer asks for the same points every frame.
    mutable std::map<std::string, std::optional<MemoryKey>> m_resolved;
};

// Parses a value text for a cell of `dataSize` (1 bit, 2 word, 3 double word): 0/1 for a bit;
// decimal with an optional '-', or 0x hexadecimal, within -32768..65535 for a word and
// -2147483648..4294967295 for a double word. Returns the raw bits.
std::optional<std::uint32_t> parseMemoryValue(std::string_view text, std::uint16_t dataSize);

} // namespace core
